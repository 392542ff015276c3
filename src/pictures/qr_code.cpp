#include "pictures/qr_code.h"

#include <memory>
#include <qrencode.h>

namespace {

struct QrFreigabe
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};

} // namespace

QrCode qr_code(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, QrFreigabe> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code)
        return {};
    QrCode ergebnis{code->width, {}};
    ergebnis.module.reserve(qsizetype(code->width) * code->width);
    for (int i = 0; i < code->width * code->width; ++i)
        ergebnis.module << bool(code->data[i] & 1);
    return ergebnis;
}
