#pragma once

#include "stopwatch/stoppuhr.h"

class SpielplanFenster;
class TForm19;

// Ties a plan window to the stopwatch: its Panel6 mirrors that plan's time display,
// SpeedButton1 opens the stopwatch window, SpeedButton2 resets the stopwatch, and every
// showing of the plan window makes the next "Start" begin a new game.
void planuhr_verbinden(TForm19 &form19, SpielplanFenster &plan, Planfenster fenster);
