#include "storage/text1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace speicher {

namespace {

bool nur_direkt_abbildbar(const QString &text)
{
    // ASCII and Latin-1 from 0xA0 on have the same byte in Windows-1252.
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80 && (u < 0xA0 || u > 0xFF))
            return false;
    }
    return true;
}

} // namespace

QByteArray nach_1252(const QString &text)
{
    if (nur_direkt_abbildbar(text))
        return text.toLatin1();

    QByteArray ergebnis;
    ergebnis.reserve(text.size());
    const QStringView ansicht(text);
    for (qsizetype i = 0; i < ansicht.size(); ++i) {
        qsizetype laenge = 1;
        if (ansicht[i].isHighSurrogate() && i + 1 < ansicht.size() &&
            ansicht[i + 1].isLowSurrogate())
            laenge = 2;
        QStringEncoder encoder("windows-1252");
        const QByteArray zeichen = encoder.encode(ansicht.mid(i, laenge));
        ergebnis += (encoder.hasError() || zeichen.size() != 1) ? QByteArray("?") : zeichen;
        i += laenge - 1;
    }
    return ergebnis;
}

QString aus_1252(QByteArrayView bytes)
{
    // Only 0x80..0x9F differ from Latin-1; most stored texts have none of them and spare the
    // converter, which would otherwise be opened for every field read.
    const bool latin1 = std::none_of(bytes.begin(), bytes.end(),
                                     [](char c) { return quint8(c) >= 0x80 && quint8(c) < 0xA0; });
    if (latin1)
        return QString::fromLatin1(bytes);
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

} // namespace speicher
