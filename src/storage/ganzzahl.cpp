#include "storage/ganzzahl.h"

using namespace Qt::StringLiterals;

std::optional<qint32> ganzzahl_lesen(const QString &text)
{
    const QString kern = text.trimmed();
    for (qsizetype i = 0; i < kern.size(); ++i) {
        const QChar zeichen = kern.at(i);
        const bool vorzeichen = i == 0 && (zeichen == u'+' || zeichen == u'-');
        if (!vorzeichen && (zeichen < u'0' || zeichen > u'9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint32 wert = kern.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return wert;
}

QString kein_integer_meldung(const QString &text)
{
    return u"'%1' ist kein gültiger Integerwert"_s.arg(text);
}

bool ist_kein_integer_meldung(const QString &meldung)
{
    return meldung.startsWith(u'\'') && meldung.endsWith(u"' ist kein gültiger Integerwert"_s);
}
