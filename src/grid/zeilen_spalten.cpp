// Structural operations on rows and columns.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"

#include <algorithm>

namespace {

bool ist_blank(const QString &text)
{
    return trimme_steuerzeichen(text).isEmpty();
}

} // namespace

void GitterModell::sortfeld_vergessen(int aCol)
{
    std::erase_if(sort_felder_, [aCol](const SortFeld &feld) { return feld.spalte == aCol; });
}

void GitterModell::ClearGrid(bool aResetRowCount)
{
    Sammlung sammlung(*this);
    for (int r = fixed_rows_; r < row_count_ && size_t(r) < zellen_.size(); ++r) {
        std::vector<QString> &zeile = zellen_[size_t(r)];
        for (int c = 0; c < col_count_ && size_t(c) < zeile.size(); ++c)
            zeile[size_t(c)].clear();
    }
    melde_alles();
    if (aResetRowCount)
        SetRowCount(fixed_rows_ + 1);
    sort_felder_.clear();
}

void GitterModell::ColClear(int aCol)
{
    if (aCol < 0)
        return;
    Sammlung sammlung(*this);
    sortfeld_vergessen(aCol);
    const QString titel = Cells(aCol, 0);
    for (int r = 0; r < row_count_; ++r)
        SetCells(aCol, r, QString());
    SetCells(aCol, 0, titel);
}

bool GitterModell::RowEmpty(int aRow) const
{
    for (int c = fixed_cols_; c < col_count_; ++c) {
        if (!ist_blank(Cells(c, aRow)))
            return false;
    }
    return true;
}

bool GitterModell::EmptyGrid() const
{
    for (int r = fixed_rows_; r < row_count_; ++r) {
        if (!RowEmpty(r))
            return false;
    }
    return true;
}

int GitterModell::RowDeleteEmpty(quint32 mask)
{
    std::vector<int> spalten;
    for (int c = 0; c < 32 && c < col_count_; ++c) {
        if (mask & (1u << c))
            spalten.push_back(c);
    }
    if (mask != 0 && spalten.empty())
        return 0;
    Sammlung sammlung(*this);
    int geloescht = 0;
    for (int r = row_count_ - 1; r >= fixed_rows_; --r) {
        const bool leer = mask == 0 ? RowEmpty(r)
                                    : std::all_of(spalten.begin(), spalten.end(),
                                                  [&](int c) { return ist_blank(Cells(c, r)); });
        if (leer) {
            RowDelete(r);
            ++geloescht;
        }
    }
    if (geloescht > 0)
        modified_ = true;
    CellsToComp(-1);
    return geloescht;
}

int GitterModell::RowAdd(int pos, const QStringList &txt)
{
    Sammlung sammlung(*this);
    sort_felder_.clear();
    // -1 means the first data row: a row above the titles would turn them into data.
    const int ziel = pos > row_count_ ? row_count_
                     : pos == -1      ? fixed_rows_
                                      : std::max(fixed_rows_, pos);
    if (ziel == fixed_rows_ && ziel < row_count_ && RowEmpty(ziel) && !txt.isEmpty()) {
        SetRows(ziel, txt);
    } else {
        SetRowCount(row_count_ + 1);
        if (zellen_.size() < size_t(row_count_))
            zellen_.resize(size_t(row_count_));
        std::rotate(zellen_.begin() + ziel, zellen_.begin() + (row_count_ - 1),
                    zellen_.begin() + row_count_);
        zellen_[size_t(ziel)].clear();
        SetRows(ziel, txt);
        melde_alles();
    }
    modified_ = true;
    if (!txt.isEmpty())
        SortiereIndex();
    else
        Change();
    CellsToComp(-1);
    return ziel;
}

void GitterModell::RowDelete(int aRow)
{
    if (row_count_ <= fixed_rows_)
        return;
    Sammlung sammlung(*this);
    aRow = std::clamp(aRow, fixed_rows_, row_count_ - 1);
    if (zellen_.size() < size_t(row_count_))
        zellen_.resize(size_t(row_count_));
    std::rotate(zellen_.begin() + aRow, zellen_.begin() + aRow + 1, zellen_.begin() + row_count_);
    zellen_[size_t(row_count_ - 1)].clear();
    melde_alles();
    if (row_count_ > fixed_rows_ + 1)
        SetRowCount(row_count_ - 1);
    const bool vorher = aenderungs_modus_;
    aenderungs_modus_ = false;
    SetRow(std::clamp(row_, fixed_rows_, row_count_ - 1));
    aenderungs_modus_ = vorher;
    modified_ = true;
    Change();
    CellsToComp(-1);
}

