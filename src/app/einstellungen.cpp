#include "app/einstellungen.h"

#include "shell/optionen.h"

using namespace Qt::StringLiterals;

namespace {

// The name after the last folder separator. Here only '/' separates folders: ':' and '\\' are
// plain characters of a file name ("Horn: lang.wav").
QString dateiname_teil(const QString &pfad)
{
    return pfad.mid(pfad.lastIndexOf(u'/') + 1);
}

} // namespace

void wav_datei_uebernehmen(TOptionen &optionen, const QString &gewaehlter_pfad)
{
    if (!gewaehlter_pfad.isEmpty())
        optionen.setze(opt::wav_datei, gewaehlter_pfad);
    optionen.setze(opt::wav_datei, dateiname_teil(optionen.wert(opt::wav_datei)));
}
