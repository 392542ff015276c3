#include "storage/satzbild.h"

#include "storage/text1252.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace speicher {

bool Satzbild::von_bytes(QByteArrayView quelle)
{
    if (quelle.size() < m_bytes.size())
        return false;
    std::copy_n(quelle.data(), m_bytes.size(), m_bytes.data());
    return true;
}

qint32 Satzbild::lies_int32(int offset) const
{
    Q_ASSERT(offset >= 0 && offset + 4 <= m_bytes.size());
    return qFromLittleEndian<qint32>(m_bytes.constData() + offset);
}

void Satzbild::schreibe_int32(int offset, qint32 wert)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= m_bytes.size());
    qToLittleEndian<qint32>(wert, m_bytes.data() + offset);
}

qint32 Satzbild::wert(Int32Feld feld) const
{
    return lies_int32(feld.offset);
}
void Satzbild::setze(Int32Feld feld, qint32 wert)
{
    schreibe_int32(feld.offset, wert);
}
qint32 Satzbild::wert(FarbeFeld feld) const
{
    return lies_int32(feld.offset);
}
void Satzbild::setze(FarbeFeld feld, qint32 wert)
{
    schreibe_int32(feld.offset, wert);
}

double Satzbild::wert(DoubleFeld feld) const
{
    Q_ASSERT(feld.offset >= 0 && feld.offset + 8 <= m_bytes.size());
    const quint64 bits = qFromLittleEndian<quint64>(m_bytes.constData() + feld.offset);
    double ergebnis;
    std::memcpy(&ergebnis, &bits, sizeof ergebnis);
    return ergebnis;
}

void Satzbild::setze(DoubleFeld feld, double wert)
{
    Q_ASSERT(feld.offset >= 0 && feld.offset + 8 <= m_bytes.size());
    quint64 bits;
    std::memcpy(&bits, &wert, sizeof bits);
    qToLittleEndian<quint64>(bits, m_bytes.data() + feld.offset);
}

QString Satzbild::wert(TextFeld feld) const
{
    Q_ASSERT(feld.offset >= 0 && feld.offset + 1 + feld.kapazitaet <= m_bytes.size());
    // A length byte beyond the capacity (a damaged file) is read as the full capacity.
    const int laenge = std::min<int>(quint8(m_bytes[feld.offset]), feld.kapazitaet);
    return aus_1252(QByteArrayView(m_bytes.constData() + feld.offset + 1, laenge));
}

void Satzbild::setze(TextFeld feld, const QString &text)
{
    Q_ASSERT(feld.offset >= 0 && feld.offset + 1 + feld.kapazitaet <= m_bytes.size());
    const QByteArray bytes = nach_1252(text).left(feld.kapazitaet);
    m_bytes[feld.offset] = char(quint8(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + feld.offset + 1);
}

void Satzbild::setze_bytes(int offset, QByteArrayView bytes)
{
    Q_ASSERT(offset >= 0 && offset + bytes.size() <= m_bytes.size());
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + offset);
}

} // namespace speicher
