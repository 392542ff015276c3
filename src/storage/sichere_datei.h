#pragma once

#include <QByteArray>
#include <QString>

namespace speicher {

// Replaces a file whole: written beside it and renamed over it, so a crash leaves the old
// file or the new one, never a torn one.
bool datei_ersetzen(const QString &pfad, QByteArrayView inhalt);

// Copies a file over the target the same safe way: the old target stays untouched until the
// copy is complete, and a failed copy leaves no temporary file behind. On failure, fehler
// receives the system's error text.
bool datei_kopieren(const QString &quelle, const QString &ziel, QString &fehler);

// Reads a whole file; false when it is missing or unreadable.
bool datei_lesen(const QString &pfad, QByteArray &inhalt);

} // namespace speicher
