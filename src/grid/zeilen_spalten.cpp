// Structural operations on rows and columns: clearing, adding, deleting, moving, selecting.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool ist_blank(const QString &text)
{
    return trimme_steuerzeichen(text).isEmpty();
}

} // namespace

void GitterModell::ClearGrid(bool aResetRowCount)
{
    Sammlung sammlung(*this);
    m_zellen.leeren(m_fixed_rows, m_row_count, m_col_count);
    melde_alles();
    if (aResetRowCount)
        SetRowCount(m_fixed_rows + 1);
    m_sortierung.felder_vergessen();
}

void GitterModell::ColClear(int aCol)
{
    if (aCol < 0)
        return;
    Sammlung sammlung(*this);
    m_sortierung.feld_vergessen(aCol);
    const QString titel = Cells(aCol, 0);
    for (int r = 0; r < m_row_count; ++r)
        SetCells(aCol, r, QString());
    SetCells(aCol, 0, titel);
}

bool GitterModell::RowEmpty(int aRow) const
{
    for (int c = m_fixed_cols; c < m_col_count; ++c) {
        if (!ist_blank(Cells(c, aRow)))
            return false;
    }
    return true;
}

bool GitterModell::EmptyGrid() const
{
    for (int r = m_fixed_rows; r < m_row_count; ++r) {
        if (!RowEmpty(r))
            return false;
    }
    return true;
}

int GitterModell::RowDeleteEmpty(quint32 mask)
{
    std::vector<int> spalten;
    for (int c = 0; c < 32 && c < m_col_count; ++c) {
        if (mask & (1u << c))
            spalten.push_back(c);
    }
    if (mask != 0 && spalten.empty())
        return 0;
    Sammlung sammlung(*this);
    int geloescht = 0;
    for (int r = m_row_count - 1; r >= m_fixed_rows; --r) {
        const bool leer = mask == 0 ? RowEmpty(r)
                                    : std::all_of(spalten.begin(), spalten.end(),
                                                  [&](int c) { return ist_blank(Cells(c, r)); });
        if (leer) {
            RowDelete(r);
            ++geloescht;
        }
    }
    if (geloescht > 0)
        m_modified = true;
    CellsToComp(-1);
    return geloescht;
}

int GitterModell::RowAdd(int pos, const QStringList &txt)
{
    Sammlung sammlung(*this);
    m_sortierung.felder_vergessen();
    // -1 means the first data row: a row above the titles would turn them into data.
    const int ziel = pos > m_row_count ? m_row_count
                     : pos == -1       ? m_fixed_rows
                                       : std::max(m_fixed_rows, pos);
    if (ziel == m_fixed_rows && ziel < m_row_count && RowEmpty(ziel) && !txt.isEmpty()) {
        SetRows(ziel, txt);
    } else {
        SetRowCount(m_row_count + 1);
        m_zellen.zeile_verschieben(m_row_count - 1, ziel);
        m_zellen.zeile(ziel).clear();
        SetRows(ziel, txt);
        melde_alles();
    }
    m_modified = true;
    if (!txt.isEmpty())
        SortiereIndex();
    else
        Change();
    CellsToComp(-1);
    return ziel;
}

void GitterModell::RowDelete(int aRow)
{
    if (m_row_count <= m_fixed_rows)
        return;
    Sammlung sammlung(*this);
    aRow = std::clamp(aRow, m_fixed_rows, m_row_count - 1);
    m_zellen.zeile_verschieben(aRow, m_row_count - 1);
    m_zellen.zeile(m_row_count - 1).clear();
    melde_alles();
    if (m_row_count > m_fixed_rows + 1)
        SetRowCount(m_row_count - 1);
    const bool vorher = m_aenderungs_modus;
    m_aenderungs_modus = false;
    SetRow(std::clamp(m_zeiger.zeile(), m_fixed_rows, m_row_count - 1));
    m_aenderungs_modus = vorher;
    m_modified = true;
    Change();
    CellsToComp(-1);
}

int GitterModell::RowMarkCount() const
{
    return m_zeiger.markierte_zeilen();
}

int GitterModell::RowMarkDelete()
{
    const int anzahl = RowMarkCount();
    // Each delete moves the cursor and with it the selection; the marked rows are those of now.
    const TGridRect markiert = m_zeiger.auswahl();
    Sammlung sammlung(*this);
    // Once every data row is gone, further deletes change nothing: a selection reaching far
    // past the grid must not cost a loop over its whole height.
    int noch_wirksam = m_row_count - m_fixed_rows;
    for (int r = markiert.Bottom; anzahl > 0 && r >= markiert.Top && noch_wirksam > 0;
         --r, --noch_wirksam)
        RowDelete(r);
    return anzahl;
}

void GitterModell::SelectRows(int aRowVon, int aRowBis)
{
    SetSelection({m_fixed_cols, aRowVon, m_col_count - 1, aRowBis});
}

int GitterModell::SelectColsCount() const
{
    return m_zeiger.ausgewaehlte_spalten();
}

int GitterModell::SelectRowsCount() const
{
    return m_zeiger.ausgewaehlte_zeilen();
}

bool GitterModell::RowNext()
{
    if (m_zeiger.zeile() >= m_row_count - 1)
        return false;
    SetRow(m_zeiger.zeile() + 1);
    return true;
}

bool GitterModell::RowPred()
{
    if (m_zeiger.zeile() <= m_fixed_rows)
        return false;
    SetRow(m_zeiger.zeile() - 1);
    return true;
}

void GitterModell::RowFirst()
{
    SetRow(m_fixed_rows);
}

void GitterModell::RowLast()
{
    SetRow(m_row_count - 1);
}

void GitterModell::RowScrollLast()
{
    // The view keeps the current row visible, so the last row ends at the bottom.
    RowLast();
}

