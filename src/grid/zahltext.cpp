#include "grid/zahltext.h"

#include <QLocale>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool ist_leer_oder_steuer(QChar c)
{
    return c.unicode() <= u' ';
}

QString tausender_trenner()
{
    return QLocale().groupSeparator();
}

// Steps 1 to 7 of the normaliser; false when nothing is left to read.
QString normalisiere_text(QString s)
{
    s = trimme_steuerzeichen(s);
    const QString tausender = tausender_trenner();
    if (!tausender.isEmpty())
        s.remove(tausender);
    s.replace(u"-,"_s, u"0,"_s);
    s.replace(u",-"_s, u",0"_s);
    if (s.isEmpty() || s == u","_s)
        return u"0"_s;
    const qsizetype leer = s.indexOf(u' ');
    if (leer >= 0)
        s.truncate(leer);
    bool komma_gesehen = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        const bool angenommen = !komma_gesehen || c.isDigit();
        if (!angenommen) {
            s.truncate(i + 1);
            break;
        }
        if (c == u',')
            komma_gesehen = true;
    }
    s = trimme_steuerzeichen(s);
    if (s.endsWith(u','))
        s.chop(1);
    if (s.startsWith(u','))
        s.prepend(u'0');
    return s;
}

// The regional reading, without the words for infinity and "not a number" that it also knows:
// typed texts such as "Nan" or "inf" are no numbers.
std::optional<double> regional_lesen(const QString &s)
{
    bool ok = false;
    const double wert = zahlen_locale().toDouble(s, &ok);
    return ok && std::isfinite(wert) ? std::optional<double>(wert) : std::nullopt;
}

} // namespace

QString trimme_steuerzeichen(const QString &text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && ist_leer_oder_steuer(text.at(anfang)))
        ++anfang;
    while (ende > anfang && ist_leer_oder_steuer(text.at(ende - 1)))
        --ende;
    return text.mid(anfang, ende - anfang);
}

QString kein_integer(const QString &text)
{
    return u"'%1' ist kein gültiger Integerwert"_s.arg(text);
}

QLocale zahlen_locale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString NormalizeNumberText(const QString &text, int decimals)
{
    const QString s = normalisiere_text(text);
    if (s.isEmpty())
        return u"0"_s;
    if (decimals <= 0)
        return s;
    const auto wert = regional_lesen(s);
    if (!wert)
        return u"0"_s;
    // More than 15 significant digits are noise in a double.
    return zahlen_locale().toString(*wert, 'f', qMin(decimals, 15)).trimmed();
}

namespace {

// A plain whole number ("-120", "+7") reads the same through the normaliser; the short way
// keeps sorting of number columns fast.
std::optional<double> schlichte_ganzzahl(QStringView t)
{
    if (t.isEmpty() || t.size() > 16)
        return std::nullopt;
    qsizetype i = (t.front() == u'-' || t.front() == u'+') ? 1 : 0;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j) {
        if (t[j] < u'0' || t[j] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong wert = t.toLongLong(&ok, 10);
    return ok ? std::optional<double>(double(wert)) : std::nullopt;
}

} // namespace

double StrToFloatNorm(const QString &text)
{
    QString t = trimme_steuerzeichen(text);
    if (t.isEmpty())
        return 0;
    if (const auto ganz = schlichte_ganzzahl(t))
        return *ganz;
    const qsizetype komma = t.indexOf(u',');
    const int dezimalen = komma < 0 ? 0 : int(t.size() - komma - 1);
    return regional_lesen(NormalizeNumberText(t, dezimalen)).value_or(0.0);
}

qint32 StrToIntNorm(const QString &text)
{
    QString t = text;
    t.remove(u' ');
    const QString tausender = tausender_trenner();
    if (!tausender.isEmpty())
        t.remove(tausender);
    bool ok = false;
    const qint32 wert = t.toInt(&ok, 10);
    return ok ? wert : 0;
}

double StrToCurrNorm(const QString &text)
{
    QString t;
    t.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'+' || u == u',' || u == u'-' || u == u'.')
            t.append(c);
    }
    return StrToFloatNorm(t);
}

std::pair<QString, QString> CutToken(QChar separator, const QString &text)
{
    const qsizetype pos = text.indexOf(separator);
    if (pos < 0)
        return {text, QString()};
    return {text.left(pos), text.mid(pos + 1)};
}

QString RemoveChars(const QString &text, const QString &set)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const QChar c : text) {
        if (!set.contains(c))
            ergebnis.append(c);
    }
    return ergebnis;
}

QString ReplaceChars(const QString &text, const QString &set, QChar c)
{
    QString ergebnis = text;
    for (QChar &z : ergebnis) {
        if (set.contains(z))
            z = c;
    }
    return ergebnis;
}

bool PointInRect(int x, int y, const QRect &rect)
{
    return rect.left() <= x && x <= rect.right() && rect.top() <= y && y <= rect.bottom();
}

QStringList in_zeilen(const QString &text, QChar trenner)
{
    if (text.isEmpty())
        return {};
    QStringList zeilen = text.split(trenner);
    if (zeilen.size() > 1 && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}
