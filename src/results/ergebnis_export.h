#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class GitterModell;
class Plattform;
struct Zustand;

// The lines of the "#"-separated export: one per grid row in its current order, titles
// first, each of the 20 fields of columns 1..20 trimmed and followed by "#". Columns the grid
// does not have give empty fields.
QStringList export_zeilen(const GitterModell &gitter);

// The same rows for a spreadsheet, as the season export writes them: the grid's columns 1..20
// separated by ";", the titles row first, UTF-8 with a byte-order mark, CR LF.
QByteArray export_tabellenkalkulation(const GitterModell &gitter);

// The file an export writes for the name chosen in the save dialog: ".csv" appended unless
// the name holds it already. Empty when the name is none ("" or " ").
QString export_dateiname(const QString &gewaehlt);

// "Export": asks for the file and its type, writes the "#" lines in Windows-1252 with CR LF (the
// first type) or the spreadsheet file, and confirms.
// Nothing happens when the day's record file is gone; a file that could not be written is
// reported instead of confirmed.
void ergebnisse_exportieren(const Zustand &zustand, Plattform &plattform,
                            const GitterModell &gitter);
