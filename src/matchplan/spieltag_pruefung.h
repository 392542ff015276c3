#pragma once

#include <QByteArrayView>
#include <QString>

// Whether the files of a saved day are whole, checked before anything is loaded from them, so
// that a damaged day leaves the plan or the list as it was. A file that is not there passes: a
// day may lack its result matrix.

// A grid file holds every line its counts promise: five head lines, a line per cell, the column
// line with a line per column and the four lines of the selection.
bool gitterbytes_ganz(QByteArrayView inhalt);
// The same for a file, which the grid must also read without a complaint.
bool gitterdatei_ganz(const QString &pfad);
// A record file holds at least one whole match-day record.
bool satzdatei_ganz(const QString &pfad);
// Standings, result matrix and record of a day in ordner (with a trailing '/').
bool spieltag_ganz(const QString &ordner, const QString &tabellen_name, const QString &satz_name);
// The name of the first of a day's two grid files (standings, then result matrix) in ordner that
// is not whole; empty when both are.
QString beschaedigte_gitterdatei(const QString &ordner, const QString &tabellen_name);

// "Der Spieltag … ist beschädigt und wurde nicht geladen." with the name of the damaged file.
QString spieltag_beschaedigt_meldung(const QString &name);
// A day whose grids were loaded although its record is damaged: the record is written anew by
// the next "Speichern".
QString satz_beschaedigt_meldung(const QString &satz_name);
