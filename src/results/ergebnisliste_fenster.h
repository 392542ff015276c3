#pragma once

#include <QWidget>
#include <memory>

class Bildschirmfoto;
class Ergebnisliste;
class Plattform;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class TFilterGrid;
struct ErgebnisProfil;
struct Listengroesse;
struct Zustand;

// The results list of a stored match day: the heading panel with the size controls, the list
// and the bottom row "Beenden", "Export", "Screenshot", "Als PDF speichern". It mirrors its
// Ergebnisliste; the twins differ only by their profile.
class ErgebnislisteFenster : public QWidget
{
    Q_OBJECT

public:
    ~ErgebnislisteFenster() override;

    // The day the file choice has set up (grp_datei, plan_anzahl, listen_datum): heading,
    // stored sizes, the list filled, the window shown and its columns fitted.
    void zeigen();

    QLabel *Panel2 = nullptr; // heading
    QLabel *Label3 = nullptr;
    QSpinBox *RxSpinEdit3 = nullptr; // font size
    QLabel *Label2 = nullptr;
    QSpinBox *RxSpinEdit2 = nullptr; // row height
    TFilterGrid *FilterGrid1 = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr; // "Beenden"
    QPushButton *Button2 = nullptr; // "Export"
    QPushButton *Button3 = nullptr; // "Screenshot"
    QPushButton *Button4 = nullptr; // "Als PDF speichern"

signals:
    void startseite_zeigen();
    void startseite_verbergen();

protected:
    ErgebnislisteFenster(Zustand &zustand, Plattform &plattform, const ErgebnisProfil &profil,
                         QWidget *parent);

    void resizeEvent(QResizeEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    QWidget *kopf_aufbauen();
    QWidget *fuss_aufbauen();
    QPushButton *knopf(const char *name, const QString &text);
    void FormCreate();
    void knoepfe_anordnen();
    void spiegeln();
    void groesse_zeigen(QSpinBox *feld, const Listengroesse &groesse);

    Zustand &m_zustand;
    Plattform &m_plattform;
    const ErgebnisProfil &m_profil;
    // Before the grid it works on goes with the window's children.
    std::unique_ptr<Ergebnisliste> m_liste;
    Bildschirmfoto *m_foto = nullptr;
};

// The doubles list.
class TForm11 : public ErgebnislisteFenster
{
    Q_OBJECT

public:
    TForm11(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
};

// The singles list.
class TForm13 : public ErgebnislisteFenster
{
    Q_OBJECT

public:
    TForm13(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
};
