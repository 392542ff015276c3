#include "stopwatch/hupe.h"

#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString hupe_pfad(const Zustand &zustand)
{
    QString ordner = zustand.daten_pfad;
    while (ordner.endsWith(u'/'))
        ordner.chop(1);
    return ordner + u"/Wav-Dateien/"_s + zustand.optionen.wert(opt::wav_datei);
}

void hupe_bereitstellen(const Zustand &zustand)
{
    // Only into a folder that does not exist yet: a folder the organiser emptied stays empty.
    const QString ordner = zustand.pfad(u"Wav-Dateien"_s);
    if (QFileInfo::exists(ordner))
        return;
    QFile mitgeliefert(u":/ton/"_s + QString::fromUtf16(hupe_mitgeliefert));
    if (mitgeliefert.open(QIODevice::ReadOnly) && QDir().mkpath(ordner))
        speicher::datei_ersetzen(QDir(ordner).filePath(QString::fromUtf16(hupe_mitgeliefert)),
                                 mitgeliefert.readAll());
}

bool hupe_gewaehlt(const Zustand &zustand)
{
    return !zustand.optionen.wert(opt::wav_datei).isEmpty();
}

void hupe_abspielen(const Zustand &zustand, Plattform &plattform)
{
    // Only a plain file name is looked up; a folder part could reach outside "Wav-Dateien".
    // An empty name leaves the folder itself, which is no file.
    if (zustand.optionen.wert(opt::wav_datei).contains(u'/'))
        return;
    const QString pfad = hupe_pfad(zustand);
    if (QFileInfo(pfad).isFile())
        plattform.ton_abspielen(pfad);
}
