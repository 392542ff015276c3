// Exchange of cells with string lists and single strings, using the grid's separators.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"

namespace {

QString links_bereinigt(const QString &text)
{
    qsizetype anfang = 0;
    while (anfang < text.size() && text.at(anfang).unicode() <= u' ')
        ++anfang;
    return text.mid(anfang);
}

} // namespace

void GitterModell::ExportToList(QStringList &lst, const QString &tz, int startRow,
                                int startCol) const
{
    const QString trenner = tz.isEmpty() ? QString(ColTz) : tz;
    for (int r = std::max(startRow, 0); r < m_row_count; ++r) {
        QString zeile;
        for (int c = std::max(startCol, 0); c < m_col_count; ++c)
            zeile += links_bereinigt(Cells(c, r)) + trenner;
        lst << zeile;
    }
}

QString GitterModell::ExportToParamStr(int startRow, int startCol) const
{
    QString text;
    for (int r = std::max(startRow, 0); r < m_row_count; ++r) {
        text += RowTz;
        for (int c = std::max(startCol, 0); c < m_col_count; ++c)
            text += links_bereinigt(Cells(c, r)) + ColTz;
    }
    if (text.startsWith(RowTz))
        text.remove(0, 1);
    return text;
}

void GitterModell::ImportFromList(const QStringList &lst, int startRow, int startCol)
{
    Sammlung sammlung(*this);
    const int erste = startRow < 0 ? m_row_count : startRow;
    startCol = std::max(startCol, 0);
    if (m_row_count < erste + lst.size())
        SetRowCount(int(erste + lst.size()));
    for (int i = 0; i < lst.size(); ++i) {
        QString rest = lst[i];
        for (int c = startCol; !trimme_steuerzeichen(rest).isEmpty(); ++c) {
            auto [stueck, danach] = CutToken(ColTz, rest);
            if (c >= m_col_count)
                SetColCount(c + 1);
            SetCells(c, erste + i, stueck);
            rest = danach;
        }
    }
}

void GitterModell::ImportFromParamStr(const QString &ps, int startRow, int startCol)
{
    if (ps.isEmpty())
        return;
    QStringList zeilen = ps.split(RowTz);
    if (zeilen.size() > 1 && zeilen.last().isEmpty())
        zeilen.removeLast();
    ImportFromList(zeilen, startRow, startCol);
}
