#pragma once

#include <QString>

class Plattform;
struct Zustand;

// The horn that ends a game: the file named by wav_datei in the folder "Wav-Dateien" of the
// data folder. Also played by the settings window's "Testen".
QString hupe_pfad(const Zustand &zustand);

// Plays the horn once without waiting for its end. Silent, without a message, when no
// such file exists or wav_datei is empty or names anything outside "Wav-Dateien".
void hupe_abspielen(const Zustand &zustand, Plattform &plattform);
