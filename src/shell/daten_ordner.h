#pragma once

#include <QString>

inline constexpr const char *daten_umgebungsvariable = "VORLIX_DATEN";

// The data folder, with a trailing '/': VORLIX_DATEN when set, else the program's own folder
// when it already holds "Vorlixn.opt", else the user's application data folder. The folder is
// created.
QString daten_pfad_bestimmen(const QString &programm_ordner);
