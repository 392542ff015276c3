// The grid's own text file: counts, header list, sort columns, cells, column information and
// selection, one value per line.
#include "grid/gitterdatei.h"

#include "grid/spalteninfo.h"
#include "grid/zahltext.h"
#include "grid/zeilenleser.h"
#include "storage/text1252.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar zeilenzeichen = u'\u00AF';

std::optional<qint32> ganzzahl(const QString &zeile)
{
    bool ok = false;
    const qint32 wert = zeile.trimmed().toInt(&ok, 10);
    return ok ? std::optional<qint32>(wert) : std::nullopt;
}

QString beschaedigt(const QString &datei, const QString &grund)
{
    return u"Die Datei %1 ist beschädigt: %2."_s.arg(datei, grund);
}

bool hat_zeilenumbruch(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
}

QString zelle_fuer_datei(const QString &text)
{
    // A line break would split the cell and shift every later value of the file.
    QString ohne = text;
    ohne.replace(u"\r\n"_s, QString(zeilenzeichen));
    return ReplaceChars(ohne, u"\r\n"_s, zeilenzeichen);
}

// The parts of a grid file in their order; each returns the message when it is damaged.
class Leser
{
public:
    Leser(QByteArrayView bytes, QChar trenner, const QString &name)
        : m_zeilen(speicher::aus_1252(bytes))
        , m_trenner(trenner)
        , m_name(name)
    {
    }

    QString kopf(int version, GitterdateiErgebnis &ergebnis)
    {
        ergebnis.ist_version = ganzzahl(m_zeilen.zeile()).value_or(-1);
        if (ergebnis.ist_version != version)
            return u"Die Datei %1 hat die Version %2 statt %3."_s.arg(m_name)
                .arg(ergebnis.ist_version)
                .arg(version);
        const auto spalten = ganzzahl(m_zeilen.zeile());
        const auto zeilen = ganzzahl(m_zeilen.zeile());
        if (!spalten || !zeilen || *spalten < 0 || *zeilen < 0)
            return beschaedigt(m_name, u"Spalten- oder Zeilenzahl ist keine Zahl"_s);
        const QString kopfliste = m_zeilen.zeile();
        Gitterdatei &datei = ergebnis.datei;
        datei.sortier_spalten = m_zeilen.zeile();
        // The grid grows to the counts even where the file holds fewer cells; counts that ask
        // for more than it holds and more than any list needs are nonsense, not a reason to
        // run out of memory.
        const qint64 zellen = qint64(std::max(*spalten, 1)) * std::max(*zeilen, 1);
        if (*spalten > hoechste_spaltenzahl ||
            zellen > std::max(hoechste_zellenzahl, m_zeilen.restzeilen()))
            return beschaedigt(
                m_name, u"%1 Spalten und %2 Zeilen sind zu viele"_s.arg(*spalten).arg(*zeilen));
        datei.kopfliste = kopfliste.split(zeilenzeichen);
        if (!datei.kopfliste.isEmpty() && datei.kopfliste.last().isEmpty())
            datei.kopfliste.removeLast();
        datei.version = version;
        datei.spalten = *spalten;
        datei.zeilen = *zeilen;
        return {};
    }

    void zellen(const Gitterdatei &datei, Zellen &zellen,
                const std::function<void(int, int)> &je_zeile)
    {
        for (int zeile = 0; zeile < datei.zeilen && !m_zeilen.ende(); ++zeile) {
            Zellen::Zeile &texte = zellen.zeile(zeile);
            texte.reserve(size_t(datei.spalten));
            for (int spalte = 0; spalte < datei.spalten && !m_zeilen.ende(); ++spalte)
                texte.push_back(m_zeilen.zeile());
            if (je_zeile)
                je_zeile(1, zeile);
        }
    }

    QString spalten(Gitterdatei &datei)
    {
        const QString anzahl_text = m_zeilen.zeile();
        const auto anzahl = ganzzahl(anzahl_text);
        if (!anzahl)
            return beschaedigt(m_name, kein_integer(anzahl_text));
        if (*anzahl != 0) {
            QStringList &parameter = datei.spalten_parameter.emplace();
            for (int c = 0; c < *anzahl && !m_zeilen.ende(); ++c) {
                parameter.append(m_zeilen.zeile());
                TColInfo probe;
                const QString fehler = spalteninfo_lesen(probe, parameter.last(), m_trenner, {});
                if (!fehler.isEmpty())
                    return beschaedigt(m_name, fehler);
            }
            return {};
        }
        std::vector<int> &breiten = datei.breiten.emplace();
        for (int c = 0; c < datei.spalten && !m_zeilen.ende(); ++c) {
            const QString breite_text = m_zeilen.zeile();
            const auto breite = ganzzahl(breite_text);
            if (!breite)
                return beschaedigt(m_name, kein_integer(breite_text));
            breiten.push_back(*breite);
        }
        return {};
    }

