#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

// A compiled help file reduced to its directory: the file header, the directory header and
// chunks given as (kind, entries). Index chunks ("PMGI") hold (name, chunk number) entries,
// listing chunks ("PMGL") (name, section, offset, length) entries.
struct ChmBlock
{
    QByteArray art;
    QByteArray eintraege;
};

inline QByteArray chm_zahl(quint64 wert)
{
    QByteArray bytes(1, char(wert & 0x7f));
    while (wert >>= 7)
        bytes.prepend(char(0x80 | (wert & 0x7f)));
    return bytes;
}

inline QByteArray chm_verzeichnis_bauen(const QList<ChmBlock> &bloecke, qint32 wurzel,
                                        quint32 block_laenge = 0x200)
{
    QByteArray datei(0x60 + 0x54, '\0');
    auto u32 = [&datei](qsizetype pos, quint32 wert) {
        qToLittleEndian<quint32>(wert, datei.data() + pos);
    };
    datei.replace(0, 4, "ITSF");
    u32(4, 3);
    u32(8, 0x60);
    qToLittleEndian<quint64>(0x60, datei.data() + 0x48);
    datei.replace(0x60, 4, "ITSP");
    u32(0x60 + 4, 1);
    u32(0x60 + 8, 0x54);
    u32(0x60 + 0x10, block_laenge);
    u32(0x60 + 0x18, 2);
    u32(0x60 + 0x1c, quint32(wurzel));
    u32(0x60 + 0x20, quint32(bloecke.size() - 1));
    u32(0x60 + 0x2c, quint32(bloecke.size()));
    for (const ChmBlock &b : bloecke) {
        const qsizetype kopf = b.art == "PMGI" ? 8 : 0x14;
        QByteArray block(block_laenge, '\0');
        block.replace(0, 4, b.art);
        block.replace(kopf, b.eintraege.size(), b.eintraege);
        qToLittleEndian<quint32>(quint32(block_laenge - kopf - b.eintraege.size()),
                                 block.data() + 4);
        datei += block.left(block_laenge);
    }
    qToLittleEndian<quint64>(quint64(datei.size() - 0x60), datei.data() + 0x50);
    return datei;
}
