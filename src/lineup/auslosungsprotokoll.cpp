#include "lineup/auslosungsprotokoll.h"

#include "storage/sichere_datei.h"
#include "storage/text1252.h"

#include <QFile>

using namespace Qt::StringLiterals;

const QString protokoll_datei = u"Auslosungen.txt"_s;

namespace {

QString einzeilig(QString text)
{
    for (QChar &zeichen : text) {
        if (zeichen.category() == QChar::Other_Control)
            zeichen = u' ';
    }
    return text;
}

} // namespace

QString protokollzeile(const Auslosung &auslosung)
{
    QStringList felder{
        auslosung.zeitpunkt.toString(u"dd.MM.yyyy"_s), auslosung.zeitpunkt.toString(u"HH:mm:ss"_s),
        auslosung.doppel ? u"Doppelspiel"_s : u"Einzelspiel"_s,
        u"Mannschaft %1"_s.arg(nummer(auslosung.mannschaft)), QString::number(auslosung.nummer)};
    for (const QString &name : auslosung.namen)
        felder << einzeilig(name);
    return felder.join(u';');
}

bool protokoll_anhaengen(const QString &pfad, const QString &zeile)
{
    QByteArray inhalt;
    if (QFile::exists(pfad) && !speicher::datei_lesen(pfad, inhalt))
        return false;
    // A last line without its end, as an editor may leave it, keeps its own line.
    if (!inhalt.isEmpty() && !inhalt.endsWith('\n'))
        inhalt += "\r\n";
    inhalt += speicher::nach_1252(zeile) + "\r\n";
    return speicher::datei_ersetzen(pfad, inhalt);
}
