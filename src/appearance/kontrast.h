#pragma once

#include <QColor>

// Contrast ratio of two colours after WCAG 2: 1 (same) to 21 (black on white).
double kontrast(const QColor &a, const QColor &b);

// Black or white, whichever reads better on the given background.
QColor lesbare_schrift(const QColor &hintergrund);

// The wished colour when it reads on the background (contrast 4.5 or more), else black or white.
QColor lesbare_schrift(const QColor &hintergrund, const QColor &wunsch);
