// Condition strings: reading them and testing cells against them.
#include "grid/filterbedingung.h"

#include "grid/zahltext.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct OperatorText
{
    const char16_t *text;
    TFiltOp op;
};

// The search order matters: "<>" before "<" and ">", ">=" before ">".
constexpr std::array operatoren{
    OperatorText{u"<>", TFiltOp::cOpUngleich}, OperatorText{u">=", TFiltOp::cOpGrGleich},
    OperatorText{u"<=", TFiltOp::cOpKlGleich}, OperatorText{u"=", TFiltOp::cOpGleich},
    OperatorText{u"~", TFiltOp::cOpPos},       OperatorText{u">", TFiltOp::cOpGroesser},
    OperatorText{u"<", TFiltOp::cOpKleiner},
};

QString als_text(const Vergleichswert &wert)
{
    if (const double *zahl = std::get_if<double>(&wert))
        return zahlen_locale().toString(*zahl, 'g', 15);
    return std::get<QString>(wert);
}

// <0, 0, >0; a number against a text compares by value when the text is a number.
int vergleiche(const Vergleichswert &links, const Vergleichswert &rechts)
{
    const double *zahl_links = std::get_if<double>(&links);
    const double *zahl_rechts = std::get_if<double>(&rechts);
    if (zahl_links && zahl_rechts)
        return *zahl_links < *zahl_rechts ? -1 : *zahl_links > *zahl_rechts ? 1 : 0;
    if (zahl_links || zahl_rechts) {
        bool ok = false;
        const double anderer = zahlen_locale().toDouble(als_text(zahl_links ? rechts : links), &ok);
        if (ok) {
            const double a = zahl_links ? *zahl_links : anderer;
            const double b = zahl_rechts ? *zahl_rechts : anderer;
            return a < b ? -1 : a > b ? 1 : 0;
        }
    }
    return als_text(links).compare(als_text(rechts), Qt::CaseSensitive);
}

bool bedingung_gilt(const TFiltRec &bedingung, const Vergleichswert &zelle)
{
    const int v = vergleiche(zelle, bedingung.wert);
    switch (bedingung.op) {
    case TFiltOp::cOpUngleich:
        return v != 0;
    case TFiltOp::cOpGrGleich:
        return v >= 0;
    case TFiltOp::cOpKlGleich:
        return v <= 0;
    case TFiltOp::cOpPos:
        return als_text(zelle).contains(als_text(bedingung.wert), Qt::CaseSensitive);
    case TFiltOp::cOpGroesser:
        return v > 0;
    case TFiltOp::cOpKleiner:
        return v < 0;
    default:
        return v == 0;
    }
}

} // namespace

QString filter_lesen(const QString &text, QChar trenner, const SpalteZuTitel &spalte_zu,
                     const Umwandlung &umwandeln, std::vector<TFiltRec> &bedingungen)
{
    bedingungen.clear();
    auto abbrechen = [&](const QString &meldung) {
        bedingungen.clear();
        return meldung;
    };
    for (QString bedingung : text.split(trenner, Qt::SkipEmptyParts)) {
        TFiltRec satz;
        if (bedingung.contains(u"not"_s)) {
            satz.verneint = true;
            bedingung.remove(u"not"_s, Qt::CaseInsensitive);
        }
        qsizetype pos = -1;
        qsizetype laenge = 0;
        for (const OperatorText &op : operatoren) {
            pos = bedingung.indexOf(QStringView(op.text));
            if (pos >= 0) {
                satz.op = op.op;
                laenge = QStringView(op.text).size();
                break;
            }
        }
        if (pos < 0)
            continue;
        const QString name = bedingung.left(pos).trimmed();
        satz.spalte = spalte_zu(name);
        if (satz.spalte < 0)
            return abbrechen(u"Fehler beim Auflösen von Filter: %1"_s.arg(text));
        QString fehler;
        const auto wert = umwandeln(satz.spalte, bedingung.mid(pos + laenge), &fehler);
        if (!wert)
            return abbrechen(fehler);
        satz.wert = *wert;
        bedingungen.push_back(std::move(satz));
    }
    return {};
}

bool bedingungen_erfuellt(const std::vector<TFiltRec> &bedingungen, const Zellwert &zelle)
{
    if (bedingungen.empty())
        return false;
    for (const TFiltRec &bedingung : bedingungen) {
        const auto wert = zelle(bedingung.spalte);
        // A cell that cannot be read satisfies no comparison.
        const bool gilt = wert && bedingung_gilt(bedingung, *wert);
        if (gilt == bedingung.verneint)
            return false;
    }
    return true;
}
