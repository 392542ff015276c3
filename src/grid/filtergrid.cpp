#include "grid/filtergrid.h"

#include <algorithm>

GitterModell::GitterModell()
{
    col_widths_.assign(size_t(col_count_), default_col_width_);
    row_heights_.assign(size_t(row_count_), default_row_height_);
}

GitterModell::~GitterModell()
{
    // Filtered-out rows belong to the grid; whoever still looks at it gets them back.
    anzeige_ = nullptr;
    OnChange = nullptr;
    ColInfo_ClearComp(-1); // bound controls may be gone already
    gefilterte_zurueck();
}

GitterModell::Sammlung::~Sammlung()
{
    if (--gitter_.sammel_tiefe_ == 0 && gitter_.sammel_ausstehend_) {
        gitter_.sammel_ausstehend_ = false;
        if (gitter_.anzeige_)
            gitter_.anzeige_->alles_geaendert();
    }
}

void GitterModell::melde_zelle(int aCol, int aRow)
{
    if (sammel_tiefe_ > 0)
        sammel_ausstehend_ = true;
    else if (anzeige_)
        anzeige_->zelle_geaendert(aCol, aRow);
}

void GitterModell::melde_alles()
{
    if (sammel_tiefe_ > 0)
        sammel_ausstehend_ = true;
    else if (anzeige_)
        anzeige_->alles_geaendert();
}

void GitterModell::melde_cursor()
{
    if (anzeige_)
        anzeige_->cursor_geaendert();
}

void GitterModell::Change()
{
    if (anzeige_)
        anzeige_->benachrichtigt();
    if (OnChange) {
        const bool vorher = aenderungs_modus_;
        aenderungs_modus_ = false;
        OnChange(*this);
        aenderungs_modus_ = vorher;
    }
}

void GitterModell::fortschritt(int wmWait, int phase, int wert)
{
    if (wmWait == 0 || !OnWait)
        return;
    if (phase == 1 && (WaitStep <= 0 || wert % WaitStep != 0))
        return;
    OnWait(wmWait, phase, wert);
}

void GitterModell::SetColCount(int anzahl)
{
    anzahl = std::max(anzahl, 1);
    if (anzahl == col_count_)
        return;
    col_count_ = anzahl;
    col_widths_.resize(size_t(anzahl), default_col_width_);
    if (fixed_cols_ >= anzahl)
        fixed_cols_ = anzahl - 1;
    if (col_ >= anzahl)
        SetCol(anzahl - 1);
    if (left_col_ >= anzahl)
        left_col_ = std::max(fixed_cols_, anzahl - 1);
    melde_alles();
}

void GitterModell::SetRowCount(int anzahl)
{
    anzahl = std::max(anzahl, 1);
    if (anzahl == row_count_)
        return;
    row_count_ = anzahl;
    row_heights_.resize(size_t(anzahl), default_row_height_);
    if (fixed_rows_ >= anzahl)
        fixed_rows_ = anzahl - 1;
    if (row_ >= anzahl)
        SetRow(anzahl - 1);
    if (top_row_ >= anzahl)
        top_row_ = std::max(fixed_rows_, anzahl - 1);
    melde_alles();
}

void GitterModell::SetFixedCols(int anzahl)
{
    fixed_cols_ = std::clamp(anzahl, 0, col_count_ - 1);
    if (col_ < fixed_cols_)
        SetCol(fixed_cols_);
    left_col_ = std::max(left_col_, fixed_cols_);
    melde_alles();
}

void GitterModell::SetFixedRows(int anzahl)
{
    fixed_rows_ = std::clamp(anzahl, 0, row_count_ - 1);
    if (row_ < fixed_rows_)
        SetRow(fixed_rows_);
    top_row_ = std::max(top_row_, fixed_rows_);
    melde_alles();
}

QString GitterModell::Cells(int aCol, int aRow) const
{
    if (aRow < 0 || aCol < 0 || size_t(aRow) >= zellen_.size())
        return {};
    const std::vector<QString> &zeile = zellen_[size_t(aRow)];
    return size_t(aCol) < zeile.size() ? zeile[size_t(aCol)] : QString();
}

