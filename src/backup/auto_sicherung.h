#pragma once

#include "backup/kopieren.h"

class Plattform;
struct Zustand;

// The message when a backup folder cannot be created.
QString anlegefehler_text(const QString &ordner);

// The backup folder is kept in a String[80] field: a longer folder would be cut and another
// folder used. The message when its stored form does not fit; empty when it does.
QString pfad_zu_lang_text(const QString &ordner);

// The backup folder set in the options with a trailing '/'; the proposed folder when none is set.
QString sicherungsordner(const Zustand &zustand);

// The automatic backup at the end of the program: the data files into today's folder under the
// backup folder, overwriting what that folder holds. Every failure is shown; only a failed copy
// gives false, and the program must not end then. A folder that cannot be created copies nothing
// and lets the program end.
bool Lesen(const Zustand &zustand, Plattform &plattform, const Fortschritt &fortschritt);
