#include "live/qr_bild.h"

#include "pictures/qr_code.h"

#include <QPainter>

QImage qr_bild(const QString &text, int modul_pixel)
{
    const QrCode code = qr_code(text);
    if (code.breite == 0 || modul_pixel < 1)
        return {};
    const int seite = (code.breite + 2 * qr_ruhezone) * modul_pixel;
    QImage bild(seite, seite, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    for (int y = 0; y < code.breite; ++y) {
        for (int x = 0; x < code.breite; ++x) {
            if (code.dunkel(x, y))
                maler.fillRect((x + qr_ruhezone) * modul_pixel, (y + qr_ruhezone) * modul_pixel,
                               modul_pixel, modul_pixel, Qt::black);
        }
    }
    return bild;
}
