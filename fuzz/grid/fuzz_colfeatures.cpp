// Arbitrary text as column features and column parameter strings: a malformed piece gives a
// German message, never a crash or a grid beyond what the text describes.
#include "fuzz_qt_start.h"
#include "grid/filtergrid.h"
#include "storage/text1252.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_qt_starten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QString text = speicher::aus_1252(
        QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    GitterModell gitter;
    QString fehler;
    const bool gesetzt = gitter.SetColFeatures(text, &fehler);
    if (gesetzt && !fehler.isEmpty())
        std::abort();
    if (gitter.ColCount() > 10000)
        std::abort();
    gitter.ColFeatures();

    GitterModell einzeln;
    QString einzel_fehler;
    einzeln.ParamStrToColInfo(1, text, &einzel_fehler);
    einzeln.ColInfoToParamStr(1);
    einzeln.SetParamArrayToColInfo(text.split(u'\n').mid(0, 50), &einzel_fehler);
    return 0;
}