void GitterModell::RowSwap(int r1, int r2)
{
    if (r1 < 0 || r2 < 0)
        return;
    Sammlung sammlung(*this);
    const QStringList erste = Rows(r1);
    SetRows(r1, Rows(r2));
    SetRows(r2, erste);
}

bool GitterModell::ColEmpty(int aCol) const
{
    for (int r = m_fixed_rows; r < m_row_count; ++r) {
        if (!ist_blank(Cells(aCol, r)))
            return false;
    }
    return true;
}

int GitterModell::ColDeleteEmpty()
{
    Sammlung sammlung(*this);
    int geloescht = 0;
    for (int c = m_col_count - 1; c >= m_fixed_cols; --c) {
        if (ColEmpty(c)) {
            ColDelete(c);
            ++geloescht;
        }
    }
    if (geloescht > 0)
        m_modified = true;
    return geloescht;
}

void GitterModell::spalten_einfuegen_roh(int aCol)
{
    m_zellen.spalte_einfuegen(aCol);
    m_masse.spalte_einfuegen(aCol);
    if (aCol < m_col_infos.groesse())
        ColInfo_Insert(aCol);
}

void GitterModell::spalte_loeschen_roh(int aCol)
{
    m_zellen.spalte_entfernen(aCol, m_col_count);
    m_masse.spalte_entfernen(aCol);
    ColInfo_Delete(aCol);
}

int GitterModell::ColAdd(int aCol, const QStringList &txt)
{
    Sammlung sammlung(*this);
    m_sortierung.felder_vergessen();
    // -1 means the first data column, for the same reason as in RowAdd.
    const int pos = aCol >= m_col_count ? m_col_count
                    : aCol == -1        ? m_fixed_cols
                                        : std::max(m_fixed_cols, aCol);
    SetColCount(m_col_count + 1);
    spalten_einfuegen_roh(pos);
    const TColInfo *vorlage = pos < m_col_count - 1 ? GetColInfo(pos + 1) : GetColInfo(pos - 1);
    if (vorlage) {
        auto info = std::make_unique<TColInfo>();
        info->Assign(*vorlage);
        SetColInfo(pos, std::move(info));
    }
    SetCols(pos, txt);
    if (TColInfo *info = GetColInfo(pos))
        info->Titel = Cells(pos, 0);
    spalteninfos_anwenden(0, m_col_count - 1);
    melde_alles();
    if (!txt.isEmpty())
        SortiereIndex();
    m_modified = true;
    return pos;
}

void GitterModell::ColDelete(int aCol)
{
    Sammlung sammlung(*this);
    m_sortierung.feld_vergessen(aCol);
    aCol = std::clamp(aCol, m_fixed_cols, m_col_count - 1);
    spalte_loeschen_roh(aCol);
    if (m_col_count > m_fixed_cols + 1)
        SetColCount(m_col_count - 1);
    melde_alles();
    m_modified = true;
}

void GitterModell::ColSwap(int c1, int c2)
{
    if (c1 < 0 || c2 < 0 || c1 == c2)
        return;
    Sammlung sammlung(*this);
    m_sortierung.feld_vergessen(c1);
    m_sortierung.feld_vergessen(c2);
    m_zellen.spalten_tauschen(c1, c2);
    m_masse.spalten_tauschen(c1, c2);
    ColInfo_Swap(c1, c2);
    melde_alles();
}

void GitterModell::ColToLst(QStringList &lst, int aCol, bool titel, bool duplicate) const
{
    for (int r = titel ? 0 : m_fixed_rows; r < m_row_count; ++r) {
        const QString text = Cells(aCol, r);
        if (duplicate || !lst.contains(text))
            lst << text;
    }
}

void GitterModell::ColFromLst(const QStringList &lst, int aCol, bool Titel)
{
    QStringList zeilen = lst;
    if (!Titel)
        zeilen.prepend(Cells(aCol, 0));
    Sammlung sammlung(*this);
    if (zeilen.size() > m_row_count)
        SetRowCount(int(zeilen.size()));
    SetCols(aCol, zeilen);
    m_modified = true;
}

QString GitterModell::ColToParamStr(int aCol, bool titel, bool duplicate) const
{
    QStringList lst;
    ColToLst(lst, aCol, titel, duplicate);
    return lst.join(u'\u00AF');
}

void GitterModell::ColFromParamStr(const QString &text, int aCol, bool Titel)
{
    ColFromLst(text.split(u'\u00AF'), aCol, Titel);
}

namespace {

bool umbruch_spalten_behandeln(GitterModell &gitter, int aCol, bool zu_zeichen)
{
    bool behandelt = false;
    const int von = aCol < 0 ? 0 : aCol;
    const int bis = aCol < 0 ? gitter.ColCount() - 1 : aCol;
    for (int c = von; c <= bis; ++c) {
        const TColInfo *info = gitter.GetColInfo(c);
        if (!info || !info->zeilenumbruch())
            continue;
        behandelt = true;
        for (int r = gitter.FixedRows(); r < gitter.RowCount(); ++r) {
            QString text = gitter.Cells(c, r);
            if (zu_zeichen)
                text.replace(u"\r\n"_s, u"\u00AF"_s).replace(u'\n', u'\u00AF');
            else
                text.replace(u'\u00AF', u'\n');
            gitter.SetCells(c, r, text);
        }
    }
    return behandelt;
}

} // namespace

bool GitterModell::ColClearEt(int aCol)
{
    Sammlung sammlung(*this);
    return umbruch_spalten_behandeln(*this, aCol, true);
}

bool GitterModell::ColInsertEt(int aCol)
{
    Sammlung sammlung(*this);
    return umbruch_spalten_behandeln(*this, aCol, false);
}
