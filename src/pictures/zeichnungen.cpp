#include "pictures/zeichnungen.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QString>

using namespace Qt::StringLiterals;

namespace zeichnung {

namespace {

// Builds a drawing as one paints it: a fill and an outline that hold until changed.
// Coordinates are pixels of the drawing; a rectangle includes its last row and column.
class Entwurf
{
public:
    explicit Entwurf(QSizeF groesse) { m_bild.groesse = groesse; }

    Entwurf &fuellen(QColor farbe)
    {
        m_fuellung = farbe;
        return *this;
    }
    Entwurf &umranden(QColor farbe, qreal breite = 0)
    {
        m_rand = farbe;
        m_breite = breite;
        return *this;
    }
    Entwurf &rechteck(qreal x0, qreal y0, qreal x1, qreal y1)
    {
        return element(Form::rechteck, {{x0, y0}, {x1 + 1, y1 + 1}});
    }
    Entwurf &abgerundet(qreal x0, qreal y0, qreal x1, qreal y1, qreal r)
    {
        return element(Form::abgerundet, {{x0, y0}, {x1 + 1, y1 + 1}}, r);
    }
    Entwurf &kreis(qreal x, qreal y, qreal r) { return element(Form::kreis, {mitte(x, y)}, r); }
    Entwurf &ellipse(qreal x, qreal y, qreal r, qreal s)
    {
        return element(Form::ellipse, {mitte(x, y)}, r, s);
    }
    Entwurf &linie(qreal x0, qreal y0, qreal x1, qreal y1)
    {
        return element(Form::linie, {mitte(x0, y0), mitte(x1, y1)});
    }
    Entwurf &linienzug(std::initializer_list<QPointF> punkte)
    {
        return zug(Form::linienzug, punkte);
    }
    Entwurf &vieleck(std::initializer_list<QPointF> punkte) { return zug(Form::vieleck, punkte); }

    Bild fertig() const { return m_bild; }

private:
    // A stroke through a pixel runs through its centre.
    static QPointF mitte(qreal x, qreal y) { return {x + 0.5, y + 0.5}; }

    Entwurf &zug(Form form, std::initializer_list<QPointF> punkte)
    {
        QList<QPointF> mitten;
        for (const QPointF &punkt : punkte)
            mitten.append(mitte(punkt.x(), punkt.y()));
        return element(form, mitten);
    }

    Entwurf &element(Form form, QList<QPointF> punkte, qreal r = 0, qreal s = 0)
    {
        m_bild.elemente.append({form, m_fuellung, m_rand, m_breite, std::move(punkte), r, s});
        return *this;
    }

