#include "grid/gitter_zeichner_fenster.h"

#include "grid/filtergrid_fenster.h"

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

} // namespace

GitterZeichner::GitterZeichner(TFilterGrid &gitter, QObject *eltern)
    : GitterDelegate(gitter, eltern)
    , m_gitter(gitter)
{
}

int GitterZeichner::zeichenzustand(const QStyleOptionViewItem &option, bool titel) const
{
    int zustand = 0;
    if (option.state & QStyle::State_Selected) {
        zustand |= gdSelected;
        if (m_gitter.goRowSelect())
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
    TFilterGrid &g = m_gitter;
    const int c = index.column();
    const int r = index.row();
    const bool titelzeile = r < g.FixedRows();
    const bool titel = titelzeile || c < g.FixedCols();
    const int zustand = zeichenzustand(option, titel);

    Hintergrund h;
    h.start = farbe_zu_qcolor(g.GradientStartColor);
    h.ende = farbe_zu_qcolor(g.GradientEndColor);
    h.verlauf_stil = g.DrawingStyle == gdsGradient;
    h.titel = titel;
    h.alle = g.GradientToAllCells();
    h.zustand = zustand;

    Schrift schrift = g.Font();
    QColor schriftfarbe = farbe_zu_qcolor(schrift.Color);
    h.pinsel = farbe_zu_qcolor(titel                    ? g.FixedColor()
                               : (zustand & gdSelected) ? g.SelectRowColor
                                                        : g.Color());

    const QString zelltext = g.Cells(c, r);
    QString text;
    if (!zelltext.isEmpty() && zelltext.front().category() == QChar::Other_Control) {
        text = u" "_s;
    } else {
        const QString rand(std::max(g.Distance, 0), u' ');
        text = rand + zelltext + rand;
    }

    const TColInfo *info = g.GetColInfo(c);
    const SortFeld *sortiert =
        titelzeile && g.ShowSortIcon.Show ? sortfeld(g, c) : static_cast<const SortFeld *>(nullptr);
    qint32 ausr = ausrichtung_links_mittig;
    if (info && titelzeile) {
        if (info->TitFont)
            schrift = *info->TitFont;
        schriftfarbe = farbe_zu_qcolor(schrift.Color);
        ausr = info->TitAlign;
        h.pinsel = farbe_zu_qcolor(info->TitColor);
    } else if (info) {
        if (info->DatFont)
            schrift = *info->DatFont;
        schriftfarbe = farbe_zu_qcolor(schrift.Color);
        ausr = info->DatAlign;
        if (zustand == 0 || (zustand & gdFixed)) {
            h.pinsel = farbe_zu_qcolor(info->DatColor);
        } else if (zustand & gdSelected) {
            schriftfarbe = farbe_zu_qcolor(clWindow);
            h.pinsel = farbe_zu_qcolor(g.SelectRowColor);
        } else {
            // A focused cell outside the selection keeps the column's colours; the window
            // colour on the grid colour would hide its text.
            h.pinsel = farbe_zu_qcolor(info->DatColor);
        }
    } else {
        h.pinsel = farbe_zu_qcolor(c == g.FixedCols() - 1 ? g.FixedColor() : g.Color());
        if (zustand & gdSelected) {
            h.pinsel = farbe_zu_qcolor(g.SelectRowColor);
            schriftfarbe = umgekehrt(schriftfarbe);
        }
    }

    maler->save();
    maler->setClipRect(option.rect);
    QFont font = schrift.font;

    if (sortiert) {
        text += QString(zeichen_reserve(g.ShowSortIcon.Size), u' ');
        const int breite = QFontMetrics(font, maler->device()).horizontalAdvance(text);
        if (breite > option.rect.width()) {
            hintergrund_fuellen(*maler, option.rect, h);
            maler->restore();
            g.masse_anheben(c, breite + g.columnWidth(c) - option.rect.width(), -1, 0);
            return;
        }
    }

    if (g.RowColorProc) {
        maler->setFont(font);
        maler->setPen(schriftfarbe);
        maler->setBrush(h.pinsel);
        g.RowColorProc(g, ausr, *maler, c, r, zustand);
        font = maler->font();
        schriftfarbe = maler->pen().color();
        const QColor neu = maler->brush().color();
        if (neu != h.pinsel) {
            if (c <= g.FixedCols())
                h.alle = true;
            if (titel) {
                h.ende = verschoben(neu, h.start, h.ende);
                h.start = neu;
            }
            h.pinsel = neu;
        }
    }

    if (ausr & ausrichtung_umbruch)
        text = text.replace(u'\u00AF', u'\n').trimmed();

    if (!titelzeile && info && info->Typ == u'O' && g.TypObjectProc) {
        hintergrund_fuellen(*maler, option.rect, h);
        QRect rect = option.rect;
        maler->setFont(font);
        maler->setPen(schriftfarbe);
        maler->setBrush(Qt::NoBrush);
        g.TypObjectProc(g, ausr, *maler, c, r, rect, text, zustand);
        maler->restore();
        return;
    }

    const int flags = qt_ausrichtung(ausr);
    const QFontMetrics masse(font, maler->device());
    const int noetig =
        masse.boundingRect(QRect(0, 0, std::max(option.rect.width(), 1), 1 << 20), flags, text)
            .height();
    if (noetig > option.rect.height())
        g.masse_anheben(-1, 0, r, noetig + g.rowHeight(r) - option.rect.height());

    hintergrund_fuellen(*maler, option.rect, h);
    maler->setFont(font);
    maler->setPen(schriftfarbe);
    maler->drawText(option.rect, flags, text);

    if (sortiert)
        sortzeichen_malen(*maler, option.rect, g.rowHeight(0), g.ShowSortIcon,
                          sortiert->aufsteigend, schriftfarbe);
    if (zustand & gdFocused) {
        QStyleOptionFocusRect rahmen;
        rahmen.QStyleOption::operator=(option);
        rahmen.backgroundColor = h.pinsel;
        QStyle *stil = option.widget ? option.widget->style() : QApplication::style();
        stil->drawPrimitive(QStyle::PE_FrameFocusRect, &rahmen, maler, option.widget);
    }
    maler->restore();
}
