// Arbitrary bytes as the body of the phone's form: refused, or two scores of one or two digits
// that read back to the same body.
#include "live/meldungsformular.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const std::optional<Meldungstore> tore = formular_lesen(bytes);
    if (!tore)
        return 0;
    if (bytes.size() > formular_hoechstens || tore->tore1 < 0 || tore->tore1 > 99 ||
        tore->tore2 < 0 || tore->tore2 > 99)
        std::abort();
    // Only the two fields may be in a body that was taken.
    if (bytes.count('&') != 1 || bytes.count('=') != 2)
        std::abort();
    return 0;
}
