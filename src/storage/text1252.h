#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace speicher {

// Windows-1252 is the code page of every stored text; a character it lacks becomes '?'.
QByteArray nach_1252(const QString &text);
QString aus_1252(QByteArrayView bytes);

// Windows-1252 bytes written into one buffer, sized once for a given number of UTF-16 units:
// no character takes more than one byte, so lines of that many units in all never move it.
class Puffer1252
{
public:
    explicit Puffer1252(qsizetype einheiten);
    void anhaengen(QStringView text);
    // The text and a line feed.
    void zeile(QStringView text);
    QByteArray bytes() &&;

private:
    char *platz(qsizetype einheiten);

    QByteArray m_bytes;
    qsizetype m_laenge = 0;
};

} // namespace speicher
