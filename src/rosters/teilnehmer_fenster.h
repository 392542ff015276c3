#pragma once

#include "rosters/mannschaftswahl_fenster.h"

// "Teilnehmer erfassen": asks which team's roster window to open.
class TForm9 : public Mannschaftswahl
{
    Q_OBJECT

public:
    TForm9(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
};
