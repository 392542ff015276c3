#pragma once

#include <QtGlobal>
#include <optional>

// The two teams of a match day. The stored number (mannschaft_nr, file names, slot halves)
// is the enum's value.
enum class Mannschaft : qint32 { eins = 1, zwei = 2 };

constexpr qint32 nummer(Mannschaft mannschaft)
{
    return static_cast<qint32>(mannschaft);
}

constexpr Mannschaft andere(Mannschaft mannschaft)
{
    return mannschaft == Mannschaft::eins ? Mannschaft::zwei : Mannschaft::eins;
}

// A stored team number; anything but 2 counts as team 1.
constexpr Mannschaft mannschaft_aus_nummer(qint32 nummer)
{
    return nummer == 2 ? Mannschaft::zwei : Mannschaft::eins;
}

// A stored team number where only 1 and 2 name a team.
constexpr std::optional<Mannschaft> gueltige_mannschaft(qint32 nummer)
{
    if (nummer == 1 || nummer == 2)
        return Mannschaft(nummer);
    return std::nullopt;
}
