#include "rosters/adressbestand.h"

#include "shell/plattform.h"
#include "storage/satzdatei.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString datei(const QString &daten_pfad, Mannschaft mannschaft)
{
    return daten_pfad + adressen_dateiname(mannschaft);
}

// The complete records; false when the file exists but cannot be read, so that no rewrite
// can replace a roster it has not seen.
bool bestand_lesen(const QString &pfad, QList<QByteArray> &saetze)
{
    saetze.clear();
    if (!QFileInfo::exists(pfad))
        return true;
    return speicher::satzdatei_lesen(pfad, adr::groesse, saetze);
}

// The name and first name as they would be stored: a typed text longer than its field must
// find the record that holds it cut, or every save would add the player again.
adresse gesuchte_person(const QString &name, const QString &vorname)
{
    adresse satz;
    satz.setze(adr::name, name);
    satz.setze(adr::vorname, vorname);
    return satz;
}

// Index of the first record of that identity, or -1.
qsizetype erste_person(const QList<QByteArray> &saetze, const adresse &gesucht)
{
    const QString gesuchter_name = adr::vergleichsform(gesucht.wert(adr::name));
    const QString gesuchter_vorname = adr::vergleichsform(gesucht.wert(adr::vorname));
    for (qsizetype i = 0; i < saetze.size(); ++i) {
        adresse satz;
        satz.von_bytes(saetze.at(i));
        if (adr::vergleichsform(satz.wert(adr::name)) == gesuchter_name &&
            adr::vergleichsform(satz.wert(adr::vorname)) == gesuchter_vorname)
            return i;
    }
    return -1;
}

} // namespace

QStringList adresse_laden(const QString &daten_pfad, Mannschaft mannschaft)
{
    QStringList eintraege;
    for (const adresse &satz : adressen_lesen(datei(daten_pfad, mannschaft)))
        eintraege.append(anzeige_eintrag(satz, mannschaft));
    return eintraege;
}

Adresspruefung adresse_pruefen(const QString &daten_pfad, Mannschaft mannschaft,
                               const QString &name, const QString &vorname)
{
    QList<QByteArray> saetze;
    if (!bestand_lesen(datei(daten_pfad, mannschaft), saetze))
        return {};
    const qsizetype treffer = erste_person(saetze, gesuchte_person(name, vorname));
    if (treffer < 0)
        return {false, int(saetze.size())};
    return {true, int(treffer + 1)};
}

bool adresse_speichern(const QString &daten_pfad, Mannschaft mannschaft, const adresse &satz)
{
    const QString pfad = datei(daten_pfad, mannschaft);
    if (!QFileInfo::exists(pfad))
        return adresse_anlegen(daten_pfad, mannschaft, satz);
    QList<QByteArray> saetze;
    if (!bestand_lesen(pfad, saetze))
        return false;
    saetze.append(satz.bytes());
    return speicher::satzdatei_schreiben(pfad, saetze);
}

bool adresse_anlegen(const QString &daten_pfad, Mannschaft mannschaft, const adresse &satz)
{
    return speicher::satzdatei_schreiben(datei(daten_pfad, mannschaft), {satz.bytes()});
}

bool adresse_sofortloeschen(const QString &daten_pfad, Mannschaft mannschaft, int position)
{
    const QString pfad = datei(daten_pfad, mannschaft);
    QList<QByteArray> saetze;
    if (!bestand_lesen(pfad, saetze) || position < 1 || position > saetze.size())
        return false;
    saetze.removeAt(position - 1);
    return speicher::satzdatei_schreiben(pfad, saetze);
}

bool adresse_loeschen(const QString &daten_pfad, Mannschaft mannschaft, int position,
                      Plattform &plattform)
{
    if (!plattform.warnung_ja_nein(u"Wollen Sie diese Adresse wirklich löschen ??"_s))
        return false;
    return adresse_sofortloeschen(daten_pfad, mannschaft, position);
}

std::optional<adresse> adresse_einfuegen(const QString &daten_pfad, Mannschaft mannschaft,
                                         const QString &eintrag)
{
    const QString gesucht = adr::vergleichsform(eintrag);
    std::optional<adresse> ergebnis;
    for (const adresse &satz : adressen_lesen(datei(daten_pfad, mannschaft)))
        if (adr::vergleichsform(anzeige_eintrag(satz, mannschaft)) == gesucht)
            ergebnis = satz;
    return ergebnis;
}

bool adresse_speichern_oder_ersetzen(const QString &daten_pfad, Mannschaft mannschaft,
                                     const Adresstexte &texte)
{
    const QString pfad = datei(daten_pfad, mannschaft);
    QList<QByteArray> saetze;
    if (!bestand_lesen(pfad, saetze))
        return false;
    const adresse neu = adresse_aus_texten(texte);
    const qsizetype treffer = erste_person(saetze, neu);
    if (treffer >= 0)
        saetze.removeAt(treffer);
    saetze.append(neu.bytes());
    return speicher::satzdatei_schreiben(pfad, saetze);
}
