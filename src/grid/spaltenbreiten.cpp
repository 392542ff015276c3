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
    int zugabe = senkrechter_rollbalken_ ? 27 : 8;
    const int alte_zeile = row_;
    const int alte_spalte = col_;
    const int alte_oberste = top_row_;
    const int alte_fixed_cols = fixed_cols_;
    if (ChangeFixCol)
        fixed_cols_ = 0;

    const QString abstand(std::max(Distance, 0), u' ');
    // Metrics are looked up once per font, not once per cell.
    QFont metrik_font = font_.font;
    std::optional<QFontMetrics> metrik(std::in_place, metrik_font);
    std::vector<int> gemessen;
    for (int c = readColInfo ? 0 : fixed_cols_; c < col_count_; ++c) {
        const TColInfo *info = GetColInfo(c);
        const bool messen = readColInfo ? (!info || info->Width == 0) : ColWidths(c) >= 0;
        if (!messen)
            continue;
        gemessen.push_back(c);
        int breite = 0;
        for (int r = 0; r < row_count_; ++r) {
            qint32 ausrichtung = 0;
            if (info) {
                const bool titel = r < fixed_rows_;
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
    for (int c = 0; c < col_count_; ++c) {
        if (c < fixed_cols_)
            zugabe += ColWidths(c);
        else if (ColWidths(c) > 0)
            summe += ColWidths(c);
    }
    if (Stretch) {
        const int frei = ansichts_breite_ - zugabe - summe;
        const int anzahl = int(gemessen.size());
        if (anzahl > 0 && anzahl < frei) {
            for (int c : gemessen) {
                if (c < fixed_cols_)
                    continue;
                SetColWidths(c, ColWidths(c) + frei / anzahl);
                summe += frei / anzahl;
            }
        }
    }

    fixed_cols_ = alte_fixed_cols;
    top_row_ = alte_oberste;
    const bool vorher = aenderungs_modus_;
    aenderungs_modus_ = false;
    SetRow(alte_zeile);
    SetCol(alte_spalte);
    aenderungs_modus_ = vorher;
    return summe;
}