std::vector<QString> &GitterModell::zeile_speicher(int aRow)
{
    if (size_t(aRow) >= zellen_.size())
        zellen_.resize(size_t(aRow) + 1);
    return zellen_[size_t(aRow)];
}

void GitterModell::SetCells(int aCol, int aRow, const QString &text)
{
    if (aCol < 0 || aRow < 0)
        return;
    if (text.isEmpty() && Cells(aCol, aRow).isEmpty())
        return;
    std::vector<QString> &zeile = zeile_speicher(aRow);
    if (size_t(aCol) >= zeile.size())
        zeile.resize(size_t(aCol) + 1);
    if (zeile[size_t(aCol)] == text)
        return;
    zeile[size_t(aCol)] = text;
    if (aCol < col_count_ && aRow < row_count_)
        melde_zelle(aCol, aRow);
}

QStringList GitterModell::Rows(int aRow) const
{
    QStringList zeilen;
    zeilen.reserve(col_count_);
    for (int c = 0; c < col_count_; ++c)
        zeilen << Cells(c, aRow);
    return zeilen;
}

void GitterModell::SetRows(int aRow, const QStringList &zeilen)
{
    if (aRow < 0)
        return;
    Sammlung sammlung(*this);
    for (int c = 0; c < col_count_; ++c) {
        const QString text = c < zeilen.size() ? zeilen[c] : QString();
        SetCells(c, aRow, c < zeilen.size() && text.isEmpty() ? u" "_qs : text);
    }
}

QStringList GitterModell::Cols(int aCol) const
{
    QStringList zeilen;
    zeilen.reserve(row_count_);
    for (int r = 0; r < row_count_; ++r)
        zeilen << Cells(aCol, r);
    return zeilen;
}

void GitterModell::SetCols(int aCol, const QStringList &zeilen)
{
    if (aCol < 0)
        return;
    Sammlung sammlung(*this);
    for (int r = 0; r < row_count_; ++r) {
        const QString text = r < zeilen.size() ? zeilen[r] : QString();
        SetCells(aCol, r, r < zeilen.size() && text.isEmpty() ? u" "_qs : text);
    }
}

void GitterModell::AssignCols(int aCol, const QStringList &zeilen)
{
    Sammlung sammlung(*this);
    for (int r = 0; r < row_count_; ++r)
        SetCells(aCol, r, r < zeilen.size() ? zeilen[r] : QString());
}

int GitterModell::ColWidths(int aCol) const
{
    if (aCol < 0 || aCol >= col_count_)
        return default_col_width_;
    return col_widths_[size_t(aCol)];
}

void GitterModell::SetColWidths(int aCol, int breite)
{
    if (aCol < 0 || aCol >= col_count_ || col_widths_[size_t(aCol)] == breite)
        return;
    col_widths_[size_t(aCol)] = breite;
    melde_alles();
}

int GitterModell::RowHeights(int aRow) const
{
    if (aRow < 0 || aRow >= row_count_)
        return default_row_height_;
    return row_heights_[size_t(aRow)];
}

void GitterModell::SetRowHeights(int aRow, int hoehe)
{
    if (aRow < 0 || aRow >= row_count_ || row_heights_[size_t(aRow)] == hoehe)
        return;
    row_heights_[size_t(aRow)] = hoehe;
    melde_alles();
}

void GitterModell::SetDefaultColWidth(int breite)
{
    default_col_width_ = breite;
    std::fill(col_widths_.begin(), col_widths_.end(), breite);
    melde_alles();
}

void GitterModell::SetDefaultRowHeight(int hoehe)
{
    default_row_height_ = hoehe;
    std::fill(row_heights_.begin(), row_heights_.end(), hoehe);
    melde_alles();
}

void GitterModell::SetColor(TColor farbe)
{
    color_ = farbe;
    melde_alles();
}

void GitterModell::SetFixedColor(TColor farbe)
{
    fixed_color_ = farbe;
    melde_alles();
}

void GitterModell::SetFont(const Schrift &schrift)
{
    font_ = schrift;
    melde_alles();
}

void GitterModell::SetGradientToAllCells(bool an)
{
    if (gradient_alle_ == an)
        return;
    gradient_alle_ = an;
    melde_alles();
}

