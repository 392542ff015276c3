// Columns bound to edit controls: cell text to control and back.
#include "grid/filtergrid.h"

void GitterModell::ColInfo_AddComp(int aCol, QObject *aComp, TGetCompProperty CompToCell,
                                   TSetCompProperty CellToComp)
{
    TColInfo *info = ColInfoC(aCol);
    if (!info)
        return;
    info->Objekt = aComp;
    info->CompToCell = std::move(CompToCell);
    info->CellToComp = std::move(CellToComp);
}

void GitterModell::ColInfo_ClearComp(int aCol)
{
    const int von = aCol < 0 ? 0 : aCol;
    const int bis = aCol < 0 ? m_col_infos.groesse() - 1 : aCol;
    for (int c = von; c <= bis; ++c) {
        if (TColInfo *info = GetColInfo(c)) {
            info->Objekt = nullptr;
            info->CompToCell = nullptr;
            info->CellToComp = nullptr;
        }
    }
}

void GitterModell::CellsToComp(int aRow)
{
    const int zeile = aRow < 0 ? m_zeiger.zeile() : aRow;
    const bool vorher = m_aenderungs_modus;
    m_aenderungs_modus = false;
    for (int c = 0; c < m_col_count; ++c) {
        const TColInfo *info = GetColInfo(c);
        if (info && info->Objekt && info->CellToComp)
            info->CellToComp(*this, info->Objekt, Cells(c, zeile));
    }
    m_aenderungs_modus = vorher;
}

void GitterModell::CompToCells(QObject *aComp)
{
    if (!m_aenderungs_modus)
        return;
    m_aenderungs_modus = false;
    bool geaendert = false;
    for (int c = 0; c < m_col_count; ++c) {
        const TColInfo *info = GetColInfo(c);
        if (!info || !info->Objekt || !info->CompToCell || (aComp && info->Objekt != aComp))
            continue;
        const QString text = info->CompToCell(*this, info->Objekt);
        if (text != Cells(c, m_zeiger.zeile())) {
            SetCells(c, m_zeiger.zeile(), text);
            geaendert = true;
        }
    }
    m_aenderungs_modus = true;
    if (!geaendert)
        return;
    m_modified = true;
    if (m_sortierung.an() && !m_sortierung.spaltentitel().isEmpty())
        SortiereIndex();
    else
        Change();
}
