#pragma once

#include "shell/mannschaft.h"
#include "storage/satzbild.h"

#include <QString>

class GitterModell;
struct Zustand;

// The match-day record: names, scores, totals and ranks of a saved plan, every field a short
// string. Names hold 50 characters, the other fields 5. The doubles record keeps both names of
// a pair; the singles one team 2's names right after team 1's.
namespace spt {
inline constexpr int groesse = 4224;
inline constexpr int name_kapazitaet = 50;
inline constexpr int wert_kapazitaet = 5;
inline constexpr int name_feld = name_kapazitaet + 1;
inline constexpr int wert_feld = wert_kapazitaet + 1;
inline constexpr int spiele = 10;

// teil 1 is the first name of the pair, teil 2 the second.
constexpr speicher::TextFeld doppel_name(Mannschaft mannschaft, int eintrag, int teil)
{
    const int team = mannschaft == Mannschaft::eins ? 0 : 1020;
    return {team + (eintrag - 1) * 2 * name_feld + (teil - 1) * name_feld, name_kapazitaet};
}
constexpr speicher::TextFeld einzel_name(Mannschaft mannschaft, int eintrag)
{
    const int team = mannschaft == Mannschaft::eins ? 0 : 510;
    return {team + (eintrag - 1) * name_feld, name_kapazitaet};
}
// Standings row 1..21 (team 1 in 1..10, team 2 in 12..21), game column 1..10.
constexpr speicher::TextFeld punkte(int zeile, int spiel)
{
    return {2040 + (zeile - 1) * spiele * wert_feld + (spiel - 1) * wert_feld, wert_kapazitaet};
}
// t = k for team-1 entry k, t = 10 + k for team-2 entry k.
constexpr speicher::TextFeld summe(int t)
{
    return {3360 + (t - 1) * wert_feld, wert_kapazitaet};
}
constexpr speicher::TextFeld platz(int zeile)
{
    return {3720 + (zeile - 1) * wert_feld, wert_kapazitaet};
}
} // namespace spt

class TSpieltag : public speicher::Satzbild
{
public:
    TSpieltag()
        : Satzbild(spt::groesse)
    {
    }
};

// The record of the standings of an N-entry plan: the names of all twenty entries (doubles
// split at the first "/"), each entry row's game cells 1..10 as they stand (beyond N that is
// the total, the rank or nothing), its total and its rank.
TSpieltag spieltag_aus_tabelle(const GitterModell &tabelle, bool doppel, int n);

// The record zustand.spieltag as daten_pfad + grp_datei, one record; false when not written.
bool spieltag_schreiben(const Zustand &zustand);
// A record as the file pfad, the same way.
bool spieltag_schreiben(const QString &pfad, const TSpieltag &satz);
// The first record of daten_pfad + grp_datei into zustand.spieltag. A missing file, or one too
// short for a record, leaves the record as it was; false then.
bool spieltag_lesen(Zustand &zustand);
// The same for the record file at pfad.
bool spieltag_lesen(const QString &pfad, TSpieltag &satz);
