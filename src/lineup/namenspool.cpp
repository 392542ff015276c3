#include "lineup/namenspool.h"

#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "shell/zustand.h"
#include "storage/textdatei.h"

using namespace Qt::StringLiterals;

const QString pool_datei = u"Str_list.txt"_s;

namespace {

QStringList pool_bauen(Zustand &zustand, QString (*datei_der_mannschaft)(Mannschaft))
{
    const std::optional<Mannschaft> mannschaft = zustand.mannschaft();
    if (!mannschaft)
        return {};
    const QString datei = datei_der_mannschaft(*mannschaft);
    const bool gelesen =
        gruppendatei_lesen(zustand.pfad(datei), zustand.gruppe1) == Gruppendatei::gelesen;
    return pool_vermerken(zustand,
                          gelesen ? pool_aus_satz(zustand.gruppe1, *mannschaft) : QStringList());
}

} // namespace

QStringList pool_aus_satz(const TGruppe &satz, Mannschaft mannschaft)
{
    QStringList pool;
    const int erster = grp::erster_slot(mannschaft);
    for (int slot = erster; slot < erster + grp::slots_pro_mannschaft; ++slot) {
        const QString name = satz.name(slot);
        if (!name.isEmpty())
            pool.append(name);
    }
    return pool;
}

QStringList pool_vermerken(Zustand &zustand, const QStringList &pool)
{
    zustand.pool_anzahl = qint32(pool.size());
    // Only written for the record; the draw takes the pool from memory.
    speicher::textdatei_schreiben(zustand.pfad(pool_datei), pool, speicher::Zeilenende::CRLF);
    return pool;
}

QStringList StrList(Zustand &zustand)
{
    return pool_bauen(zustand, aufstellungsdatei);
}

QStringList StrList_D(Zustand &zustand)
{
    return pool_bauen(zustand, teilnehmerdatei_doppel);
}
