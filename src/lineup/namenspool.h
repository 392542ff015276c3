#pragma once

#include <QStringList>

using namespace Qt::StringLiterals;

struct Zustand;

inline const QString pool_datei = u"Str_list.txt"_s;

// The name pool of team mannschaft_nr: the names of that team's twenty slots in their order,
// empty slots skipped. The file is read into gruppe1 for either team. Sets pool_anzahl and
// writes the pool to "Str_list.txt" (CR LF, Windows-1252); nothing happens for a team number
// other than 1 or 2.
QStringList StrList(Zustand &zustand);   // singles, from the team's line-up file
QStringList StrList_D(Zustand &zustand); // doubles, from the team's participants file
