#pragma once

#include <QColor>
#include <QString>
#include <optional>

// A stored colour value: 0x00BBGGRR for a plain colour, or a negative number for a system
// colour (0xFF000000 | index) that is only turned into a palette colour when drawn.
using TColor = qint32;

inline constexpr TColor system_farbe(int index)
{
    return TColor(0xFF000000u | unsigned(index));
}

inline constexpr TColor clBtnFace = system_farbe(15);
inline constexpr TColor clWindow = system_farbe(5);
inline constexpr TColor clWindowText = system_farbe(8);
inline constexpr TColor clHighlight = system_farbe(13);
inline constexpr TColor clHighlightText = system_farbe(14);
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

// A colour name (clBtnFace, case ignored) or a decimal number, "$" for hexadecimal.
std::optional<TColor> farbe_lesen(const QString &text);
// The colour as a real colour; system colours from the application palette.
QColor farbe_zu_qcolor(TColor farbe);
TColor qcolor_zu_farbe(const QColor &farbe);
