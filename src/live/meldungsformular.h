#pragma once

#include <QByteArrayView>
#include <optional>

// The body of the phone's form "Ergebnis melden" (application/x-www-form-urlencoded): exactly
// the fields "t1" (team 1's entry) and "t2" (team 2's entry), each once, each one or two digits.
// Anything else, also a body longer than formular_hoechstens bytes, is refused.
inline constexpr qsizetype formular_hoechstens = 256;

struct Meldungstore
{
    int tore1 = 0; // team 1's entry
    int tore2 = 0; // team 2's entry

    bool operator==(const Meldungstore &) const = default;
};

std::optional<Meldungstore> formular_lesen(QByteArrayView koerper);
