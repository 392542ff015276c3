#include "grid/sortierschluessel.h"

#include "grid/datumtext.h"
#include "grid/zahltext.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace {

QString zahl_schluessel(double wert)
{
    const QLocale locale = zahlen_locale();
    if (wert >= 0)
        return locale.toString(wert, 'f', 4).rightJustified(15, u'0');
    return u' ' + locale.toString(wert + 1000000000.0, 'f', 4).rightJustified(14, u'0');
}

QString datum_schluessel(const QString &text)
{
    if (text.isEmpty())
        return text;
    const auto wert = datum_zeit_lesen(text);
    if (!wert)
        return text;
    return zahl_zu_datum_zeit(*wert).toString(u"yyyyMMddHHmmss"_qs);
}

// Keys made only of these characters order alike by code and by collation.
bool code_ordnung_genuegt(const std::vector<QString> &schluessel)
{
    for (const QString &text : schluessel) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (!((u >= u'0' && u <= u'9') || u == u' ' || u == u',' || u == u'.'))
                return false;
        }
    }
    return true;
}

} // namespace

QString sortierschluessel(const QString &zelle, QChar typ)
{
    const QString text = trimme_steuerzeichen(zelle);
    switch (typ.unicode()) {
    case u'I':
    case u'F':
    case u'C':
        return zahl_schluessel(StrToFloatNorm(text));
    case u'D':
    case u'T':
    case u'd':
        return datum_schluessel(text);
    case u'M':
        return (zelle == u"\t"_qs ? u"J"_qs : u"N"_qs).leftJustified(15, u' ');
    default:
        return text.leftJustified(15, u' ');
    }
}

std::vector<int> schluessel_ordnen(const std::vector<QString> &schluessel)
{
    std::vector<int> folge(schluessel.size());
    std::iota(folge.begin(), folge.end(), 0);
    if (code_ordnung_genuegt(schluessel)) {
        std::stable_sort(folge.begin(), folge.end(),
                         [&](int a, int b) { return schluessel[size_t(a)] < schluessel[size_t(b)]; });
        return folge;
    }
    QCollator kollator{QLocale()};
    kollator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> kollations_schluessel;
    kollations_schluessel.reserve(schluessel.size());
    for (const QString &text : schluessel)
        kollations_schluessel.push_back(kollator.sortKey(text));
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        return kollations_schluessel[size_t(a)].compare(kollations_schluessel[size_t(b)]) < 0;
    });
    return folge;
}
