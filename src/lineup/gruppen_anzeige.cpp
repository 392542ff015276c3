#include "lineup/gruppen_anzeige.h"

#include "lineup/doppel_gruppen_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "shell/zustand.h"

void gruppen_mitspieler_anzeigen(Zustand &zustand, TForm7 &form7, TForm8 &form8)
{
    if (zustand.wert(opt::doppel_modus) == 1) {
        zustand.setze(opt::mannschaft_nr, 1);
        gruppe1_lesen_doppel(zustand, form7.namensfelder());
        gruppe2_lesen_doppel(zustand, form7.namensfelder());
        zustand.setze(opt::mannschaft_nr, 2);
        form7.zeigen();
        form7.mannschaft_waehlen(1);
        return;
    }
    Namensfelder &felder = form8.namensfelder();
    gruppe1_lesen_einzel(zustand, felder);
    zustand.setze(opt::mannschaft_nr, 1);
    personen_einz_zuweisen(zustand, felder);
    gruppe2_lesen_einzel(zustand, felder);
    zustand.setze(opt::mannschaft_nr, 2);
    personen_einz_zuweisen(zustand, felder);
    form8.mischen_erlauben();
    form8.zeigen();
}
