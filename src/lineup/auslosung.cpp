#include "lineup/auslosung.h"

#include "lineup/zufall.h"

QList<int> auslosen(int anzahl, Zufall &zufall)
{
    QList<bool> gezogen(qMax(anzahl, 0), false);
    QList<int> reihenfolge;
    while (reihenfolge.size() < anzahl) {
        int position = zufall.random(anzahl);
        while (gezogen.at(position))
            position = zufall.random(anzahl);
        gezogen[position] = true;
        reihenfolge.append(position);
    }
    // Every draw, an empty one too, ends with one number thrown away, as it always has.
    zufall.random(anzahl);
    return reihenfolge;
}
