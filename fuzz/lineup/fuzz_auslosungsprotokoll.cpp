// Arbitrary bytes as the draw log found in the data folder and as a typed draw number: the
// append keeps every byte that was there and adds exactly one line; the number reader takes
// only what it can give back.
#include "lineup/auslosungsnummer.h"
#include "lineup/auslosungsprotokoll.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // Every replace syncs the file to disk; a memory file system keeps the runs fast.
    static QTemporaryDir ordner(QFileInfo(u"/dev/shm"_s).isWritable()
                                    ? u"/dev/shm/fuzz_auslosungsprotokoll-XXXXXX"_s
                                    : QDir::tempPath() + u"/fuzz_auslosungsprotokoll-XXXXXX"_s);
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const QString pfad = ordner.filePath(protokoll_datei);
    pruefen(speicher::datei_ersetzen(pfad, bytes));

    // The bytes also as names, one per byte 0x3B (';'), so control characters reach the line.
    const QString text = speicher::aus_1252(bytes);
    const Auslosung auslosung{QDateTime(QDate(2026, 12, 8), QTime(10, 30)), groesse % 2 == 0,
                              groesse % 3 == 0 ? Mannschaft::eins : Mannschaft::zwei,
                              quint32(groesse * 2654435761u), text.split(u';')};
    const QString zeile = protokollzeile(auslosung);
    pruefen(!zeile.contains(u'\r') && !zeile.contains(u'\n'));
    pruefen(protokoll_anhaengen(pfad, zeile));

    QByteArray danach;
    pruefen(speicher::datei_lesen(pfad, danach));
    QByteArray erwartet = bytes;
    if (!erwartet.isEmpty() && !erwartet.endsWith('\n'))
        erwartet += "\r\n";
    erwartet += speicher::nach_1252(zeile) + "\r\n";
    pruefen(danach == erwartet);

    const QString getippt = QString::fromUtf8(bytes);
    if (const std::optional<quint32> nummer = auslosungsnummer_lesen(getippt)) {
        pruefen(getippt.trimmed().toULongLong() == *nummer);
        pruefen(auslosungsnummer_lesen(QString::number(*nummer)) == nummer);
    } else {
        pruefen(!auslosungsnummer_meldung(getippt).isEmpty());
    }
    return 0;
}
