#pragma once

#include "backup/kopieren.h"

class Plattform;
struct Zustand;

// The message when a backup folder cannot be created.
QString anlegefehler_text(const QString &ordner);

// The backup folder set in the options with a trailing '/'; the proposed folder when none is set.
QString sicherungsordner(const Zustand &zustand);

// The automatic backup at the end of the program: the data files into today's folder under the
// backup folder, overwriting what that folder holds. Every failure is shown; false then, and the
// program must not end.
bool Lesen(const Zustand &zustand, Plattform &plattform, const Fortschritt &fortschritt);
