#include "rosters/spielerexport.h"

#include "storage/csv_schreiben.h"
#include "storage/sichere_datei.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype vcard_zeilenlaenge = 75;

// A vCard text value: backslash, comma, semicolon and line breaks escaped.
QString vcard_text(QString text)
{
    return text.replace(u"\\"_s, u"\\\\"_s)
        .replace(u","_s, u"\\,"_s)
        .replace(u";"_s, u"\\;"_s)
        .replace(u"\r\n"_s, u"\\n"_s)
        .replace(u"\n"_s, u"\\n"_s)
        .replace(u"\r"_s, u"\\n"_s);
}

// A content line in UTF-8, folded after 75 bytes without splitting a character.
QByteArray vcard_zeile(const QString &zeile)
{
    const QByteArray bytes = zeile.toUtf8();
    QByteArray gefaltet;
    qsizetype laenge = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool folgebyte = (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80;
        if (!folgebyte && laenge >= vcard_zeilenlaenge) {
            gefaltet += "\r\n ";
            laenge = 1;
        }
        gefaltet += bytes[i];
        ++laenge;
    }
    return gefaltet + "\r\n";
}

// "12345 Köln" as postcode and town; without a leading postcode all is the town.
std::pair<QString, QString> plz_und_ort(const QString &plz_ort)
{
    static const QRegularExpression muster(u"^\\s*(\\d{4,5})\\s+(.*)$"_s);
    const QRegularExpressionMatch treffer = muster.match(plz_ort);
    if (treffer.hasMatch())
        return {treffer.captured(1), treffer.captured(2).trimmed()};
    return {{}, plz_ort.trimmed()};
}

QByteArray vcard(const adresse &satz)
{
    const QString name = satz.wert(adr::name).trimmed();
    const QString vorname = satz.wert(adr::vorname).trimmed();
    QByteArray karte = "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    karte += vcard_zeile(u"FN:"_s + vcard_text((vorname + u' ' + name).trimmed()));
    karte += vcard_zeile(u"N:%1;%2;;;"_s.arg(vcard_text(name), vcard_text(vorname)));
    const QString strasse = satz.wert(adr::strasse).trimmed();
    const auto [plz, ort] = plz_und_ort(satz.wert(adr::plz_ort));
    if (!strasse.isEmpty() || !plz.isEmpty() || !ort.isEmpty())
        karte += vcard_zeile(u"ADR;TYPE=home:;;%1;%2;;%3;"_s.arg(vcard_text(strasse),
                                                                 vcard_text(ort), vcard_text(plz)));
    const auto eigenschaft = [&karte](const QString &kopf, const QString &wert) {
        if (!wert.trimmed().isEmpty())
            karte += vcard_zeile(kopf + vcard_text(wert.trimmed()));
    };
    eigenschaft(u"EMAIL:"_s, satz.wert(adr::email));
    eigenschaft(u"TEL;VALUE=text;TYPE=home,voice:"_s, satz.wert(adr::telefon));
    eigenschaft(u"TEL;VALUE=text;TYPE=fax:"_s, satz.wert(adr::fax));
    eigenschaft(u"TEL;VALUE=text;TYPE=cell:"_s, satz.wert(adr::mobil));
    return karte + "END:VCARD\r\n";
}

} // namespace

QByteArray spieler_csv(const QList<adresse> &saetze)
{
    QStringList kopf;
    for (const adr::Eingabefeld &feld : adr::eingabefelder)
        kopf << QString::fromUtf16(feld.beschriftung);
    QString zeilen = speicher::csv_zeile(kopf);
    for (const adresse &satz : saetze) {
        const Adresstexte texte = texte_der_adresse(satz);
        zeilen += speicher::csv_zeile(QStringList(texte.cbegin(), texte.cend()));
    }
    return speicher::csv_datei(zeilen);
}

QByteArray spieler_vcard(const QList<adresse> &saetze)
{
    QByteArray datei;
    for (const adresse &satz : saetze)
        datei += vcard(satz);
    return datei;
}

QString export_filter()
{
    return u"CSV-Dateien (*.csv);;vCard-Dateien (*.vcf)"_s;
}

Exportart export_art(const QString &datei, const QString &filter)
{
    // A typed extension says more than a filter left as it was.
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == u"vcf" || endung == u"vcard")
        return Exportart::vcard;
    if (endung == u"csv" || endung == u"txt")
        return Exportart::csv;
    return filter.contains(u"*.vcf"_s) ? Exportart::vcard : Exportart::csv;
}

QString export_dateiname(const QString &gewaehlt, Exportart art)
{
    if (gewaehlt.trimmed().isEmpty())
        return {};
    if (!QFileInfo(gewaehlt).suffix().isEmpty())
        return gewaehlt;
    return gewaehlt + (art == Exportart::vcard ? u".vcf"_s : u".csv"_s);
}

std::optional<QString> spieler_exportieren(const QString &daten_pfad, Mannschaft mannschaft,
                                           const QString &datei, Exportart art, int &anzahl)
{
    const QList<adresse> saetze = adressen_lesen(daten_pfad + adressen_dateiname(mannschaft));
    anzahl = int(saetze.size());
    const QByteArray bytes = art == Exportart::vcard ? spieler_vcard(saetze) : spieler_csv(saetze);
    if (!speicher::datei_ersetzen(datei, bytes))
        return u"Die Datei %1 konnte nicht geschrieben werden.\n"
               u"Die Spielerliste wurde nicht exportiert."_s.arg(QDir::toNativeSeparators(datei));
    return std::nullopt;
}
