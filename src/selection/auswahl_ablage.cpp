#include "selection/auswahl_ablage.h"

#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "selection/listen_satz.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QDir>

using namespace Qt::StringLiterals;

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

bool gruppe_schreiben(Zustand &zustand, Mannschaft mannschaft, bool doppel, const QStringList &ziel)
{
    TGruppe &gruppe = ausgabe_satz(zustand, mannschaft, doppel);
    const int erster = grp::erster_slot(mannschaft);
    gruppe.leeren(erster, erster + grp::slots_pro_mannschaft - 1);
    const int anzahl = qMin(int(ziel.size()), grp::slots_pro_mannschaft);
    for (int k = 0; k < anzahl; ++k)
        gruppe.setze_name(erster + k, ziel.at(k));
    return speicher::datei_ersetzen(zustand.pfad(gruppen_dateiname(mannschaft, doppel)),
                                    gruppe.bytes());
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
    QStringList nicht_geschrieben;
    const auto merken = [&](bool geschrieben, const QString &name) {
        if (!geschrieben)
            nicht_geschrieben << QDir::toNativeSeparators(zustand.pfad(name));
    };
    merken(listen_datei_schreiben(zustand.pfad(dateien.quelle), auswahl.quelle, false),
           dateien.quelle);
    const bool nummerieren = !doppel && mannschaft == Mannschaft::eins;
    merken(listen_datei_schreiben(zustand.pfad(dateien.ziel), auswahl.ziel, nummerieren),
           dateien.ziel);
    merken(gruppe_schreiben(zustand, mannschaft, doppel, auswahl.ziel),
           gruppen_dateiname(mannschaft, doppel));
    if (!nicht_geschrieben.isEmpty())
        plattform.schreibfehler(u"Die Auswahl wurde nicht vollständig gespeichert. "
                                u"Nicht geschrieben:\n%1"_s.arg(nicht_geschrieben.join(u'\n')));

    // The draw works on mannschaft_nr, which an earlier singles draw has left at 2.
    zustand.setze(opt::mannschaft_nr, nummer(mannschaft));
    if (doppel)
        personen_zuweisen2t(zustand, plattform, doppel_felder);
    else
        personen_einz_zuweisen(zustand, plattform, einzel_felder);
    // The draw has stored the options and reported a failure.
    zustand.optionen_speichern();
}
