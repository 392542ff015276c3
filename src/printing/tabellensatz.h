#pragma once

#include "grid/ausgabetabelle.h"
#include "printing/druckseite.h"

#include <QDate>
#include <QList>
#include <QString>

// Lists laid out on pages of the print layout (1/96 inch, 816 x 1056). Every page has the
// heading centred at its top, "Erstellt am:" with the date and "Seite n"; each table its title,
// its column titles on a band and one line per row. A table that does not fit goes on on the
// next page with its column titles again. Columns are as wide as their widest text; a table
// too wide for the page first breaks its titles into lines at blanks, then is set smaller,
// down to the smallest size, and clipped beyond that.
namespace tabellensatz {
inline constexpr int rand = 48;
inline constexpr int kleinste_groesse = 6;
inline constexpr int spaltenabstand = 12;
} // namespace tabellensatz

QList<DruckSeite> tabellen_setzen(const QString &ueberschrift, const QDate &heute,
                                  const QList<Ausgabetabelle> &tabellen,
                                  const Druckschrift &schrift);
