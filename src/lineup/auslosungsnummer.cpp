#include "lineup/auslosungsnummer.h"

#include <limits>

using namespace Qt::StringLiterals;

QString auslosung_text(std::optional<quint32> nummer)
{
    return nummer ? u"Auslosung Nr. %1"_s.arg(*nummer) : QString();
}

std::optional<quint32> auslosungsnummer_lesen(const QString &text)
{
    const QString kern = text.trimmed();
    if (kern.isEmpty())
        return std::nullopt;
    quint64 wert = 0;
    for (const QChar zeichen : kern) {
        // Only ASCII digits: QChar::isDigit would also take other scripts' digits.
        if (zeichen < u'0' || zeichen > u'9')
            return std::nullopt;
        wert = wert * 10 + quint64(zeichen.unicode() - u'0');
        if (wert > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return quint32(wert);
}

QString auslosungsnummer_meldung(const QString &text)
{
    if (text.trimmed().isEmpty())
        return u"Bitte im Feld \"Nr.\" die Nummer der Auslosung eingeben, die wiederholt werden "
               u"soll."_s;
    return u"'%1' ist keine gültige Auslosungsnummer.\n"
           u"Eine Auslosungsnummer ist eine ganze Zahl von 0 bis %2."_s.arg(
               text, QString::number(std::numeric_limits<quint32>::max()));
}
