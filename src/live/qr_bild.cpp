#include "live/qr_bild.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

namespace {

constexpr int ruhezone = 4;

struct QrFreigabe
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};

} // namespace

QImage qr_bild(const QString &text, int modul_pixel)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, QrFreigabe> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code || modul_pixel < 1)
        return {};
    const int breite = code->width;
    const int seite = (breite + 2 * ruhezone) * modul_pixel;
    QImage bild(seite, seite, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    for (int y = 0; y < breite; ++y) {
        for (int x = 0; x < breite; ++x) {
            if (code->data[y * breite + x] & 1)
                maler.fillRect((x + ruhezone) * modul_pixel, (y + ruhezone) * modul_pixel,
                               modul_pixel, modul_pixel, Qt::black);
        }
    }
    return bild;
}
