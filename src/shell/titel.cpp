#include "shell/titel.h"

#include "programm.h"

#include <QLocale>

using namespace Qt::StringLiterals;

QString titel_text(const QString &version_text, const QDate &heute)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return programm_name + u"   V"_s + u' ' + version_text + u"      -      "_s + u"Heute ist "_s +
           u' ' + deutsch.toString(heute, u"dddd"_s) + u' ' + u"der"_s + u"  "_s +
           heute.toString(u"dd.MM.yyyy"_s);
}

QString info_zeile(const QString &version_text)
{
    return programm_name +
           u", Version %1 – Tischfußball-Turniere zweier Mannschaften"_s.arg(version_text);
}
