#pragma once

#include "shell/mannschaft.h"

#include <QString>

class Namensfelder;
class TGruppe;
struct Zustand;

// The line-up files of both game kinds, and the doubles participants the doubles draw takes
// its names from. Each holds one TGruppe.
extern const QString gruppe1_e_datei;
extern const QString gruppe2_e_datei;
extern const QString gruppe1_d_datei;
extern const QString gruppe2_d_datei;

// The line-up file and the doubles participants file of a team.
QString aufstellungsdatei(Mannschaft mannschaft);
QString teilnehmerdatei_doppel(Mannschaft mannschaft);

enum class Gruppendatei { fehlt, gelesen, beschaedigt };

// Reads the first 2040 bytes over the record; a damaged file leaves the record as it was.
Gruppendatei gruppendatei_lesen(const QString &pfad, TGruppe &gruppe);

// gruppe1 for team 1, gruppe2 for team 2.
TGruppe &gruppe_der_mannschaft(Zustand &zustand, Mannschaft mannschaft);

// Writing replaces the file whole; a failed write is retried once on a file created empty.
// False when the record did not reach the file.
bool gruppe_speichern(Zustand &zustand, Mannschaft mannschaft);
bool gruppe_anlegen(Zustand &zustand, Mannschaft mannschaft);
inline void gruppe1_speichern(Zustand &zustand)
{
    gruppe_speichern(zustand, Mannschaft::eins);
}
inline void gruppe2_speichern(Zustand &zustand)
{
    gruppe_speichern(zustand, Mannschaft::zwei);
}
inline void gruppe1_anlegen(Zustand &zustand)
{
    gruppe_anlegen(zustand, Mannschaft::eins);
}
inline void gruppe2_anlegen(Zustand &zustand)
{
    gruppe_anlegen(zustand, Mannschaft::zwei);
}

// Readers for the draw windows: fill the record and the window's name fields and update
// spieler_pro_mannschaft. A missing file changes nothing; a damaged one is rewritten from
// the record in memory. The doubles readers also give the fields the number of the draw the
// file holds.
void gruppe1_lesen_doppel(Zustand &zustand, Namensfelder &felder);
void gruppe2_lesen_doppel(Zustand &zustand, Namensfelder &felder);
void gruppe1_lesen_einzel(Zustand &zustand, Namensfelder &felder);
void gruppe2_lesen_einzel(Zustand &zustand, Namensfelder &felder);

// What the singles window shows goes back into both line-ups: fields 1..10 into slots 1..10 of
// gruppe1, fields 11..20 into slots 21..30 of gruppe2; then both files are written and hold
// the draws the fields came from.
void einzel_aufstellungen_speichern(Zustand &zustand, const Namensfelder &felder);
