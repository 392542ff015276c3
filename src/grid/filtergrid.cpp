#include "grid/filtergrid.h"

#include <algorithm>

using namespace Qt::StringLiterals;

GitterModell::GitterModell()
{
    m_col_widths.assign(size_t(m_col_count), m_default_col_width);
    m_row_heights.assign(size_t(m_row_count), m_default_row_height);
}

GitterModell::~GitterModell()
{
    // Filtered-out rows belong to the grid; whoever still looks at it gets them back.
    m_anzeige = nullptr;
    m_ereignisse.OnChange = nullptr;
    ColInfo_ClearComp(-1); // bound controls may be gone already
    gefilterte_zurueck();
}

GitterModell::Sammlung::~Sammlung()
{
    if (--m_gitter.m_sammel_tiefe == 0 && m_gitter.m_sammel_ausstehend) {
        m_gitter.m_sammel_ausstehend = false;
        if (m_gitter.m_anzeige)
            m_gitter.m_anzeige->alles_geaendert();
    }
}

void GitterModell::melde_zelle(int aCol, int aRow)
{
    if (m_sammel_tiefe > 0)
        m_sammel_ausstehend = true;
    else if (m_anzeige)
        m_anzeige->zelle_geaendert(aCol, aRow);
}

void GitterModell::melde_alles()
{
    if (m_sammel_tiefe > 0)
        m_sammel_ausstehend = true;
    else if (m_anzeige)
        m_anzeige->alles_geaendert();
}

void GitterModell::melde_cursor()
{
    if (m_anzeige)
        m_anzeige->cursor_geaendert();
}

void GitterModell::Change()
{
    if (m_anzeige)
        m_anzeige->benachrichtigt();
    if (m_ereignisse.OnChange) {
        const bool vorher = m_aenderungs_modus;
        m_aenderungs_modus = false;
        m_ereignisse.OnChange(*this);
        m_aenderungs_modus = vorher;
    }
}

void GitterModell::fortschritt(int wmWait, int phase, int wert)
{
    if (wmWait == 0 || !m_ereignisse.OnWait)
        return;
    if (phase == 1 && (WaitStep <= 0 || wert % WaitStep != 0))
        return;
    m_ereignisse.OnWait(wmWait, phase, wert);
}

void GitterModell::SetColCount(int anzahl)
{
    anzahl = std::max(anzahl, 1);
    if (anzahl == m_col_count)
        return;
    m_col_count = anzahl;
    m_col_widths.resize(size_t(anzahl), m_default_col_width);
    if (m_fixed_cols >= anzahl)
        m_fixed_cols = anzahl - 1;
    if (m_col >= anzahl)
        SetCol(anzahl - 1);
    if (m_left_col >= anzahl)
        m_left_col = std::max(m_fixed_cols, anzahl - 1);
    melde_alles();
}

void GitterModell::SetRowCount(int anzahl)
{
    anzahl = std::max(anzahl, 1);
    if (anzahl == m_row_count)
        return;
    m_row_count = anzahl;
    m_row_heights.resize(size_t(anzahl), m_default_row_height);
    if (m_fixed_rows >= anzahl)
        m_fixed_rows = anzahl - 1;
    if (m_row >= anzahl)
        SetRow(anzahl - 1);
    if (m_top_row >= anzahl)
        m_top_row = std::max(m_fixed_rows, anzahl - 1);
    melde_alles();
}

void GitterModell::SetFixedCols(int anzahl)
{
    m_fixed_cols = std::clamp(anzahl, 0, m_col_count - 1);
    if (m_col < m_fixed_cols)
        SetCol(m_fixed_cols);
    m_left_col = std::max(m_left_col, m_fixed_cols);
    melde_alles();
}

void GitterModell::SetFixedRows(int anzahl)
{
    m_fixed_rows = std::clamp(anzahl, 0, m_row_count - 1);
    if (m_row < m_fixed_rows)
        SetRow(m_fixed_rows);
    m_top_row = std::max(m_top_row, m_fixed_rows);
    melde_alles();
}

