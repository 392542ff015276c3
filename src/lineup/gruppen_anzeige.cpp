#include "lineup/gruppen_anzeige.h"

#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "shell/zustand.h"

Gruppenfenster gruppenfenster(const Zustand &zustand)
{
    return zustand.wert(opt::doppel_modus) == 1 ? Gruppenfenster::doppel : Gruppenfenster::einzel;
}

void doppel_gruppen_anzeigen(Zustand &zustand, Namensfelder &felder)
{
    zustand.mannschaft_setzen(Mannschaft::eins);
    gruppe1_lesen_doppel(zustand, felder);
    gruppe2_lesen_doppel(zustand, felder);
    // Selecting "Gruppen Mannschaft 1" when the window opens reads team 1 once more.
    zustand.mannschaft_setzen(Mannschaft::eins);
    gruppe1_lesen_doppel(zustand, felder);
}

void einzel_gruppen_anzeigen(Zustand &zustand, Plattform &plattform, Namensfelder &felder)
{
    gruppe1_lesen_einzel(zustand, felder);
    zustand.mannschaft_setzen(Mannschaft::eins);
    personen_einz_zuweisen(zustand, plattform, felder);
    gruppe2_lesen_einzel(zustand, felder);
    zustand.mannschaft_setzen(Mannschaft::zwei);
    personen_einz_zuweisen(zustand, plattform, felder);
}
