#pragma once

#include "matchplan/spieltag_namen.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class GitterModell;
class Plattform;
class Spielplan;
struct Zustand;

// The running match day kept for the next start after a crash: both grids and the match-day
// record, written as "Speichern" writes them, into the folder "Wiederherstellung" of the data
// folder, one subfolder per game kind, so that a singles day and a doubles day of the same
// evening are both kept. Every write goes into a new numbered subfolder of its kind, and only
// then are that kind's older ones removed: three files cannot be replaced together, so a kill
// between two of them must not leave grids that disagree.
namespace wiederherstellung {

inline constexpr int verzoegerung_ms = 100;

// The folder of all sets, and that of one game kind's sets, each with a trailing '/'.
QString ordner(const QString &daten_pfad);
QString ordner(const QString &daten_pfad, bool doppel);

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
        unbrauchbar, // the kind's folder holds something, but no such set
    } art = keiner;
    Satz satz;
};

Fund suchen(const QString &daten_pfad, bool doppel);
// Games with a result in a set, as its result matrix holds them.
int eingetragene_spiele(const Satz &satz);
// "Der Spieltag von 19:42 mit 12 Ergebnissen wurde nicht gespeichert. Wiederherstellen?", with
// the time the set was written last.
QString angebot_frage(const Satz &satz, int spiele);
// Removes what lies in the folder beside the two kinds' folders; true when there was any.
bool fremdes_entfernen(const QString &daten_pfad);
// The whole folder; false when something of it is left.
bool entfernen(const QString &daten_pfad);
// One game kind's sets, and the folder once it is empty; false when a set of the kind is left.
bool entfernen(const QString &daten_pfad, bool doppel);

} // namespace wiederherstellung

// Writes the set of one plan: every change of the plan's day starts a short timer, and the set
// is written once it has run out, outside the keystroke that caused it; "Speichern" drops the
// set. A set that cannot be written is reported once, until a write succeeds again.
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
    // After "Speichern": nothing pending, no set of the plan's kind left.
    void verwerfen();
    // A further file of the set, written before the match-day record; empty bytes write none.
    void beilage_setzen(const QString &dateiname, std::function<QByteArray()> inhalt)
    {
        m_beilage_name = dateiname;
        m_beilage = std::move(inhalt);
    }

private:
    Zustand &m_zustand;
    Plattform &m_plattform;
    const Spielplan &m_plan;
    GitterModell &m_tabelle;
    GitterModell &m_matrix;
    QTimer m_takt;
    bool m_fehler_gemeldet = false;
    QString m_beilage_name;
    std::function<QByteArray()> m_beilage;
};
