#pragma once

#include "rosters/adresse.h"
#include "storage/csv_leser.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// Taking a club's member list from a CSV file into a roster, by the roster's own rules.

// What a column of the file can fill: the eight roster fields, and "Ort", which is joined to
// the postcode in "Plz/Ort" when a file keeps them apart.
namespace imp {
enum Ziel { name, vorname, strasse, plz_ort, ort, telefon, fax, mobil, email, zielanzahl };
// The labels of the drop-downs, in the order of Ziel.
QString beschriftung(Ziel ziel);
} // namespace imp

inline constexpr int nicht_uebernehmen = -1;
// The column of the file for each target, or nicht_uebernehmen.
using Importspalten = std::array<int, imp::zielanzahl>;

// The largest file and the most rows a roster takes in; beyond them a message, nothing read.
inline constexpr qint64 import_hoechstbytes = 16 * 1024 * 1024;
inline constexpr qsizetype import_hoechstzeilen = 20000;

// Reads the file with at most hoechstens rows; a German message when it cannot be read, is
// too big, empty or no text.
std::optional<QString> spielerliste_lesen(const QString &pfad, speicher::CsvTabelle &tabelle,
                                          qsizetype hoechstens = -1);

// Whether the row names columns ("Name", "Vorname", "E-Mail", …) rather than holding a player.
bool ist_kopfzeile(const QStringList &zeile);
// The columns matched by their head names; a target no head names is not taken.
Importspalten spalten_erkennen(const QStringList &kopf);

// One row of the file as it lands in the roster.
struct Importzeile
{
    enum Art { neu, vorhanden, ohne_vorname };
    Adresstexte texte; // as stored: cut and in Windows-1252
    Art art = neu;
    bool gekuerzt = false; // a text was longer than its field
    bool ersetzt = false;  // a character outside Windows-1252 became '?'
};
// The markers of a row for the preview, joined by ", "; empty for a plain new player.
QString hinweis(const Importzeile &zeile);

struct Importbilanz
{
    int uebernommen = 0;
    int vorhanden = 0;
    int uebersprungen = 0;
};
// "<n> Spieler übernommen, <m> schon vorhanden, <k> übersprungen."
QString bilanz_text(const Importbilanz &bilanz);

// The rows taken into a roster of these records: a row without a first name is skipped; a
// row whose player the roster (or an earlier row) holds is left alone, or with aktualisieren
// its other fields are overwritten in place; every other row is appended in the file's order.
struct Importlauf
{
    QList<QByteArray> saetze;
    QList<Importzeile> zeilen;
    Importbilanz bilanz;
    bool geaendert = false;
};
Importlauf import_durchfuehren(QList<QByteArray> saetze, const QList<QStringList> &zeilen,
                               const Importspalten &spalten, bool aktualisieren);

// "Importieren": the rows taken into the team's roster in one safe replace of its file. The
// German message when the roster cannot be read or written; then nothing is changed.
std::optional<QString> spieler_importieren(const QString &daten_pfad, Mannschaft mannschaft,
                                           const QList<QStringList> &zeilen,
                                           const Importspalten &spalten, bool aktualisieren,
                                           Importbilanz &bilanz);

// The roster as it is stored now, for the preview; a missing file is an empty roster.
QList<QByteArray> bestand_saetze(const QString &daten_pfad, Mannschaft mannschaft);
