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

// Lays the roster out in storage order, one row per record with name, first name, street,
// place, the three numbers and the e-mail address, under the title and the team's name on
// every page, on pages upright or in landscape. The rows are set at the chosen size: a field
// too wide for its column goes on in a second line (the row grows), and only a single word
// wider than its column is shortened. Columns never overlap and nothing reaches into the
// margins; a long roster goes on on further pages with the head repeated.
Adressliste drucken_adressen(const QList<adresse> &adressen, const QString &mannschaft,
                             const Druckschrift &schrift, const QDate &heute, bool quer = false);
