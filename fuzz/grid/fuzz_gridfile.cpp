// Arbitrary bytes as a grid file: the load must end loaded or refused as damaged, grow the
// grid no further than its counts allow, and leave a grid that sorts and exports.
#include "fuzz_qt_start.h"
#include "grid/filtergrid.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_qt_starten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    GitterModell gitter;
    const int anfang = gitter.RowCount();
    const bool geladen = gitter.aus_bytes_laden(bytes, true, true, 1);
    if (geladen != gitter.letzter_fehler().isEmpty())
        std::abort();
    // Counts beyond what the file holds are honoured up to the bound, never further.
    const qint64 zellen = std::max<qint64>(hoechste_zellenzahl, bytes.count('\n') + 1);
    if (gitter.ColCount() > std::max(anfang, hoechste_spaltenzahl) ||
        gitter.RowCount() > std::max<qint64>(anfang, zellen) ||
        (gitter.RowCount() > anfang && gitter.ColCount() > anfang &&
         qint64(gitter.RowCount()) * gitter.ColCount() > zellen))
        std::abort();
    gitter.Sortiere(u"0;1;"_s, true, 0, false);
    gitter.ExportToParamStr(0, 0);
    gitter.ColFeatures();
    return 0;
}
