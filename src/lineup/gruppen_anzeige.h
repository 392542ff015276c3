#pragma once

class Namensfelder;
class Plattform;
struct Zustand;

// "Gruppen Mitspieler anzeigen": the game kind decides the draw window that shows the result.
enum class Gruppenfenster { doppel, einzel };
Gruppenfenster gruppenfenster(const Zustand &zustand);

// Doubles: reads both stored line-ups and ends on team 1's, as the window opens showing team 1;
// nothing is drawn or stored. Leaves mannschaft_nr at 1.
void doppel_gruppen_anzeigen(Zustand &zustand, Namensfelder &felder);

// Singles: draws both teams anew and stores them; team 1 in fields 1..10, team 2 in 11..20.
// Leaves mannschaft_nr at 2.
void einzel_gruppen_anzeigen(Zustand &zustand, Plattform &plattform, Namensfelder &felder);
