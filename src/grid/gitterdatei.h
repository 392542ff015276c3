#pragma once

#include "grid/gitterauswahl.h"
#include "grid/zellen.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// More columns than any list of the program; guards against counts that would exhaust memory.
inline constexpr int hoechste_spaltenzahl = 10000;
// Cells a grid file may ask for beyond those it holds, for the same reason.
inline constexpr qint64 hoechste_zellenzahl = 100000;

// Everything of a grid file but its cells.
struct Gitterdatei
{
    int version = 1;
    int spalten = 0;
    int zeilen = 0;
    QStringList kopfliste;
    QString sortier_spalten;
    // The column part: a parameter string per column, or (without column information) the
    // column widths; neither when the file has no column part.
    std::optional<QStringList> spalten_parameter;
    std::optional<std::vector<int>> breiten;
    std::optional<TGridRect> auswahl;
};

struct GitterdateiErgebnis
{
    Gitterdatei datei;
    Zellen zellen;        // rows 0.. as far as the file holds them
    int ist_version = -1; // -1: no number in the first line
    bool kopf_gelesen = false;
    QString fehler; // German; empty when the whole file was read

    bool gelesen() const { return fehler.isEmpty(); }
};

// Reads a grid file into a fresh result; nothing of it is meant to be used when `fehler` is
// set. The column part is read only `mit_spalten`, the selection only `mit_spalten` and
// `mit_auswahl`; `trenner` separates the fields of a parameter string. `je_zeile` hears the
// number of rows after the head and each row read. `name` names the file in the messages.
GitterdateiErgebnis
gitterdatei_lesen(QByteArrayView bytes, int version, bool mit_spalten, bool mit_auswahl,
                  QChar trenner, const QString &name,
                  const std::function<void(int phase, int wert)> &je_zeile = {});

// The bytes of a grid file with the cells of rows 0..zeilen-1, columns 0..spalten-1;
// `je_zelle` hears the row of every cell written.
QByteArray gitterdatei_schreiben(const Gitterdatei &datei, const Zellen &zellen,
                                 const std::function<void(int zeile)> &je_zelle = {});