void GitterModell::SetRow(int aRow)
{
    aRow = std::clamp(aRow, 0, row_count_ - 1);
    if (aenderungs_modus_ && aRow != row_)
        zeile_pruefen_und_merken(aRow);
    row_ = aRow;
    SelectCells(col_, row_);
}

void GitterModell::SetCol(int aCol)
{
    col_ = std::clamp(aCol, 0, col_count_ - 1);
    SelectCells(col_, row_);
}

void GitterModell::SetTopRow(int aRow)
{
    top_row_ = std::clamp(aRow, fixed_rows_, std::max(fixed_rows_, row_count_ - 1));
    melde_cursor();
}

void GitterModell::SetLeftCol(int aCol)
{
    left_col_ = std::clamp(aCol, fixed_cols_, std::max(fixed_cols_, col_count_ - 1));
    melde_cursor();
}

void GitterModell::SetSelection(const TGridRect &auswahl)
{
    selection_ = auswahl;
    melde_cursor();
}

void GitterModell::SetGoRowSelect(bool an)
{
    row_select_ = an;
    SelectCells(col_, row_);
}

void GitterModell::SetGoEditing(bool an)
{
    editing_ = an;
}

void GitterModell::CleanBlueCell()
{
    SetSelection({-1, -1, -1, -1});
}

void GitterModell::SelectCells(int aCol, int aRow)
{
    if (row_select_)
        SetSelection({fixed_cols_, aRow, col_count_ - 1, aRow});
    else
        SetSelection({aCol, aRow, aCol, aRow});
}

void GitterModell::zeile_pruefen_und_merken(int neue_zeile)
{
    const QString vorher = zeilen_text_beim_betreten_.join(u'\n');
    const bool nur_leer = std::all_of(vorher.cbegin(), vorher.cend(), [](QChar c) {
        return c == u' ' || c == u'\n' || c == u'\r';
    });
    if (!nur_leer && Rows(row_) != zeilen_text_beim_betreten_)
        modified_ = true;
    zeilen_text_beim_betreten_ = Rows(neue_zeile);
}

TColInfo *GitterModell::ColInfo_Create(int aCol)
{
    if (aCol < 0)
        return nullptr;
    auto info = std::make_unique<TColInfo>();
    info->TitColor = fixed_color_;
    info->Width = default_col_width_;
    info->DatColor = aCol < fixed_cols_ ? fixed_color_ : color_;
    TColInfo *zeiger = info.get();
    SetColInfo(aCol, std::move(info));
    return zeiger;
}

TColInfo *GitterModell::GetColInfo(int aCol) const
{
    if (aCol < 0 || size_t(aCol) >= col_infos_.size())
        return nullptr;
    return col_infos_[size_t(aCol)].get();
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
    if (size_t(aCol) >= col_infos_.size())
        col_infos_.resize(size_t(aCol) + 1);
    col_infos_[size_t(aCol)] = std::move(info);
    if (aCol >= col_count_)
        SetColCount(aCol + 1);
    melde_alles();
}

void GitterModell::ColInfo_Set(int aCol)
{
    Sammlung sammlung(*this);
    if (aCol < 0)
        spalteninfos_anwenden(0, col_count_ - 1);
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
        if (fixed_rows_ > 0 && !info->Titel.isEmpty())
            SetCells(c, 0, info->Titel);
        if (info->Width != 0)
            SetColWidths(c, info->Width);
    }
}

void GitterModell::ColInfo_Swap(int c1, int c2)
{
    if (c1 < 0 || c2 < 0)
        return;
    const size_t noetig = size_t(std::max(c1, c2)) + 1;
    if (col_infos_.size() < noetig)
        col_infos_.resize(noetig);
    std::swap(col_infos_[size_t(c1)], col_infos_[size_t(c2)]);
}

void GitterModell::ColInfo_Insert(int aCol)
{
    if (aCol < 0)
        return;
    if (size_t(aCol) > col_infos_.size())
        col_infos_.resize(size_t(aCol));
    col_infos_.insert(col_infos_.begin() + aCol, nullptr);
}

void GitterModell::ColInfo_Delete(int aCol)
{
    if (aCol < 0 || size_t(aCol) >= col_infos_.size())
        return;
    col_infos_.erase(col_infos_.begin() + aCol);
}

void GitterModell::ColInfo_Clear()
{
    col_infos_.clear();
    melde_alles();
}
