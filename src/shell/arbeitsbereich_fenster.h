#pragma once

class Plattform;
class QRect;
class QWidget;

// Places a window on the screen's work area and keeps it there with its frame and title bar. A
// window manager reports the frame only once the window is shown; the window then shrinks by
// it, so that its bottom row of buttons stays on the screen.
void arbeitsbereich_fuellen(QWidget &fenster, Plattform &plattform);

// Sizes a window to its contents and puts it in the middle of the given rectangle (a screen or
// its work area), `nach_unten` pixels lower.
void mittig_platzieren(QWidget &fenster, const QRect &bereich, int nach_unten = 0);
