#pragma once

class GitterModell;
class Plattform;

// Totals ("Ges.") and the one ranking ("Platz") of both teams from the game columns 1..N of
// the standings. An entry has a total when its scores add up to more than 0, and only then a
// rank: 1 + the number of totals above its own, so equal totals share a rank and leave a gap.
// A game cell that is no whole number (only a loaded file holds such) stops with the
// conversion message: rows before it have their new totals, the ranks stay; false then.
bool wertung_berechnen(GitterModell &tabelle, int n, Plattform &plattform);
