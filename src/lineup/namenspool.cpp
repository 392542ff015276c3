#include "lineup/namenspool.h"

#include "lineup/gruppe.h"
#include "lineup/gruppendateien.h"
#include "shell/zustand.h"
#include "storage/textdatei.h"

namespace {

QStringList pool_bauen(Zustand &zustand, const QString &datei_mannschaft1,
                       const QString &datei_mannschaft2)
{
    const int mannschaft = zustand.wert(opt::mannschaft_nr);
    if (mannschaft != 1 && mannschaft != 2)
        return {};
    QStringList pool;
    const QString datei = mannschaft == 1 ? datei_mannschaft1 : datei_mannschaft2;
    if (gruppendatei_lesen(zustand.pfad(datei), zustand.gruppe1) == Gruppendatei::gelesen) {
        const int erster = grp::erster_slot(mannschaft);
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
    return pool_bauen(zustand, gruppe1_e_datei, gruppe2_e_datei);
}

QStringList StrList_D(Zustand &zustand)
{
    return pool_bauen(zustand, gruppe1_d_datei, gruppe2_d_datei);
}
