// Hiding the rows that do not satisfy a condition string.
#include "grid/filtergrid.h"
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

QString GitterModell::filter_parsen(const QString &text, std::vector<TFiltRec> &bedingungen) const
{
    bedingungen.clear();
    auto abbrechen = [&](const QString &meldung) {
        bedingungen.clear();
        return meldung;
    };
    for (QString bedingung : text.split(ParamTz, Qt::SkipEmptyParts)) {
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
        satz.spalte = -1;
        for (int c = 0; c < m_col_count; ++c) {
            if (Cells(c, 0).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
                satz.spalte = c;
                break;
            }
        }
        if (satz.spalte < 0)
            return abbrechen(u"Fehler beim Auflösen von Filter: %1"_s.arg(text));
        QString fehler;
        const auto wert = StrToColFormat(satz.spalte, bedingung.mid(pos + laenge), &fehler);
        if (!wert)
            return abbrechen(fehler);
        satz.wert = *wert;
        bedingungen.push_back(std::move(satz));
    }
    return {};
}

void GitterModell::fehler_melden(const QString &text)
{
    if (m_anzeige && !text.isEmpty())
        m_anzeige->fehler_melden(text);
}

bool GitterModell::zeile_erfuellt(int aRow, const std::vector<TFiltRec> &bedingungen) const
{
    if (bedingungen.empty())
        return false;
    for (const TFiltRec &bedingung : bedingungen) {
        const auto zelle = StrToColFormat(bedingung.spalte, Cells(bedingung.spalte, aRow));
        // A cell that cannot be read satisfies no comparison.
        const bool gilt = zelle && bedingung_gilt(bedingung, *zelle);
        if (gilt == bedingung.verneint)
            return false;
    }
    return true;
}

void GitterModell::gefilterte_zurueck()
{
    if (m_seitenlager.empty())
        return;
    Sammlung sammlung(*this);
    const bool sortieren = m_sortieren_ed;
    m_sortieren_ed = false;
    for (const std::vector<QString> &zeile : m_seitenlager) {
        if (int(zeile.size()) > m_col_count)
            SetColCount(int(zeile.size()));
        SetRowCount(m_row_count + 1);
        for (size_t c = 0; c < zeile.size(); ++c)
            SetCells(int(c), m_row_count - 1, zeile[c]);
    }
    m_seitenlager.clear();
    RowDeleteEmpty(0);
    m_sortieren_ed = sortieren;
}

QString GitterModell::filter_anwenden()
{
    Sammlung sammlung(*this);
    gefilterte_zurueck();
    if (m_filter.isEmpty() || !m_filter_ed) {
        SortiereIndex();
        return {};
    }
    const QString fehler = filter_parsen(m_filter, m_bedingungen);
    fehler_melden(fehler);
    if (!m_bedingungen.empty()) {
        for (int r = m_row_count - 1; r >= m_fixed_rows; --r) {
            if (zeile_erfuellt(r, m_bedingungen))
                continue;
            const QStringList zellen = Rows(r);
            m_seitenlager.emplace_back(zellen.begin(), zellen.end());
            RowDelete(r);
        }
        SortiereIndex();
    }
    Change();
    return fehler;
}

QString GitterModell::SetFilter(const QString &text)
{
    const QString neu = text.trimmed();
    if (neu == m_filter)
        return {};
    m_filter = neu;
    return filter_anwenden();
}

QString GitterModell::SetFilterEd(bool an)
{
    if (an == m_filter_ed)
        return {};
    m_filter_ed = an;
    return filter_anwenden();
}

int GitterModell::RowFind(const QString &filterStr, int start)
{
    std::vector<TFiltRec> bedingungen;
    fehler_melden(filter_parsen(filterStr, bedingungen));
    for (int r = start == -1 ? m_fixed_rows : std::max(start, 0); r < m_row_count; ++r) {
        if (zeile_erfuellt(r, bedingungen))
            return r;
    }
    return -1;
}
