#pragma once

#include "rosters/adresse.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A roster written out for spreadsheets and address books.

enum class Exportart { csv, vcard };

// A CSV file for spreadsheets (UTF-8 with byte-order mark, ";", CR LF): a head row with the
// labels of the roster window, then one row per player in storage order.
QByteArray spieler_csv(const QList<adresse> &saetze);

// A vCard 4.0 file: one card per player with name, address, e-mail and phones; empty fields
// are left out.
QByteArray spieler_vcard(const QList<adresse> &saetze);

// The file dialog's filters, CSV first, joined by ";;".
QString export_filter();
// The kind of file the name's extension (or else the chosen filter) stands for.
Exportart export_art(const QString &datei, const QString &filter);
// The name with the kind's extension appended when it has none; empty when none was chosen.
QString export_dateiname(const QString &gewaehlt, Exportart art);

// Writes the team's roster in one safe replace and counts its players; the German message when
// it cannot be written.
std::optional<QString> spieler_exportieren(const QString &daten_pfad, Mannschaft mannschaft,
                                           const QString &datei, Exportart art, int &anzahl);
