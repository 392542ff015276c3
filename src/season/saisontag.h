#pragma once

#include "shell/mannschaft.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class TSpieltag;

// One entry of a stored day as the season sees it.
struct Saisoneintrag
{
    QStringList namen; // the player, or both players of a pair; empty names left out
    int siege = 0;     // games won
    std::optional<int> platz;
};

enum class Sieger { mannschaft1, mannschaft2, unentschieden };

// A stored match day, read from its record file. A game is won by the entry with the higher
// score; a draw counts for neither, and a game counts only when both scores stand in the
// record. A team's points are the sum of its entries' totals ("Ges.").
struct Saisontag
{
    QString datei; // the record file's name
    bool doppel = false;
    QDate datum;    // from the name; invalid when it holds none
    int anzahl = 0; // entries per team from the name; 0 when it holds none
    bool beschaedigt = false;
    std::array<QList<Saisoneintrag>, 2> eintraege; // per team, entries 1..anzahl
    std::array<int, 2> siege{};
    std::array<qint64, 2> punkte{};

    const QList<Saisoneintrag> &von(Mannschaft mannschaft) const
    {
        return eintraege[size_t(nummer(mannschaft) - 1)];
    }
    Sieger sieger() const;
};

// The record names of stored days: "D_Gr" or "E_Gr", then NN, "_", the date and ".grp".
extern const QStringList saisontag_muster;

// The day of a record file name and its record; without a record (the file could not be
// read whole) the day is damaged. So is a day whose name holds no entry count 1..10 or no
// date, or whose record holds a score, total or rank of its entries that is no whole number.
Saisontag saisontag_auswerten(const QString &dateiname, const TSpieltag *satz);

// Reads the record file dateiname in the folder ordner (with its trailing "/").
Saisontag saisontag_lesen(const QString &ordner, const QString &dateiname);
