#include "selection/auswahl_ablage.h"

#include "lineup/gruppendateien.h"
#include "lineup/zuweisung.h"
#include "selection/listen_satz.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QDir>

using namespace Qt::StringLiterals;

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
    const bool gruppe_geschrieben =
        gewaehlte_auslosen(zustand, plattform, mannschaft, doppel, auswahl.ziel,
                           doppel ? doppel_felder : einzel_felder);
    merken(gruppe_geschrieben,
           doppel ? teilnehmerdatei_doppel(mannschaft) : aufstellungsdatei(mannschaft));
    if (!nicht_geschrieben.isEmpty())
        plattform.schreibfehler(u"Die Auswahl wurde nicht vollständig gespeichert. "
                                u"Nicht geschrieben:\n%1"_s.arg(nicht_geschrieben.join(u'\n')));
}
