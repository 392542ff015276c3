#pragma once

#include "shell/mannschaft.h"
#include "storage/satzbild.h"

#include <QString>
#include <QStringList>

// One entry of a stored selection list: 384 bytes, only the entry text is read back.
namespace lst {
inline constexpr int groesse = 384;
inline constexpr speicher::TextFeld eintrag{51, 50};
inline constexpr speicher::Int32Feld zaehler1{360};
inline constexpr speicher::Int32Feld zaehler2{364};
} // namespace lst

class listen_satz : public speicher::Satzbild
{
public:
    listen_satz()
        : Satzbild(lst::groesse)
    {
    }
};

// The pair of selection files of a team and game kind. Team 2 keeps one pair for both kinds.
struct Auswahldateien
{
    QString quelle; // "Noch vorhandene Spieler"
    QString ziel;   // "Ausgewählte Spieler"
};
Auswahldateien auswahl_dateinamen(Mannschaft mannschaft, bool doppel);

// The entry texts in file order; a missing file is an empty list and an incomplete last
// record is ignored.
QStringList listen_datei_lesen(const QString &pfad);

// Replaces the file with one record per entry; with nummerieren the k-th record carries k in
// zaehler1. False when the file could not be written.
bool listen_datei_schreiben(const QString &pfad, const QStringList &eintraege, bool nummerieren);