    Bild m_bild;
    QColor m_fuellung;
    QColor m_rand;
    qreal m_breite = 0;
};

QColor farbe(QRgb wert)
{
    return QColor::fromRgb(wert);
}

const QColor holz = farbe(0x5d4037);
const QColor rasen = farbe(0x2e7d32);
const QColor blau = farbe(0x1565c0);
const QColor rot = farbe(0xc62828);
const QColor gelb = farbe(0xf9a825);
const QColor schiefer = farbe(0x455a64);
const QColor weiss = Qt::white;
const QColor keine;

// A table-football pitch with the rods of both teams.
Bild startbild_entwerfen()
{
    Entwurf e({480, 300});
    e.fuellen(holz).abgerundet(0, 0, 479, 299, 18);
    e.fuellen(rasen).rechteck(20, 20, 459, 279);
    e.fuellen(keine).umranden(weiss, 3);
    e.rechteck(24, 24, 455, 275).linie(240, 24, 240, 275).kreis(240, 150, 45);
    e.rechteck(24, 100, 54, 200).rechteck(425, 100, 455, 200);
    e.umranden(farbe(0xbdbdbd), 4);
    for (const qreal x : {70, 130, 190, 290, 350, 410})
        e.linie(x, 10, x, 290);
    e.umranden(keine);
    const auto figur = [&e](qreal x, qreal y) {
        e.abgerundet(x, y, x + 14, y + 20, 4);
    };
    e.fuellen(blau);
    for (const QPointF &p :
         {QPointF(63, 140), {183, 60}, {183, 140}, {183, 220}, {343, 90}, {343, 190}})
        figur(p.x(), p.y());
    e.fuellen(rot);
    for (const QPointF &p :
         {QPointF(403, 140), {283, 60}, {283, 140}, {283, 220}, {123, 90}, {123, 190}})
        figur(p.x(), p.y());
    e.fuellen(weiss).kreis(228, 128, 8);
    return e.fertig();
}

QHash<QString, Bild> symbole_entwerfen()
{
    QHash<QString, Bild> symbole;
    const auto neu = [] {
        return Entwurf({48, 48});
    };

    Entwurf e = neu();
    e.fuellen(rasen).kreis(20, 14, 9).abgerundet(6, 26, 34, 44, 8);
    e.fuellen(gelb).rechteck(36, 18, 42, 40).rechteck(28, 26, 50, 32);
    symbole.insert(u"erfassen"_s, e.fertig());

    e = neu();
    e.fuellen(weiss).umranden(schiefer, 2).abgerundet(6, 4, 42, 44, 4);
    e.fuellen(keine).umranden(rasen, 4);
    e.linienzug({{12, 16}, {16, 20}, {24, 10}}).linienzug({{12, 32}, {16, 36}, {24, 26}});
    e.umranden(schiefer, 3).linie(28, 16, 38, 16).linie(28, 32, 38, 32);
    symbole.insert(u"auswaehlen"_s, e.fertig());

    e = neu();
    e.fuellen(blau).kreis(15, 14, 8).abgerundet(3, 24, 27, 44, 8);
    e.fuellen(rot).kreis(33, 14, 8).abgerundet(21, 24, 45, 44, 8);
    symbole.insert(u"gruppen"_s, e.fertig());

    e = neu();
    e.fuellen(weiss).umranden(farbe(0x37474f), 2).rechteck(4, 6, 44, 42);
    e.linie(4, 18, 44, 18).linie(4, 30, 44, 30).linie(17, 6, 17, 42).linie(31, 6, 31, 42);
    e.umranden(keine).fuellen(blau).rechteck(5, 7, 16, 17);
    e.fuellen(rot).rechteck(18, 7, 30, 17);
    symbole.insert(u"turnierplan"_s, e.fertig());

    e = neu();
    e.fuellen(farbe(0xb0bec5)).rechteck(3, 24, 16, 44);
    e.fuellen(gelb).rechteck(17, 12, 31, 44);
    e.fuellen(farbe(0xbf8040)).rechteck(32, 30, 45, 44);
    e.fuellen(weiss).kreis(24, 20, 3);
    symbole.insert(u"tabelle"_s, e.fertig());

    e = neu();
    const QColor rad = farbe(0x546e7a);
    e.fuellen(rad).kreis(24, 24, 18);
    e.fuellen(farbe(0xcfd8dc)).kreis(24, 24, 8);
    e.fuellen(rad).rechteck(21, 2, 27, 10).rechteck(21, 38, 27, 46);
    e.rechteck(2, 21, 10, 27).rechteck(38, 21, 46, 27);
    symbole.insert(u"einstellungen"_s, e.fertig());

    e = neu();
    e.fuellen(blau).abgerundet(6, 6, 42, 42, 4);
    e.fuellen(weiss).rechteck(13, 6, 35, 18);
    e.fuellen(farbe(0x90caf9)).rechteck(12, 26, 36, 42);
    e.fuellen(blau).rechteck(28, 8, 32, 16);
    symbole.insert(u"backup"_s, e.fertig());

    e = neu();
    e.fuellen(farbe(0xd7b98e)).ellipse(24, 24, 21, 18);
    e.fuellen(rot).kreis(14, 18, 5);
    e.fuellen(rasen).kreis(26, 13, 5);
    e.fuellen(blau).kreis(36, 20, 5);
    e.fuellen(gelb).kreis(33, 32, 5);
    e.fuellen(weiss).kreis(16, 32, 4);
    symbole.insert(u"farben"_s, e.fertig());

    e = neu();
    e.fuellen(farbe(0xeceff1)).umranden(schiefer, 2).rechteck(10, 4, 38, 44);
    e.fuellen(farbe(0x8d6e63)).vieleck({{10, 4}, {28, 10}, {28, 48}, {10, 44}});
    e.fuellen(gelb).umranden(keine).kreis(24, 27, 2);
    symbole.insert(u"beenden"_s, e.fertig());
    return symbole;
}

QPen stift(const Element &element)
{
    if (!element.rand.isValid())
        return Qt::NoPen;
    QPen stift(element.rand, element.randbreite);
    stift.setCapStyle(Qt::FlatCap);
    stift.setJoinStyle(Qt::MiterJoin);
    return stift;
}

} // namespace

const Bild &startbild()
{
    static const Bild bild = startbild_entwerfen();
    return bild;
}

const Bild *symbol(QStringView name)
{
    static const QHash<QString, Bild> symbole = symbole_entwerfen();
    const auto treffer = symbole.constFind(name.toString());
    return treffer == symbole.constEnd() ? nullptr : &*treffer;
}

void zeichnen(QPainter &maler, const Bild &bild, const QRectF &ziel)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setClipRect(ziel, Qt::IntersectClip);
    maler.translate(ziel.topLeft());
    maler.scale(ziel.width() / bild.groesse.width(), ziel.height() / bild.groesse.height());
    for (const Element &e : bild.elemente) {
        maler.setPen(stift(e));
        maler.setBrush(e.fuellung.isValid() ? QBrush(e.fuellung) : QBrush(Qt::NoBrush));
        const QList<QPointF> &p = e.punkte;
        switch (e.form) {
        case Form::rechteck:
            maler.drawRect(QRectF(p[0], p[1]));
            break;
        case Form::abgerundet:
            maler.drawRoundedRect(QRectF(p[0], p[1]), e.r, e.r);
            break;
        case Form::kreis:
            maler.drawEllipse(p[0], e.r, e.r);
            break;
        case Form::ellipse:
            maler.drawEllipse(p[0], e.r, e.s);
            break;
        case Form::linie:
            maler.drawLine(p[0], p[1]);
            break;
        case Form::linienzug:
            maler.drawPolyline(p.constData(), int(p.size()));
            break;
        case Form::vieleck:
            maler.drawPolygon(p.constData(), int(p.size()));
            break;
        }
    }
    maler.restore();
}

QPixmap als_pixmap(const Bild &bild, QSize groesse, qreal skalierung)
{
    QPixmap pixmap(groesse * skalierung);
    pixmap.setDevicePixelRatio(skalierung);
    pixmap.fill(Qt::transparent);
    QPainter maler(&pixmap);
    zeichnen(maler, bild, QRectF(QPointF(0, 0), QSizeF(groesse)));
    return pixmap;
}

} // namespace zeichnung
