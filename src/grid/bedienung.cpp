// What the user does in a view of the grid: editing, choosing cells, mouse and keys.
#include "grid/filtergrid.h"

void GitterModell::editieren_beginnt(int aCol, int aRow)
{
    text_beim_editieren_ = Cells(aCol, aRow);
}

void GitterModell::text_editiert(int aCol, int aRow, const QString &text)
{
    SetCells(aCol, aRow, text);
    if (text == text_beim_editieren_)
        return;
    modified_ = true;
    Change();
}

bool GitterModell::zelle_waehlbar(int aCol, int aRow)
{
    bool waehlbar = true;
    if (OnSelectCell)
        OnSelectCell(*this, aCol, aRow, waehlbar);
    return waehlbar;
}

void GitterModell::maus_gedrueckt(int aCol, int aRow, bool links, bool in_titel_innen)
{
    if (NoInherited) {
        NoInherited = false;
        return;
    }
    maus_zeile_ = aRow;
    maus_linke_spalte_ = left_col_;
    if (links && in_titel_innen && SortMouseEd && aRow >= 0 && aRow < fixed_rows_ && aCol >= 0)
        titel_klick_sortieren(aCol);
}

void GitterModell::maus_losgelassen()
{
    const int zeile = maus_zeile_;
    maus_zeile_ = -1;
    if (zeile <= 0 || zeile >= row_count_)
        return;
    if (selection_.Top == selection_.Bottom && zeile >= fixed_rows_)
        SetRow(zeile);
    // A click never scrolls the grid sideways.
    SetLeftCol(maus_linke_spalte_);
}

bool GitterModell::taste_runter()
{
    if (!RowAddAuto || row_ != row_count_ - 1)
        return false;
    RowAdd(row_count_);
    if (OnRowAddAuto)
        OnRowAddAuto(*this);
    return true;
}
