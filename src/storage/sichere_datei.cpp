#include "storage/sichere_datei.h"

#include <QFile>
#include <QSaveFile>

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
    return datei.commit();
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
