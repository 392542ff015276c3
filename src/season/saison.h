#pragma once

#include "season/saisontag.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// A player's season: every day on which a name of the player's team stood in one of the day's
// entries.
struct Spielerbilanz
{
    QString name;
    Mannschaft mannschaft = Mannschaft::eins;
    int spieltage = 0;
    int siege = 0;
    int platz_summe = 0;  // of the days with a rank
    int platz_anzahl = 0; // days with a rank
    std::optional<int> bester_platz;

    std::optional<double> durchschnitt() const;
};

struct Saison
{
    QList<Saisontag> tage; // by date, damaged ones included
    std::array<int, 2> gewonnene_tage{};
    int unentschieden = 0;
    int beschaedigt = 0;
    QList<Spielerbilanz> spieler; // team 1 first, each team by name

    int gewonnen(Mannschaft mannschaft) const
    {
        return gewonnene_tage[size_t(nummer(mannschaft) - 1)];
    }
};

// The season of the given days; damaged days are listed but count for nothing.
Saison saison_auswerten(QList<Saisontag> tage);

// The record files of every stored day in the folder (both game kinds).
QStringList saisontag_dateien(const QString &ordner);
// Reads and totals every stored day in the folder (with its trailing "/").
Saison saison_lesen(const QString &ordner);
