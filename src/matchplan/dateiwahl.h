#pragma once

#include <QString>
#include <QStringList>
#include <array>

class Plattform;
struct Zustand;

// The file choice "Datei wählen" lists saved match days, for a results list (dateiwahl_zweck
// 1, record files "*.grp") or for loading into a plan window (2, standings files "*.Tab").
inline constexpr qint32 zweck_ergebnisliste = 1;
inline constexpr qint32 zweck_laden = 2;

// "D*.grp", "E*.grp", "D*.Tab" or "E*.Tab".
QString dateiwahl_muster(bool doppel, qint32 zweck);
// The names in the data folder that match (case is ignored as on the systems the files come
// from), the newest day first by the date in the name; names of the same day, and names
// without a date, in name order after them.
QStringList dateiwahl_dateien(const Zustand &zustand, const QString &muster);

// "Auswahl" of a name: a record name gives plan_anzahl its entry count; every name gives
// listen_datum its date. False, with the conversion message and nothing changed, when a record
// name holds no count.
bool auswahl_auswerten(Zustand &zustand, Plattform &plattform, const QString &name);

// The shared values a results list of the record name needs: the options read anew,
// spieler_pro_mannschaft from the name, grp_datei, and in singles plan_anzahl. False, with
// the conversion message and nothing changed, when the name holds no count; false with a
// message too when the record file is cut short.
bool ergebnisliste_vorbereiten(Zustand &zustand, Plattform &plattform, const QString &name);

// The question before "Löschen".
QString loeschen_frage(const QString &name);
// Deletes the file and the result matrix file beside it; what is missing is ignored.
void dateiwahl_loeschen(const Zustand &zustand, const QString &name);

// Left edges of "Auswahl", "Beenden" and "Löschen" around the middle of a window.
std::array<int, 3> dreier_knopfreihe(int fensterbreite, int knopfbreite);