QString GitterModell::Cells(int aCol, int aRow) const
{
    return m_zellen.zelle(aCol, aRow);
}

void GitterModell::SetCells(int aCol, int aRow, const QString &text)
{
    if (m_zellen.setzen(aCol, aRow, text) && aCol < m_col_count && aRow < m_row_count)
        melde_zelle(aCol, aRow);
}

QStringList GitterModell::Rows(int aRow) const
{
    QStringList zeilen;
    zeilen.reserve(m_col_count);
    for (int c = 0; c < m_col_count; ++c)
        zeilen << Cells(c, aRow);
    return zeilen;
}

void GitterModell::SetRows(int aRow, const QStringList &zeilen)
{
    if (aRow < 0)
        return;
    Sammlung sammlung(*this);
    for (int c = 0; c < m_col_count; ++c) {
        const QString text = c < zeilen.size() ? zeilen[c] : QString();
        SetCells(c, aRow, c < zeilen.size() && text.isEmpty() ? u" "_s : text);
    }
}

QStringList GitterModell::Cols(int aCol) const
{
    QStringList zeilen;
    zeilen.reserve(m_row_count);
    for (int r = 0; r < m_row_count; ++r)
        zeilen << Cells(aCol, r);
    return zeilen;
}

void GitterModell::SetCols(int aCol, const QStringList &zeilen)
{
    if (aCol < 0)
        return;
    Sammlung sammlung(*this);
    for (int r = 0; r < m_row_count; ++r) {
        const QString text = r < zeilen.size() ? zeilen[r] : QString();
        SetCells(aCol, r, r < zeilen.size() && text.isEmpty() ? u" "_s : text);
    }
}

void GitterModell::AssignCols(int aCol, const QStringList &zeilen)
{
    Sammlung sammlung(*this);
    for (int r = 0; r < m_row_count; ++r)
        SetCells(aCol, r, r < zeilen.size() ? zeilen[r] : QString());
}

int GitterModell::ColWidths(int aCol) const
{
    if (aCol < 0 || aCol >= m_col_count)
        return m_default_col_width;
    return m_col_widths[size_t(aCol)];
}

void GitterModell::SetColWidths(int aCol, int breite)
{
    if (aCol < 0 || aCol >= m_col_count || m_col_widths[size_t(aCol)] == breite)
        return;
    m_col_widths[size_t(aCol)] = breite;
    melde_alles();
}

int GitterModell::RowHeights(int aRow) const
{
    if (aRow < 0 || aRow >= m_row_count)
        return m_default_row_height;
    return m_row_heights[size_t(aRow)];
}

void GitterModell::SetRowHeights(int aRow, int hoehe)
{
    if (aRow < 0 || aRow >= m_row_count || m_row_heights[size_t(aRow)] == hoehe)
        return;
    m_row_heights[size_t(aRow)] = hoehe;
    melde_alles();
}

void GitterModell::SetDefaultColWidth(int breite)
{
    m_default_col_width = breite;
    std::fill(m_col_widths.begin(), m_col_widths.end(), breite);
    melde_alles();
}

void GitterModell::SetDefaultRowHeight(int hoehe)
{
    m_default_row_height = hoehe;
    std::fill(m_row_heights.begin(), m_row_heights.end(), hoehe);
    melde_alles();
}

void GitterModell::SetColor(TColor farbe)
{
    m_color = farbe;
    melde_alles();
}

void GitterModell::SetFixedColor(TColor farbe)
{
    m_fixed_color = farbe;
    melde_alles();
}

void GitterModell::SetFont(const Schrift &schrift)
{
    m_font = schrift;
    melde_alles();
}

void GitterModell::SetGradientToAllCells(bool an)
{
    if (m_gradient_alle == an)
        return;
    m_gradient_alle = an;
    melde_alles();
}

void GitterModell::SetRow(int aRow)
{
    aRow = std::clamp(aRow, 0, m_row_count - 1);
    if (m_aenderungs_modus && aRow != m_row)
        zeile_pruefen_und_merken(aRow);
    m_row = aRow;
    SelectCells(m_col, m_row);
}

