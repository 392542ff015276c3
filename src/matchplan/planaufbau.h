#pragma once

#include "shell/mannschaft.h"

#include <QString>
#include <array>

class GitterModell;
struct SpielplanProfil;
struct Zustand;

// The fixed places of a match plan: ten entries per team, the standings with team 1 in rows
// 1..10, the separator in row 11 and team 2 in rows 12..21, and the 11 x 11 result matrix.
namespace plan {
inline constexpr int max_eintraege = 10;
inline constexpr int tabellen_zeilen = 22;
inline constexpr int trennzeile = 11;
inline constexpr int matrix_zellen = 11;
// Standings columns of the largest plan: name, ten games, "Ges.", "Platz".
inline constexpr int max_tabellen_spalten = max_eintraege + 3;

constexpr int zeile(Mannschaft mannschaft, int eintrag)
{
    return mannschaft == Mannschaft::eins ? eintrag : trennzeile + eintrag;
}
constexpr int summen_spalte(int n)
{
    return n + 1;
}
constexpr int platz_spalte(int n)
{
    return n + 2;
}

// A plan has room for 1..10 entries per team, whatever the line-up reader counted.
int anzahl_begrenzt(qint32 anzahl);
// Stored sizes too small to show anything are used as 18 and 10.
inline constexpr int kleinste_zeilenhoehe = 8;
inline constexpr int kleinste_schriftgroesse = 6;
int zeilenhoehe_wirksam(qint32 gespeichert);
int schriftgroesse_wirksam(qint32 gespeichert);
// Games of an N x N matrix whose cell holds any text.
int eingetragene_spiele(const GitterModell &matrix, int n);
} // namespace plan

// The text of an entry from the line-up records: one slot, or a pair's slots joined by "/".
QString eintrag_text(const Zustand &zustand, bool doppel, Mannschaft mannschaft, int eintrag);

// The grids of the plan windows: title row, no title column, 22 x 13 standings that
// cannot be edited, the 11 x 11 editable matrix, and the column information of every column.
void plan_gitter_einrichten(GitterModell &tabelle, GitterModell &matrix,
                            const SpielplanProfil &profil);
// The column information of every column of both grids anew: a loaded smaller plan brought
// only the columns it used.
void plan_spalten_einrichten(GitterModell &tabelle, GitterModell &matrix,
                             const SpielplanProfil &profil);

// Headings and entry texts of both grids for N entries per team; no result, total or rank.
void plan_beschriften(GitterModell &tabelle, GitterModell &matrix, const Zustand &zustand,
                      const SpielplanProfil &profil, int n);

// "Turnierplan für 8 Doppelspieler pro Mannschaft" / "Spielplan für 8 Spieler pro Mannschaft".
QString plan_ueberschrift(const SpielplanProfil &profil, int n);
// "Turnier zwischen <team 1> und <team 2>", cut as the stored short strings it is joined from.
QString plan_fenstertitel(const QString &name1, const QString &name2);

// Left edges of the six bottom buttons "Speichern", "Laden", "Beenden", "Ergebnis löschen",
// "Screenshot" and "Hilfe", about 95 pixels apart around the middle of the window.
std::array<int, 6> plan_knopfreihe(int fensterbreite, int knopfbreite);
