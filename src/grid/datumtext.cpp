#include "grid/datumtext.h"

#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QDate tag_null(1899, 12, 30);

std::optional<QDate> nur_datum(const QString &text, QDate heute)
{
    static const QRegularExpression muster(u"^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})?$"_s);
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    if (!treffer.hasCaptured(3) && !heute.isValid())
        return std::nullopt;
    int jahr = heute.year();
    if (treffer.hasCaptured(3)) {
        const QString jahr_text = treffer.captured(3);
        jahr = jahr_text.toInt();
        // Two-digit years fall into 1950..2049.
        if (jahr_text.size() == 2)
            jahr += jahr < 50 ? 2000 : 1900;
    }
    const QDate datum(jahr, treffer.captured(2).toInt(), treffer.captured(1).toInt());
    return datum.isValid() ? std::optional<QDate>(datum) : std::nullopt;
}

std::optional<QTime> nur_zeit(const QString &text)
{
    static const QRegularExpression muster(u"^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"_s);
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    const QTime zeit(treffer.captured(1).toInt(), treffer.captured(2).toInt(),
                     treffer.hasCaptured(3) ? treffer.captured(3).toInt() : 0);
    return zeit.isValid() ? std::optional<QTime>(zeit) : std::nullopt;
}

double zeit_als_bruch(const QTime &zeit)
{
    return zeit.msecsSinceStartOfDay() / 86400000.0;
}

} // namespace

std::optional<double> datum_zeit_lesen(const QString &text, QDate heute)
{
    const QString t = text.simplified();
    const qsizetype leer = t.indexOf(u' ');
    const QString erster = leer < 0 ? t : t.left(leer);
    if (const auto datum = nur_datum(erster, heute)) {
        const double tage = double(tag_null.daysTo(*datum));
        if (leer < 0)
            return tage;
        const auto zeit = nur_zeit(t.mid(leer + 1));
        return zeit ? std::optional<double>(tage + zeit_als_bruch(*zeit)) : std::nullopt;
    }
    return leer < 0 ? zeit_lesen(t) : std::nullopt;
}

std::optional<double> datum_lesen(const QString &text, QDate heute)
{
    const QString t = text.simplified();
    if (!nur_datum(t.section(u' ', 0, 0), heute))
        return std::nullopt;
    const auto zeitpunkt = datum_zeit_lesen(t, heute);
    return zeitpunkt ? std::optional<double>(std::floor(*zeitpunkt)) : std::nullopt;
}

std::optional<double> zeit_lesen(const QString &text)
{
    const auto zeit = nur_zeit(text.trimmed());
    return zeit ? std::optional<double>(zeit_als_bruch(*zeit)) : std::nullopt;
}

double datum_zeit_zu_zahl(const QDateTime &zeitpunkt)
{
    return double(tag_null.daysTo(zeitpunkt.date())) + zeit_als_bruch(zeitpunkt.time());
}

QDateTime zahl_zu_datum_zeit(double wert)
{
    if (!std::isfinite(wert) || std::abs(wert) > 3.0e6)
        return {};
    const double tage = std::floor(wert);
    const qint64 ms = std::llround((wert - tage) * 86400000.0);
    return QDateTime(tag_null.addDays(qint64(tage)), QTime(0, 0)).addMSecs(ms);
}

QString datum_text(double wert)
{
    return zahl_zu_datum_zeit(wert).date().toString(u"dd.MM.yyyy"_s);
}

QString zeit_text(double wert)
{
    return zahl_zu_datum_zeit(wert).time().toString(u"HH:mm:ss"_s);
}

QString datum_zeit_text(double wert)
{
    const QDateTime zeitpunkt = zahl_zu_datum_zeit(wert);
    if (!zeitpunkt.isValid())
        return {};
    if (zeitpunkt.time() == QTime(0, 0))
        return datum_text(wert);
    return datum_text(wert) + u' ' + zeit_text(wert);
}
