// Arbitrary bytes as every selection file: loading must give at most one entry of at most 50
// characters per whole record, the lists must sort what was read, and storing what was read
// must read back unchanged after one round.
#include "selection/auswahl_ablage.h"
#include "selection/listen_satz.h"
#include "selection/sortierte_liste.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void sortiert_pruefen(const QStringList &gelesen)
{
    SortierteListe liste;
    for (const QString &text : gelesen)
        liste.einfuegen(text);
    const QStringList texte = liste.texte();
    pruefen(texte.size() == gelesen.size());
    QCollator sortierung(QLocale(QLocale::German, QLocale::Germany));
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype i = 1; i < texte.size(); ++i)
        pruefen(sortierung.compare(texte.at(i - 1), texte.at(i)) <= 0);
    QStringList a = texte, b = gelesen;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    pruefen(a == b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // Every replace syncs the file to disk; a memory file system keeps the runs fast.
    static QTemporaryDir ordner(QFileInfo(u"/dev/shm"_s).isWritable()
                                    ? u"/dev/shm/fuzz_listendatei-XXXXXX"_s
                                    : QDir::tempPath() + u"/fuzz_listendatei-XXXXXX"_s);
    Zustand zustand;
    zustand.daten_pfad = ordner.path() + u'/';
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const qsizetype saetze = qsizetype(groesse) / lst::groesse;

    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (bool doppel : {false, true}) {
            const Auswahldateien dateien = auswahl_dateinamen(mannschaft, doppel);
            speicher::datei_ersetzen(zustand.pfad(dateien.quelle), bytes);
            speicher::datei_ersetzen(zustand.pfad(dateien.ziel), bytes);
            const Auswahl gelesen = auswahl_laden(zustand, mannschaft, doppel);
            pruefen(gelesen.quelle.size() == saetze && gelesen.ziel == gelesen.quelle);
            for (const QString &text : gelesen.quelle)
                pruefen(text.size() <= 50);
            sortiert_pruefen(gelesen.ziel);

            const QString pfad = zustand.pfad(dateien.ziel);
            pruefen(listen_datei_schreiben(pfad, gelesen.ziel, true));
            const QStringList einmal = listen_datei_lesen(pfad);
            pruefen(QFileInfo(pfad).size() == saetze * lst::groesse);
            pruefen(listen_datei_schreiben(pfad, einmal, false));
            pruefen(listen_datei_lesen(pfad) == einmal);
        }
    }
    return 0;
}
