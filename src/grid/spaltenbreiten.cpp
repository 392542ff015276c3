// Column widths from the cell contents.
#include "grid/filtergrid.h"

#include <QFontMetrics>
#include <optional>

namespace {

int textbreite(const QFontMetrics &metrik, const QString &text, qint32 ausrichtung)
{
    if (ausrichtung & ausrichtung_umbruch) {
        QString block = text;
        block.replace(u'\u00AF', u'\n');
        return metrik.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, block.trimmed()).width();
    }
    return metrik.horizontalAdvance(text);
}

} // namespace

int GitterModell::ColSetMaxWidths(bool readColInfo, bool ChangeFixCol, bool Stretch)
{
    Sammlung sammlung(*this);
    int zugabe = m_senkrechter_rollbalken ? 27 : 8;
    const int alte_zeile = m_zeiger.zeile();
    const int alte_spalte = m_zeiger.spalte();
    const int alte_oberste = m_zeiger.oberste_zeile();
    const TGridRect alte_auswahl = m_zeiger.auswahl();
    const int alte_fixed_cols = m_fixed_cols;
    if (ChangeFixCol)
        m_fixed_cols = 0;

    const QString abstand(std::max(Distance, 0), u' ');
    // Metrics are looked up once per font, not once per cell.
    QFont metrik_font = m_font.font;
    std::optional<QFontMetrics> metrik(std::in_place, metrik_font);
    std::vector<int> gemessen;
    for (int c = readColInfo ? 0 : m_fixed_cols; c < m_col_count; ++c) {
        const TColInfo *info = GetColInfo(c);
        const bool messen = readColInfo ? (!info || info->Width == 0) : ColWidths(c) >= 0;
        if (!messen)
            continue;
        gemessen.push_back(c);
        int breite = 0;
        for (int r = 0; r < m_row_count; ++r) {
            qint32 ausrichtung = 0;
            if (info) {
                const bool titel = r < m_fixed_rows;
                const std::optional<Schrift> &schrift = titel ? info->TitFont : info->DatFont;
                ausrichtung = titel ? info->TitAlign : info->DatAlign;
                // A column font stays in force until another one is set.
                if (schrift && schrift->font != metrik_font)
                    metrik.emplace(metrik_font = schrift->font);
            }
            breite = std::max(breite, textbreite(*metrik, Cells(c, r) + abstand, ausrichtung));
        }
        SetColWidths(c, breite);
    }

    int summe = 0;
    for (int c = 0; c < m_col_count; ++c) {
        if (c < m_fixed_cols)
            zugabe += ColWidths(c);
        else if (ColWidths(c) > 0)
            summe += ColWidths(c);
    }
    if (Stretch) {
        const int frei = m_ansichts_breite - zugabe - summe;
        const int anzahl = int(gemessen.size());
        if (anzahl > 0 && anzahl < frei) {
            for (int c : gemessen) {
                if (c < m_fixed_cols)
                    continue;
                SetColWidths(c, ColWidths(c) + frei / anzahl);
                summe += frei / anzahl;
            }
        }
    }

    m_fixed_cols = alte_fixed_cols;
    m_zeiger.setze_oberste_zeile(alte_oberste, m_fixed_rows, m_row_count - 1);
    const bool vorher = m_aenderungs_modus;
    m_aenderungs_modus = false;
    SetRow(alte_zeile);
    SetCol(alte_spalte);
    // Putting the cursor back selects its cell; measuring must not select what nobody chose.
    SetSelection(alte_auswahl);
    m_aenderungs_modus = vorher;
    return summe;
}
