#pragma once

#include <QString>

extern const QString hilfe_dateiname;

// Where the help file lies: the data folder first, then beside the program, then in the shared
// data folder of an installed program (<prefix>/share/vorlix beside <prefix>/bin). Empty when
// none of them holds it.
QString hilfe_datei_finden(const QString &daten_pfad, const QString &programm_ordner);
