#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace speicher {

// Headerless record files: the record count is the file size divided by the record size;
// an incomplete tail is ignored.
bool satzdatei_lesen(const QString &pfad, int satzgroesse, QList<QByteArray> &saetze);
bool satzdatei_schreiben(const QString &pfad, const QList<QByteArray> &saetze);

} // namespace speicher
