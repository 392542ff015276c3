#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The data files each copy takes, chosen by extension in this order; the draw log and the
// additional settings by their names.
const QStringList &muster_manuell();     // "Daten sichern >>"
const QStringList &muster_automatisch(); // the automatic backup at the end of the program

// The folder proposed when no backup folder is set: "Vorlix_Quarel_Backup" in the home folder.
QString standard_sicherungsordner();

// "08_12_2026" for 8 December 2026.
QString datumsordner_name(const QDate &datum);

// The folder with a trailing '/'.
QString mit_trenner(const QString &ordner);

// Creates the folder with all missing parents; true when it exists afterwards.
bool verz_anl(const QString &ordner);

// Files lying directly in the folder whose names match a pattern, ignoring letter case: the
// patterns in their order, the files of each pattern sorted by name.
QStringList passende_dateien(const QString &ordner, const QStringList &muster);

// The file about to be copied, and how many of the run are copied already.
struct Kopierschritt
{
    QString quelle;
    QString ziel;
    int kopiert = 0;
    int gesamt = 0;
};
using Fortschritt = std::function<void(const Kopierschritt &)>;

struct Kopierergebnis
{
    QStringList kopiert; // the targets written, in order
    QString fehler;      // empty when every file was copied
    bool ok() const { return fehler.isEmpty(); }
};

// Copies one file over the target. The target is replaced only by a complete copy, so a
// failure leaves the old file as it was; std::nullopt when copied, else the German message with
// the system's error text.
std::optional<QString> KopiereDatei(const QString &quelle, const QString &ziel);

// Copies the named files of a folder into the target folder under the same names. The first
// failure stops the run; files copied before stay copied.
Kopierergebnis dateien_kopieren(const QString &quell_ordner, const QStringList &namen,
                                const QString &ziel_ordner, const Fortschritt &fortschritt);

// Copies the files matching the patterns, as chosen by passende_dateien.
Kopierergebnis Dir_lesen(const QString &quell_ordner, const QStringList &muster,
                         const QString &ziel_ordner, const Fortschritt &fortschritt);
