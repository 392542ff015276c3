#pragma once

#include <QByteArray>
#include <QString>

namespace speicher {

// Field descriptors: each record declares its fields once as constants of these types.
struct Int32Feld
{
    int offset;
};
// A colour as stored: 0x00BBGGRR, or a negative system colour.
struct FarbeFeld
{
    int offset;
};
struct DoubleFeld
{
    int offset;
};
// String[N]: one length byte, then N bytes in Windows-1252.
struct TextFeld
{
    int offset;
    int kapazitaet;
};

// The byte image of a fixed-size record. Bytes not covered by a field keep what was read.
class Satzbild
{
public:
    explicit Satzbild(int groesse)
        : m_bytes(groesse, '\0')
    {
    }

    int groesse() const { return int(m_bytes.size()); }
    const QByteArray &bytes() const { return m_bytes; }
    // Takes the first groesse() bytes; false (and unchanged) when fewer are given.
    bool von_bytes(QByteArrayView quelle);

    qint32 wert(Int32Feld feld) const;
    void setze(Int32Feld feld, qint32 wert);
    qint32 wert(FarbeFeld feld) const;
    void setze(FarbeFeld feld, qint32 wert);
    double wert(DoubleFeld feld) const;
    void setze(DoubleFeld feld, double wert);
    QString wert(TextFeld feld) const;
    // Cuts the text at the field's capacity in bytes; the bytes after it stay as they were.
    void setze(TextFeld feld, const QString &text);

    // Raw access for reserved areas whose exact bytes matter.
    void setze_bytes(int offset, QByteArrayView bytes);

private:
    qint32 lies_int32(int offset) const;
    void schreibe_int32(int offset, qint32 wert);

    QByteArray m_bytes;
};

} // namespace speicher
