#pragma once

#include <QWidget>
#include <memory>

class Plattform;
class QFrame;
class QLabel;
class QPushButton;
class QSplitter;
class Saisonuebersicht;
class TFilterGrid;
struct Zustand;

// "Saisonübersicht": every stored match day, the season totals and the players' season, each
// list sortable by a click on a title; exported as CSV, printed or saved as PDF through the
// print preview. It mirrors its Saisonuebersicht.
class SaisonFenster : public QWidget
{
    Q_OBJECT

public:
    SaisonFenster(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
    ~SaisonFenster() override;

    // Reads the data folder again and shows the window.
    void zeigen();
    const Saisonuebersicht &uebersicht() const { return *m_uebersicht; }

    QLabel *Panel2 = nullptr; // heading
    QSplitter *Splitter1 = nullptr;
    QLabel *Label1 = nullptr; // "Spieltage"
    TFilterGrid *FilterGrid1 = nullptr;
    QLabel *Label3 = nullptr; // the season totals
    QLabel *Label2 = nullptr; // "Spieler"
    TFilterGrid *FilterGrid2 = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr; // "Beenden"
    QPushButton *Button2 = nullptr; // "CSV-Export"
    QPushButton *Button3 = nullptr; // "Drucken"

signals:
    void startseite_zeigen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    QWidget *liste(QLabel *&label, TFilterGrid *&gitter, const char *name, const QString &titel);
    void spiegeln();
    void drucken();

    Zustand &m_zustand;
    Plattform &m_plattform;
    // Before the grids it works on go with the window's children.
    std::unique_ptr<Saisonuebersicht> m_uebersicht;
};
