#pragma once

#include "matchplan/rundenplan.h"

#include <QList>
#include <QString>
#include <optional>

class GitterModell;

// What the round panel shows of a plan, without the window. Rebuilt after every keystroke.

// "Tisch 1: Müller – Schäfer", team 1's entry first, with the game's matrix cell so a click can
// select it.
struct Rundenzeile
{
    QString text;
    int spalte = 0;
    int zeile = 0;

    bool operator==(const Rundenzeile &) const = default;
};

struct Rundenanzeige
{
    std::optional<int> runde; // the round under way, from 0; none when all are played or no plan
    QString titel;            // "Runde 3 von 34", "Alle Runden gespielt", empty without a plan
    QList<Rundenzeile> jetzt;
    QList<Rundenzeile> danach;

    bool operator==(const Rundenanzeige &) const = default;
};

// A game is complete when the standings hold both its scores; the names are the matrix
// headings: team 1's entries along the top row, team 2's down the first column.
Rundenanzeige rundenanzeige(const Rundenplan &plan, const GitterModell &tabelle,
                            const GitterModell &matrix);

// "Tisch 1: Müller – Schäfer" for one game of the plan.
QString rundenzeile_text(const Rundenspiel &spiel, const GitterModell &matrix);
