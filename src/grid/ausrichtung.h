#pragma once

#include <QtGlobal>

// Alignment values of grid columns are text flags: 0 left, 1 centred, 2 right, 4 vertically
// centred, 8 at the bottom, 16 word wrap, 32 single line.
inline constexpr qint32 ausrichtung_mitte = 1;
inline constexpr qint32 ausrichtung_rechts = 2;
inline constexpr qint32 ausrichtung_senkrecht_mitte = 4;
inline constexpr qint32 ausrichtung_unten = 8;
inline constexpr qint32 ausrichtung_umbruch = 16;
inline constexpr qint32 ausrichtung_einzeilig = 32;

// The two alignments the program's tables use: left or centred, on one vertically centred line.
inline constexpr qint32 ausrichtung_links_mittig =
    ausrichtung_einzeilig | ausrichtung_senkrecht_mitte;
inline constexpr qint32 ausrichtung_zentriert = ausrichtung_links_mittig | ausrichtung_mitte;
