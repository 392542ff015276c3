#include "lineup/gruppe.h"

void TGruppe::leeren(int von, int bis)
{
    for (int slot = von; slot <= bis; ++slot)
        setze_name(slot, QString());
}

int TGruppe::letztes_volles_paar(Mannschaft mannschaft) const
{
    const int erster = grp::erster_slot(mannschaft);
    int letztes = 0;
    for (int k = 1; k <= grp::eintraege_pro_mannschaft; ++k) {
        const int slot = erster + 2 * (k - 1);
        if (!name(slot).isEmpty() && !name(slot + 1).isEmpty())
            letztes = k;
    }
    return letztes;
}

int TGruppe::letzter_belegter_slot(int erster_slot, int anzahl) const
{
    int letzter = 0;
    for (int k = 1; k <= anzahl; ++k) {
        if (!name(erster_slot + k - 1).isEmpty())
            letzter = k;
    }
    return letzter;
}
