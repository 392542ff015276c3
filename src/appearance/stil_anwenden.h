#pragma once

#include <QtGlobal>

class Plattform;
class QString;
class QWidget;
struct Zustand;

// Applies a style by name to every window of the program at once. An unknown name keeps the
// current style and gives false.
bool stil_anwenden(Zustand &zustand, const QString &name);

// Applies the style stored in "Styledat.txt", then maximises the main window.
void style_lesen(Zustand &zustand, Plattform &plattform, QWidget &hauptfenster);

// Colours a window or panel with a stored colour and keeps its text readable on it.
void flaeche_faerben(QWidget &flaeche, qint32 farbe);
