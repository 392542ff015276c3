// Sorting rows by columns, by program and by a click on a title.
#include "grid/filtergrid.h"
#include "grid/sortierschluessel.h"
#include "grid/zahltext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

std::vector<int> GitterModell::text_folge(int wmWait)
{
    const QChar komma = QLocale().decimalPoint().front();
    const QDate tag = heute();
    std::vector<QString> schluessel;
    schluessel.reserve(size_t(m_row_count - m_fixed_rows));
    for (int r = m_fixed_rows; r < m_row_count; ++r) {
        QString text;
        for (const SortFeld &feld : m_sort_felder)
            text += sortierschluessel(Cells(feld.spalte, r), feld.typ, komma, tag);
        schluessel.push_back(std::move(text));
        fortschritt(wmWait, 1, r);
    }
    return schluessel_ordnen(schluessel);
}

std::vector<int> GitterModell::zahlen_folge(int wmWait)
{
    std::vector<qint64> raenge;
    raenge.reserve(size_t(m_row_count - m_fixed_rows) * m_sort_felder.size());
    for (int r = m_fixed_rows; r < m_row_count; ++r) {
        for (const SortFeld &feld : m_sort_felder)
            raenge.push_back(zahl_rang(Cells(feld.spalte, r)));
        fortschritt(wmWait, 1, r);
    }
    return zahlen_ordnen(raenge, m_sort_felder.size());
}

void GitterModell::Sortiere(const QString &colNrStr, bool toRow, int wmWait, bool sortAufw)
{
    Sammlung sammlung(*this);
    ColClearEt(-1);
    m_sort_felder.clear();
    for (const QString &stueck : in_zeilen(colNrStr, u';')) {
        const int spalte = StrToIntNorm(stueck);
        const TColInfo *info = GetColInfo(spalte);
        m_sort_felder.push_back({spalte, info ? info->Typ : QChar(u' '), sortAufw});
    }
    const int datenzeilen = m_row_count - m_fixed_rows;
    const bool zahlen_spalten =
        !m_sort_felder.empty() &&
        std::all_of(m_sort_felder.begin(), m_sort_felder.end(),
                    [](const SortFeld &feld) { return ist_zahl_typ(feld.typ); });
    fortschritt(wmWait, 0, m_row_count);
    // Without sort fields the rows keep their order but still go back as row text.
    if (datenzeilen > 0) {
        std::vector<int> folge = zahlen_spalten ? zahlen_folge(wmWait) : text_folge(wmWait);
        // Descending writes the ascending lines from the last one: equal keys turn round too.
        if (!sortAufw)
            std::reverse(folge.begin(), folge.end());

        if (m_zellen.size() < size_t(m_row_count))
            m_zellen.resize(size_t(m_row_count));
        std::vector<std::vector<QString>> neu;
        neu.reserve(size_t(datenzeilen));
        int neue_aktuelle = -1;
        for (int i = 0; i < datenzeilen; ++i) {
            const int alt = m_fixed_rows + folge[size_t(i)];
            if (alt == m_row)
                neue_aktuelle = m_fixed_rows + i;
            std::vector<QString> zeile = std::move(m_zellen[size_t(alt)]);
            // A row goes back as row text: its empty cells keep their place as " ".
            if (zeile.size() < size_t(m_col_count))
                zeile.resize(size_t(m_col_count));
            for (int c = 0; c < m_col_count; ++c) {
                if (zeile[size_t(c)].isEmpty())
                    zeile[size_t(c)] = u" "_s;
            }
            neu.push_back(std::move(zeile));
        }
        std::move(neu.begin(), neu.end(), m_zellen.begin() + m_fixed_rows);
        melde_alles();
        if (toRow && neue_aktuelle >= 0) {
            const bool vorher = m_aenderungs_modus;
            m_aenderungs_modus = false;
            SetRow(neue_aktuelle);
            m_aenderungs_modus = vorher;
            m_zeilen_text_beim_betreten = Rows(m_row);
        }
    }
    ColInsertEt(-1);
    fortschritt(wmWait, 2, 0);
}

void GitterModell::SortiereIndex()
{
    if (!m_sortieren_ed || m_sortier_cols.isEmpty())
        return;
    QString spalten;
    for (const QString &titel : in_zeilen(m_sortier_cols, ParamTz)) {
        for (int c = 0; c < m_col_count; ++c) {
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
    if (text == m_sortier_cols)
        return;
    m_sortier_cols = text;
    SortiereIndex();
}

void GitterModell::SetSortierenEd(bool an)
{
    if (an == m_sortieren_ed)
        return;
    m_sortieren_ed = an;
    SortiereIndex();
}

void GitterModell::titel_klick_sortieren(int aCol)
{
    QString spalte = QString::number(aCol);
    if (OnSort)
        OnSort(*this, spalte);
    if (spalte.isEmpty())
        return;
    Sortiere(spalte, SortNewFocus, WM_USER_Wait, aCol != m_letzte_titel_spalte);
    m_letzte_titel_spalte = m_letzte_titel_spalte == aCol ? -1 : aCol;
    if (OnSortEnd)
        OnSortEnd(*this, spalte);
}
