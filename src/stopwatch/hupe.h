#pragma once

#include <QString>

class Plattform;
struct Zustand;

// The horn that ends a game: the file named by wav_datei in the folder "Wav-Dateien" of the
// data folder. Also played by the settings window's "Testen".
QString hupe_pfad(const Zustand &zustand);

// The horn the program brings along, ":/ton/Hupe.wav".
inline constexpr auto hupe_mitgeliefert = u"Hupe.wav";

// At the first start, while the data folder has no "Wav-Dateien" yet: puts the horn the
// program brings along there. It is not chosen: wav_datei stays as the options file holds it.
// A failed write leaves the horn silent as before, without a message: nobody asked for the file.
void hupe_bereitstellen(const Zustand &zustand);

// Whether a horn is chosen in the settings at all.
bool hupe_gewaehlt(const Zustand &zustand);

// Plays the horn once without waiting for its end. Silent, without a message, when no
// such file exists or wav_datei is empty or names anything outside "Wav-Dateien".
void hupe_abspielen(const Zustand &zustand, Plattform &plattform);
