#pragma once

#include "printing/druckseite.h"
#include "rosters/adresse.h"

#include <QDate>
#include <QList>
#include <QString>

// The title of the address list, on its pages and its window.
namespace druck {
extern const QString titel;
} // namespace druck

struct Adressliste
{
    int zeilenhoehe = 0; // the title's height; the lines are spaced by it
    QList<DruckSeite> seiten;
};

// Lays the roster out in storage order: the page head, the heading band and one line per
// record. A line that would reach below the bottom margin starts the next page with the head
// repeated, so no record is ever lost.
Adressliste drucken_adressen(const QList<adresse> &adressen, const Druckschrift &schrift,
                             const QDate &heute);
