// Arbitrary bytes as "farben.frb": reading ends in a 3168-byte record that saves and reads back
// unchanged, never a crash.
#include "appearance/farbsatz.h"
#include "storage/sichere_datei.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static QTemporaryDir ordner;
    const QString pfad = ordner.path() + u'/';
    speicher::datei_ersetzen(
        pfad + farben_dateiname,
        QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    Tcolor1 farben;
    farben_lesen(farben, pfad);
    if (farben.bytes().size() != frb::groesse)
        std::abort();
    for (speicher::TextFeld feld : {frb::ue_chart_s, frb::k1024.sm_s, frb::hg_bild, frb::str(10)})
        if (farben.wert(feld).size() > feld.kapazitaet)
            std::abort();
    farben_speichern(farben, pfad);
    Tcolor1 wieder;
    farben_lesen(wieder, pfad);
    if (wieder.bytes() != farben.bytes())
        std::abort();
    return 0;
}
