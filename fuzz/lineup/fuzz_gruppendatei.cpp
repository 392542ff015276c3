// Arbitrary bytes as every group file: the readers, pool builders and draws must give
// well-formed line-ups and rewrite a damaged file, never crash.
#include "lineup/auslosungsprotokoll.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "lineup/namenspool.h"
#include "lineup/zuweisung.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"
#include "test_plattform.h"

#include <QDir>
#include <QFile>
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

void felder_pruefen(const Namensfelder &felder)
{
    for (int nr = 1; nr <= Namensfelder::anzahl; ++nr)
        pruefen(felder.text(nr).size() <= 50);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // Every replace syncs the file to disk; a memory file system keeps the runs fast.
    static QTemporaryDir ordner(QFileInfo(u"/dev/shm"_s).isWritable()
                                    ? u"/dev/shm/fuzz_gruppendatei-XXXXXX"_s
                                    : QDir::tempPath() + u"/fuzz_gruppendatei-XXXXXX"_s);
    Zustand zustand;
    zustand.daten_pfad = ordner.path() + u'/';
    TestPlattform plattform;
    // Every draw appends to the log; kept from run to run it would only grow.
    QFile::remove(zustand.pfad(protokoll_datei));
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    for (const QString &datei :
         {gruppe1_e_datei, gruppe2_e_datei, gruppe1_d_datei, gruppe2_d_datei})
        speicher::datei_ersetzen(zustand.pfad(datei), bytes);
    zustand.optionen_lesen();

    Namensfelder felder;
    for (auto leser :
         {gruppe1_lesen_doppel, gruppe2_lesen_doppel, gruppe1_lesen_einzel, gruppe2_lesen_einzel}) {
        leser(zustand, felder);
        felder_pruefen(felder);
        const qint32 spieler = zustand.wert(opt::spieler_pro_mannschaft);
        pruefen(spieler >= 0 && spieler <= 20);
    }
    // A file too short for a record was rewritten from memory; a longer one was read as it is.
    pruefen(QFileInfo(zustand.pfad(gruppe1_e_datei)).size() == qMax<qint64>(groesse, 2040));

    for (const Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (auto pool_bauen : {StrList, StrList_D}) {
            zustand.mannschaft_setzen(mannschaft);
            const QStringList pool = pool_bauen(zustand);
            pruefen(pool.size() <= 20 && zustand.pool_anzahl == pool.size());
            for (const QString &name : pool)
                pruefen(!name.isEmpty() && name.size() <= 50);
        }
        zustand.mannschaft_setzen(mannschaft);
        personen_zuweisen2t(zustand, plattform, felder);
        felder_pruefen(felder);
        pruefen(zustand.wert(opt::spieler_pro_mannschaft) <= 20);
        personen_einz_zuweisen(zustand, plattform, felder);
        pruefen(zustand.mannschaft() == Mannschaft::zwei);
    }
    return 0;
}
