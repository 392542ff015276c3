#include "grid/gitter_zeichner_fenster.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionFocusRect>

using namespace Qt::StringLiterals;

namespace {

int qt_ausrichtung(qint32 ausr)
{
    int flags = (ausr & ausrichtung_rechts)  ? Qt::AlignRight
                : (ausr & ausrichtung_mitte) ? Qt::AlignHCenter
                                             : Qt::AlignLeft;
    flags |= (ausr & ausrichtung_senkrecht_mitte) ? Qt::AlignVCenter
             : (ausr & ausrichtung_unten)         ? Qt::AlignBottom
                                                  : Qt::AlignTop;
    if ((ausr & ausrichtung_einzeilig) == 0 && (ausr & ausrichtung_umbruch))
        flags |= Qt::TextWordWrap;
    else
        flags |= Qt::TextSingleLine;
    return flags;
}

int kanal(int wert)
{
    return std::clamp(wert, 0, 255);
}

// The colour moved by the difference of the grid's gradient colours.
QColor verschoben(const QColor &farbe, const QColor &start, const QColor &ende)
{
    return QColor(kanal(farbe.red() + ende.red() - start.red()),
                  kanal(farbe.green() + ende.green() - start.green()),
                  kanal(farbe.blue() + ende.blue() - start.blue()));
}

QColor aufgehellt(const QColor &farbe, int um)
{
    return QColor(kanal(farbe.red() + um), kanal(farbe.green() + um), kanal(farbe.blue() + um));
}

QColor umgekehrt(const QColor &farbe)
{
    return QColor(255 - farbe.red(), 255 - farbe.green(), 255 - farbe.blue());
}

int zeichen_reserve(TSortIconSize groesse)
{
    return groesse == siSize_S ? 1 : groesse == siSize_M ? 2 : 3;
}

const SortFeld *sortfeld(const GitterModell &gitter, int aCol)
{
    for (const SortFeld &feld : gitter.sort_felder()) {
        if (feld.spalte == aCol)
            return &feld;
    }
    return nullptr;
}

struct Hintergrund
{
    QColor pinsel;
    QColor start;
    QColor ende;
    bool verlauf_stil = true;
    bool titel = false;
    bool alle = false;
    int zustand = 0;
};

void hintergrund_fuellen(QPainter &maler, const QRect &rect, const Hintergrund &h)
{
    if (!h.verlauf_stil || (!h.titel && !h.alle)) {
        maler.fillRect(rect, h.pinsel);
        return;
    }
    QColor von = h.start;
    QColor bis = h.ende;
    if (h.alle) {
        von = h.pinsel;
        bis = verschoben(h.pinsel, h.start, h.ende);
    } else if (h.zustand & gdPressed) {
        std::swap(von, bis);
    } else if (h.zustand & gdHotTrack) {
        von = aufgehellt(von, 19);
        bis = aufgehellt(bis, 19);
    }
    QLinearGradient verlauf(rect.topLeft(), rect.bottomLeft());
    verlauf.setColorAt(0, von);
    verlauf.setColorAt(1, bis);
    maler.fillRect(rect, verlauf);
}

void sortzeichen_malen(QPainter &maler, const QRect &rect, int titelhoehe, const TSortIcon &art,
                       bool aufsteigend, const QColor &farbe)
{
    const int h = titelhoehe / (5 - int(art.Size));
    const int x = rect.right() - 2;
    const int y = rect.top() + 2;
    const QPolygon dreieck =
        aufsteigend ? QPolygon({QPoint(x, y + h), QPoint(x - h / 2, y), QPoint(x - h, y + h)})
                    : QPolygon({QPoint(x, y), QPoint(x - h / 2, y + h), QPoint(x - h, y)});
    maler.setPen(farbe);
    maler.setBrush(art.Style == siStyle_Fill ? QBrush(farbe) : QBrush(Qt::NoBrush));
    maler.drawPolygon(dreieck);
}

// What one cell looks like, worked out step by step before it is drawn.
struct Zellbild
{
    int spalte = 0;
    int zeile = 0;
    bool titelzeile = false;
    bool titel = false;
    int zustand = 0;
    QString text;
    QFont font;
    QColor schriftfarbe;
    qint32 ausr = ausrichtung_links_mittig;
    Hintergrund hintergrund;
    const TColInfo *info = nullptr;
    const SortFeld *sortiert = nullptr;
};

// The cell's text, font, colours and alignment from the grid and its column information.
Zellbild zellbild(const GitterModell &modell, const GitterZeichenflaeche &g,
                  const QModelIndex &index, int zustand)
{
    Zellbild bild;
    bild.spalte = index.column();
    bild.zeile = index.row();
    const int c = bild.spalte;
    bild.titelzeile = bild.zeile < modell.FixedRows();
    bild.titel = bild.titelzeile || c < modell.FixedCols();
    bild.zustand = zustand;

    Hintergrund &h = bild.hintergrund;
    h.start = farbe_zu_qcolor(g.verlauf_anfang());
    h.ende = farbe_zu_qcolor(g.verlauf_ende());
    h.verlauf_stil = g.zeichenstil() == gdsGradient;
    h.titel = bild.titel;
    h.alle = modell.GradientToAllCells();
    h.zustand = zustand;

    Schrift schrift = modell.Font();
    bild.schriftfarbe = farbe_zu_qcolor(schrift.Color);
    h.pinsel = farbe_zu_qcolor(bild.titel               ? modell.FixedColor()
                               : (zustand & gdSelected) ? modell.SelectRowColor
                                                        : modell.Color());

    const QString zelltext = modell.Cells(c, bild.zeile);
    if (!zelltext.isEmpty() && zelltext.front().category() == QChar::Other_Control) {
        bild.text = u" "_s;
    } else {
        const QString rand(std::max(modell.Distance, 0), u' ');
        bild.text = rand + zelltext + rand;
    }

    bild.info = modell.GetColInfo(c);
    const TColInfo *info = bild.info;
    bild.sortiert = bild.titelzeile && modell.ShowSortIcon.Show ? sortfeld(modell, c) : nullptr;
    if (info && bild.titelzeile) {
        if (info->TitFont)
            schrift = *info->TitFont;
        bild.schriftfarbe = farbe_zu_qcolor(schrift.Color);
        bild.ausr = info->TitAlign;
        h.pinsel = farbe_zu_qcolor(info->TitColor);
    } else if (info) {
        if (info->DatFont)
            schrift = *info->DatFont;
        bild.schriftfarbe = farbe_zu_qcolor(schrift.Color);
        bild.ausr = info->DatAlign;
        if (zustand == 0 || (zustand & gdFixed)) {
            h.pinsel = farbe_zu_qcolor(info->DatColor);
        } else if (zustand & gdSelected) {
            bild.schriftfarbe = farbe_zu_qcolor(clWindow);
            h.pinsel = farbe_zu_qcolor(modell.SelectRowColor);
        } else {
            // A focused cell outside the selection keeps the column's colours; the window
            // colour on the grid colour would hide its text.
            h.pinsel = farbe_zu_qcolor(info->DatColor);
        }
    } else {
        h.pinsel =
            farbe_zu_qcolor(c == modell.FixedCols() - 1 ? modell.FixedColor() : modell.Color());
        if (zustand & gdSelected) {
            h.pinsel = farbe_zu_qcolor(modell.SelectRowColor);
            bild.schriftfarbe = umgekehrt(bild.schriftfarbe);
        }
    }
    bild.font = schrift.font;
    return bild;
}

// False when the title is too narrow for its sort mark: the column grows after this paint
// and the cell is drawn again then.
bool platz_fuer_sortzeichen(const GitterModell &modell, GitterZeichenflaeche &g, QPainter &maler,
                            const QStyleOptionViewItem &option, Zellbild &bild)
{
    if (!bild.sortiert)
        return true;
    bild.text += QString(zeichen_reserve(modell.ShowSortIcon.Size), u' ');
    const int breite = QFontMetrics(bild.font, maler.device()).horizontalAdvance(bild.text);
    if (breite <= option.rect.width())
        return true;
    hintergrund_fuellen(maler, option.rect, bild.hintergrund);
    g.masse_anheben(bild.spalte, breite + g.gezeigte_breite(bild.spalte) - option.rect.width(), -1,
                    0);
    return false;
}

// The owner's row-colour hook may change the font, colours and alignment.
void eigner_fragen(GitterModell &modell, QPainter &maler, Zellbild &bild)
{
    if (modell.ereignisse().RowColorProc) {
        Hintergrund &h = bild.hintergrund;
        maler.setFont(bild.font);
        maler.setPen(bild.schriftfarbe);
        maler.setBrush(h.pinsel);
        modell.ereignisse().RowColorProc(modell, bild.ausr, maler, bild.spalte, bild.zeile,
                                         bild.zustand);
        bild.font = maler.font();
        bild.schriftfarbe = maler.pen().color();
        const QColor neu = maler.brush().color();
        if (neu != h.pinsel) {
            if (bild.spalte <= modell.FixedCols())
                h.alle = true;
            if (bild.titel) {
                h.ende = verschoben(neu, h.start, h.ende);
                h.start = neu;
            }
            h.pinsel = neu;
        }
    }
    // The hook may have switched word wrap on.
    if (bild.ausr & ausrichtung_umbruch)
        bild.text = bild.text.replace(u'\u00AF', u'\n').trimmed();
}

// A data cell of an object column is drawn by the owner's hook.
bool objekt_malen(GitterModell &modell, QPainter &maler, const QStyleOptionViewItem &option,
                  const Zellbild &bild)
{
    if (bild.titelzeile || !bild.info || bild.info->Typ != u'O' ||
        !modell.ereignisse().TypObjectProc)
        return false;
    QRect rect = option.rect;
    qint32 ausr = bild.ausr;
    maler.setFont(bild.font);
    maler.setPen(bild.schriftfarbe);
    maler.setBrush(Qt::NoBrush);
    modell.ereignisse().TypObjectProc(modell, ausr, maler, bild.spalte, bild.zeile, rect, bild.text,
                                      bild.zustand);
    return true;
}

void text_malen(GitterZeichenflaeche &g, QPainter &maler, const QStyleOptionViewItem &option,
                const Zellbild &bild)
{
    const int flags = qt_ausrichtung(bild.ausr);
    const QFontMetrics masse(bild.font, maler.device());
    const int noetig =
        masse.boundingRect(QRect(0, 0, std::max(option.rect.width(), 1), 1 << 20), flags, bild.text)
            .height();
    // Rows only grow: after this paint the row takes the height its text needs.
    if (noetig > option.rect.height())
        g.masse_anheben(-1, 0, bild.zeile,
                        noetig + g.gezeigte_hoehe(bild.zeile) - option.rect.height());
    maler.setFont(bild.font);
    maler.setPen(bild.schriftfarbe);
    maler.drawText(option.rect, flags, bild.text);
}

// The sort mark of a sorted title and the frame of the focused cell.
void marken_malen(const GitterModell &modell, const GitterZeichenflaeche &g, QPainter &maler,
                  const QStyleOptionViewItem &option, const Zellbild &bild)
{
    if (bild.sortiert)
        sortzeichen_malen(maler, option.rect, g.gezeigte_hoehe(0), modell.ShowSortIcon,
                          bild.sortiert->aufsteigend, bild.schriftfarbe);
    if (bild.zustand & gdFocused) {
        QStyleOptionFocusRect rahmen;
        rahmen.QStyleOption::operator=(option);
        rahmen.backgroundColor = bild.hintergrund.pinsel;
        QStyle *stil = option.widget ? option.widget->style() : QApplication::style();
        stil->drawPrimitive(QStyle::PE_FrameFocusRect, &rahmen, &maler, option.widget);
    }
}

} // namespace

