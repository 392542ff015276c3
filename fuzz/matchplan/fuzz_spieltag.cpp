// Arbitrary bytes as a match-day record file: reading takes the first record of a file long
// enough for one and leaves the record as it was otherwise; every field reads within its
// capacity.
#include "matchplan/spieltag.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void feld_pruefen(const TSpieltag &satz, speicher::TextFeld feld)
{
    pruefen(satz.wert(feld).size() <= feld.kapazitaet);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // Every replace syncs the file to disk; a memory file system keeps the runs fast.
    static QTemporaryDir ordner(QFileInfo(u"/dev/shm"_s).isWritable()
                                    ? u"/dev/shm/fuzz_spieltag-XXXXXX"_s
                                    : QDir::tempPath() + u"/fuzz_spieltag-XXXXXX"_s);
    Zustand zustand;
    zustand.daten_pfad = ordner.path() + u'/';
    zustand.grp_datei = u"D_Gr08_14_03_2026.grp"_s;
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    pruefen(speicher::datei_ersetzen(zustand.pfad(zustand.grp_datei), bytes));

    const bool gelesen = spieltag_lesen(zustand);

    pruefen(gelesen == (groesse >= size_t(spt::groesse)));
    const QByteArray satz = zustand.spieltag.bytes();
    pruefen(satz.size() == spt::groesse);
    pruefen(gelesen ? satz == bytes.first(spt::groesse) : satz.count('\0') == spt::groesse);
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (int k = 1; k <= 10; ++k) {
            feld_pruefen(zustand.spieltag, spt::einzel_name(mannschaft, k));
            feld_pruefen(zustand.spieltag, spt::doppel_name(mannschaft, k, 1));
            feld_pruefen(zustand.spieltag, spt::doppel_name(mannschaft, k, 2));
        }
    }
    for (int zeile = 1; zeile <= 22; ++zeile) {
        for (int spiel = 1; spiel <= spt::spiele; ++spiel)
            feld_pruefen(zustand.spieltag, spt::punkte(zeile, spiel));
    }
    for (int t = 1; t <= 60; ++t)
        feld_pruefen(zustand.spieltag, spt::summe(t));
    for (int zeile = 1; zeile <= 84; ++zeile)
        feld_pruefen(zustand.spieltag, spt::platz(zeile));
    return 0;
}
