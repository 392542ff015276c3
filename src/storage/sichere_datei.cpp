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

bool datei_kopieren(const QString &quelle, const QString &ziel, QString &fehler)
{
    QFile von(quelle);
    if (!von.open(QIODevice::ReadOnly)) {
        fehler = von.errorString();
        return false;
    }
    QSaveFile nach(ziel);
    if (!nach.open(QIODevice::WriteOnly)) {
        fehler = nach.errorString();
        return false;
    }
    constexpr qint64 block = 64 * 1024;
    for (;;) {
        const QByteArray teil = von.read(block);
        if (von.error() != QFileDevice::NoError) {
            fehler = von.errorString();
            nach.cancelWriting();
            return false;
        }
        if (teil.isEmpty())
            break;
        if (nach.write(teil) != teil.size()) {
            fehler = nach.errorString();
            nach.cancelWriting();
            return false;
        }
    }
    if (!abschliessen(nach)) {
        fehler = nach.errorString();
        return false;
    }
    return true;
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
