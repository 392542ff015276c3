#pragma once

#include "grid/sortierschluessel.h"
#include "grid/zellen.h"

#include <QChar>
#include <QDate>
#include <vector>

// One field of a sort; a title cell of such a column carries a sort mark.
struct SortFeld
{
    int spalte = 0;
    QChar typ = u' ';
    bool aufsteigend = true;
};

// The rows von..bis-1 of `zellen` in ascending or descending order of `felder`, as positions
// counted from `von`; rows with equal keys keep their order either way. `kollationen` keeps the
// collation keys for the next sort, at most `hoechstens` of them beyond those in use.
std::vector<int> zeilen_ordnen(const Zellen &zellen, int von, int bis,
                               const std::vector<SortFeld> &felder, QDate heute,
                               Kollationen &kollationen, size_t hoechstens,
                               bool aufsteigend = true);