void GitterModell::SetCol(int aCol)
{
    m_col = std::clamp(aCol, 0, m_col_count - 1);
    SelectCells(m_col, m_row);
}

void GitterModell::SetTopRow(int aRow)
{
    m_top_row = std::clamp(aRow, m_fixed_rows, std::max(m_fixed_rows, m_row_count - 1));
    melde_cursor();
}

void GitterModell::SetLeftCol(int aCol)
{
    m_left_col = std::clamp(aCol, m_fixed_cols, std::max(m_fixed_cols, m_col_count - 1));
    melde_cursor();
}

void GitterModell::SetSelection(const TGridRect &auswahl)
{
    m_selection = auswahl;
    melde_cursor();
}

void GitterModell::SetGoRowSelect(bool an)
{
    m_row_select = an;
    SelectCells(m_col, m_row);
}

void GitterModell::SetGoEditing(bool an)
{
    m_editing = an;
}

void GitterModell::CleanBlueCell()
{
    SetSelection({-1, -1, -1, -1});
}

void GitterModell::SelectCells(int aCol, int aRow)
{
    if (m_row_select)
        SetSelection({m_fixed_cols, aRow, m_col_count - 1, aRow});
    else
        SetSelection({aCol, aRow, aCol, aRow});
}

void GitterModell::zeile_pruefen_und_merken(int neue_zeile)
{
    const QString vorher = m_zeilen_text_beim_betreten.join(u'\n');
    const bool nur_leer = std::all_of(vorher.cbegin(), vorher.cend(), [](QChar c) {
        return c == u' ' || c == u'\n' || c == u'\r';
    });
    if (!nur_leer && Rows(m_row) != m_zeilen_text_beim_betreten)
        m_modified = true;
    m_zeilen_text_beim_betreten = Rows(neue_zeile);
}

TColInfo *GitterModell::ColInfo_Create(int aCol)
{
    if (aCol < 0)
        return nullptr;
    auto info = std::make_unique<TColInfo>();
    info->TitColor = m_fixed_color;
    info->Width = m_default_col_width;
    info->DatColor = aCol < m_fixed_cols ? m_fixed_color : m_color;
    TColInfo *zeiger = info.get();
    SetColInfo(aCol, std::move(info));
    return zeiger;
}

TColInfo *GitterModell::GetColInfo(int aCol) const
{
    return m_col_infos.holen(aCol);
}

TColInfo *GitterModell::ColInfoC(int aCol)
{
    TColInfo *info = GetColInfo(aCol);
    return info ? info : ColInfo_Create(aCol);
}

void GitterModell::SetColInfo(int aCol, std::unique_ptr<TColInfo> info)
{
    if (aCol < 0)
        return;
    m_col_infos.setzen(aCol, std::move(info));
    if (aCol >= m_col_count)
        SetColCount(aCol + 1);
    melde_alles();
}

void GitterModell::ColInfo_Set(int aCol)
{
    Sammlung sammlung(*this);
    if (aCol < 0)
        spalteninfos_anwenden(0, m_col_count - 1);
    else
        spalteninfos_anwenden(aCol, aCol);
    ColSetMaxWidths(true, false, true);
}

void GitterModell::spalteninfos_anwenden(int von, int bis)
{
    for (int c = von; c <= bis; ++c) {
        const TColInfo *info = GetColInfo(c);
        if (!info)
            continue;
        if (m_fixed_rows > 0 && !info->Titel.isEmpty())
            SetCells(c, 0, info->Titel);
        if (info->Width != 0)
            SetColWidths(c, info->Width);
    }
}

void GitterModell::ColInfo_Swap(int c1, int c2)
{
    m_col_infos.tauschen(c1, c2);
}

void GitterModell::ColInfo_Insert(int aCol)
{
    m_col_infos.einfuegen(aCol);
}

void GitterModell::ColInfo_Delete(int aCol)
{
    m_col_infos.entfernen(aCol);
}

void GitterModell::ColInfo_Clear()
{
    m_col_infos.leeren();
    melde_alles();
}
