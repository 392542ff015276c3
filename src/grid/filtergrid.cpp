#include "grid/filtergrid.h"

#include <algorithm>

using namespace Qt::StringLiterals;

GitterModell::GitterModell() = default;

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
    m_masse.spalten(anzahl);
    if (m_fixed_cols >= anzahl)
        m_fixed_cols = anzahl - 1;
    if (m_zeiger.spalte() >= anzahl)
        SetCol(anzahl - 1);
    if (m_zeiger.linke_spalte() >= anzahl)
        m_zeiger.setze_linke_spalte(anzahl - 1, m_fixed_cols, anzahl - 1);
    melde_alles();
}

void GitterModell::SetRowCount(int anzahl)
{
    anzahl = std::max(anzahl, 1);
    if (anzahl == m_row_count)
        return;
    m_row_count = anzahl;
    m_masse.zeilen(anzahl);
    if (m_fixed_rows >= anzahl)
        m_fixed_rows = anzahl - 1;
    if (m_zeiger.zeile() >= anzahl)
        SetRow(anzahl - 1);
    if (m_zeiger.oberste_zeile() >= anzahl)
        m_zeiger.setze_oberste_zeile(anzahl - 1, m_fixed_rows, anzahl - 1);
    melde_alles();
}

void GitterModell::SetFixedCols(int anzahl)
{
    m_fixed_cols = std::clamp(anzahl, 0, m_col_count - 1);
    if (m_zeiger.spalte() < m_fixed_cols)
        SetCol(m_fixed_cols);
    m_zeiger.setze_linke_spalte(m_zeiger.linke_spalte(), m_fixed_cols, m_col_count - 1);
    melde_alles();
}

void GitterModell::SetFixedRows(int anzahl)
{
    m_fixed_rows = std::clamp(anzahl, 0, m_row_count - 1);
    if (m_zeiger.zeile() < m_fixed_rows)
        SetRow(m_fixed_rows);
    m_zeiger.setze_oberste_zeile(m_zeiger.oberste_zeile(), m_fixed_rows, m_row_count - 1);
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
    return m_masse.breite(aCol);
}

void GitterModell::SetColWidths(int aCol, int breite)
{
    if (m_masse.setze_breite(aCol, breite))
        melde_alles();
}

int GitterModell::RowHeights(int aRow) const
{
    return m_masse.hoehe(aRow);
}

void GitterModell::SetRowHeights(int aRow, int hoehe)
{
    if (m_masse.setze_hoehe(aRow, hoehe))
        melde_alles();
}

void GitterModell::SetDefaultColWidth(int breite)
{
    m_masse.setze_standard_breite(breite);
    melde_alles();
}

void GitterModell::SetDefaultRowHeight(int hoehe)
{
    m_masse.setze_standard_hoehe(hoehe);
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
    if (m_aenderungs_modus && aRow != m_zeiger.zeile())
        zeile_pruefen_und_merken(aRow);
    m_zeiger.setze_zeile(aRow);
    SelectCells(m_zeiger.spalte(), aRow);
}

void GitterModell::SetCol(int aCol)
{
    m_zeiger.setze_spalte(std::clamp(aCol, 0, m_col_count - 1));
    SelectCells(m_zeiger.spalte(), m_zeiger.zeile());
}

void GitterModell::SetTopRow(int aRow)
{
    m_zeiger.setze_oberste_zeile(aRow, m_fixed_rows, m_row_count - 1);
    melde_cursor();
}

void GitterModell::SetLeftCol(int aCol)
{
    m_zeiger.setze_linke_spalte(aCol, m_fixed_cols, m_col_count - 1);
    melde_cursor();
}

void GitterModell::SetSelection(const TGridRect &auswahl)
{
    m_zeiger.setze_auswahl(auswahl);
    melde_cursor();
}

void GitterModell::SetGoRowSelect(bool an)
{
    m_zeiger.setze_zeilenwahl(an);
    SelectCells(m_zeiger.spalte(), m_zeiger.zeile());
}

void GitterModell::SetGoEditing(bool an)
{
    m_zeiger.setze_editieren(an);
}

void GitterModell::CleanBlueCell()
{
    SetSelection({-1, -1, -1, -1});
}

void GitterModell::SelectCells(int aCol, int aRow)
{
    SetSelection(m_zeiger.auswahl_fuer(aCol, aRow, m_fixed_cols, m_col_count - 1));
}

void GitterModell::zeile_pruefen_und_merken(int neue_zeile)
{
    const QString vorher = m_zeilen_text_beim_betreten.join(u'\n');
    const bool nur_leer = std::all_of(vorher.cbegin(), vorher.cend(), [](QChar c) {
        return c == u' ' || c == u'\n' || c == u'\r';
    });
    if (!nur_leer && Rows(m_zeiger.zeile()) != m_zeilen_text_beim_betreten)
        m_modified = true;
    m_zeilen_text_beim_betreten = Rows(neue_zeile);
}

TColInfo *GitterModell::ColInfo_Create(int aCol)
{
    if (aCol < 0)
        return nullptr;
    auto info = std::make_unique<TColInfo>();
    info->TitColor = m_fixed_color;
    info->Width = m_masse.standard_breite();
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
