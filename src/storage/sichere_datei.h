#pragma once

#include <QByteArray>
#include <QString>

namespace speicher {

// Replaces a file whole: written beside it and renamed over it, so a crash leaves the old
// file or the new one, never a torn one.
bool datei_ersetzen(const QString &pfad, QByteArrayView inhalt);

// Reads a whole file; false when it is missing or unreadable.
bool datei_lesen(const QString &pfad, QByteArray &inhalt);

} // namespace speicher
