#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class GitterModell;

// A list taken out of the program, for printing or a spreadsheet: column titles, rows of
// texts and how each column is aligned.
struct Ausgabetabelle
{
    enum class Ausrichtung { links, mitte, rechts };

    QString titel; // stands above the table; may be empty
    QStringList spalten;
    QList<QStringList> zeilen;
    QList<Ausrichtung> ausrichtung; // per column; missing ones are left-aligned

    Ausrichtung ausgerichtet(qsizetype spalte) const
    {
        return spalte < ausrichtung.size() ? ausrichtung[spalte] : Ausrichtung::links;
    }
};

// The grid as shown: the titles of row 0, the data rows in their current order without the
// empty ones, every cell trimmed, each column aligned as its data.
Ausgabetabelle ausgabetabelle(const GitterModell &gitter, const QString &titel = {});
