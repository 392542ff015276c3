#include "rosters/spielerimport.h"

#include "storage/satzdatei.h"
#include "storage/text1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace imp {

QString beschriftung(Ziel ziel)
{
    switch (ziel) {
    case name:
        return u"Name"_s;
    case vorname:
        return u"Vorname"_s;
    case strasse:
        return u"Strasse"_s;
    case plz_ort:
        return u"Plz/Ort"_s;
    case ort:
        return u"Ort (an Plz angehängt)"_s;
    case telefon:
        return u"Telefon"_s;
    case fax:
        return u"Fax"_s;
    case mobil:
        return u"Mobil"_s;
    case email:
        return u"Email"_s;
    case zielanzahl:
        break;
    }
    return {};
}

} // namespace imp

namespace {

// Numbers in messages are written the German way whatever the system's settings.
QLocale deutsch()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// The roster field of each target but Ort, in the order of adr::eingabefelder.
constexpr std::array<imp::Ziel, adr::feldanzahl> feldziele{imp::name,    imp::vorname, imp::strasse,
                                                           imp::plz_ort, imp::telefon, imp::fax,
                                                           imp::mobil,   imp::email};

// Head names as compared: lower case, umlauts and ß spelt out, only letters and digits.
QString kopfform(const QString &text)
{
    QString form;
    for (QChar c : text.toLower()) {
        if (c == u'ä')
            form += u"ae"_s;
        else if (c == u'ö')
            form += u"oe"_s;
        else if (c == u'ü')
            form += u"ue"_s;
        else if (c == u'ß')
            form += u"ss"_s;
        else if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            form += c;
    }
    return form;
}

struct Kopfname
{
    const char16_t *form;
    imp::Ziel ziel;
};

// Common German and English head names, in their compared form.
constexpr Kopfname kopfnamen[] = {
    {u"name", imp::name},
    {u"nachname", imp::name},
    {u"familienname", imp::name},
    {u"lastname", imp::name},
    {u"surname", imp::name},
    {u"familyname", imp::name},
    {u"vorname", imp::vorname},
    {u"rufname", imp::vorname},
    {u"firstname", imp::vorname},
    {u"givenname", imp::vorname},
    {u"strasse", imp::strasse},
    {u"strassehausnummer", imp::strasse},
    {u"strasseundhausnummer", imp::strasse},
    {u"strassenr", imp::strasse},
    {u"adresse", imp::strasse},
    {u"anschrift", imp::strasse},
    {u"street", imp::strasse},
    {u"address", imp::strasse},
    {u"plzort", imp::plz_ort},
    {u"plzundort", imp::plz_ort},
    {u"plz", imp::plz_ort},
    {u"postleitzahl", imp::plz_ort},
    {u"zip", imp::plz_ort},
    {u"zipcode", imp::plz_ort},
    {u"postcode", imp::plz_ort},
    {u"postalcode", imp::plz_ort},
    {u"ort", imp::ort},
    {u"wohnort", imp::ort},
    {u"stadt", imp::ort},
    {u"city", imp::ort},
    {u"town", imp::ort},
    {u"email", imp::email},
    {u"emailadresse", imp::email},
    {u"mail", imp::email},
    {u"telefon", imp::telefon},
    {u"tel", imp::telefon},
    {u"telefonnummer", imp::telefon},
    {u"festnetz", imp::telefon},
    {u"phone", imp::telefon},
    {u"telephone", imp::telefon},
    {u"fax", imp::fax},
    {u"telefax", imp::fax},
    {u"faxnummer", imp::fax},
    {u"mobil", imp::mobil},
    {u"mobiltelefon", imp::mobil},
    {u"mobilnummer", imp::mobil},
    {u"handy", imp::mobil},
    {u"handynummer", imp::mobil},
    {u"mobile", imp::mobil},
    {u"cell", imp::mobil},
    {u"cellphone", imp::mobil},
};

std::optional<imp::Ziel> ziel_des_kopfes(const QString &kopf)
{
    const QString form = kopfform(kopf);
    for (const Kopfname &k : kopfnamen)
        if (form == QStringView(k.form))
            return k.ziel;
    return std::nullopt;
}

// A cell as one line of a roster field: line breaks inside quotes become blanks.
QString zelle(const QStringList &zeile, int spalte)
{
    if (spalte < 0 || spalte >= zeile.size())
        return {};
    QString text = zeile.at(spalte);
    if (text.contains(u'\n') || text.contains(u'\r'))
        text = text.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}

Adresstexte texte_der_zeile(const QStringList &zeile, const Importspalten &spalten)
{
    Adresstexte texte;
    for (int i = 0; i < adr::feldanzahl; ++i)
        texte[i] = zelle(zeile, spalten[feldziele[i]]);
    const QString ort = zelle(zeile, spalten[imp::ort]);
    QString &plz_ort = texte[3];
    if (!ort.isEmpty())
        plz_ort = plz_ort.isEmpty() ? ort : plz_ort + u' ' + ort;
    return texte;
}

using Identitaet = std::pair<QString, QString>;

Identitaet identitaet(const adresse &satz)
{
    return {adr::vergleichsform(satz.wert(adr::name)),
            adr::vergleichsform(satz.wert(adr::vorname))};
}

// The row's texts as stored in its record, with its markers.
Importzeile gelandet(const Adresstexte &texte, const adresse &satz)
{
    Importzeile zeile;
    zeile.texte = texte_der_adresse(satz);
    for (int i = 0; i < adr::feldanzahl; ++i) {
        if (zeile.texte[i] == texte[i])
            continue; // neither cut nor replaced
        const QByteArray gespeichert = speicher::nach_1252(texte[i]);
        zeile.gekuerzt |= gespeichert.size() > adr::eingabefelder[i].feld.kapazitaet;
        zeile.ersetzt |= speicher::aus_1252(gespeichert) != texte[i];
    }
    return zeile;
}

bool bestand_lesen(const QString &pfad, QList<QByteArray> &saetze)
{
    saetze.clear();
    return !QFileInfo::exists(pfad) || speicher::satzdatei_lesen(pfad, adr::groesse, saetze);
}

} // namespace

