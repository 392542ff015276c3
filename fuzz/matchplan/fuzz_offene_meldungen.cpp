// Arbitrary bytes as the open proposals of a recovery set: read within their bound, and what is
// read is written and read back the same.
#include "matchplan/offene_meldungen.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const QList<Tischmeldung> meldungen = offene_meldungen_lesen(bytes);
    if (meldungen.size() > offene_meldungen_hoechstens)
        std::abort();
    for (const Tischmeldung &m : meldungen) {
        if (m.tore1 < 0 || m.tore1 > 99 || m.tore2 < 0 || m.tore2 > 99 || m.spiel.spalte < 1 ||
            m.spiel.spalte > 10 || m.spiel.zeile < 1 || m.spiel.zeile > 10)
            std::abort();
    }
    const QList<Tischmeldung> wieder =
        offene_meldungen_lesen(offene_meldungen_schreiben(meldungen));
    if (wieder.size() != meldungen.size())
        std::abort();
    return 0;
}
