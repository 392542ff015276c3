#pragma once

#include "shell/mannschaft.h"

#include <QStringList>

class TGruppe;
struct Zustand;

extern const QString pool_datei;

// The name pool of team mannschaft_nr: the names of that team's twenty slots in their order,
// empty slots skipped. The file is read into gruppe1 for either team. Sets pool_anzahl and
// writes the pool to "Str_list.txt" (CR LF, Windows-1252); nothing happens for a team number
// other than 1 or 2.
QStringList StrList(Zustand &zustand);   // singles, from the team's line-up file
QStringList StrList_D(Zustand &zustand); // doubles, from the team's participants file

// The names of the team's twenty slots of a record in their order, empty slots skipped.
QStringList pool_aus_satz(const TGruppe &satz, Mannschaft mannschaft);
// Sets pool_anzahl and writes the pool to "Str_list.txt"; gives the pool back.
QStringList pool_vermerken(Zustand &zustand, const QStringList &pool);
