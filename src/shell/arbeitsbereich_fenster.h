#pragma once

class Plattform;
class QWidget;

// Places a window on the screen's work area and keeps it there with its frame and title bar. A
// window manager reports the frame only once the window is shown; the window then shrinks by
// it, so that its bottom row of buttons stays on the screen.
void arbeitsbereich_fuellen(QWidget &fenster, Plattform &plattform);
