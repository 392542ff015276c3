#pragma once

#include "rosters/adresse.h"

#include <QStringList>
#include <optional>

class Plattform;

// The roster store of a team: the operations the roster windows call. Positions are 1-based
// record numbers in storage order. Every change rewrites the file whole through a safe
// replace, so a failure leaves the old roster, never a torn one; an incomplete tail is
// dropped by the rewrite. A file that exists but cannot be read is never rewritten.

struct Adresspruefung
{
    bool gefunden = false;
    int position = 0; // the first match, or the number of records when none matched
};

// The display entries of all records in storage order; a missing file gives none.
QStringList adresse_laden(const QString &daten_pfad, Mannschaft mannschaft);

// Searches for a player by the identity rule; the texts are compared as they would be stored,
// cut to their fields.
Adresspruefung adresse_pruefen(const QString &daten_pfad, Mannschaft mannschaft,
                               const QString &name, const QString &vorname);

// Appends the record; a missing file is created first.
bool adresse_speichern(const QString &daten_pfad, Mannschaft mannschaft, const adresse &satz);
// Creates the file anew, holding just this record.
bool adresse_anlegen(const QString &daten_pfad, Mannschaft mannschaft, const adresse &satz);

// Removes the record at the position without asking; false when there is none.
bool adresse_sofortloeschen(const QString &daten_pfad, Mannschaft mannschaft, int position);
// Asks "Wollen Sie diese Adresse wirklich löschen ??" and removes the record only on "Ja".
bool adresse_loeschen(const QString &daten_pfad, Mannschaft mannschaft, int position,
                      Plattform &plattform);

// The record a list entry was made from: the entry is matched, trimmed and with a-z folded,
// against each record's display entry; the last match wins.
std::optional<adresse> adresse_einfuegen(const QString &daten_pfad, Mannschaft mannschaft,
                                         const QString &eintrag);

// The save command: stores the player, replacing the record of the same identity, which
// thereby moves to the end of the file.
bool adresse_speichern_oder_ersetzen(const QString &daten_pfad, Mannschaft mannschaft,
                                     const Adresstexte &texte);
