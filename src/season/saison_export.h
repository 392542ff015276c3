#pragma once

#include "grid/ausgabetabelle.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Plattform;
struct Zustand;

// Lists as a CSV file for German spreadsheets: UTF-8 with a byte-order mark, fields separated
// by ";", lines ended by CR LF. A field holding ";", a quote or a line break is quoted, its
// quotes doubled. Each list starts with its title on a line of its own, then its column
// titles and rows; an empty line stands between two lists.
QByteArray csv_bytes(const QList<Ausgabetabelle> &tabellen);

// The file a CSV export writes for the name chosen in the save dialog: ".csv" appended to a
// name without an extension. Empty when none was chosen.
QString csv_dateiname(const QString &gewaehlt);

// "CSV-Export": asks for the file, writes the lists and confirms; a file that could not be
// written is reported instead.
void saison_exportieren(const Zustand &zustand, Plattform &plattform,
                        const QList<Ausgabetabelle> &tabellen);
