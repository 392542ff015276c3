#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace speicher {

enum class CsvKodierung { utf8, windows1252 };

// The rows of a CSV file as texts. Rows without any text are left out.
struct CsvTabelle
{
    QList<QStringList> zeilen;
    char trenner = ';';
    CsvKodierung kodierung = CsvKodierung::utf8;
    bool abgeschnitten = false; // more rows follow than were asked for
};

// Columns beyond this many are left out, so that a row of nothing but separators cannot take
// the memory of millions of fields.
inline constexpr qsizetype csv_hoechste_spaltenzahl = 1000;

// Reads CSV as spreadsheets write it: UTF-8 with or without a byte-order mark, else
// Windows-1252, told apart by the bytes; the separator ";", tab or "," as the first rows show
// it; fields in quotes may hold the separator, line breaks and doubled quotes; lines end in
// CR LF, LF or CR. At most hoechstens rows are read (all when negative). A file that is empty
// or holds no text gives the German message and leaves the table empty.
std::optional<QString> csv_lesen(QByteArrayView bytes, CsvTabelle &tabelle,
                                 qsizetype hoechstens = -1);

} // namespace speicher
