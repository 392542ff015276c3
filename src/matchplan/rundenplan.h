#pragma once

#include <QList>
#include <functional>
#include <optional>

// Which games of a match day are played together, and at which table, when the hall has fewer
// tables than games.

// Team-1 entry `spalte` against team-2 entry `zeile` (the game's cell in the result matrix) at
// table `tisch`; all counted from 1.
struct Rundenspiel
{
    int spalte = 0;
    int zeile = 0;
    int tisch = 0;

    bool operator==(const Rundenspiel &) const = default;
};

using Runde = QList<Rundenspiel>;

struct Rundenplan
{
    int anzahl = 0;      // entries per team
    int tische = 0;      // tables in use: the fewer of the hall's tables and the entries per team
    QList<Runde> runden; // each round's games by table

    bool operator==(const Rundenplan &) const = default;
};

inline constexpr int rundenplan_hoechstens = 10;

// The N x N games in the fewest rounds, ceil(N * N / k) with k = min(T, N): every game once, no
// entry twice in a round, at most k games a round. Each entry's games are spread evenly over the
// day, and the tables are handed out so that an entry gets around the hall. The same N and T
// always give the same plan. N or T outside 1..10 give an empty plan.
Rundenplan rundenplan_erstellen(int anzahl, int tische);

// Index of a game in the completion list handed to aktuelle_runde.
constexpr int spiel_index(int anzahl, int spalte, int zeile)
{
    return (zeile - 1) * anzahl + (spalte - 1);
}

// The round under way: the first one (counted from 0) with a game whose result is not complete;
// none once every game is. It stops at the first open game, so asking stays cheap.
std::optional<int> aktuelle_runde(const Rundenplan &plan,
                                  const std::function<bool(const Rundenspiel &)> &fertig);
// The same with N * N flags at spiel_index; a missing flag counts as not complete.
std::optional<int> aktuelle_runde(const Rundenplan &plan, const QList<bool> &fertig);