    QString auswahl(Gitterdatei &datei)
    {
        // A selection the file does not hold in full keeps zeros where it ends.
        TGridRect &auswahl = datei.auswahl.emplace(TGridRect{0, 0, 0, 0});
        for (int *ziel : {&auswahl.Top, &auswahl.Left, &auswahl.Bottom, &auswahl.Right}) {
            if (m_zeilen.ende())
                break;
            const QString wert_text = m_zeilen.zeile();
            const auto wert = ganzzahl(wert_text);
            if (!wert)
                return beschaedigt(m_name, kein_integer(wert_text));
            *ziel = *wert;
        }
        return {};
    }

    bool ende() const { return m_zeilen.ende(); }

private:
    ZeilenLeser m_zeilen;
    QChar m_trenner;
    const QString &m_name;
};

} // namespace

GitterdateiErgebnis gitterdatei_lesen(QByteArrayView bytes, int version, bool mit_spalten,
                                      bool mit_auswahl, QChar trenner, const QString &name,
                                      const std::function<void(int, int)> &je_zeile)
{
    GitterdateiErgebnis ergebnis;
    Leser leser(bytes, trenner, name);
    ergebnis.fehler = leser.kopf(version, ergebnis);
    if (!ergebnis.fehler.isEmpty())
        return ergebnis;
    ergebnis.kopf_gelesen = true;
    if (je_zeile)
        je_zeile(0, ergebnis.datei.zeilen);
    leser.zellen(ergebnis.datei, ergebnis.zellen, je_zeile);
    if (mit_spalten && !leser.ende()) {
        ergebnis.fehler = leser.spalten(ergebnis.datei);
        if (ergebnis.fehler.isEmpty() && mit_auswahl && !leser.ende())
            ergebnis.fehler = leser.auswahl(ergebnis.datei);
    }
    return ergebnis;
}

QByteArray gitterdatei_schreiben(const Gitterdatei &datei, const Zellen &zellen,
                                 const std::function<void(int)> &je_zelle)
{
    const QString kopf[] = {
        QString::number(datei.version), QString::number(datei.spalten),
        QString::number(datei.zeilen),
        datei.kopfliste.isEmpty() ? QString() : datei.kopfliste.join(zeilenzeichen) + zeilenzeichen,
        datei.sortier_spalten};
    QStringList fuss;
    if (datei.spalten_parameter) {
        fuss.append(QString::number(datei.spalten_parameter->size()));
        fuss.append(*datei.spalten_parameter);
    } else if (datei.breiten) {
        fuss.append(u"0"_s);
        for (const int breite : *datei.breiten)
            fuss.append(QString::number(breite));
    }
    if (datei.auswahl) {
        const TGridRect &a = *datei.auswahl;
        for (const int wert : {a.Top, a.Left, a.Bottom, a.Right})
            fuss.append(QString::number(wert));
    }

    // The lines go straight into the file's bytes, in a buffer sized once: a line's byte count
    // is at most its length, and a cell loses characters when its line breaks are replaced.
    qsizetype laenge = 0;
    for (const QString &zeile : kopf)
        laenge += zeile.size() + 1;
    for (const QString &zeile : std::as_const(fuss))
        laenge += zeile.size() + 1;
    for (int r = 0; r < datei.zeilen; ++r) {
        for (int c = 0; c < datei.spalten; ++c)
            laenge += zellen.zelle(c, r).size() + 1;
    }
    speicher::Puffer1252 bytes(laenge);
    for (const QString &zeile : kopf)
        bytes.zeile(zeile);
    for (int r = 0; r < datei.zeilen; ++r) {
        for (int c = 0; c < datei.spalten; ++c) {
            const QString &text = zellen.zelle(c, r);
            if (hat_zeilenumbruch(text))
                bytes.zeile(zelle_fuer_datei(text));
            else
                bytes.zeile(text);
            if (je_zelle)
                je_zelle(r);
        }
    }
    for (const QString &zeile : std::as_const(fuss))
        bytes.zeile(zeile);
    return std::move(bytes).bytes();
}
