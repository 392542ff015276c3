#pragma once

#include <QString>
#include <QStringList>

namespace speicher {

enum class Zeilenende { LF, CRLF };

// 8-bit text files in Windows-1252 without byte-order mark. Reading accepts LF and CR LF.
bool textdatei_lesen(const QString &pfad, QStringList &zeilen);
// Every line, the last one included, ends with the given line end.
bool textdatei_schreiben(const QString &pfad, const QStringList &zeilen, Zeilenende ende);

} // namespace speicher
