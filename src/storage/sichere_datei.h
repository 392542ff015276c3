#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace speicher {

// Replaces a file whole: written beside it and renamed over it, so a crash leaves the old
// file or the new one, never a torn one.
bool datei_ersetzen(const QString &pfad, QByteArrayView inhalt);

// Copies a file over the target the same safe way: the old target stays untouched until the
// copy is complete, and a failed copy leaves no temporary file behind. std::nullopt when the
// copy is complete, else the system's error text.
std::optional<QString> datei_kopieren(const QString &quelle, const QString &ziel);

// Reads a whole file; false when it is missing or unreadable.
bool datei_lesen(const QString &pfad, QByteArray &inhalt);

} // namespace speicher
