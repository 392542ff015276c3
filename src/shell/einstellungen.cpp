#include "shell/einstellungen.h"

#include "shell/optionen.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QFileInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The name after the last folder separator of either platform, or after a drive letter.
QString dateiname_teil(const QString &pfad)
{
    qsizetype trenner = -1;
    for (QChar zeichen : {u'/', u'\\', u':'})
        trenner = std::max(trenner, pfad.lastIndexOf(zeichen));
    return pfad.mid(trenner + 1);
}

} // namespace

void wav_datei_uebernehmen(TOptionen &optionen, const QString &gewaehlter_pfad)
{
    if (!gewaehlter_pfad.isEmpty())
        optionen.setze(opt::wav_datei, gewaehlter_pfad);
    optionen.setze(opt::wav_datei, dateiname_teil(optionen.wert(opt::wav_datei)));
}

void horn_testen(const Zustand &zustand, Plattform &plattform)
{
    const QString name = zustand.optionen.wert(opt::wav_datei);
    const QString datei = zustand.daten_pfad + u"Wav-Dateien/"_s + name;
    if (!name.isEmpty() && QFileInfo(datei).isFile())
        plattform.ton_abspielen(datei);
}
