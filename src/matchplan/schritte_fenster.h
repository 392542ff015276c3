#pragma once

class QWidget;
class Spielplan;
class TFilterGrid;

// "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y) of a plan window's results: shortcuts of the
// whole window, and both entries in the context menu of the result matrix. An open cell editor
// is committed first, so the result being typed is a step of its own. While an editor has the
// keyboard, Ctrl+Z and Ctrl+Y undo the typing inside the cell. Delete on a selected game cell
// empties it as one step.
void schritte_anbinden(QWidget &fenster, TFilterGrid &matrix, Spielplan &plan);
