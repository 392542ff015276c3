#pragma once

#include "help/hilfe_buch.h"

#include <QMainWindow>
#include <QTextBrowser>
#include <memory>

class Plattform;
class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Shows the pages of the help file; links and pictures are taken from the file, nothing from
// the network.
class HilfeSeite : public QTextBrowser
{
public:
    HilfeSeite(const HilfeBuch &buch, QWidget *parent);
    QVariant loadResource(int art, const QUrl &name) override;

    static QUrl adresse(const QString &seite);

private:
    const HilfeBuch &m_buch;
};

// The help window: contents, index with type-ahead, full-text search, and the page with
// back and forward.
class HilfeFenster : public QMainWindow
{
    Q_OBJECT

public:
    explicit HilfeFenster(QWidget *parent = nullptr);

    // Loads the file unless it is the one shown; false when it cannot be read.
    bool datei_oeffnen(const QString &pfad);
    // The page of a topic; an unknown topic shows the start page.
    void thema_zeigen(int thema);
    void seite_zeigen(const QString &seite);
    QString seite() const;

    QTabWidget *m_reiter = nullptr;
    QTreeWidget *m_inhalt = nullptr;
    QLineEdit *m_stichwort = nullptr;
    QListWidget *m_index = nullptr;
    QLineEdit *m_suchtext = nullptr;
    QPushButton *m_suchen = nullptr;
    QListWidget *m_treffer = nullptr;
    HilfeSeite *m_seite = nullptr;
    QAction *m_zurueck = nullptr;
    QAction *m_vorwaerts = nullptr;
    QAction *m_startseite = nullptr;

private:
    void oberflaeche_aufbauen();
    QWidget *index_aufbauen();
    QWidget *suche_aufbauen();
    void inhalt_fuellen(const std::vector<HilfeEintrag> &eintraege, QTreeWidgetItem *oben);
    void index_fuellen();
    void stichwort_suchen(const QString &text);
    void suche_starten();
    void seite_gewechselt(const QUrl &adresse);

    HilfeBuch m_buch;
};

// The one help window of the program: opened at a topic, reused, closed at the end.
class HilfeAnzeige
{
public:
    // Messages about a damaged file go through the given platform.
    explicit HilfeAnzeige(Plattform &plattform);
    ~HilfeAnzeige();

    // False when the file is missing (reported once at start-up) or damaged (reported here).
    bool oeffnen(const QString &datei, int thema);
    void schliessen();
    HilfeFenster *fenster() const { return m_fenster.get(); }

private:
    Plattform &m_plattform;
    std::unique_ptr<HilfeFenster> m_fenster;
};
