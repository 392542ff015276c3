#include "lineup/zuweisung.h"

#include "lineup/auslosung.h"
#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "lineup/namenspool.h"
#include "shell/zustand.h"

#include <QStringList>

namespace {

// Draws the pool and places at most hoechstens names from the given field and the team's first
// slot on; false when the pool is empty and nothing was placed.
bool platzieren(Zustand &zustand, Mannschaft mannschaft, const QStringList &pool, int hoechstens,
                Namensfelder &felder, int erstes_feld)
{
    TGruppe &gruppe = gruppe_der_mannschaft(zustand, mannschaft);
    const int erster_slot = grp::erster_slot(mannschaft);
    // Names of an earlier, longer line-up must not stay behind the new one.
    if (!pool.isEmpty())
        gruppe.leeren(erster_slot, erster_slot + grp::slots_pro_mannschaft - 1);
    const QList<int> reihenfolge = auslosen(int(pool.size()), zustand.zufall);
    for (int p = 0; p < qMin(int(reihenfolge.size()), hoechstens); ++p) {
        const QString &name = pool.at(reihenfolge.at(p));
        felder.setze(erstes_feld + p, name);
        gruppe.setze_name(erster_slot + p, name);
    }
    return !pool.isEmpty();
}

// An empty pool leaves spieler_pro_mannschaft as it was and stores the record as it stands.
void speichern(Zustand &zustand, Mannschaft mannschaft, bool platziert, int letzter_eintrag)
{
    if (platziert && letzter_eintrag > 0)
        zustand.setze(opt::spieler_pro_mannschaft, letzter_eintrag);
    zustand.optionen_speichern();
    gruppe_speichern(zustand, mannschaft);
}

} // namespace

void personen_zuweisen2t(Zustand &zustand, Namensfelder &felder)
{
    felder.leeren(1, Namensfelder::anzahl);
    const std::optional<Mannschaft> mannschaft = zustand.mannschaft();
    if (!mannschaft)
        return;
    const bool platziert =
        platzieren(zustand, *mannschaft, StrList_D(zustand), grp::slots_pro_mannschaft, felder, 1);
    speichern(zustand, *mannschaft, platziert,
              gruppe_der_mannschaft(zustand, *mannschaft).letztes_volles_paar(*mannschaft));
}

void personen_einz_zuweisen(Zustand &zustand, Namensfelder &felder)
{
    const std::optional<Mannschaft> mannschaft = zustand.mannschaft();
    if (!mannschaft)
        return;
    const int erstes_feld = (nummer(*mannschaft) - 1) * grp::eintraege_pro_mannschaft + 1;
    felder.leeren(erstes_feld, erstes_feld + grp::eintraege_pro_mannschaft - 1);
    const bool platziert = platzieren(zustand, *mannschaft, StrList(zustand),
                                      grp::eintraege_pro_mannschaft, felder, erstes_feld);
    // Participants beyond the tenth are not part of a singles line-up.
    if (*mannschaft == Mannschaft::eins)
        zustand.gruppe1.leeren(grp::eintraege_pro_mannschaft + 1, grp::slots_pro_mannschaft);
    const TGruppe &gruppe = gruppe_der_mannschaft(zustand, *mannschaft);
    speichern(
        zustand, *mannschaft, platziert,
        gruppe.letzter_belegter_slot(grp::erster_slot(*mannschaft), grp::eintraege_pro_mannschaft));
    zustand.mannschaft_setzen(Mannschaft::zwei);
}
