#include "help/hilfe_ort.h"

#include <QDir>
#include <QFileInfo>

QString hilfe_datei_finden(const QString &daten_pfad, const QString &programm_ordner)
{
    QStringList orte{daten_pfad};
    if (!programm_ordner.isEmpty()) {
        const QDir programm(programm_ordner);
        orte << programm.path() << programm.filePath(QStringLiteral("../share/vorlix"));
    }
    for (const QString &ort : orte) {
        const QFileInfo datei(QDir(ort), hilfe_dateiname);
        if (datei.isFile())
            return QDir::cleanPath(datei.absoluteFilePath());
    }
    return {};
}
