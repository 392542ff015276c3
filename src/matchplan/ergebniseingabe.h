#pragma once

#include <QString>

class GitterModell;
class Plattform;

// What the text of a result cell means for the two standings cells of its game. The
// standings follow the cell as it reads: a game counts while its cell holds two whole scores
// and is open otherwise, so both of its standings cells are then empty.
struct Ergebnisauswertung
{
    bool zaehlt = false;
    QString links;   // score of the row's entry (team 2); empty unless the game counts
    QString rechts;  // score of the column's entry (team 1); empty unless the game counts
    QString grund;   // why a cell with text does not count
    QString meldung; // the message for a score that is no whole number from 0 up
};

// An empty cell is an open game. Else the text must have more than two characters, and the
// trimmed text before the first colon and the first word after it must each be a whole number
// from 0 up; what follows that word is a remark.
// A part that is not is reported, the left one first, except a lone sign: that is a number
// still being typed, and a message now would take the keystroke that completes it.
Ergebnisauswertung ergebnis_auswerten(const QString &text);

// Empty when the text of a result cell counts or is empty; else "Zählt nicht: " with the reason.
QString zaehlt_nicht(const QString &text);

// Takes matrix cell (aCol, aRow) over into the standings when it lies in the N x N block; true
// when a standings cell changed. The message for a refused score goes to meldung.
bool zelle_uebernehmen(GitterModell &tabelle, const GitterModell &matrix, int aCol, int aRow, int n,
                       QString *meldung = nullptr);

// How many directions of a matrix cell (column, row) lie beyond N. Entry is refused there with
// one message per direction, and the plan draws such result cells in the lock colour.
int sperr_richtungen(int aCol, int aRow, int n);

// Selecting a matrix cell: beyond N in a direction says so once per direction and switches
// editing off; any other cell switches it on. The selection itself is always allowed.
void matrixzelle_pruefen(GitterModell &matrix, int aCol, int aRow, int n, Plattform &plattform);
