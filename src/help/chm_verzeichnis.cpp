#include "help/chm_verzeichnis.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QtEndian>

namespace {

constexpr qint64 itsf_laenge_v2 = 0x58;
constexpr qint64 itsf_laenge_v3 = 0x60;
constexpr qint64 itsp_laenge = 0x54;
constexpr quint32 kleinster_block = 0x20;
constexpr quint32 groesster_block = 1u << 20;
constexpr quint64 laengster_pfad = 512; // the library's path buffer
constexpr qint64 pmgl_kopf = 0x14;
constexpr qint64 pmgi_kopf = 0x08;

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}
quint64 u64(const char *p)
{
    return qFromLittleEndian<quint64>(p);
}

// Reads the entries of one chunk; every field must end inside the used part of the chunk.
class Eintraege
{
public:
    Eintraege(const char *anfang, const char *ende)
        : m_p(reinterpret_cast<const uchar *>(anfang))
        , m_ende(reinterpret_cast<const uchar *>(ende))
    {
    }
    bool fertig() const { return m_p >= m_ende; }

    // A variable-length number: seven bits per byte, high bit set on all but the last.
    bool zahl(quint64 &wert)
    {
        wert = 0;
        for (int i = 0; i < 10 && m_p < m_ende; ++i) {
            const uchar b = *m_p++;
            wert = (wert << 7) | (b & 0x7f);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool name(QByteArrayView *text = nullptr)
    {
        quint64 laenge = 0;
        if (!zahl(laenge) || laenge > laengster_pfad || laenge > quint64(m_ende - m_p))
            return false;
        if (text)
            *text = QByteArrayView(m_p, qsizetype(laenge));
        m_p += laenge;
        return true;
    }

private:
    const uchar *m_p;
    const uchar *m_ende;
};

// The chunk numbers an index chunk points to; false when a reference is out of range.
bool verweise_lesen(const char *block, quint32 block_laenge, quint32 anzahl,
                    QList<quint32> &verweise)
{
    const quint32 frei = u32(block + 4);
    if (frei > block_laenge - pmgi_kopf)
        return false;
    Eintraege e(block + pmgi_kopf, block + block_laenge - frei);
    while (!e.fertig()) {
        quint64 ziel = 0;
        if (!e.name() || !e.zahl(ziel) || ziel >= anzahl)
            return false;
        verweise.append(quint32(ziel));
    }
    return true;
}

// The objects that set up decompression; the library divides by their values unchecked.
enum class Lzx { steuerung, ruecksetztabelle };
// Content sections: section 0 is uncompressed; the library takes every other section as
// compressed, yet only switches decompression off for section 1.
constexpr quint64 komprimiert = 1;
struct LzxObjekt
{
    Lzx art;
    quint64 teil, lage, laenge;
};

bool liste_gueltig(const char *block, quint32 block_laenge, QList<LzxObjekt> &lzx)
{
    const quint32 frei = u32(block + 4);
    if (frei > block_laenge - pmgl_kopf)
        return false;
    Eintraege e(block + pmgl_kopf, block + block_laenge - frei);
    while (!e.fertig()) {
        QByteArrayView name;
        quint64 teil = 0, lage = 0, laenge = 0;
        if (!e.name(&name) || !e.zahl(teil) || !e.zahl(lage) || !e.zahl(laenge))
            return false;
        // The library copies the name into a C string, so it ends at the first NUL.
        if (const qsizetype nul = name.indexOf('\0'); nul >= 0)
            name.truncate(nul);
        if (name.compare("::DataSpace/Storage/MSCompressed/ControlData", Qt::CaseInsensitive) == 0)
            lzx.append({Lzx::steuerung, teil, lage, laenge});
        else if (name.compare("::DataSpace/Storage/MSCompressed/Transform/"
                              "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
                              Qt::CaseInsensitive) == 0)
            lzx.append({Lzx::ruecksetztabelle, teil, lage, laenge});
    }
    for (const LzxObjekt &o : lzx)
        if (o.teil > komprimiert)
            return false;
    return true;
}

// The control data as the library reads it, with its 32-bit arithmetic: a window of 2^15 to
// 2^21 bytes, a reset interval that is a whole number of half windows, and at least one block
// per reset.
bool steuerung_gueltig(const QByteArray &d)
{
    if (d.size() < 0x18 || QByteArrayView(d).sliced(4, 4) != "LZXC")
        return false;
    const quint32 version = u32(d.constData() + 8);
    quint32 intervall = u32(d.constData() + 0x0c);
    quint32 fenster = u32(d.constData() + 0x10);
    const quint32 fenster_je_intervall = u32(d.constData() + 0x14);
    if (version == 2) {
        intervall *= 0x8000u;
        fenster *= 0x8000u;
    }
    if (fenster < (1u << 15) || fenster > (1u << 21) || (fenster & (fenster - 1)) != 0)
        return false;
    const quint32 halb = fenster / 2;
    return intervall != 0 && intervall % halb == 0 && intervall / halb * fenster_je_intervall != 0;
}

// The library sizes its block buffers with the low 32 bits of the block length but copies
// with all 64; the decompressor works in frames of 32 KiB.
bool ruecksetztabelle_gueltig(const QByteArray &d)
{
    return d.size() >= 0x28 && u32(d.constData()) == 2 && u64(d.constData() + 0x20) == 0x8000;
}

// Objects stored uncompressed lie in the content section that starts at daten_ab.
bool lzx_gueltig(QIODevice &datei, quint64 daten_ab, const QList<LzxObjekt> &objekte)
{
    for (const LzxObjekt &o : objekte) {
        if (o.teil == komprimiert)
            continue; // the library then leaves the file uncompressed
        const quint64 ab = daten_ab + o.lage;
        if (ab < daten_ab || ab >= quint64(datei.size()) || !datei.seek(qint64(ab)))
            return false;
        const QByteArray d = datei.read(qint64(qMin<quint64>(o.laenge, 0x40)));
        if (!(o.art == Lzx::steuerung ? steuerung_gueltig(d) : ruecksetztabelle_gueltig(d)))
            return false;
    }
    return true;
}

// Depth-first search over the index references; a reference back into the current path is a
// loop.
bool schleifenfrei(const QList<QList<quint32>> &verweise)
{
    enum Farbe : char { neu, offen, fertig };
    QList<Farbe> farbe(verweise.size(), neu);
    QList<QPair<quint32, qsizetype>> pfad;
    for (quint32 start = 0; start < quint32(verweise.size()); ++start) {
        if (farbe[start] != neu)
            continue;
        farbe[start] = offen;
        pfad.append({start, 0});
        while (!pfad.isEmpty()) {
            auto &[knoten, naechster] = pfad.last();
            if (naechster == verweise[knoten].size()) {
                farbe[knoten] = fertig;
                pfad.removeLast();
                continue;
            }
            const quint32 ziel = verweise[knoten][naechster++];
            if (farbe[ziel] == offen)
                return false;
            if (farbe[ziel] == neu) {
                farbe[ziel] = offen;
                pfad.append({ziel, 0});
            }
        }
    }
    return true;
}

} // namespace

bool chm_verzeichnis_gueltig(QIODevice &datei)
{
    const qint64 groesse = datei.size();
    if (!datei.seek(0))
        return false;
    const QByteArray itsf = datei.read(itsf_laenge_v3);
    if (itsf.size() < itsf_laenge_v2 || !itsf.startsWith("ITSF"))
        return false;
    const quint32 version = u32(itsf.constData() + 4);
    const quint32 kopf = u32(itsf.constData() + 8);
    if ((version != 2 && version != 3) ||
        kopf < quint32(version == 2 ? itsf_laenge_v2 : itsf_laenge_v3) || kopf > groesse)
        return false;

    const quint64 verzeichnis = u64(itsf.constData() + 0x48);
    if (verzeichnis > quint64(groesse - itsp_laenge) || !datei.seek(qint64(verzeichnis)))
        return false;
    const QByteArray itsp = datei.read(itsp_laenge);
    if (itsp.size() != itsp_laenge || !itsp.startsWith("ITSP") || u32(itsp.constData() + 4) != 1 ||
        u32(itsp.constData() + 8) != itsp_laenge)
        return false;
    const quint32 block_laenge = u32(itsp.constData() + 0x10);
    const qint32 wurzel = qint32(u32(itsp.constData() + 0x1c));
    const quint32 erste_liste = u32(itsp.constData() + 0x20);
    const quint32 anzahl = u32(itsp.constData() + 0x2c);
    if (block_laenge < kleinster_block || block_laenge > groesster_block || anzahl == 0)
        return false;
    const qint64 bloecke_ab = qint64(verzeichnis) + itsp_laenge;
    if (anzahl > quint64(groesse - bloecke_ab) / block_laenge)
        return false;
    if (erste_liste >= anzahl || (wurzel >= 0 && quint32(wurzel) >= anzahl))
        return false;

    const QByteArray bloecke = datei.read(qint64(anzahl) * block_laenge);
    if (bloecke.size() != qint64(anzahl) * block_laenge)
        return false;
    QList<QList<quint32>> verweise(anzahl);
    QList<LzxObjekt> lzx;
    for (quint32 i = 0; i < anzahl; ++i) {
        const char *block = bloecke.constData() + qint64(i) * block_laenge;
        if (QByteArrayView(block, 4) == "PMGI") {
            if (!verweise_lesen(block, block_laenge, anzahl, verweise[i]))
                return false;
        } else if (QByteArrayView(block, 4) == "PMGL") {
            if (!liste_gueltig(block, block_laenge, lzx))
                return false;
        }
    }
    const quint64 daten_ab =
        version == 3 ? u64(itsf.constData() + 0x58) : verzeichnis + u64(itsf.constData() + 0x50);
    return schleifenfrei(verweise) && lzx_gueltig(datei, daten_ab, lzx);
}
