// Arbitrary bytes as "Styledat.txt": a style name of one line comes out, never a crash.
#include "appearance/stile.h"
#include "storage/sichere_datei.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static QTemporaryDir ordner;
    const QString pfad = ordner.path() + u'/';
    speicher::datei_ersetzen(
        pfad + style_dateiname,
        QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    const QString name = style_name_lesen(pfad);
    if (name.isEmpty() || name.contains(u'\n'))
        std::abort();
    if (const Stil *stil = stil_suchen(name); stil && stil->name.size() != name.size())
        std::abort();
    return 0;
}
