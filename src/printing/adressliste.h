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
    QList<DruckSeite> seiten;
};

// Lays the roster out in storage order, one line per record with name, first name, street,
// place, the three numbers and the e-mail address, under the title and the team's name on
// every page. The list is fitted to the page as every printed list is: its columns never
// overlap and nothing reaches into the margins; a long roster goes on on further pages with
// the head repeated.
Adressliste drucken_adressen(const QList<adresse> &adressen, const QString &mannschaft,
                             const Druckschrift &schrift, const QDate &heute);
