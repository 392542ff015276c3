#pragma once

#include <QByteArray>
#include <QString>

namespace speicher {

// Windows-1252 is the code page of every stored text; a character it lacks becomes '?'.
QByteArray nach_1252(const QString &text);
QString aus_1252(QByteArrayView bytes);

} // namespace speicher
