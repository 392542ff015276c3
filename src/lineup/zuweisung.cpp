#include "lineup/zuweisung.h"

#include "lineup/auslosung.h"
#include "lineup/auslosungsprotokoll.h"
#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "lineup/namenspool.h"
#include "lineup/zufall.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Ziehung
{
    bool doppel;
    Mannschaft mannschaft;
    int hoechstens;  // names placed at most
    int erstes_feld; // the name field of position 1
};

struct Gezogen
{
    std::optional<quint32> nr; // none for an empty pool
    QStringList namen;         // as placed
};

// Draws the pool with the seed and places at most hoechstens names from the first field and
// the team's first slot on; the placed names in their order.
QStringList platzieren(Zustand &zustand, const Ziehung &ziehung, QStringList pool,
                       Namensfelder &felder, quint32 saat)
{
    TGruppe &gruppe = gruppe_der_mannschaft(zustand, ziehung.mannschaft);
    const int erster_slot = grp::erster_slot(ziehung.mannschaft);
    // Names of an earlier, longer line-up must not stay behind the new one.
    gruppe.leeren(erster_slot, erster_slot + grp::slots_pro_mannschaft - 1);
    // A singles pool comes in the order of the last draw. Sorted by code units, which no locale
    // or library changes, the same names and the same seed give the same line-up again.
    std::sort(pool.begin(), pool.end());
    Zufall zufall(saat);
    const QList<int> reihenfolge = auslosen(int(pool.size()), zufall);
    QStringList platziert;
    for (int p = 0; p < qMin(int(reihenfolge.size()), ziehung.hoechstens); ++p) {
        const QString &name = pool.at(reihenfolge.at(p));
        felder.setze(ziehung.erstes_feld + p, name);
        gruppe.setze_name(erster_slot + p, name);
        platziert << name;
    }
    return platziert;
}

// An empty pool leaves spieler_pro_mannschaft as it was and stores the record as it stands;
// what could not be written is reported.
void speichern(Zustand &zustand, Plattform &plattform, Mannschaft mannschaft, bool platziert,
               int letzter_eintrag)
{
    if (platziert && letzter_eintrag > 0)
        zustand.setze(opt::spieler_pro_mannschaft, letzter_eintrag);
    QStringList nicht_geschrieben;
    if (!zustand.optionen_speichern())
        nicht_geschrieben << zustand.pfad(optionen_dateiname);
    if (!gruppe_speichern(zustand, mannschaft))
        nicht_geschrieben << zustand.pfad(aufstellungsdatei(mannschaft));
    if (!nicht_geschrieben.isEmpty())
        plattform.schreibfehler(u"Die Aufstellung wurde nicht vollständig gespeichert. "
                                u"Nicht geschrieben:\n%1"_s.arg(nicht_geschrieben.join(u'\n')));
}

// Draws a non-empty pool with the given seed or else the platform's.
Gezogen ziehen(Zustand &zustand, Plattform &plattform, const Ziehung &ziehung,
               const QStringList &pool, Namensfelder &felder, std::optional<quint32> saat)
{
    if (pool.isEmpty())
        return {};
    const quint32 nr = saat ? *saat : plattform.zufallssaat();
    return {nr, platzieren(zustand, ziehung, pool, felder, nr)};
}

// The draw's number for the window and the shared state, and its line in the file.
void vermerken(Zustand &zustand, Plattform &plattform, Namensfelder &felder, const Ziehung &ziehung,
               const Gezogen &gezogen)
{
    zustand.auslosung_nr.at(nummer(ziehung.mannschaft) - 1) = gezogen.nr;
    felder.setze_auslosung(ziehung.mannschaft, gezogen.nr);
    if (!gezogen.nr)
        return;
    const Auslosung auslosung{plattform.jetzt(), ziehung.doppel, ziehung.mannschaft, *gezogen.nr,
                              gezogen.namen};
    if (!protokoll_anhaengen(zustand.pfad(protokoll_datei), protokollzeile(auslosung)))
        plattform.schreibfehler(
            u"Die Auslosung Nr. %1 konnte nicht in die Datei \"%2\" eingetragen "
            u"werden.\nDie früheren Einträge der Datei bleiben unverändert."_s.arg(
                QString::number(*gezogen.nr), protokoll_datei));
}

// Doubles: the pool drawn into the team's pairs, on name fields emptied by the caller.
void doppel_ziehen(Zustand &zustand, Plattform &plattform, Namensfelder &felder,
                   Mannschaft mannschaft, const QStringList &pool, std::optional<quint32> saat)
{
    const Ziehung ziehung{true, mannschaft, grp::slots_pro_mannschaft, 1};
    const Gezogen gezogen = ziehen(zustand, plattform, ziehung, pool, felder, saat);
    speichern(zustand, plattform, mannschaft, gezogen.nr.has_value(),
              gruppe_der_mannschaft(zustand, mannschaft).letztes_volles_paar(mannschaft));
    vermerken(zustand, plattform, felder, ziehung, gezogen);
}

