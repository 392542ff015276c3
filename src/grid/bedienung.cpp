// What the user does in a view of the grid: editing, choosing cells, mouse and keys.
#include "grid/filtergrid.h"

void GitterModell::editieren_beginnt(int aCol, int aRow)
{
    m_text_beim_editieren = Cells(aCol, aRow);
    m_editier_spalte = aCol;
    m_editier_zeile = aRow;
    if (m_ereignisse.OnEditBegin)
        m_ereignisse.OnEditBegin(*this);
}

void GitterModell::editieren_endet(bool verworfen)
{
    m_editieren_verworfen = verworfen;
    if (verworfen && m_editier_spalte >= 0 &&
        Cells(m_editier_spalte, m_editier_zeile) != m_text_beim_editieren) {
        SetCells(m_editier_spalte, m_editier_zeile, m_text_beim_editieren);
        Change();
    }
    if (m_ereignisse.OnEditEnd)
        m_ereignisse.OnEditEnd(*this);
    m_editieren_verworfen = false;
}

void GitterModell::text_editiert(int aCol, int aRow, const QString &text)
{
    SetCells(aCol, aRow, text);
    if (text == m_text_beim_editieren)
        return;
    m_modified = true;
    Change();
}

bool GitterModell::zelle_waehlbar(int aCol, int aRow)
{
    bool waehlbar = true;
    if (m_ereignisse.OnSelectCell)
        m_ereignisse.OnSelectCell(*this, aCol, aRow, waehlbar);
    return waehlbar;
}

void GitterModell::maus_gedrueckt(int aCol, int aRow, bool links, bool in_titel_innen)
{
    if (NoInherited) {
        NoInherited = false;
        return;
    }
    m_maus_zeile = aRow;
    m_maus_linke_spalte = m_zeiger.linke_spalte();
    if (links && in_titel_innen && SortMouseEd && aRow >= 0 && aRow < m_fixed_rows && aCol >= 0)
        titel_klick_sortieren(aCol);
}

void GitterModell::maus_losgelassen()
{
    const int zeile = m_maus_zeile;
    m_maus_zeile = -1;
    if (zeile <= 0 || zeile >= m_row_count)
        return;
    if (m_zeiger.auswahl().Top == m_zeiger.auswahl().Bottom && zeile >= m_fixed_rows)
        SetRow(zeile);
    // A click never scrolls the grid sideways.
    SetLeftCol(m_maus_linke_spalte);
}

bool GitterModell::taste_runter()
{
    if (!RowAddAuto || m_zeiger.zeile() != m_row_count - 1)
        return false;
    RowAdd(m_row_count);
    if (m_ereignisse.OnRowAddAuto)
        m_ereignisse.OnRowAddAuto(*this);
    return true;
}
