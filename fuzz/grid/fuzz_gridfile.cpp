// Arbitrary bytes as a grid file: the reader must end with a result or a message, a refused
// file must leave the grid as it was, a load must grow the grid no further than its counts
// allow, and the grid must still sort and export.
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
    const GitterdateiErgebnis ergebnis =
        gitterdatei_lesen(bytes, 1, true, true, u'\u00AB', u"fuzz.Tab"_s);
    if (ergebnis.zellen.zeilen() > size_t(std::max(ergebnis.datei.zeilen, 0)))
        std::abort();

    GitterModell gitter;
    const int anfang = gitter.RowCount();
    const int anfang_spalten = gitter.ColCount();
    gitter.SetCells(0, 0, u"vorher"_s);
    const bool geladen = gitter.aus_bytes_laden(bytes, true, true, 1);
    if (geladen != gitter.letzter_fehler().isEmpty() || geladen != ergebnis.gelesen())
        std::abort();
    if (!geladen && (gitter.Cells(0, 0) != u"vorher"_s || gitter.RowCount() != anfang ||
                     gitter.ColCount() != anfang_spalten))
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