GitterZeichner::GitterZeichner(GitterModell &modell, GitterZeichenflaeche &flaeche, QObject *eltern)
    : GitterDelegate(modell, eltern)
    , m_modell(modell)
    , m_flaeche(flaeche)
{
}

int GitterZeichner::zeichenzustand(const QStyleOptionViewItem &option, bool titel) const
{
    int zustand = 0;
    if (option.state & QStyle::State_Selected) {
        zustand |= gdSelected;
        if (m_modell.goRowSelect())
            zustand |= gdRowSelected;
    }
    if (option.state & QStyle::State_HasFocus)
        zustand |= gdFocused;
    if (titel) {
        zustand |= gdFixed;
        // Only title cells follow the mouse, as buttons do.
        if (option.state & QStyle::State_MouseOver) {
            zustand |= gdHotTrack;
            if (QApplication::mouseButtons() & Qt::LeftButton)
                zustand |= gdPressed;
        }
    }
    return zustand;
}

void GitterZeichner::paint(QPainter *maler, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    GitterModell &modell = m_modell;
    GitterZeichenflaeche &g = m_flaeche;
    const bool titel = index.row() < modell.FixedRows() || index.column() < modell.FixedCols();
    Zellbild bild = zellbild(modell, g, index, zeichenzustand(option, titel));
    maler->save();
    maler->setClipRect(option.rect);
    if (platz_fuer_sortzeichen(modell, g, *maler, option, bild)) {
        eigner_fragen(modell, *maler, bild);
        hintergrund_fuellen(*maler, option.rect, bild.hintergrund);
        if (!objekt_malen(modell, *maler, option, bild)) {
            text_malen(g, *maler, option, bild);
            marken_malen(modell, g, *maler, option, bild);
        }
    }
    maler->restore();
}
