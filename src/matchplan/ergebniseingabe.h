#pragma once

#include <QString>

class GitterModell;
class Plattform;

// What the text of a result cell means for the two standings cells of its game.
struct Ergebnisauswertung
{
    enum Art {
        nichts,      // the standings keep what they have
        uebernehmen, // links and rechts go into the standings; an empty part empties its cell
        abgelehnt,   // meldung says why; nothing is taken over
    } art = nichts;
    QString links;  // score of the row's entry (team 2)
    QString rechts; // score of the column's entry (team 1)
    QString meldung;
};

// An empty cell empties both scores; one or two characters, or no colon, change nothing; else
// the trimmed text before the first colon and the first word after it, each empty or a whole
// number from 0 up; what follows that word is a remark.
Ergebnisauswertung ergebnis_auswerten(const QString &text);

// Empty when the text of a result cell counts; else "Zählt nicht: " with the reason.
QString zaehlt_nicht(const QString &text);

// Takes matrix cell (aCol, aRow) over into the standings when it lies in the N x N block and
// its text counts; true when a standings cell changed. A refused text leaves the standings
// alone and its reason in meldung.
bool zelle_uebernehmen(GitterModell &tabelle, const GitterModell &matrix, int aCol, int aRow, int n,
                       QString *meldung = nullptr);

// Takes the matrix's current cell (top left of its selection) over into the standings when it
// lies in the N x N block. False when the text was refused: the message is shown and the
// standings keep what they had.
bool ergebnis_uebernehmen(GitterModell &tabelle, const GitterModell &matrix, int n,
                          Plattform &plattform);

// How many directions of a matrix cell (column, row) lie beyond N. Entry is refused there with
// one message per direction, and the plan draws such result cells in the lock colour.
int sperr_richtungen(int aCol, int aRow, int n);

// Selecting a matrix cell: beyond N in a direction says so once per direction and switches
// editing off; any other cell switches it on. The selection itself is always allowed.
void matrixzelle_pruefen(GitterModell &matrix, int aCol, int aRow, int n, Plattform &plattform);
