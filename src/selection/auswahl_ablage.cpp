#include "selection/auswahl_ablage.h"

#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "selection/listen_satz.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

namespace {

// Doubles of either team go through gruppe1: the participants file of team 2 carries
// gruppe1 with its second half filled.
TGruppe &ausgabe_satz(Zustand &zustand, Mannschaft mannschaft, bool doppel)
{
    return doppel || mannschaft == Mannschaft::eins ? zustand.gruppe1 : zustand.gruppe2;
}

QString gruppen_dateiname(Mannschaft mannschaft, bool doppel)
{
    if (mannschaft == Mannschaft::eins)
        return doppel ? gruppe1_d_datei : gruppe1_e_datei;
    return doppel ? gruppe2_d_datei : gruppe2_e_datei;
}

void gruppe_schreiben(Zustand &zustand, Mannschaft mannschaft, bool doppel, const QStringList &ziel)
{
    TGruppe &gruppe = ausgabe_satz(zustand, mannschaft, doppel);
    const int erster = grp::erster_slot(mannschaft);
    gruppe.leeren(erster, erster + grp::slots_pro_mannschaft - 1);
    const int anzahl = qMin(int(ziel.size()), grp::slots_pro_mannschaft);
    for (int k = 0; k < anzahl; ++k)
        gruppe.setze_name(erster + k, ziel.at(k));
    speicher::datei_ersetzen(zustand.pfad(gruppen_dateiname(mannschaft, doppel)), gruppe.bytes());
}

} // namespace

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
    gruppe_schreiben(zustand, mannschaft, doppel, auswahl.ziel);

    // The draw works on mannschaft_nr, which an earlier singles draw has left at 2.
    zustand.setze(opt::mannschaft_nr, nummer(mannschaft));
    if (doppel)
        personen_zuweisen2t(zustand, plattform, doppel_felder);
    else
        personen_einz_zuweisen(zustand, plattform, einzel_felder);
    zustand.optionen_speichern();
}
