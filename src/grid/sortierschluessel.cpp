#include "grid/sortierschluessel.h"

#include "grid/datumtext.h"
#include "grid/zahltext.h"

#include <QCollator>
#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Four decimals with the given decimal separator, no thousands separators, padded on the left
// with "0" to the width; built in one piece because number columns sort by it row by row.
QString vier_dezimalen(double wert, QChar komma, int breite, bool leer_davor = false)
{
    if (!(wert < 1e14)) {
        QString text = QString::number(wert, 'f', 4);
        text.replace(u'.', komma);
        return (leer_davor ? u" "_s : QString()) + text.rightJustified(breite, u'0');
    }
    qint64 rest = std::llround(wert * 10000.0);
    char16_t puffer[32];
    int pos = 32;
    for (int stelle = 0; stelle < 4; ++stelle) {
        puffer[--pos] = char16_t(u'0' + rest % 10);
        rest /= 10;
    }
    puffer[--pos] = komma.unicode();
    do {
        puffer[--pos] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    while (32 - pos < breite)
        puffer[--pos] = u'0';
    if (leer_davor)
        puffer[--pos] = u' ';
    return QString(reinterpret_cast<const QChar *>(puffer + pos), 32 - pos);
}

QString zahl_schluessel(double wert, QChar komma)
{
    if (wert >= 0)
        return vier_dezimalen(wert, komma, 15);
    const double verschoben = wert + 1000000000.0;
    if (verschoben < 0) // below -1e9 the key no longer orders; it still must not break
        return u' ' + QString::number(verschoben, 'f', 4).replace(u'.', komma);
    return vier_dezimalen(verschoben, komma, 14, true);
}

QString datum_schluessel(const QString &text, QDate heute)
{
    // An empty cell counts as a day long before year 1: all fields zero, so it sorts first
    // and keeps the keys of further fields in line.
    if (text.isEmpty())
        return u"00000000000000"_s;
    const auto wert = datum_zeit_lesen(text, heute);
    if (!wert)
        return text;
    return zahl_zu_datum_zeit(*wert).toString(u"yyyyMMddHHmmss"_s);
}

// Keys made only of these characters order alike by code and by collation.
bool code_ordnung_genuegt(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'0' && u <= u'9') || u == u' ' || u == u',' || u == u'.';
    });
}

bool code_ordnung_genuegt(const std::vector<QString> &schluessel)
{
    return std::all_of(schluessel.begin(), schluessel.end(),
                       [](const QString &text) { return code_ordnung_genuegt(text); });
}

// Ranks by a three-way comparison; only which keys compare equal decides the ranks, so the
// order among them needs no stable sort.
template <typename Schluessel, typename Vergleich>
std::vector<int> raenge_nach(const std::vector<Schluessel> &schluessel, Vergleich vergleich)
{
    std::vector<int> folge(schluessel.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::sort(folge.begin(), folge.end(), [&](int a, int b) {
        return vergleich(schluessel[size_t(a)], schluessel[size_t(b)]) < 0;
    });
    std::vector<int> raenge(schluessel.size());
    int rang = 0;
    for (size_t i = 0; i < folge.size(); ++i) {
        if (i > 0 && vergleich(schluessel[size_t(folge[i - 1])], schluessel[size_t(folge[i])]) != 0)
            ++rang;
        raenge[size_t(folge[i])] = rang;
    }
    return raenge;
}

} // namespace

QString sortierschluessel(const QString &zelle, QChar typ, QDate heute)
{
    return sortierschluessel(zelle, typ, QLocale().decimalPoint().front(), heute);
}

QString sortierschluessel(const QString &zelle, QChar typ, QChar komma, QDate heute)
{
    const QString text = trimme_steuerzeichen(zelle);
    switch (typ.unicode()) {
    case u'I':
    case u'F':
    case u'C':
        return zahl_schluessel(StrToFloatNorm(text), komma);
    case u'D':
    case u'T':
    case u'd':
        return datum_schluessel(text, heute);
    case u'M':
        return (zelle == u"\t"_s ? u"J"_s : u"N"_s).leftJustified(15, u' ');
    default:
        return text.leftJustified(15, u' ');
    }
}

std::vector<int> schluessel_raenge(const std::vector<QString> &schluessel)
{
    Kollationen kollationen;
    return kollationen.raenge(schluessel, 0);
}

void Kollationen::sprache_pruefen()
{
    if (m_kollator && m_sprache == QLocale())
        return;
    m_schluessel.clear();
    m_zellen.clear();
    m_sprache = QLocale();
    m_kollator.emplace(m_sprache);
    m_kollator->setCaseSensitivity(Qt::CaseInsensitive);
}

