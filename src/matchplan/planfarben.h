#pragma once

#include "storage/farbwert.h"
#include "storage/satzbild.h"

#include <QString>
#include <optional>

class GitterModell;
class QPainter;
class TOptionen;
struct Rundenanzeige;

// The colours of the plan's grids, as read from the options.
struct Planfarben
{
    TColor hintergrund = clWindow;
    TColor gruppe1 = clWindow;
    TColor gruppe2 = clWindow;
    TColor sperre = clBtnFace;
};

// Readable colours for a plan whose colours were never chosen: white, light blue and light
// yellow for the teams, light grey for locked cells.
inline constexpr Planfarben planfarben_vorgabe{0x00FFFFFF, 0x00FFE8D0, 0x00C8F4FF, 0x00D8D8D8};

// The stored colours; each one still 0 (never chosen) is its default above.
Planfarben planfarben_lesen(const TOptionen &optionen);
// Whether a stored plan colour was never chosen, so that its default is drawn: a fresh options
// file holds 0 (black). A colour picked as black is stored a shade off (farbe_zum_speichern).
inline bool planfarbe_nie_gewaehlt(TColor gespeichert)
{
    return gespeichert == 0;
}
// The colour the plan draws for the options field holding that stored colour: the stored one or
// the field's default.
TColor planfarbe_wirksam(speicher::FarbeFeld feld, TColor gespeichert);

// A plan colour as it is stored when picked: black, which would read as never chosen, becomes
// the darkest grey, which no eye tells from black.
inline constexpr TColor beinahe_schwarz = 0x00010101;
TColor farbe_zum_speichern(TColor gewaehlt);

inline constexpr TColor tabelle_auswahlfarbe = 0x008FE2E4;
inline constexpr TColor matrix_auswahlfarbe = 0x00C0DCC0;
inline constexpr TColor tabelle_markiert_schrift = 0x00000080;
inline constexpr TColor matrix_markiert_schrift = 0x00800000;

// What the plan changes in a cell on top of what the grid draws; unset keeps the grid's own.
struct Zellfarben
{
    std::optional<TColor> hintergrund;
    std::optional<TColor> schrift;
};

// The grid selects whole rows and the cell is in the current row, or the cell has the focus.
bool zelle_markiert(const GitterModell &gitter, int aRow, int state);

// Standings: column 0 in the team colours, the separator row with team 2.
Zellfarben tabellen_zellfarben(const Planfarben &farben, int aCol, int aRow, bool markiert);
// Result matrix of n entries per team: team 1 in row 0, team 2 in column 0, the result cells
// where entry is refused in the lock colour; cell (0, 0) stays as the grid draws it. A game's
// text that does not count is written in red.
// A game of the round under way has the round colour as background.
Zellfarben matrix_zellfarben(const Planfarben &farben, int n, int aCol, int aRow, bool markiert,
                             const QString &text = {}, bool in_runde = false);

inline constexpr TColor runden_farbe = 0x0080F0FF;

// Whether matrix cell (aCol, aRow) is a game of the round under way.
bool in_der_runde(const Rundenanzeige &runden, int aCol, int aRow);

inline constexpr TColor zaehlt_nicht_schrift = 0x000000C8;

// Puts the colours on the canvas of the cell being drawn: brush the background, pen the font.
// A font colour that would vanish on the cell's background becomes black or white: team and
// lock colours are the user's choice, and the grid writes selected cells in the window colour.
void zellfarben_anwenden(QPainter &maler, const Zellfarben &farben);
