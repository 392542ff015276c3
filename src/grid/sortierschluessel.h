#pragma once

#include <QChar>
#include <QString>
#include <vector>

// The text by which a cell sorts, from its column's type letter: numbers as fixed-width
// digits (negatives first), dates as yyyyMMddHHmmss, marks as J/N, texts padded to 15.
QString sortierschluessel(const QString &zelle, QChar typ);

// Positions 0..n-1 ordered by their keys under the German case-insensitive collation;
// equal keys keep their order.
std::vector<int> schluessel_ordnen(const std::vector<QString> &schluessel);
