#pragma once

#include "storage/farbwert.h"

enum TGridDrawingStyle { gdsClassic, gdsGradient };

// What the cell painter needs of the view it paints on: the gradient settings, the sizes the
// view shows, and a way to ask for more room after a paint.
class GitterZeichenflaeche
{
public:
    virtual ~GitterZeichenflaeche() = default;
    virtual TGridDrawingStyle zeichenstil() const = 0;
    virtual TColor verlauf_anfang() const = 0;
    virtual TColor verlauf_ende() const = 0;
    virtual int gezeigte_breite(int aCol) const = 0;
    virtual int gezeigte_hoehe(int aRow) const = 0;
    // A painted cell asks for a wider column or a higher row; -1 leaves that one alone.
    virtual void masse_anheben(int aCol, int breite, int aRow, int hoehe) = 0;
};
