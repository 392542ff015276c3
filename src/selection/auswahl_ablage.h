#pragma once

#include "shell/mannschaft.h"

#include <QStringList>

class Namensfelder;
class Plattform;
struct Zustand;

struct Auswahl
{
    QStringList quelle; // the players left over, in list order
    QStringList ziel;   // the chosen players, in list order
};

// Both lists as last stored for the team and game kind; a missing file is an empty list.
Auswahl auswahl_laden(const Zustand &zustand, Mannschaft mannschaft, bool doppel);

// Stores both lists and hands the chosen entries to the team's draw (gewaehlte_auslosen). A
// file that cannot be written is left as it was and the next one is still written; after the
// draw, which reports its own failures, one message names every list or group file that was not
// written.
void auswahl_speichern(Zustand &zustand, Plattform &plattform, Mannschaft mannschaft, bool doppel,
                       const Auswahl &auswahl, Namensfelder &einzel_felder,
                       Namensfelder &doppel_felder);
