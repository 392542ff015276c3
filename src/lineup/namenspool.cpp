#include "lineup/namenspool.h"

#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "shell/zustand.h"
#include "storage/textdatei.h"

namespace {

QStringList pool_bauen(Zustand &zustand, QString (*datei_der_mannschaft)(Mannschaft))
{
    const std::optional<Mannschaft> mannschaft = zustand.mannschaft();
    if (!mannschaft)
        return {};
    QStringList pool;
    const QString datei = datei_der_mannschaft(*mannschaft);
    if (gruppendatei_lesen(zustand.pfad(datei), zustand.gruppe1) == Gruppendatei::gelesen) {
        const int erster = grp::erster_slot(*mannschaft);
        for (int slot = erster; slot < erster + grp::slots_pro_mannschaft; ++slot) {
            const QString name = zustand.gruppe1.name(slot);
            if (!name.isEmpty())
                pool.append(name);
        }
    }
    zustand.pool_anzahl = qint32(pool.size());
    // Only written for the record; the draw takes the pool from memory.
    speicher::textdatei_schreiben(zustand.pfad(pool_datei), pool, speicher::Zeilenende::CRLF);
    return pool;
}

} // namespace

QStringList StrList(Zustand &zustand)
{
    return pool_bauen(zustand, aufstellungsdatei);
}

QStringList StrList_D(Zustand &zustand)
{
    return pool_bauen(zustand, teilnehmerdatei_doppel);
}
