#pragma once

#include "matchplan/spieltag_namen.h"

#include <QObject>
#include <QString>
#include <QTimer>

class GitterModell;
class Plattform;
class Spielplan;
struct Zustand;

// The running match day kept for the next start after a crash: both grids and the match-day
// record, written as "Speichern" writes them, into the folder "Wiederherstellung" of the data
// folder. Every write goes into a new numbered subfolder, and only then are the older ones
// removed: three files cannot be replaced together, so a kill between two of them must not
// leave grids that disagree.
namespace wiederherstellung {

inline constexpr int verzoegerung_ms = 100;

// The folder of the sets, with a trailing '/'.
QString ordner(const QString &daten_pfad);

// A set that the plan can load: its subfolder (with a trailing '/'), the game kind and the
// names of its files.
struct Satz
{
    QString ordner;
    bool doppel = false;
    Spieltagdateien namen;
};

struct Fund
{
    enum Art {
        keiner,      // nothing to offer
        ladbar,      // the newest set whose standings and matrix files are both there
        unbrauchbar, // the folder holds something, but no such set
    } art = keiner;
    Satz satz;
};

Fund suchen(const QString &daten_pfad);
// The whole folder; false when something of it is left.
bool entfernen(const QString &daten_pfad);

} // namespace wiederherstellung

// Writes the set of one plan: vormerken after every committed result or clearing, and the set
// is written once the short timer has run out, outside the keystroke that caused it. A set that
// cannot be written is reported once, until a write succeeds again.
class Wiederherstellung : public QObject
{
    Q_OBJECT

public:
    Wiederherstellung(Zustand &zustand, Plattform &plattform, const Spielplan &plan,
                      GitterModell &tabelle, GitterModell &matrix, QObject *eltern = nullptr);

    void vormerken();
    bool vorgemerkt() const { return m_takt.isActive(); }
    // At once; false when the set could not be written.
    bool schreiben();
    // After "Speichern": nothing pending, no set left.
    void verwerfen();

private:
    bool gitter_schreiben(GitterModell &gitter, const QString &pfad);

    Zustand &m_zustand;
    Plattform &m_plattform;
    const Spielplan &m_plan;
    GitterModell &m_tabelle;
    GitterModell &m_matrix;
    QTimer m_takt;
    bool m_fehler_gemeldet = false;
};
