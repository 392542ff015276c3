#pragma once

class Namensfelder;
struct Zustand;

// The draws of team mannschaft_nr. Each builds the team's name pool, puts it into random order,
// shows it in the window's name fields, stores it in the team's slots (cut to 50 bytes), sets
// spieler_pro_mannschaft, saves the options and the line-up file. Before a non-empty pool is
// placed the team's twenty slots are emptied, so the line-up holds exactly the drawn names.

// Doubles: positions 1 and 2 form pair 1, 3 and 4 pair 2, and so on, up to 20 names.
void personen_zuweisen2t(Zustand &zustand, Namensfelder &felder);

// Singles: up to ten names; with more participants ten of them are chosen at random.
// Leaves mannschaft_nr at 2.
void personen_einz_zuweisen(Zustand &zustand, Namensfelder &felder);
