// Arbitrary bytes as "Vorlixn.opt": reading must end in a 1224-byte record, never a crash.
#include "shell/optionen.h"
#include "storage/sichere_datei.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    static QTemporaryDir ordner;
    const QString pfad = ordner.path() + u'/';
    speicher::datei_ersetzen(
        pfad + optionen_dateiname,
        QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    TOptionen optionen;
    optionen_lesen(optionen, pfad);
    // Every text field must decode within its capacity.
    for (speicher::TextFeld feld :
         {opt::spielart_text, opt::sicherungs_pfad, opt::turnier_datum, opt::name_mannschaft1,
          opt::name_mannschaft2, opt::wav_datei, opt::druck_schriftart})
        if (optionen.wert(feld).size() > feld.kapazitaet)
            std::abort();
    if (optionen.bytes().size() != opt::groesse)
        std::abort();
    return 0;
}
