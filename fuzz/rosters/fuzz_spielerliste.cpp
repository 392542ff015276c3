// Arbitrary bytes as a member list: reading, a limited read, writing the rows back out and
// taking them into a roster must agree with each other and never crash.
#include "rosters/spielerimport.h"
#include "storage/csv_leser.h"
#include "storage/csv_schreiben.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

// Rows written as a CSV file and read again are the same rows, whenever the second reading
// takes ";" as the separator (a single column may look like another separator).
void zurueckschreiben(const speicher::CsvTabelle &tabelle)
{
    QString zeilen;
    for (const QStringList &zeile : tabelle.zeilen)
        zeilen += speicher::csv_zeile(zeile);
    speicher::CsvTabelle wieder;
    if (speicher::csv_lesen(speicher::csv_datei(zeilen), wieder) || wieder.trenner != ';')
        return;
    pruefen(wieder.kodierung == speicher::CsvKodierung::utf8);
    pruefen(wieder.zeilen == tabelle.zeilen);
}

void importieren(const QList<QStringList> &zeilen, bool aktualisieren)
{
    const Importspalten spalten = spalten_erkennen(zeilen.value(0));
    // Half of the list imported first, then all of it: the first half is found again.
    const QList<QStringList> haelfte = zeilen.mid(0, zeilen.size() / 2);
    const Importlauf erster = import_durchfuehren({}, haelfte, spalten, aktualisieren);
    pruefen(erster.saetze.size() == erster.bilanz.uebernommen);
    const Importlauf lauf = import_durchfuehren(erster.saetze, zeilen, spalten, aktualisieren);
    const Importbilanz &b = lauf.bilanz;
    pruefen(b.uebernommen + b.vorhanden + b.uebersprungen == zeilen.size());
    pruefen(lauf.zeilen.size() == zeilen.size());
    pruefen(lauf.saetze.size() == erster.saetze.size() + b.uebernommen);
    pruefen(b.vorhanden >= erster.bilanz.uebernommen);
    QSet<std::pair<QString, QString>> personen;
    for (const QByteArray &bytes : lauf.saetze) {
        pruefen(bytes.size() == adr::groesse);
        adresse satz;
        satz.von_bytes(bytes);
        pruefen(!adr::trimmen(satz.wert(adr::vorname)).isEmpty());
        const std::pair<QString, QString> person{adr::vergleichsform(satz.wert(adr::name)),
                                                 adr::vergleichsform(satz.wert(adr::vorname))};
        pruefen(!personen.contains(person));
        personen.insert(person);
    }
    for (const Importzeile &zeile : lauf.zeilen) {
        const bool schlicht = zeile.art == Importzeile::neu && !zeile.gekuerzt && !zeile.ersetzt;
        pruefen(schlicht == hinweis(zeile).isEmpty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    speicher::CsvTabelle tabelle;
    const std::optional<QString> fehler = speicher::csv_lesen(bytes, tabelle);
    if (fehler) {
        pruefen(!fehler->isEmpty() && tabelle.zeilen.isEmpty());
        return 0;
    }
    pruefen(!tabelle.abgeschnitten);
    for (const QStringList &zeile : tabelle.zeilen)
        pruefen(!zeile.isEmpty());

    // A limited read gives the first rows of the whole.
    const qsizetype grenze = tabelle.zeilen.size() / 2;
    speicher::CsvTabelle anfang;
    pruefen(!speicher::csv_lesen(bytes, anfang, grenze));
    pruefen(anfang.zeilen == tabelle.zeilen.mid(0, grenze));
    pruefen(anfang.abgeschnitten == (grenze < tabelle.zeilen.size()));
    pruefen(anfang.trenner == tabelle.trenner && anfang.kodierung == tabelle.kodierung);

    zurueckschreiben(tabelle);
    importieren(tabelle.zeilen, groesse % 2 == 0);
    return 0;
}
