#pragma once

#include "shell/mannschaft.h"

#include <QStringList>
#include <optional>

class Namensfelder;
class Plattform;
struct Zustand;

// The draws of team mannschaft_nr. Each builds the team's name pool, puts it into random order,
// shows it in the window's name fields, stores it in the team's slots (cut to 50 bytes), sets
// spieler_pro_mannschaft, saves the options and the line-up file. Before a non-empty pool is
// placed the team's twenty slots are emptied, so the line-up holds exactly the drawn names.
//
// The order comes from a seed, the draw's number: the platform's, or the given one to replay a
// draw, which gives the same line-up from the same names. The number goes to the fields and to
// the shared state, and the draw is appended to "Auslosungen.txt"; a failed append is reported.
// An empty pool draws nothing and leaves the team without a number.

// Doubles: positions 1 and 2 form pair 1, 3 and 4 pair 2, and so on, up to 20 names.
void personen_zuweisen2t(Zustand &zustand, Plattform &plattform, Namensfelder &felder,
                         std::optional<quint32> saat = std::nullopt);

// Singles: up to ten names; with more participants ten of them are chosen at random.
// Leaves mannschaft_nr at 2.
void personen_einz_zuweisen(Zustand &zustand, Plattform &plattform, Namensfelder &felder,
                            std::optional<quint32> saat = std::nullopt);

// "Auswahl speichern": the chosen names, the first twenty, go into the team's half of its record
// (gruppe1 for doubles, the team's line-up record for singles; the other slots of that half
// emptied), which is written as the participants file (doubles) or line-up file (singles) of
// the team; a file that cannot be written is left as it was. The names are then drawn into the
// team's line-up as above, with the platform's seed, which stores the options and reports its
// own write failures. False when the participants or line-up file was not written.
bool gewaehlte_auslosen(Zustand &zustand, Plattform &plattform, Mannschaft mannschaft, bool doppel,
                        const QStringList &gewaehlt, Namensfelder &felder);
