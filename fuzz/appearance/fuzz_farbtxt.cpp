// Arbitrary bytes as "farb.txt": the sixteen colours read, write back and read again the same.
#include "appearance/eigene_farben.h"
#include "storage/sichere_datei.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static QTemporaryDir ordner;
    const QString pfad = ordner.path() + u"/farb.txt"_s;
    speicher::datei_ersetzen(
        pfad, QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    EigeneFarben farben;
    if (!farben.lesen(pfad))
        std::abort();
    const QList<QColor> gezeigt = farben.als_farben();
    farben.aus_farben(gezeigt);
    if (!farben.schreiben(pfad))
        std::abort();
    EigeneFarben wieder;
    if (!wieder.lesen(pfad))
        std::abort();
    for (int nr = 0; nr < EigeneFarben::anzahl; ++nr)
        if (wieder.wert(nr) != farben.wert(nr))
            std::abort();
    return 0;
}
