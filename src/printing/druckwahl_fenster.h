#pragma once

#include "rosters/mannschaftswahl_fenster.h"

// "Teilnehmer drucken": asks which team's roster to print.
class TForm15 : public Mannschaftswahl
{
    Q_OBJECT

public:
    TForm15(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
};
