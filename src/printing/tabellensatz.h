#pragma once

#include "grid/ausgabetabelle.h"
#include "printing/druckseite.h"

#include <QDate>
#include <QList>
#include <QString>

// Lists laid out on pages of the print layout (1/96 inch, 816 x 1056 or landscape). Every page has the
// heading centred at its top, "Erstellt am:" with the date and "Seite n"; each table its title,
// its column titles on a band and one line per row. A table that does not fit goes on on the
// next page with its column titles again. Columns are as wide as their widest text, so they
// never overlap; a table too wide for the page first breaks its titles into lines at blanks,
// then is set smaller, down to the smallest size, and only beyond that are its longest texts
// shortened with "…". A heading too wide for the page is broken into lines at blanks, set
// smaller and shortened the same way.
namespace tabellensatz {
// Fitted to the width of A4 the margin is 15.4 mm, on Letter 15.9 mm; nothing is drawn in it.
inline constexpr int rand = 60;
inline constexpr int innen = 4; // the cells keep off the edges of the band
inline constexpr int kleinste_groesse = 6;
inline constexpr int spaltenabstand = 12;
} // namespace tabellensatz

// How the tables are set.
struct Satzweise
{
    // Each text in its column at the chosen size: a text too wide goes on in further lines of
    // its row (the row grows), and only a single word wider than its column is shortened with
    // "…". The columns get the width their texts need, on one line where the page has room
    // for all, else on two. Only at a size so large that the column titles do not fit side by
    // side is the table set smaller, to where its words fit.
    bool umbrechen = false;
    bool quer = false; // landscape pages
};

// A line under the heading, bold at the list's size, stands on every page as well.
QList<DruckSeite> tabellen_setzen(const QString &ueberschrift, const QDate &heute,
                                  const QList<Ausgabetabelle> &tabellen,
                                  const Druckschrift &schrift, const QString &unterzeile = {},
                                  Satzweise weise = {});
