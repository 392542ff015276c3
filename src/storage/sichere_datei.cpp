#include "storage/sichere_datei.h"

#include <QFile>
#include <QSaveFile>
#include <csignal>

namespace {

// Fault tests end the process here, the temporary file written and not yet renamed, to show
// that a kill in the middle of a save leaves the old file. The variable names the end of the
// paths to stop at; it is read once.
void vor_dem_umbenennen(const QString &pfad)
{
    static const QString ende = qEnvironmentVariable("VORLIX_TEST_ABBRUCH_VOR_UMBENENNEN");
    if (!ende.isEmpty() && pfad.endsWith(ende))
        std::raise(SIGKILL);
}

// QSaveFile::commit renames the file into place even when writing out its buffer failed (a full
// disk): the old file would be replaced by a torn one and the failure reported as success.
bool abschliessen(QSaveFile &datei)
{
    if (!datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    vor_dem_umbenennen(datei.fileName());
    return datei.commit();
}

} // namespace

namespace speicher {

bool datei_ersetzen(const QString &pfad, QByteArrayView inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    if (datei.write(inhalt.data(), inhalt.size()) != inhalt.size()) {
        datei.cancelWriting();
        return false;
    }
    return abschliessen(datei);
}

std::optional<QString> datei_kopieren(const QString &quelle, const QString &ziel)
{
    QFile von(quelle);
    if (!von.open(QIODevice::ReadOnly))
        return von.errorString();
    QSaveFile nach(ziel);
    if (!nach.open(QIODevice::WriteOnly))
        return nach.errorString();
    constexpr qint64 block = 64 * 1024;
    for (;;) {
        const QByteArray teil = von.read(block);
        if (von.error() != QFileDevice::NoError) {
            const QString grund = von.errorString();
            nach.cancelWriting();
            return grund;
        }
        if (teil.isEmpty())
            break;
        if (nach.write(teil) != teil.size()) {
            const QString grund = nach.errorString();
            nach.cancelWriting();
            return grund;
        }
    }
    if (!abschliessen(nach))
        return nach.errorString();
    return std::nullopt;
}

bool datei_lesen(const QString &pfad, QByteArray &inhalt)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    inhalt = datei.readAll();
    return datei.error() == QFileDevice::NoError;
}

} // namespace speicher