int GitterModell::RowMarkCount() const
{
    if (selection_.Top < 0)
        return 0;
    return selection_.Bottom - selection_.Top + 1;
}

int GitterModell::RowMarkDelete()
{
    const int anzahl = RowMarkCount();
    // Each delete moves the cursor and with it the selection; the marked rows are those of now.
    const TGridRect markiert = selection_;
    Sammlung sammlung(*this);
    // Once every data row is gone, further deletes change nothing: a selection reaching far
    // past the grid must not cost a loop over its whole height.
    int noch_wirksam = row_count_ - fixed_rows_;
    for (int r = markiert.Bottom; anzahl > 0 && r >= markiert.Top && noch_wirksam > 0;
         --r, --noch_wirksam)
        RowDelete(r);
    return anzahl;
}

void GitterModell::SelectRows(int aRowVon, int aRowBis)
{
    SetSelection({fixed_cols_, aRowVon, col_count_ - 1, aRowBis});
}

int GitterModell::SelectColsCount() const
{
    return selection_.Right - selection_.Left + 1;
}

int GitterModell::SelectRowsCount() const
{
    return selection_.Bottom - selection_.Top + 1;
}

bool GitterModell::RowNext()
{
    if (row_ >= row_count_ - 1)
        return false;
    SetRow(row_ + 1);
    return true;
}

bool GitterModell::RowPred()
{
    if (row_ <= fixed_rows_)
        return false;
    SetRow(row_ - 1);
    return true;
}

void GitterModell::RowFirst()
{
    SetRow(fixed_rows_);
}

void GitterModell::RowLast()
{
    SetRow(row_count_ - 1);
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
    for (int r = fixed_rows_; r < row_count_; ++r) {
        if (!ist_blank(Cells(aCol, r)))
            return false;
    }
    return true;
}

int GitterModell::ColDeleteEmpty()
{
    Sammlung sammlung(*this);
    int geloescht = 0;
    for (int c = col_count_ - 1; c >= fixed_cols_; --c) {
        if (ColEmpty(c)) {
            ColDelete(c);
            ++geloescht;
        }
    }
    if (geloescht > 0)
        modified_ = true;
    return geloescht;
}

void GitterModell::spalten_einfuegen_roh(int aCol)
{
    for (std::vector<QString> &zeile : zellen_) {
        if (size_t(aCol) < zeile.size())
            zeile.insert(zeile.begin() + aCol, QString());
    }
    col_widths_.insert(col_widths_.begin() + aCol, default_col_width_);
    col_widths_.resize(size_t(col_count_));
    if (size_t(aCol) < col_infos_.size())
        ColInfo_Insert(aCol);
}

void GitterModell::spalte_loeschen_roh(int aCol)
{
    const int letzte = col_count_ - 1;
    for (std::vector<QString> &zeile : zellen_) {
        if (size_t(aCol) >= zeile.size())
            continue;
        const auto ende = zeile.begin() + std::min<qsizetype>(qsizetype(zeile.size()), letzte + 1);
        std::rotate(zeile.begin() + aCol, zeile.begin() + aCol + 1, ende);
        *(ende - 1) = QString();
    }
    std::rotate(col_widths_.begin() + aCol, col_widths_.begin() + aCol + 1, col_widths_.end());
    col_widths_.back() = default_col_width_;
    ColInfo_Delete(aCol);
}

int GitterModell::ColAdd(int aCol, const QStringList &txt)
{
    Sammlung sammlung(*this);
    sort_felder_.clear();
    // -1 means the first data column, for the same reason as in RowAdd.
    const int pos = aCol >= col_count_ ? col_count_
                    : aCol == -1       ? fixed_cols_
                                       : std::max(fixed_cols_, aCol);
    SetColCount(col_count_ + 1);
    spalten_einfuegen_roh(pos);
    const TColInfo *vorlage = pos < col_count_ - 1 ? GetColInfo(pos + 1) : GetColInfo(pos - 1);
    if (vorlage) {
        auto info = std::make_unique<TColInfo>();
        info->Assign(*vorlage);
        SetColInfo(pos, std::move(info));
    }
    SetCols(pos, txt);
    if (TColInfo *info = GetColInfo(pos))
        info->Titel = Cells(pos, 0);
    spalteninfos_anwenden(0, col_count_ - 1);
    melde_alles();
    if (!txt.isEmpty())
        SortiereIndex();
    modified_ = true;
    return pos;
}

