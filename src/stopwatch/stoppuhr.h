#pragma once

#include "storage/farbwert.h"

#include <QObject>
#include <QString>
#include <array>

class Plattform;
struct Zustand;

// The two plan windows that show the running time: TForm5 (doubles) and TForm6 (singles).
enum class Planfenster { doppel, einzel };

// What a plan window's time display Panel6 shows.
struct Zeitanzeige
{
    QString text;
    TColor farbe = clBtnFace;
};

// The game countdown. It keeps the remaining time in the shared counters uhr_minuten and
// uhr_sekunden, the pause mark uhr_pause, the controls of the stopwatch window and the time
// displays of both plan windows; the windows only show it. tick() is called once a second
// while takt_an() is true.
class Stoppuhr : public QObject
{
    Q_OBJECT

public:
    enum class Lage { ruhend, laeuft, pausiert };
    Q_ENUM(Lage)
    // The longest game the length field takes; keeps the seconds well inside int.
    static constexpr int hoechste_laenge = 999;

    Stoppuhr(Zustand &zustand, Plattform &plattform, QObject *parent = nullptr);

    Lage lage() const;
    int restsekunden() const;
    QString laenge_text() const { return m_laenge_text; }
    QString label_text() const { return m_label_text; }
    bool start_frei() const { return m_start_frei; }
    bool stop_frei() const { return m_stop_frei; }
    bool takt_an() const { return m_takt_an; }
    bool fenster_schliessen() const;
    const Zeitanzeige &anzeige(Planfenster fenster) const;
    // The plan window of the current game kind, by doppel_modus.
    Planfenster aktuelles_planfenster() const;

    // The length field changed. Text that is no whole number of minutes shows the
    // conversion message and changes nothing; the result tells whether it was taken.
    bool laenge_geaendert(const QString &text);
    void start();
    void stop();
    void zuruecksetzen();
    void beenden();
    void tick();
    void fenster_schliessen_setzen(bool schliessen);

    // The plan windows' stopwatch button (before the stopwatch window is shown) and their
    // reset button; "Turnierplan anzeigen" before the plan is shown; every showing of a
    // plan window.
    void aus_plan_oeffnen(Planfenster fenster);
    void aus_plan_zuruecksetzen(Planfenster fenster);
    void plan_neu_geoeffnet(Planfenster fenster);
    void plan_gezeigt();

signals:
    // Any value of the stopwatch window changed.
    void geaendert();
    void anzeige_geaendert(Planfenster fenster);
    // "Start" with "Nach Start Fenster schliessen." ticked.
    void schliessen_verlangt();

private:
    void laenge_setzen(int minuten);
    void restzeit_setzen(int sekunden);
    void anzeige_setzen(Planfenster fenster, const QString &text);
    void anzeige_faerben(Planfenster fenster, TColor farbe);

    Zustand &m_zustand;
    Plattform &m_plattform;
    int m_laenge = 0;
    QString m_laenge_text;
    QString m_label_text;
    bool m_start_frei = false;
    bool m_stop_frei = true;
    bool m_takt_an = false;
    std::array<Zeitanzeige, 2> m_anzeigen;
};