std::optional<QString> spielerliste_lesen(const QString &pfad, speicher::CsvTabelle &tabelle,
                                          qsizetype hoechstens)
{
    tabelle = {};
    const QString name = QDir::toNativeSeparators(pfad);
    const QFileInfo info(pfad);
    if (info.exists() && info.size() > import_hoechstbytes)
        return u"Die Datei %1 ist mit %2 MB zu groß für eine Spielerliste (höchstens %3 MB)."_s
            .arg(name)
            .arg(deutsch().toString(double(info.size()) / (1024 * 1024), 'f', 1))
            .arg(import_hoechstbytes / (1024 * 1024));
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return u"Die Datei %1 konnte nicht gelesen werden."_s.arg(name);
    const QByteArray bytes = datei.read(import_hoechstbytes + 1);
    if (bytes.size() > import_hoechstbytes)
        return u"Die Datei %1 ist zu groß für eine Spielerliste."_s.arg(name);
    if (const std::optional<QString> fehler = speicher::csv_lesen(bytes, tabelle, hoechstens))
        return *fehler;
    return std::nullopt;
}

bool ist_kopfzeile(const QStringList &zeile)
{
    return std::any_of(zeile.cbegin(), zeile.cend(),
                       [](const QString &kopf) { return ziel_des_kopfes(kopf).has_value(); });
}

Importspalten spalten_erkennen(const QStringList &kopf)
{
    Importspalten spalten;
    spalten.fill(nicht_uebernehmen);
    for (int i = 0; i < kopf.size(); ++i) {
        const std::optional<imp::Ziel> ziel = ziel_des_kopfes(kopf.at(i));
        if (ziel && spalten[*ziel] == nicht_uebernehmen)
            spalten[*ziel] = i;
    }
    return spalten;
}

QString hinweis(const Importzeile &zeile)
{
    QStringList teile;
    if (zeile.art == Importzeile::vorhanden)
        teile << u"schon vorhanden"_s;
    if (zeile.art == Importzeile::ohne_vorname)
        teile << u"ohne Vorname – wird übersprungen"_s;
    if (zeile.gekuerzt)
        teile << u"wird gekürzt"_s;
    if (zeile.ersetzt)
        teile << u"Zeichen außerhalb Windows-1252 werden zu ?"_s;
    return teile.join(u", "_s);
}

