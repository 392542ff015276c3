#pragma once

#include "printing/druckseite.h"

#include <QDate>
#include <QList>
#include <QString>

// The round plan on paper: the list of all rounds, and a slip per game for the tables. Pages
// are in the print layout's 1/96 inch on 816 x 1056; fitted to A4's width the margin of 64 is
// about 16.5 mm.

// One game of a round as printed, in the order its result is typed into the matrix: the entry
// of the matrix row (team 2) left with the left score, the column's (team 1) right.
struct Druckpaarung
{
    int tisch = 0;
    QString links;
    QString rechts;
    QString ergebnis; // "5:3" once entered, else empty
    QString adresse;  // the game's page for the phones: a QR code and the address on its slip
};
using Druckrunde = QList<Druckpaarung>; // the rounds are numbered from 1 in list order

// The teams' names over the entries: the left one's (team 2) and the right one's (team 1).
struct Druckmannschaften
{
    QString links;
    QString rechts;
};

namespace rundendruck {
inline constexpr int rand = 64;
inline constexpr int zettel_spalten = 2;
inline constexpr int zettel_zeilen = 4;
inline constexpr int zettel_pro_seite = zettel_spalten * zettel_zeilen;
extern const QString plan_titel;
extern const QString zettel_titel;
} // namespace rundendruck

// Every round as a table "Tisch", the two teams' names, and "Ergebnis" with the result entered
// or room to write it in, below a page head with the date and the page number. A round starts
// on a new page when it does not fit below the last one; one too long for any page goes on with
// its title and column titles again.
QList<DruckSeite> rundenplan_seiten(const QList<Druckrunde> &runden,
                                    const Druckmannschaften &mannschaften, const QDate &datum,
                                    const Druckschrift &schrift);

// One slip per game, eight to a page in two columns, in the order of play: round, table, the
// date, and side by side each entry's team and name over the box for its score, with the
// result already entered in them; a game with an address gets its QR code on the right and the
// address at the foot.
QList<DruckSeite> spielzettel_seiten(const QList<Druckrunde> &runden,
                                     const Druckmannschaften &mannschaften, const QDate &datum,
                                     const Druckschrift &schrift);
