#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <vector>

// The text by which a cell sorts, from its column's type letter: numbers as fixed-width
// digits (negatives first), dates as yyyyMMddHHmmss, marks as J/N, texts padded to 15.
// `heute` gives the year of dates typed without one.
QString sortierschluessel(const QString &zelle, QChar typ, QDate heute = {});
// The same with the regional decimal separator looked up once by the caller.
QString sortierschluessel(const QString &zelle, QChar typ, QChar komma, QDate heute);

// The rank of each key under the German case-insensitive collation: 0 for the first, keys
// the collation holds equal share a rank, and no rank is left out.
std::vector<int> schluessel_raenge(const std::vector<QString> &schluessel);
// Positions 0..n-1 ordered by their ranks, each below `anzahl_raenge`; equal ranks keep their
// order.
std::vector<int> nach_raengen_ordnen(const std::vector<int> &raenge, int anzahl_raenge);

// Number columns ("I", "F", "C") order by their value rounded to four decimals, as their text
// keys do; the value itself spares building and comparing texts.
bool ist_zahl_typ(QChar typ);
qint64 zahl_rang(const QString &zelle);
// Positions ordered by rows of `felder` numbers each; equal rows keep their order.
std::vector<int> zahlen_ordnen(const std::vector<qint64> &raenge, size_t felder);
