#pragma once

#include <QtGlobal>
#include <random>

// The draw's pseudo-random generator. Its series for a seed is fixed by the standard (mt19937)
// and by the mapping below, unlike std::uniform_int_distribution, so a draw replays the same on
// every platform and with every library version.
class Zufall
{
public:
    explicit Zufall(quint32 saat)
        : m_generator(saat)
    {
    }

    // Uniform over 0..n-1; 0 when n <= 0. Outputs below 2^32 mod n are drawn again, so that
    // every remainder is left with the same number of outputs.
    int random(int n)
    {
        if (n <= 0)
            return 0;
        const auto grenze = quint32(n);
        const quint32 verworfen = (0u - grenze) % grenze;
        quint32 wert = 0;
        do
            wert = quint32(m_generator());
        while (wert < verworfen);
        return int(wert % grenze);
    }

private:
    std::mt19937 m_generator;
};
