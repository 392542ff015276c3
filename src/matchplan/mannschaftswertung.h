#pragma once

#include "shell/mannschaft.h"

#include <QString>
#include <array>
#include <optional>

class GitterModell;

// How far the match day is decided, by games won. The day is decided as soon as the open
// games can no longer change which team has won more games: one team has won more games
// than the other could still reach if it won every open game. As long as a tie in games won
// is still possible, the day stays open even for a team that can no longer lose it. With no
// game left open and both teams on the same count, the tie is final.
enum class Spieltagsausgang { offen, mannschaft1, mannschaft2, unentschieden };

Spieltagsausgang spieltagsausgang(int gewonnen1, int gewonnen2, int offen);

struct Mannschaftsstand
{
    int gewonnen = 0;
    qint64 punkte = 0; // the sum of its entries' "Ges."

    bool operator==(const Mannschaftsstand &) const = default;
};

// The team score of the plan on show: games won per team (the higher score wins the game; a
// draw counts for neither), total points, and the games still open.
struct Mannschaftswertung
{
    std::array<Mannschaftsstand, 2> staende;
    int offen = 0;
    Spieltagsausgang ausgang = Spieltagsausgang::offen;

    const Mannschaftsstand &stand(Mannschaft mannschaft) const
    {
        return staende[size_t(nummer(mannschaft) - 1)];
    }
    bool operator==(const Mannschaftswertung &) const = default;
};

// The two scores of the game of team-1 entry c against team-2 entry r as the standings hold
// them (team 1's first); none while the game is open, that is while either score is missing
// or no whole number.
struct Spielstand
{
    qint32 mannschaft1;
    qint32 mannschaft2;
};
std::optional<Spielstand> spielstand(const GitterModell &tabelle, int c, int r);

// The team score of the N x N games of the standings.
Mannschaftswertung mannschaften_werten(const GitterModell &tabelle, int n);

// The team's name from the options, or "Mannschaft 1" / "Mannschaft 2" when none is set.
QString mannschaftsname(const QString &gespeichert, Mannschaft mannschaft);

// One team's line under the standings, e.g. "Rot: 3 Spiele gewonnen, 27 Punkte, 5 Spiele
// offen"; the winner's line begins "Rot hat den Spieltag gewonnen", a final tie's lines
// "Unentschieden".
QString mannschaft_zeile(const Mannschaftswertung &wertung, Mannschaft mannschaft,
                         const QString &name);