void GitterModell::ColDelete(int aCol)
{
    Sammlung sammlung(*this);
    sortfeld_vergessen(aCol);
    aCol = std::clamp(aCol, fixed_cols_, col_count_ - 1);
    spalte_loeschen_roh(aCol);
    if (col_count_ > fixed_cols_ + 1)
        SetColCount(col_count_ - 1);
    melde_alles();
    modified_ = true;
}

void GitterModell::ColSwap(int c1, int c2)
{
    if (c1 < 0 || c2 < 0 || c1 == c2)
        return;
    Sammlung sammlung(*this);
    sortfeld_vergessen(c1);
    sortfeld_vergessen(c2);
    const size_t noetig = size_t(std::max(c1, c2)) + 1;
    for (std::vector<QString> &zeile : zellen_) {
        if (zeile.size() < noetig && (size_t(c1) < zeile.size() || size_t(c2) < zeile.size()))
            zeile.resize(noetig);
        if (zeile.size() >= noetig)
            std::swap(zeile[size_t(c1)], zeile[size_t(c2)]);
    }
    if (c1 < col_count_ && c2 < col_count_)
        std::swap(col_widths_[size_t(c1)], col_widths_[size_t(c2)]);
    ColInfo_Swap(c1, c2);
    melde_alles();
}

void GitterModell::ColToLst(QStringList &lst, int aCol, bool titel, bool duplicate) const
{
    for (int r = titel ? 0 : fixed_rows_; r < row_count_; ++r) {
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
    if (zeilen.size() > row_count_)
        SetRowCount(int(zeilen.size()));
    SetCols(aCol, zeilen);
    modified_ = true;
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
                text.replace(u"\r\n"_qs, u"\u00AF"_qs).replace(u'\n', u'\u00AF');
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

int GitterModell::CopyFromGrid(GitterModell &grdSource, const QString &aFilterStr, bool copyFm,
                               bool ClearColInfo)
{
    Sammlung sammlung(*this);
    // The copy replaces the content, so rows filtered out of the old content go with it.
    seitenlager_.clear();
    ClearGrid(false);
    if (ClearColInfo)
        ColInfo_Clear();
    SetColCount(grdSource.ColCount());
    SetRowCount(grdSource.RowCount());
    if (copyFm) {
        SetFixedCols(grdSource.FixedCols());
        SetFixedRows(grdSource.FixedRows());
        for (int c = 0; c < col_count_; ++c)
            SetColWidths(c, grdSource.ColWidths(c));
        if (grdSource.FixedRows() == 1) {
            for (int c = 0; c < col_count_; ++c) {
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
        grdSource.filter_parsen(aFilterStr, bedingungen);
    int ziel = fixed_rows_;
    for (int r = grdSource.FixedRows(); r < grdSource.RowCount(); ++r) {
        if (!alle && !grdSource.zeile_erfuellt(r, bedingungen))
            continue;
        for (int c = 0; c < col_count_; ++c)
            SetCells(c, ziel, grdSource.Cells(c, r));
        ++ziel;
    }
    SetRowCount(std::max(ziel, fixed_rows_ + 1));
    if (filter_ed_ && !filter_.isEmpty())
        filter_anwenden();
    if (copyFm)
        ColInfo_Set(-1);
    return ziel;
}

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
    const int bis = aCol < 0 ? int(col_infos_.size()) - 1 : aCol;
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
    const int zeile = aRow < 0 ? row_ : aRow;
    const bool vorher = aenderungs_modus_;
    aenderungs_modus_ = false;
    for (int c = 0; c < col_count_; ++c) {
        const TColInfo *info = GetColInfo(c);
        if (info && info->Objekt && info->CellToComp)
            info->CellToComp(*this, info->Objekt, Cells(c, zeile));
    }
    aenderungs_modus_ = vorher;
}

void GitterModell::CompToCells(QObject *aComp)
{
    if (!aenderungs_modus_)
        return;
    aenderungs_modus_ = false;
    bool geaendert = false;
    for (int c = 0; c < col_count_; ++c) {
        const TColInfo *info = GetColInfo(c);
        if (!info || !info->Objekt || !info->CompToCell || (aComp && info->Objekt != aComp))
            continue;
        const QString text = info->CompToCell(*this, info->Objekt);
        if (text != Cells(c, row_)) {
            SetCells(c, row_, text);
            geaendert = true;
        }
    }
    aenderungs_modus_ = true;
    if (!geaendert)
        return;
    modified_ = true;
    if (sortieren_ed_ && !sortier_cols_.isEmpty())
        SortiereIndex();
    else
        Change();
}
