#include "appearance/kontrast.h"

#include <algorithm>
#include <cmath>

namespace {

double kanal(double wert)
{
    return wert <= 0.03928 ? wert / 12.92 : std::pow((wert + 0.055) / 1.055, 2.4);
}

double leuchtdichte(const QColor &farbe)
{
    return 0.2126 * kanal(farbe.redF()) + 0.7152 * kanal(farbe.greenF()) +
           0.0722 * kanal(farbe.blueF());
}

} // namespace

double kontrast(const QColor &a, const QColor &b)
{
    const double la = leuchtdichte(a);
    const double lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor lesbare_schrift(const QColor &hintergrund)
{
    const QColor schwarz(Qt::black);
    const QColor weiss(Qt::white);
    return kontrast(schwarz, hintergrund) >= kontrast(weiss, hintergrund) ? schwarz : weiss;
}

QColor lesbare_schrift(const QColor &hintergrund, const QColor &wunsch)
{
    return kontrast(hintergrund, wunsch) >= 4.5 ? wunsch : lesbare_schrift(hintergrund);
}
