#pragma once

#include "storage/farbwert.h"

#include <QString>

// The colours of the time display while a game runs, as 0x00BBGGRR.
inline constexpr TColor uhr_gruen = 0x0000FF00;
inline constexpr TColor uhr_gelb = 0x0000FFFF;
inline constexpr TColor uhr_rot = 0x000000FF;

// "05 : 07", "12 : 30", "00 : 38": minutes with at least two digits, seconds with two; the last
// minute too, so that a time never reads like a score.
QString zeit_text(int minuten, int sekunden);
// Lime while a minute or more remains, yellow in the last minute, red below 15 seconds.
TColor laufende_farbe(int restsekunden);