int erstes_einzelfeld(Mannschaft mannschaft)
{
    return (nummer(mannschaft) - 1) * grp::eintraege_pro_mannschaft + 1;
}

// Singles: the pool drawn into the team's ten places, on name fields emptied by the caller.
void einzel_ziehen(Zustand &zustand, Plattform &plattform, Namensfelder &felder,
                   Mannschaft mannschaft, const QStringList &pool, std::optional<quint32> saat)
{
    const int erstes_feld = erstes_einzelfeld(mannschaft);
    const Ziehung ziehung{false, mannschaft, grp::eintraege_pro_mannschaft, erstes_feld};
    const Gezogen gezogen = ziehen(zustand, plattform, ziehung, pool, felder, saat);
    // Participants beyond the tenth are not part of a singles line-up.
    if (mannschaft == Mannschaft::eins)
        zustand.gruppe1.leeren(grp::eintraege_pro_mannschaft + 1, grp::slots_pro_mannschaft);
    const TGruppe &gruppe = gruppe_der_mannschaft(zustand, mannschaft);
    speichern(
        zustand, plattform, mannschaft, gezogen.nr.has_value(),
        gruppe.letzter_belegter_slot(grp::erster_slot(mannschaft), grp::eintraege_pro_mannschaft));
    vermerken(zustand, plattform, felder, ziehung, gezogen);
    zustand.mannschaft_setzen(Mannschaft::zwei);
}

void einzel_felder_leeren(Namensfelder &felder, Mannschaft mannschaft)
{
    const int erstes_feld = erstes_einzelfeld(mannschaft);
    felder.leeren(erstes_feld, erstes_feld + grp::eintraege_pro_mannschaft - 1);
}

// Doubles of either team go through gruppe1: the participants file of team 2 carries gruppe1
// with its second half filled. Singles go through the team's own line-up record.
TGruppe &auswahl_satz(Zustand &zustand, Mannschaft mannschaft, bool doppel)
{
    return doppel ? zustand.gruppe1 : gruppe_der_mannschaft(zustand, mannschaft);
}

} // namespace

void personen_zuweisen2t(Zustand &zustand, Plattform &plattform, Namensfelder &felder,
                         std::optional<quint32> saat)
{
    felder.leeren(1, Namensfelder::anzahl);
    const std::optional<Mannschaft> mannschaft = zustand.mannschaft();
    if (!mannschaft)
        return;
    doppel_ziehen(zustand, plattform, felder, *mannschaft, StrList_D(zustand), saat);
}

void personen_einz_zuweisen(Zustand &zustand, Plattform &plattform, Namensfelder &felder,
                            std::optional<quint32> saat)
{
    const std::optional<Mannschaft> mannschaft = zustand.mannschaft();
    if (!mannschaft)
        return;
    einzel_felder_leeren(felder, *mannschaft);
    einzel_ziehen(zustand, plattform, felder, *mannschaft, StrList(zustand), saat);
}

bool gewaehlte_auslosen(Zustand &zustand, Plattform &plattform, Mannschaft mannschaft, bool doppel,
                        const QStringList &gewaehlt, Namensfelder &felder)
{
    // The options keep the team worked on last; a singles draw moves it on to team 2.
    zustand.mannschaft_setzen(mannschaft);
    TGruppe &satz = auswahl_satz(zustand, mannschaft, doppel);
    const int erster = grp::erster_slot(mannschaft);
    satz.leeren(erster, erster + grp::slots_pro_mannschaft - 1);
    const int anzahl = qMin(int(gewaehlt.size()), grp::slots_pro_mannschaft);
    for (int k = 0; k < anzahl; ++k)
        satz.setze_name(erster + k, gewaehlt.at(k));
    const QString datei =
        doppel ? teilnehmerdatei_doppel(mannschaft) : aufstellungsdatei(mannschaft);
    const bool geschrieben = speicher::datei_ersetzen(zustand.pfad(datei), satz.bytes());
    // The names as the record holds them, cut to the slot's capacity. gruppe1 ends up holding
    // the record, as the pool readers leave it: they read the file into gruppe1.
    zustand.gruppe1 = satz;
    const QStringList pool = pool_vermerken(zustand, pool_aus_satz(satz, mannschaft));
    if (doppel) {
        felder.leeren(1, Namensfelder::anzahl);
        doppel_ziehen(zustand, plattform, felder, mannschaft, pool, std::nullopt);
    } else {
        einzel_felder_leeren(felder, mannschaft);
        einzel_ziehen(zustand, plattform, felder, mannschaft, pool, std::nullopt);
    }
    // The draw has stored the options and reported a failure; this keeps the team it moved on to.
    zustand.optionen_speichern();
    return geschrieben;
}
