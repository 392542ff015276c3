#include "storage/text1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace speicher {

namespace {

// ASCII and Latin-1 from 0xA0 on have the same byte in Windows-1252.
bool direkt_abbildbar(char16_t u)
{
    return u < 0x80 || (u >= 0xA0 && u <= 0xFF);
}

bool nur_direkt_abbildbar(const QString &text)
{
    for (QChar c : text) {
        if (!direkt_abbildbar(c.unicode()))
            return false;
    }
    return true;
}

// One character (a surrogate pair is one) as its byte, or '?' when the code page lacks it.
char zeichen_1252(QStringView zeichen)
{
    QStringEncoder encoder("windows-1252");
    const QByteArray byte = encoder.encode(zeichen);
    return (encoder.hasError() || byte.size() != 1) ? '?' : byte.front();
}

// The length of the character at i: 2 for a surrogate pair, else 1.
qsizetype zeichenlaenge(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
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
        const qsizetype laenge = zeichenlaenge(ansicht, i);
        ergebnis += zeichen_1252(ansicht.mid(i, laenge));
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

Puffer1252::Puffer1252(qsizetype einheiten)
{
    m_bytes.resize(einheiten);
}

char *Puffer1252::platz(qsizetype einheiten)
{
    // Only a caller that sized the buffer too small gets here.
    if (m_laenge + einheiten > m_bytes.size())
        m_bytes.resize(std::max(m_bytes.size() * 2, m_laenge + einheiten));
    return m_bytes.data() + m_laenge;
}

void Puffer1252::anhaengen(QStringView text)
{
    char *const anfang = platz(text.size());
    char *ziel = anfang;
    const char16_t *quelle = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (direkt_abbildbar(quelle[i])) {
            *ziel++ = char(quelle[i]);
            continue;
        }
        const qsizetype laenge = zeichenlaenge(text, i);
        *ziel++ = zeichen_1252(text.mid(i, laenge));
        i += laenge - 1;
    }
    m_laenge += ziel - anfang;
}

void Puffer1252::zeile(QStringView text)
{
    anhaengen(text);
    *platz(1) = '\n';
    ++m_laenge;
}

QByteArray Puffer1252::bytes() &&
{
    m_bytes.truncate(m_laenge);
    return std::move(m_bytes);
}

} // namespace speicher
