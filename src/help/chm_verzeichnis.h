#pragma once

class QIODevice;

// Checks the directory of a compiled help file before the help library walks it: headers in
// range, every directory chunk inside the file, every entry inside its chunk, every index
// reference to an existing chunk, no loop among the index chunks, and decompression settings
// the library can work with. The library follows those references and divides by those
// settings without such checks, so a damaged file could make it read past a chunk, run in
// circles or crash.
bool chm_verzeichnis_gueltig(QIODevice &datei);
