#include "storage/csv_leser.h"

#include "storage/text1252.h"

#include <QStringDecoder>
#include <QVarLengthArray>
#include <array>

using namespace Qt::StringLiterals;

namespace speicher {

namespace {

constexpr QByteArrayView bom_utf8("\xEF\xBB\xBF");
// Enough rows to tell the separator from a comma inside a name or street.
constexpr int probezeilen = 20;
constexpr std::array<char, 3> trenner_kandidaten{';', '\t', ','};

bool ist_utf8(QByteArrayView bytes)
{
    // Decoded in pieces into one reused buffer: only the verdict is needed.
    constexpr qsizetype stueck = 64 * 1024;
    QStringDecoder fortlaufend(QStringDecoder::Utf8);
    QVarLengthArray<QChar> puffer(stueck + 4);
    for (qsizetype i = 0; i < bytes.size(); i += stueck) {
        fortlaufend.appendToBuffer(puffer.data(), bytes.sliced(i, qMin(stueck, bytes.size() - i)));
        if (fortlaufend.hasError())
            return false;
    }
    return true;
}

// Splits the bytes into rows of raw fields. Separators, quotes and line ends are ASCII, which
// neither UTF-8 nor Windows-1252 uses inside another character, so the bytes are split before
// they are decoded.
class Zerleger
{
public:
    Zerleger(QByteArrayView bytes, char trenner)
        : m_bytes(bytes)
        , m_trenner(trenner)
    {
    }

    // The next row's fields; false at the end of the bytes.
    bool zeile(QList<QByteArray> &felder)
    {
        felder.clear();
        if (m_pos >= m_bytes.size())
            return false;
        for (;;) {
            if (felder.size() < csv_hoechste_spaltenzahl)
                felder.append(feld());
            else
                feld();
            if (m_pos >= m_bytes.size())
                return true;
            const char c = m_bytes[m_pos++];
            if (c == m_trenner) {
                if (m_pos >= m_bytes.size()) {
                    if (felder.size() < csv_hoechste_spaltenzahl)
                        felder.append(QByteArray());
                    return true;
                }
                continue;
            }
            if (c == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
                ++m_pos;
            return true;
        }
    }

private:
    bool zeilenende_oder_trenner(char c) const { return c == m_trenner || c == '\r' || c == '\n'; }

    QByteArray feld()
    {
        QByteArray text;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            ++m_pos;
            in_anfuehrungszeichen(text);
        }
        // Unquoted text, or what stands after a closing quote, is taken as it is.
        const qsizetype anfang = m_pos;
        while (m_pos < m_bytes.size() && !zeilenende_oder_trenner(m_bytes[m_pos]))
            ++m_pos;
        text.append(m_bytes.sliced(anfang, m_pos - anfang));
        return text;
    }

    // Up to the closing quote; "" stands for one quote. An unclosed quote runs to the end.
    void in_anfuehrungszeichen(QByteArray &text)
    {
        for (;;) {
            const qsizetype quote = m_bytes.indexOf('"', m_pos);
            if (quote < 0) {
                text.append(m_bytes.sliced(m_pos));
                m_pos = m_bytes.size();
                return;
            }
            text.append(m_bytes.sliced(m_pos, quote - m_pos));
            m_pos = quote + 1;
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
                text += '"';
                ++m_pos;
                continue;
            }
            return;
        }
    }

    QByteArrayView m_bytes;
    char m_trenner;
    qsizetype m_pos = 0;
};

// Text files hold no zero bytes and few control characters; pictures, archives and spreadsheets
// in their own format hold many.
bool sieht_binaer_aus(QByteArrayView bytes)
{
    if (bytes.contains('\0'))
        return true;
    const QByteArrayView anfang = bytes.first(qMin<qsizetype>(bytes.size(), 64 * 1024));
    qsizetype steuerzeichen = 0;
    for (char c : anfang) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\r' && c != '\n')
            ++steuerzeichen;
    }
    return steuerzeichen * 100 > anfang.size();
}

bool leer(const QList<QByteArray> &felder)
{
    for (const QByteArray &f : felder)
        if (!f.isEmpty())
            return false;
    return true;
}

// The field counts of the first rows with this separator: the same count above one in every
// row beats any other, then the larger smallest count; ties go to the earlier candidate.
char trenner_erkennen(QByteArrayView bytes)
{
    char bester = trenner_kandidaten.front();
    std::pair<bool, qsizetype> beste_wertung{false, 1};
    for (char kandidat : trenner_kandidaten) {
        Zerleger zerleger(bytes, kandidat);
        QList<QByteArray> felder;
        qsizetype kleinste = -1;
        bool gleich = true;
        for (int n = 0; n < probezeilen && zerleger.zeile(felder);) {
            if (leer(felder))
                continue;
            if (kleinste >= 0 && felder.size() != kleinste)
                gleich = false;
            kleinste = kleinste < 0 ? felder.size() : qMin(kleinste, felder.size());
            ++n;
        }
        const std::pair<bool, qsizetype> wertung{gleich && kleinste > 1, kleinste};
        if (kleinste > 1 && wertung > beste_wertung) {
            bester = kandidat;
            beste_wertung = wertung;
        }
    }
    return bester;
}

} // namespace

std::optional<QString> csv_lesen(QByteArrayView bytes, CsvTabelle &tabelle, qsizetype hoechstens)
{
    tabelle = {};
    if (bytes.startsWith(QByteArrayView("\xFF\xFE")) ||
        bytes.startsWith(QByteArrayView("\xFE\xFF")))
        return u"Die Datei ist als Unicode-Text (UTF-16) gespeichert. Bitte speichern Sie die "
               u"Tabelle als CSV (UTF-8 oder Windows) und wählen Sie diese Datei."_s;
    const bool mit_bom = bytes.startsWith(bom_utf8);
    if (mit_bom)
        bytes = bytes.sliced(bom_utf8.size());
    if (bytes.trimmed().isEmpty())
        return u"Die Datei ist leer."_s;
    if (sieht_binaer_aus(bytes))
        return u"Die Datei ist keine Textdatei. Bitte speichern Sie die Tabelle als CSV-Datei "
               u"und wählen Sie diese."_s;

    tabelle.kodierung = mit_bom || ist_utf8(bytes) ? CsvKodierung::utf8 : CsvKodierung::windows1252;
    tabelle.trenner = trenner_erkennen(bytes);
    Zerleger zerleger(bytes, tabelle.trenner);
    QList<QByteArray> felder;
    while (zerleger.zeile(felder)) {
        if (leer(felder))
            continue;
        if (hoechstens >= 0 && tabelle.zeilen.size() >= hoechstens) {
            tabelle.abgeschnitten = true;
            break;
        }
        QStringList texte;
        texte.reserve(felder.size());
        for (const QByteArray &f : felder)
            texte.append(tabelle.kodierung == CsvKodierung::utf8 ? QString::fromUtf8(f)
                                                                 : aus_1252(f));
        tabelle.zeilen.append(std::move(texte));
    }
    return std::nullopt;
}

} // namespace speicher
