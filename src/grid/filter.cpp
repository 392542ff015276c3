// Hiding the rows that do not satisfy a condition string.
#include "grid/filtergrid.h"

using namespace Qt::StringLiterals;

void GitterModell::fehler_melden(const QString &text)
{
    if (m_anzeige && !text.isEmpty())
        m_anzeige->fehler_melden(text);
}

bool GitterModell::zeile_erfuellt(int aRow, const std::vector<TFiltRec> &bedingungen) const
{
    return bedingungen_erfuellt(
        bedingungen, [&](int spalte) { return StrToColFormat(spalte, Cells(spalte, aRow)); });
}

QString GitterModell::filter_parsen(const QString &text, std::vector<TFiltRec> &bedingungen) const
{
    const auto spalte_zu = [this](const QString &name) {
        for (int c = 0; c < m_col_count; ++c) {
            if (Cells(c, 0).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return c;
        }
        return -1;
    };
    const auto umwandeln = [this](int spalte, const QString &wert, QString *fehler) {
        return StrToColFormat(spalte, wert, fehler);
    };
    return filter_lesen(text, ParamTz, spalte_zu, umwandeln, bedingungen);
}

void GitterModell::gefilterte_zurueck()
{
    if (m_filterstand.beiseite() == 0)
        return;
    Sammlung sammlung(*this);
    const bool sortieren = m_sortierung.an();
    m_sortierung.setze_an(false);
    for (const Filterstand::Zeile &zeile : m_filterstand.zurueckgeben()) {
        if (int(zeile.size()) > m_col_count)
            SetColCount(int(zeile.size()));
        SetRowCount(m_row_count + 1);
        for (size_t c = 0; c < zeile.size(); ++c)
            SetCells(int(c), m_row_count - 1, zeile[c]);
    }
    RowDeleteEmpty(0);
    m_sortierung.setze_an(sortieren);
}

QString GitterModell::filter_anwenden()
{
    Sammlung sammlung(*this);
    gefilterte_zurueck();
    if (!m_filterstand.wirkt()) {
        SortiereIndex();
        return {};
    }
    std::vector<TFiltRec> &bedingungen = m_filterstand.bedingungen();
    const QString fehler = filter_parsen(m_filterstand.text(), bedingungen);
    fehler_melden(fehler);
    if (!bedingungen.empty()) {
        for (int r = m_row_count - 1; r >= m_fixed_rows; --r) {
            if (zeile_erfuellt(r, bedingungen))
                continue;
            const QStringList zellen = Rows(r);
            m_filterstand.beiseitelegen({zellen.begin(), zellen.end()});
            RowDelete(r);
        }
        SortiereIndex();
    }
    Change();
    return fehler;
}

QString GitterModell::SetFilter(const QString &text)
{
    if (!m_filterstand.setze_text(text))
        return {};
    return filter_anwenden();
}

QString GitterModell::SetFilterEd(bool an)
{
    if (!m_filterstand.setze_an(an))
        return {};
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
