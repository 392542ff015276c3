#include "app/einstellungen.h"

#include "shell/optionen.h"

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
