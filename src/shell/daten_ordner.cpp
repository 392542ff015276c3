#include "shell/daten_ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString mit_schraegstrich(QString pfad)
{
    pfad = QDir::fromNativeSeparators(QDir::cleanPath(pfad));
    return pfad.endsWith(u'/') ? pfad : pfad + u'/';
}

} // namespace

QString daten_pfad_bestimmen(const QString &programm_ordner)
{
    QString ordner = qEnvironmentVariable(daten_umgebungsvariable);
    if (ordner.isEmpty()) {
        const QFileInfo programm(programm_ordner);
        ordner = programm.isDir() && programm.isWritable()
                     ? programm_ordner
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(ordner);
    return mit_schraegstrich(QDir(ordner).absolutePath());
}
