#pragma once

#include "shell/mannschaft.h"
#include "storage/satzbild.h"

#include <QList>
#include <QString>

// The roster record of one player: 960 bytes, text fields String[N] in Windows-1252.
namespace adr {
inline constexpr int groesse = 960;
inline constexpr speicher::TextFeld vorname{0, 60};
inline constexpr speicher::TextFeld name{61, 60};
inline constexpr speicher::TextFeld strasse{122, 60};
inline constexpr speicher::TextFeld plz_ort{183, 60};
inline constexpr speicher::TextFeld email{305, 80};
inline constexpr speicher::TextFeld telefon{467, 30};
inline constexpr speicher::TextFeld fax{498, 30};
inline constexpr speicher::TextFeld mobil{560, 30};
} // namespace adr

class adresse : public speicher::Satzbild
{
public:
    adresse()
        : Satzbild(adr::groesse)
    {
    }
};

// "Adressen1.adr" or "Adressen2.adr".
QString adressen_dateiname(Mannschaft mannschaft);

// Every complete record of a roster file in storage order; a missing file is an empty roster
// and an incomplete tail is ignored.
QList<adresse> adressen_lesen(const QString &pfad);