QString bilanz_text(const Importbilanz &bilanz)
{
    return u"%1 Spieler übernommen, %2 schon vorhanden, %3 übersprungen."_s.arg(bilanz.uebernommen)
        .arg(bilanz.vorhanden)
        .arg(bilanz.uebersprungen);
}

Importlauf import_durchfuehren(QList<QByteArray> saetze, const QList<QStringList> &zeilen,
                               const Importspalten &spalten, bool aktualisieren)
{
    Importlauf lauf;
    QHash<Identitaet, qsizetype> bekannt;
    // Backwards, so that the first record of an identity is the one found, as a search finds it.
    for (qsizetype i = saetze.size() - 1; i >= 0; --i) {
        adresse satz;
        satz.von_bytes(saetze.at(i));
        bekannt[identitaet(satz)] = i;
    }
    lauf.zeilen.reserve(zeilen.size());
    for (const QStringList &zeile : zeilen) {
        const Adresstexte texte = texte_der_zeile(zeile, spalten);
        const adresse neu = adresse_aus_texten(texte);
        Importzeile ergebnis = gelandet(texte, neu);
        if (adr::trimmen(neu.wert(adr::vorname)).isEmpty()) {
            ergebnis.art = Importzeile::ohne_vorname;
            ++lauf.bilanz.uebersprungen;
        } else if (const auto treffer = bekannt.constFind(identitaet(neu));
                   treffer != bekannt.cend()) {
            ergebnis.art = Importzeile::vorhanden;
            ++lauf.bilanz.vorhanden;
            if (aktualisieren) {
                adresse alt;
                alt.von_bytes(saetze.at(*treffer));
                // Name and first name stay as stored; the fields the file fills are overwritten.
                for (int f = 0; f < adr::feldanzahl; ++f) {
                    const bool gefuellt = spalten[feldziele[f]] != nicht_uebernehmen ||
                                          (f == 3 && spalten[imp::ort] != nicht_uebernehmen);
                    if (f != adr::index_name && f != adr::index_vorname && gefuellt)
                        alt.setze(adr::eingabefelder[f].feld, texte[f]);
                }
                lauf.geaendert |= alt.bytes() != saetze.at(*treffer);
                saetze[*treffer] = alt.bytes();
            }
        } else {
            bekannt.insert(identitaet(neu), saetze.size());
            saetze.append(neu.bytes());
            ++lauf.bilanz.uebernommen;
            lauf.geaendert = true;
        }
        lauf.zeilen.append(ergebnis);
    }
    lauf.saetze = std::move(saetze);
    return lauf;
}

QList<QByteArray> bestand_saetze(const QString &daten_pfad, Mannschaft mannschaft)
{
    QList<QByteArray> saetze;
    bestand_lesen(daten_pfad + adressen_dateiname(mannschaft), saetze);
    return saetze;
}

std::optional<QString> spieler_importieren(const QString &daten_pfad, Mannschaft mannschaft,
                                           const QList<QStringList> &zeilen,
                                           const Importspalten &spalten, bool aktualisieren,
                                           Importbilanz &bilanz)
{
    bilanz = {};
    const QString pfad = daten_pfad + adressen_dateiname(mannschaft);
    QList<QByteArray> saetze;
    if (!bestand_lesen(pfad, saetze))
        return u"Die Spielerliste %1 konnte nicht gelesen werden. Es wurde nichts importiert."_s
            .arg(QDir::toNativeSeparators(pfad));
    const Importlauf lauf = import_durchfuehren(std::move(saetze), zeilen, spalten, aktualisieren);
    if (lauf.geaendert && !speicher::satzdatei_schreiben(pfad, lauf.saetze))
        return u"Die Spielerliste %1 konnte nicht geschrieben werden. Es wurde nichts importiert."_s
            .arg(QDir::toNativeSeparators(pfad));
    bilanz = lauf.bilanz;
    return std::nullopt;
}
