#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QStringView>

class QPainter;

// The start picture and the tool button symbols as drawings: nothing to decode at start, and
// sharp at every size and screen scale.
namespace zeichnung {

enum class Form {
    rechteck,   // corners a and b
    abgerundet, // corners a and b, corner radius r
    kreis,      // centre a, radius r
    ellipse,    // centre a, radii r and s
    linie,      // from a to b
    linienzug,  // through the points
    vieleck,    // closed through the points
};

struct Element
{
    Form form;
    QColor fuellung; // invalid: not filled
    QColor rand;     // invalid: no outline
    qreal randbreite = 0;
    QList<QPointF> punkte;
    qreal r = 0;
    qreal s = 0;
};

struct Bild
{
    QSizeF groesse; // the drawing's own coordinates
    QList<Element> elemente;
};

const Bild &startbild();
// A tool button's symbol by its name ("erfassen", "beenden", ...); nullptr for an unknown one.
const Bild *symbol(QStringView name);

// Stretched onto ziel.
void zeichnen(QPainter &maler, const Bild &bild, const QRectF &ziel);
// At size in device-independent pixels, sharp on a screen with the given scale.
QPixmap als_pixmap(const Bild &bild, QSize groesse, qreal skalierung = 1.0);

} // namespace zeichnung
