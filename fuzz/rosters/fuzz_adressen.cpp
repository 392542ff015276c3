// Arbitrary bytes as both roster files: listing, searching, picking, storing and removing
// must keep whole records in order and find what the lists show, never crash.
#include "rosters/adressbestand.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

// Searching every record of a long file would only slow the runs down.
constexpr qsizetype hoechstens_geprueft = 40;

void mannschaft_pruefen(const QString &daten_pfad, Mannschaft mannschaft, QByteArrayView bytes)
{
    const QString datei = daten_pfad + adressen_dateiname(mannschaft);
    const qsizetype anzahl = bytes.size() / adr::groesse;
    const QList<adresse> saetze = adressen_lesen(datei);
    const QStringList eintraege = adresse_laden(daten_pfad, mannschaft);
    pruefen(saetze.size() == anzahl && eintraege.size() == anzahl);

    for (qsizetype i = 0; i < qMin(anzahl, hoechstens_geprueft); ++i) {
        // Every listed entry finds a record that shows the same entry.
        const std::optional<adresse> gefunden =
            adresse_einfuegen(daten_pfad, mannschaft, eintraege.at(i));
        pruefen(gefunden.has_value());
        pruefen(adr::vergleichsform(anzeige_eintrag(*gefunden, mannschaft)) ==
                adr::vergleichsform(eintraege.at(i)));
        // Every record is found by its own name, at its position or before.
        const QString name = saetze.at(i).wert(adr::name);
        const QString vorname = saetze.at(i).wert(adr::vorname);
        const Adresspruefung p = adresse_pruefen(daten_pfad, mannschaft, name, vorname);
        pruefen(p.gefunden && p.position >= 1 && p.position <= i + 1);
        pruefen(adr::vergleichsform(saetze.at(p.position - 1).wert(adr::name)) ==
                adr::vergleichsform(name));
    }

    // Store a player named by the input itself; it stands last, and the roster grows by at
    // most one record.
    Adresstexte texte;
    texte[adr::index_name] = speicher::aus_1252(bytes.first(qMin<qsizetype>(bytes.size(), 70)));
    texte[adr::index_vorname] = speicher::aus_1252(bytes.sliced(bytes.size() / 2));
    texte[2] = u"Hauptstraße 1"_s;
    const bool war_da =
        adresse_pruefen(daten_pfad, mannschaft, texte[adr::index_name], texte[adr::index_vorname])
            .gefunden;
    pruefen(adresse_speichern_oder_ersetzen(daten_pfad, mannschaft, texte));
    const QList<adresse> nachher = adressen_lesen(datei);
    pruefen(QFileInfo(datei).size() == nachher.size() * adr::groesse);
    pruefen(nachher.size() == anzahl + (war_da ? 0 : 1));
    pruefen(nachher.constLast().bytes() == adresse_aus_texten(texte).bytes());

    // Removing the first record keeps the others in their order.
    pruefen(adresse_sofortloeschen(daten_pfad, mannschaft, 1));
    const QList<adresse> rest = adressen_lesen(datei);
    pruefen(rest.size() == nachher.size() - 1);
    for (qsizetype i = 0; i < rest.size(); ++i)
        pruefen(rest.at(i).bytes() == nachher.at(i + 1).bytes());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // Every replace syncs the file to disk; a memory file system keeps the runs fast.
    static QTemporaryDir ordner(QFileInfo(u"/dev/shm"_s).isWritable()
                                    ? u"/dev/shm/fuzz_adressen-XXXXXX"_s
                                    : QDir::tempPath() + u"/fuzz_adressen-XXXXXX"_s);
    const QString daten_pfad = ordner.path() + u'/';
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        speicher::datei_ersetzen(daten_pfad + adressen_dateiname(mannschaft), bytes);
        mannschaft_pruefen(daten_pfad, mannschaft, bytes);
    }
    return 0;
}
