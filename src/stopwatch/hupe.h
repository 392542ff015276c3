#pragma once

#include <QString>

class Plattform;
struct Zustand;

// The horn that ends a game: the file named by wav_datei in the folder "Wav-Dateien" of the
// data folder. Also played by the settings window's "Testen".
QString hupe_pfad(const Zustand &zustand);

// The horn the program brings along, ":/ton/Hupe.wav".
inline constexpr auto hupe_mitgeliefert = u"Hupe.wav";

// At start: when "Wav-Dateien" holds no WAV file yet, puts the horn the program brings along
// there, and names it in wav_datei unless a name is set. A failed write leaves the horn silent
// as before, without a message: nobody asked for the file.
void hupe_bereitstellen(Zustand &zustand);

// Plays the horn once without waiting for its end. Silent, without a message, when no
// such file exists or wav_datei is empty or names anything outside "Wav-Dateien".
void hupe_abspielen(const Zustand &zustand, Plattform &plattform);
