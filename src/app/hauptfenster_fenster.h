#pragma once

#include "app/befehle.h"
#include "backup/sicherungsstand.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class Plattform;
class ErgebnisAnbindung;
class LiveAnbindung;
class QFrame;
class QLabel;
class Startbild;
class QStatusBar;
class QTimer;
class QToolButton;
class SaisonFenster;
class TDatensicherung;
class TDualListDlg;
class TFarbe;
class TForm10;
class TForm3;
class TForm7;
class TForm8;
class TeilnehmerErfassung;
class TurnierplanAnbindung;
class UeberFenster;
class ZuschauerAnbindung;
struct Zustand;

// The home screen: fills the work area, shows the start page and routes every command.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    TForm1(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
    ~TForm1() override;

    void titel_setzen();
    void befehl_ausfuehren(Befehl befehl);
    // The windows of the program register the work of their commands here; a command
    // without work does nothing.
    void befehl_setzen(Befehl befehl, std::function<void()> arbeit);
    void startseite_einblenden();
    void startseite_ausblenden();

    // Runs before the advertising page when the automatic backup is switched on; false stops
    // the end and the main window stays open.
    std::function<bool()> auto_sicherung;

    QFrame *Panel1 = nullptr;
    QFrame *Panel5 = nullptr;
    Startbild *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *RxClock1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *m_statuspanel = nullptr;
    // Built at their first showing; nullptr until then.
    TForm7 *Form7 = nullptr;
    TForm8 *Form8 = nullptr;
    TForm3 *Form3 = nullptr;
    TDualListDlg *DualListDlg = nullptr;      // created on first use
    TeilnehmerErfassung *m_erfassung = nullptr; // chooser and roster windows
    UeberFenster *m_ueber = nullptr;
    TFarbe *Farbe = nullptr;   // created on first use
    TForm10 *Form10 = nullptr; // created on first use
    // The automatic backup's window, created at the first end with the backup on.
    TDatensicherung *Datensicherung = nullptr;
    TurnierplanAnbindung *m_turnierplan = nullptr;
    ErgebnisAnbindung *m_ergebnisse = nullptr;
    SaisonFenster *m_saison = nullptr; // created on first use
    ZuschauerAnbindung *m_zuschauer = nullptr;
    LiveAnbindung *m_live = nullptr;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    void menue_aufbauen();
    QToolButton *werkzeugknopf(const Bedienelement &element);
    void startseite_aufbauen();
    void erzeugen();
    void startseite_anordnen();
    void uhr_stellen();
    void beenden();
    void mitspieler_festlegen();
    TFarbe &farbwahl();
    TForm10 &einstellungen();
    void adressen_drucken();
    void daten_sichern();
    TForm7 &form7();
    TForm8 &form8();
    void gruppen_zeigen();
    SaisonFenster &saison();

    // A window of the program, built at its first showing so that start-up stays short. Its
    // creation steps run then; einrichten wires it to the main window once, right after.
    template <class Fenster, class Einrichten>
    Fenster &fenster(Fenster *&zeiger, Einrichten einrichten)
    {
        if (!zeiger) {
            zeiger = new Fenster(m_zustand, m_plattform, this);
            einrichten(*zeiger);
        }
        return *zeiger;
    }

    Zustand &m_zustand;
    Plattform &m_plattform;
    // The backup window is built anew at each opening; what it keeps lives here.
    Sicherungsstand m_sicherung;
    QHash<Befehl, std::function<void()>> m_befehle;
    QTimer *m_uhr_takt = nullptr;
    bool m_taskleiste_gemeldet = false;
};
