#pragma once

#include <QObject>
#include <QString>

class Plattform;

// Parts that need large libraries of their own (sound, printing) live in modules, plugins beside
// the program that are loaded at their first use: start-up loads none of their libraries.
// A module implements one interface declared with Q_DECLARE_INTERFACE (ton_modul.h,
// druck_modul.h); the build makes it with vorlix_modul() (cmake/VorlixModul.cmake).

// The module's plugin object, loaded once and kept for the rest of the run; nullptr when it
// cannot be found or loaded.
QObject *modul_laden(const QString &name);

// A module linked in as a static plugin (the "<name>_statisch" library, for tests that reach
// into its classes) with this interface; nullptr when there is none.
QObject *statisches_modul(const char *schnittstelle);

template <class Schnittstelle> Schnittstelle *modul(const QString &name)
{
    QObject *wurzel = statisches_modul(qobject_interface_iid<Schnittstelle *>());
    return qobject_cast<Schnittstelle *>(wurzel ? wurzel : modul_laden(name));
}

class TonModul;

// Plays a WAV file through the sound module of that name. Without the module, or without an
// audio output, "Testen" and the horn stay silent; that is reported once a run (gemeldet), not
// at every horn of a match day.
void ton_ueber_modul(const QString &modul_name, const QString &wav_datei, Plattform &plattform,
                     bool &gemeldet);
// The same with the module already loaded.
void ton_spielen(TonModul &ton, const QString &wav_datei, Plattform &plattform, bool &gemeldet);
