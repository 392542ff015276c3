#include "storage/textdatei.h"

#include "storage/sichere_datei.h"
#include "storage/text1252.h"

using namespace Qt::StringLiterals;

namespace speicher {

bool textdatei_lesen(const QString &pfad, QStringList &zeilen)
{
    zeilen.clear();
    QByteArray inhalt;
    if (!datei_lesen(pfad, inhalt))
        return false;
    QString text = aus_1252(inhalt);
    text.replace(u"\r\n"_s, u"\n"_s);
    zeilen = text.split(u'\n');
    // The line end of the last line does not open another line.
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return true;
}

bool textdatei_schreiben(const QString &pfad, const QStringList &zeilen, Zeilenende ende)
{
    const QString trenner = ende == Zeilenende::CRLF ? u"\r\n"_s : u"\n"_s;
    QString text;
    for (const QString &zeile : zeilen)
        text += zeile + trenner;
    return datei_ersetzen(pfad, nach_1252(text));
}

} // namespace speicher