std::vector<int> Kollationen::raenge(const std::vector<QString> &schluessel, size_t hoechstens)
{
    if (code_ordnung_genuegt(schluessel))
        return raenge_nach(schluessel,
                           [](const QString &a, const QString &b) { return a.compare(b); });
    sprache_pruefen();
    // A collation key costs about as much as a few comparisons, and each text would take part
    // in many.
    std::vector<const QCollatorSortKey *> kollation;
    kollation.reserve(schluessel.size());
    for (const QString &text : schluessel) {
        auto eintrag = m_schluessel.find(text);
        if (eintrag == m_schluessel.end())
            eintrag = m_schluessel.emplace(text, m_kollator->sortKey(text)).first;
        kollation.push_back(&eintrag->second);
    }
    std::vector<int> raenge =
        raenge_nach(kollation, [](const QCollatorSortKey *a, const QCollatorSortKey *b) {
            return a->compare(*b);
        });
    if (m_schluessel.size() > std::max(hoechstens, schluessel.size())) {
        decltype(m_schluessel) behalten;
        behalten.reserve(schluessel.size());
        for (size_t i = 0; i < schluessel.size(); ++i)
            behalten.emplace(schluessel[i], *kollation[i]);
        m_schluessel.swap(behalten);
    }
    return raenge;
}

Kollationen::Zelleneintrag &Kollationen::zelleneintrag(const QString &zelle, QChar typ, QChar komma,
                                                       QDate heute)
{
    // Equal address and length with the held text: the very same text, since a text that is
    // shared cannot change in place.
    auto [eintrag, neu] = m_zellen.try_emplace(zelle.constData());
    Zelleneintrag &e = eintrag->second;
    if (neu || e.text.size() != zelle.size() || e.typ != typ || e.heute != heute) {
        e.text = zelle;
        e.typ = typ;
        e.heute = heute;
        e.schluessel = sortierschluessel(zelle, typ, komma, heute);
        e.nach_code = code_ordnung_genuegt(e.schluessel);
        e.kollation.reset();
    }
    return e;
}

std::vector<int> Kollationen::zellen_ordnen(const std::vector<const QString *> &zellen, QChar typ,
                                            QDate heute, size_t hoechstens)
{
    sprache_pruefen();
    const QChar komma = m_sprache.decimalPoint().front();
    std::vector<Zelleneintrag *> eintraege;
    eintraege.reserve(zellen.size());
    bool nach_code = true;
    for (const QString *zelle : zellen) {
        eintraege.push_back(&zelleneintrag(*zelle, typ, komma, heute));
        nach_code = nach_code && eintraege.back()->nach_code;
    }
    std::vector<int> folge(eintraege.size());
    std::iota(folge.begin(), folge.end(), 0);
    if (nach_code) {
        std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
            return eintraege[size_t(a)]->schluessel < eintraege[size_t(b)]->schluessel;
        });
    } else {
        // The keys side by side: each comparison then reaches its keys without passing
        // through the entries.
        std::vector<QCollatorSortKey> kollation;
        kollation.reserve(eintraege.size());
        for (Zelleneintrag *e : eintraege) {
            if (!e->kollation)
                e->kollation = m_kollator->sortKey(e->schluessel);
            kollation.push_back(*e->kollation);
        }
        std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
            return kollation[size_t(a)].compare(kollation[size_t(b)]) < 0;
        });
    }
    if (m_zellen.size() > std::max(hoechstens, zellen.size())) {
        decltype(m_zellen) behalten;
        behalten.reserve(zellen.size());
        for (const Zelleneintrag *e : eintraege)
            behalten.emplace(e->text.constData(), *e);
        m_zellen.swap(behalten);
    }
    return folge;
}

std::vector<int> nach_raengen_ordnen(const std::vector<int> &raenge, int anzahl_raenge)
{
    // Counting by rank keeps equal ranks in their order without comparing anything.
    std::vector<int> anfang(size_t(anzahl_raenge) + 1, 0);
    for (const int rang : raenge)
        ++anfang[size_t(rang) + 1];
    std::partial_sum(anfang.begin(), anfang.end(), anfang.begin());
    std::vector<int> folge(raenge.size());
    for (size_t i = 0; i < raenge.size(); ++i)
        folge[size_t(anfang[size_t(raenge[i])]++)] = int(i);
    return folge;
}

bool ist_zahl_typ(QChar typ)
{
    return typ == u'I' || typ == u'F' || typ == u'C';
}

qint64 zahl_rang(const QString &zelle)
{
    const double wert = StrToFloatNorm(zelle); // it trims the text itself
    constexpr double grenze = 9.0e14;
    return std::llround(std::clamp(wert, -grenze, grenze) * 10000.0);
}

std::vector<int> zahlen_ordnen(const std::vector<qint64> &raenge, size_t felder)
{
    std::vector<int> folge(felder == 0 ? 0 : raenge.size() / felder);
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        const qint64 *links = raenge.data() + size_t(a) * felder;
        const qint64 *rechts = raenge.data() + size_t(b) * felder;
        return std::lexicographical_compare(links, links + felder, rechts, rechts + felder);
    });
    return folge;
}
