#pragma once

class QIODevice;

// Checks the directory of a compiled help file before the help library walks it: headers in
// range, every directory chunk inside the file, every entry inside its chunk, every index
// reference to an existing chunk and no loop among the index chunks. The library follows
// those references without such checks, so a damaged file could make it read past a chunk or
// run in circles.
bool chm_verzeichnis_gueltig(QIODevice &datei);
