#include "storage/csv_schreiben.h"

using namespace Qt::StringLiterals;

namespace speicher {

namespace {

QString feld(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

} // namespace

QString csv_zeile(const QStringList &felder)
{
    QStringList teile;
    teile.reserve(felder.size());
    for (const QString &text : felder)
        teile << feld(text);
    return teile.join(u';') + u"\r\n"_s;
}

QByteArray csv_datei(const QString &zeilen)
{
    return QByteArray("\xEF\xBB\xBF") + zeilen.toUtf8();
}

} // namespace speicher
