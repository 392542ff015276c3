#pragma once

#include <QImage>
#include <QString>

// The text as a QR code, black on white with the quiet zone of four modules around it, each
// module modul_pixel pixels wide; a null image when the text cannot be encoded.
QImage qr_bild(const QString &text, int modul_pixel);
