#pragma once

#include <QString>

class GitterModell;

// Writes the grid with its column information as the file pfad; the grid keeps the name of the
// file it was loaded from. False when the file could not be written.
bool gitter_speichern_nach(GitterModell &gitter, const QString &pfad);
