// Copying the rows of another grid that satisfy a condition string.
#include "grid/filtergrid.h"

int GitterModell::CopyFromGrid(GitterModell &grdSource, const QString &aFilterStr, bool copyFm,
                               bool ClearColInfo)
{
    Sammlung sammlung(*this);
    // The copy replaces the content, so rows filtered out of the old content go with it.
    m_filterstand.beiseite_vergessen();
    ClearGrid(false);
    if (ClearColInfo)
        ColInfo_Clear();
    SetColCount(grdSource.ColCount());
    SetRowCount(grdSource.RowCount());
    if (copyFm) {
        SetFixedCols(grdSource.FixedCols());
        SetFixedRows(grdSource.FixedRows());
        for (int c = 0; c < m_col_count; ++c)
            SetColWidths(c, grdSource.ColWidths(c));
        if (grdSource.FixedRows() == 1) {
            for (int c = 0; c < m_col_count; ++c) {
                SetCells(c, 0, grdSource.Cells(c, 0));
                if (const TColInfo *quelle = grdSource.GetColInfo(c)) {
                    auto info = std::make_unique<TColInfo>();
                    info->Assign(*quelle);
                    SetColInfo(c, std::move(info));
                }
            }
        }
    }
    std::vector<TFiltRec> bedingungen;
    const bool alle = aFilterStr.trimmed().isEmpty();
    if (!alle)
        fehler_melden(grdSource.filter_parsen(aFilterStr, bedingungen));
    int ziel = m_fixed_rows;
    for (int r = grdSource.FixedRows(); r < grdSource.RowCount(); ++r) {
        if (!alle && !grdSource.zeile_erfuellt(r, bedingungen))
            continue;
        for (int c = 0; c < m_col_count; ++c)
            SetCells(c, ziel, grdSource.Cells(c, r));
        ++ziel;
    }
    SetRowCount(std::max(ziel, m_fixed_rows + 1));
    if (m_filterstand.wirkt())
        filter_anwenden();
    if (copyFm)
        ColInfo_Set(-1);
    return ziel;
}
