#include "help/hilfe_ort.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

const QString hilfe_dateiname = u"Vorlix_Turnier-Hilfe.chm"_s;

QString hilfe_datei_finden(const QString &daten_pfad, const QString &programm_ordner)
{
    QStringList orte{daten_pfad};
    if (!programm_ordner.isEmpty()) {
        const QDir programm(programm_ordner);
        orte << programm.path() << programm.filePath(u"../share/vorlix"_s);
    }
    for (const QString &ort : orte) {
        const QFileInfo datei(QDir(ort), hilfe_dateiname);
        if (datei.isFile())
            return QDir::cleanPath(datei.absoluteFilePath());
    }
    return {};
}
