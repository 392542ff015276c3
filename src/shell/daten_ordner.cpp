#include "shell/daten_ordner.h"

#include "shell/optionen.h"

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
        // Only a data folder copied beside the program makes it a portable one; a build folder
        // is never chosen by accident, so a clean rebuild cannot take a club's data with it.
        ordner = QFileInfo::exists(QDir(programm_ordner).filePath(optionen_dateiname))
                     ? programm_ordner
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(ordner);
    return mit_schraegstrich(QDir(ordner).absolutePath());
}
