#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <memory>

class Drehfeld;
class GitterModell;
class MannschaftsZeilen;
class Plattform;
class QDateEdit;
class QFrame;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class Rundenfeld;
class QPainter;
class QPushButton;
class QTimer;
class QToolButton;
class Spielplan;
class TFilterGrid;
class Tischeingang;
class Tischmeldungsfeld;
class Wiederherstellung;
struct SpielplanProfil;
struct Zustand;

// The match plan window of one game kind: standings ("Tabelle 1") above the result matrix,
// the heading panel with date, clock, stopwatch display and size controls, and the bottom row
// of buttons. It mirrors its Spielplan; the twins differ only by their profile.
class SpielplanFenster : public QWidget
{
    Q_OBJECT

public:
    ~SpielplanFenster() override;

    Spielplan &spielplan() { return *m_plan; }
    Wiederherstellung &wiederherstellung() { return *m_wiederherstellung; }
    // The proposals from the tables' phones for this plan.
    Tischeingang &tischeingang() { return *m_tischeingang; }
    // The live page's address ("http://…:port/") while it takes results from the tables, else
    // empty: the slips then carry their games' QR codes.
    void seitenadresse_setzen(std::function<QString()> adresse) { m_seitenadresse = adresse; }
    // After a recovery set was loaded from ordner: its open proposals are listed again.
    void tischmeldungen_wiederaufnehmen(const QString &ordner);
    // The window's part of "Turnierplan anzeigen": the plan filled anew and shown, the column
    // widths fitted.
    void oeffnen();
    // The chosen standings file, after the file choice has set listen_datum; its files lie in
    // ordner (with a trailing '/'), else in the data folder. The window comes back, with the
    // day or, when it was refused, with the plan as it was.
    void laden(const QString &name, const QString &ordner = {});
    // Shown again as it was, after it hid itself for "Laden".
    void wieder_zeigen();
    // The plan's colours read anew from the options and drawn at once.
    void farben_lesen();
    // From its showing until it is closed, also while "Laden" hides it to choose a day.
    bool offen() const { return m_offen; }
    // The stopwatch's time display; whoever runs the stopwatch keeps it up to date.
    void zeit_anzeigen(const QString &text, const QColor &farbe);

    QLabel *Panel2 = nullptr; // heading
    QDateEdit *DateEdit1 = nullptr;
    QLabel *RxClock1 = nullptr;
    QToolButton *SpeedButton1 = nullptr; // opens the stopwatch
    QLabel *Panel6 = nullptr;            // its time
    QToolButton *SpeedButton2 = nullptr; // resets it
    QLabel *schr_groesse = nullptr;
    Drehfeld *RxSpinEdit3 = nullptr;
    QLabel *z_hoehe = nullptr;
    Drehfeld *RxSpinEdit2 = nullptr;
    TFilterGrid *FilterGrid1 = nullptr;
    TFilterGrid *FilterGrid2 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label2 = nullptr;
    Drehfeld *RxSpinEdit1 = nullptr;
    QPushButton *Button1 = nullptr; // "Speichern"
    QPushButton *Button2 = nullptr; // "Laden"
    QPushButton *Button3 = nullptr; // "Beenden"
    QPushButton *Button4 = nullptr; // "Ergebnis löschen"
    QPushButton *Button5 = nullptr; // "Screenshot"
    QPushButton *Button6 = nullptr; // "Hilfe"
    // The team score under the standings.
    MannschaftsZeilen *m_mannschaftszeilen = nullptr;
    // The round plan: the hall's tables in the head, the rounds beside the grids.
    QLabel *m_tische_text = nullptr;
    QSpinBox *m_tische = nullptr;
    Rundenfeld *m_rundenfeld = nullptr;
    Tischmeldungsfeld *m_tischmeldungsfeld = nullptr;

signals:
    void startseite_zeigen();
    void startseite_verbergen();
    // "Laden": the window has hidden itself; the file choice is to offer these files.
    void laden_verlangt(const QString &muster);
    // "Ergebnis löschen": the main window runs "Turnierplan anzeigen" again.
    void neu_oeffnen();
    // The window was shown (not merely restored from the task bar).
    void gezeigt();
    // The window was closed ("Beenden", the close box); hiding it for "Laden" is no closing.
    void geschlossen();

protected:
    SpielplanFenster(Zustand &zustand, Plattform &plattform, const SpielplanProfil &profil,
                     QWidget *parent);

    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    void wiederherstellung_einrichten();
    void tische_einrichten();
    void spielzettel_drucken();
    void neue_zettel();
    QWidget *kopf_aufbauen();
    void datum_und_uhrzeit_aufbauen(QHBoxLayout *reihe, const QFont &normal);
    void stoppuhr_aufbauen(QHBoxLayout *reihe, const QFont &schrift, const QFont &normal);
    void groessen_aufbauen(QHBoxLayout *reihe, const QFont &normal);
    void kopf_verbinden();
    QWidget *gitter_aufbauen();
    QWidget *runden_aufbauen(QWidget *gitter);
    void tische_aufbauen(QHBoxLayout *reihe, const QFont &schrift);
    void runden_zeigen();
    void rundenspiel_waehlen(int spalte, int zeile);
    void fuss_aufbauen();
    QPushButton *knopf(const char *name, const QString &text);
    void FormCreate();
    void knoepfe_anordnen();
    void gitter_anordnen();
    void spiegeln();
    void breiten_anpassen();
    void uhr_stellen();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FilterGrid1RowColorProc(GitterModell &gitter, qint32 &ausr, QPainter &maler, int aCol,
                                 int aRow, int state);
    void FilterGrid2RowColorProc(GitterModell &gitter, qint32 &ausr, QPainter &maler, int aCol,
                                 int aRow, int state);

    Zustand &m_zustand;
    Plattform &m_plattform;
    const SpielplanProfil &m_profil;
    // Before the grids it works on go with the window's children.
    std::unique_ptr<Spielplan> m_plan;
    Wiederherstellung *m_wiederherstellung = nullptr;
    Tischeingang *m_tischeingang = nullptr;
    std::function<QString()> m_seitenadresse;
    QWidget *m_gitterflaeche = nullptr;
    QTimer *m_uhr_takt = nullptr;
    int m_hoehen_versatz = 0; // pixels added to two thirds of the grid area for "Tabelle 1"
    bool m_offen = false;
};

// The doubles plan.
class TForm5 : public SpielplanFenster
{
    Q_OBJECT

public:
    TForm5(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
};

// The singles plan.
class TForm6 : public SpielplanFenster
{
    Q_OBJECT

public:
    TForm6(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
};
