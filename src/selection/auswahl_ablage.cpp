#include "selection/auswahl_ablage.h"

#include "lineup/zuweisung.h"
#include "selection/listen_satz.h"
#include "shell/zustand.h"

Auswahl auswahl_laden(const Zustand &zustand, Mannschaft mannschaft, bool doppel)
{
    const Auswahldateien dateien = auswahl_dateinamen(mannschaft, doppel);
    return {listen_datei_lesen(zustand.pfad(dateien.quelle)),
            listen_datei_lesen(zustand.pfad(dateien.ziel))};
}

void auswahl_speichern(Zustand &zustand, Plattform &plattform, Mannschaft mannschaft, bool doppel,
                       const Auswahl &auswahl, Namensfelder &einzel_felder,
                       Namensfelder &doppel_felder)
{
    const Auswahldateien dateien = auswahl_dateinamen(mannschaft, doppel);
    listen_datei_schreiben(zustand.pfad(dateien.quelle), auswahl.quelle, false);
    const bool nummerieren = !doppel && mannschaft == Mannschaft::eins;
    listen_datei_schreiben(zustand.pfad(dateien.ziel), auswahl.ziel, nummerieren);
    gewaehlte_auslosen(zustand, plattform, mannschaft, doppel, auswahl.ziel,
                       doppel ? doppel_felder : einzel_felder);
}
