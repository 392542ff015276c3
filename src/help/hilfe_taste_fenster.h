#pragma once

class Plattform;
class QWidget;
struct Zustand;

inline constexpr int hilfe_thema_allgemein = 150;

// Opens the help file at a topic; a missing file shows nothing here (the main window reports
// it once at start-up).
void hilfe_zeigen(Zustand &zustand, Plattform &plattform, int thema = hilfe_thema_allgemein);

// F1 in this window opens the given help topic.
void hilfe_taste_einrichten(QWidget *fenster, Zustand &zustand, Plattform &plattform,
                            int thema = hilfe_thema_allgemein);
