#pragma once

#include "printing/druckseite.h"

#include <QList>
#include <QString>

class Plattform;

// The file a PDF is written to for the name chosen in the save dialog: ".pdf" appended to a
// name without an extension. Empty when none was chosen.
QString pdf_dateiname(const QString &gewaehlt);

// "Als PDF speichern": asks for the file, offering vorschlag, and writes the pages on A4 under
// the title; a file that could not be written is reported.
void pdf_speichern(Plattform &plattform, const QString &vorschlag, const QList<DruckSeite> &seiten,
                   const QString &titel);
