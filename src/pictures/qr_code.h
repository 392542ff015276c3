#pragma once

#include <QList>
#include <QString>

// A text as a QR code (libqrencode, error correction M): breite x breite modules, row by row,
// true for a dark one. Empty when the text cannot be encoded.
struct QrCode
{
    int breite = 0;
    QList<bool> module;

    bool dunkel(int x, int y) const { return module[y * breite + x]; }
};

// The quiet zone a reader needs around the code, in modules.
inline constexpr int qr_ruhezone = 4;

QrCode qr_code(const QString &text);
