#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace speicher {

// One line of a CSV file for German spreadsheets: fields separated by ";", ended by CR LF. A
// field holding ";", a quote or a line break is quoted, its quotes doubled.
QString csv_zeile(const QStringList &felder);

// The lines as a file: UTF-8 with a byte-order mark, as spreadsheets recognise it.
QByteArray csv_datei(const QString &zeilen);

} // namespace speicher
