#pragma once

#include <QtGlobal>
#include <random>

// The program's pseudo-random generator, seeded once at start-up.
class Zufall
{
public:
    void saen(quint32 saat) { m_generator.seed(saat); }
    // Uniform over 0..n-1; 0 when n <= 0.
    int random(int n)
    {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_generator);
    }

private:
    std::mt19937 m_generator{0};
};
