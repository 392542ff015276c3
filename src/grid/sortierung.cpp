// Sorting rows by columns, by program and by a click on a title.
#include "grid/filtergrid.h"
#include "grid/sortierschluessel.h"
#include "grid/zahltext.h"

#include <algorithm>

std::vector<int> GitterModell::text_folge(int wmWait)
{
    const QChar komma = QLocale().decimalPoint().front();
    std::vector<QString> schluessel;
    schluessel.reserve(size_t(row_count_ - fixed_rows_));
    for (int r = fixed_rows_; r < row_count_; ++r) {
        QString text;
        for (const SortFeld &feld : sort_felder_)
            text += sortierschluessel(Cells(feld.spalte, r), feld.typ, komma);
        schluessel.push_back(std::move(text));
        fortschritt(wmWait, 1, r);
    }
    return schluessel_ordnen(schluessel);
}

std::vector<int> GitterModell::zahlen_folge(int wmWait)
{
    std::vector<qint64> raenge;
    raenge.reserve(size_t(row_count_ - fixed_rows_) * sort_felder_.size());
    for (int r = fixed_rows_; r < row_count_; ++r) {
        for (const SortFeld &feld : sort_felder_)
            raenge.push_back(zahl_rang(Cells(feld.spalte, r)));
        fortschritt(wmWait, 1, r);
    }
    return zahlen_ordnen(raenge, sort_felder_.size());
}

void GitterModell::Sortiere(const QString &colNrStr, bool toRow, int wmWait, bool sortAufw)
{
    Sammlung sammlung(*this);
    ColClearEt(-1);
    sort_felder_.clear();
    for (const QString &stueck : in_zeilen(colNrStr, u';')) {
        const int spalte = StrToIntNorm(stueck);
        const TColInfo *info = GetColInfo(spalte);
        sort_felder_.push_back({spalte, info ? info->Typ : QChar(u' '), sortAufw});
    }
    const int datenzeilen = row_count_ - fixed_rows_;
    const bool zahlen_spalten =
        !sort_felder_.empty() &&
        std::all_of(sort_felder_.begin(), sort_felder_.end(),
                    [](const SortFeld &feld) { return ist_zahl_typ(feld.typ); });
    fortschritt(wmWait, 0, row_count_);
    // Without sort fields the rows keep their order but still go back as row text.
    if (datenzeilen > 0) {
        std::vector<int> folge = zahlen_spalten ? zahlen_folge(wmWait) : text_folge(wmWait);
        // Descending writes the ascending lines from the last one: equal keys turn round too.
        if (!sortAufw)
            std::reverse(folge.begin(), folge.end());

        if (zellen_.size() < size_t(row_count_))
            zellen_.resize(size_t(row_count_));
        std::vector<std::vector<QString>> neu;
        neu.reserve(size_t(datenzeilen));
        int neue_aktuelle = -1;
        for (int i = 0; i < datenzeilen; ++i) {
            const int alt = fixed_rows_ + folge[size_t(i)];
            if (alt == row_)
                neue_aktuelle = fixed_rows_ + i;
            std::vector<QString> zeile = std::move(zellen_[size_t(alt)]);
            // A row goes back as row text: its empty cells keep their place as " ".
            if (zeile.size() < size_t(col_count_))
                zeile.resize(size_t(col_count_));
            for (int c = 0; c < col_count_; ++c) {
                if (zeile[size_t(c)].isEmpty())
                    zeile[size_t(c)] = u" "_qs;
            }
            neu.push_back(std::move(zeile));
        }
        std::move(neu.begin(), neu.end(), zellen_.begin() + fixed_rows_);
        melde_alles();
        if (toRow && neue_aktuelle >= 0) {
            const bool vorher = aenderungs_modus_;
            aenderungs_modus_ = false;
            SetRow(neue_aktuelle);
            aenderungs_modus_ = vorher;
            zeilen_text_beim_betreten_ = Rows(row_);
        }
    }
    ColInsertEt(-1);
    fortschritt(wmWait, 2, 0);
}

void GitterModell::SortiereIndex()
{
    if (!sortieren_ed_ || sortier_cols_.isEmpty())
        return;
    QString spalten;
    for (const QString &titel : in_zeilen(sortier_cols_, ParamTz)) {
        for (int c = 0; c < col_count_; ++c) {
            if (Cells(c, 0).compare(titel, Qt::CaseInsensitive) == 0) {
                spalten += QString::number(c) + u';';
                break;
            }
        }
    }
    if (!spalten.isEmpty()) {
        if (OnSort)
            OnSort(*this, spalten);
        if (!spalten.isEmpty()) {
            Sortiere(spalten, SortNewFocus, WM_USER_Wait, SortDirection == sdAufsteigend);
            if (OnSortEnd)
                OnSortEnd(*this, spalten);
        }
    }
    Change();
}

void GitterModell::SetSortierCols(const QString &text)
{
    if (text == sortier_cols_)
        return;
    sortier_cols_ = text;
    SortiereIndex();
}

void GitterModell::SetSortierenEd(bool an)
{
    if (an == sortieren_ed_)
        return;
    sortieren_ed_ = an;
    SortiereIndex();
}

void GitterModell::titel_klick_sortieren(int aCol)
{
    QString spalte = QString::number(aCol);
    if (OnSort)
        OnSort(*this, spalte);
    if (spalte.isEmpty())
        return;
    Sortiere(spalte, SortNewFocus, WM_USER_Wait, aCol != letzte_titel_spalte_);
    letzte_titel_spalte_ = letzte_titel_spalte_ == aCol ? -1 : aCol;
    if (OnSortEnd)
        OnSortEnd(*this, spalte);
}
