#pragma once

#include "shell/optionen.h"

#include <QChar>
#include <QString>
#include <array>

// Everything that tells the doubles results list from the singles one; the rest they share.
struct ErgebnisProfil
{
    int namensspalten;  // "Spieler" columns: both names of a pair, or the one player
    int zeilen_zusatz;  // RowCount = 2N + zeilen_zusatz
    int spalte0_breite; // width of the "Gruppe" column before measuring
    QChar spalte0_typ;  // type letter of the "Gruppe" column
    // The window's settings in the options record.
    speicher::Int32Feld zeilenhoehe;
    speicher::Int32Feld schriftgroesse;
    // Heading: anfang + team 1 + mitte + team 2 + " vom " + date, cut after each part as the
    // short strings it is joined from.
    QString ueberschrift_anfang;
    QString ueberschrift_mitte;
    std::array<int, 4> ueberschrift_grenzen;
    bool rollbalken;
};

const ErgebnisProfil &doppel_ergebnisprofil();
const ErgebnisProfil &einzel_ergebnisprofil();
