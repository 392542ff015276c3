#pragma once

#include "matchplan/rundenplan.h"

#include <QList>
#include <QString>
#include <optional>

class GitterModell;

// What the round panel shows of a plan, without the window. Rebuilt after every keystroke.

// One game of the round plan as every place shows it: the entry of the matrix row (team 2)
// stands left, the column's (team 1) right, and a result reads left score first, as it is
// typed into the matrix cell. "Tisch 1: Schäfer – Müller", once played "Tisch 1: Schäfer –
// Müller 5:3". It keeps the game's matrix cell, so a click can select it.
struct Rundenzeile
{
    QString text;
    int spalte = 0;
    int zeile = 0;
    int tisch = 0;
    QString links;
    QString rechts;
    QString ergebnis; // empty while the game is open

    bool gespielt() const { return !ergebnis.isEmpty(); }
    bool operator==(const Rundenzeile &) const = default;
};

struct Rundenanzeige
{
    std::optional<int> runde; // the round under way, from 0; none when all are played or no plan
    std::optional<int> danach_runde; // the next round after it that still has an open game
    QString titel;             // "Runde 3 von 34", "Alle Runden gespielt", empty without a plan
    QList<Rundenzeile> jetzt;  // all games of the round under way, the played ones too
    QList<Rundenzeile> danach; // all games of the next round with an open game

    bool operator==(const Rundenanzeige &) const = default;
};

// A game is complete when the standings hold both its scores; the names are the matrix
// headings: team 1's entries along the top row, team 2's down the first column.
Rundenanzeige rundenanzeige(const Rundenplan &plan, const GitterModell &tabelle,
                            const GitterModell &matrix);

// One game of the plan with its names and, once complete, its result.
Rundenzeile rundenzeile(const Rundenspiel &spiel, const GitterModell &tabelle,
                        const GitterModell &matrix);
QList<Rundenzeile> rundenzeilen(const Runde &runde, const GitterModell &tabelle,
                                const GitterModell &matrix);
