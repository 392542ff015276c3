#pragma once

#include "shell/mannschaft.h"
#include "storage/satzbild.h"

#include <QList>
#include <QString>
#include <array>

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

// The eight input fields of a roster window from top to bottom, with their labels.
struct Eingabefeld
{
    const char16_t *beschriftung;
    speicher::TextFeld feld;
};
inline constexpr int feldanzahl = 8;
inline constexpr std::array<Eingabefeld, feldanzahl> eingabefelder{{
    {u"Name", name},
    {u"Vorname", vorname},
    {u"Strasse", strasse},
    {u"Plz/Ort", plz_ort},
    {u"Telefon", telefon},
    {u"Fax", fax},
    {u"Mobil", mobil},
    {u"Email", email},
}};
inline constexpr int index_name = 0;
inline constexpr int index_vorname = 1;

// Removes leading and trailing characters with codes up to 32, as names are compared.
QString trimmen(const QString &text);
// The identity rule for one part of a name: trimmed, and only a-z folded to A-Z, so that
// a equals A but ä differs from Ä.
QString vergleichsform(const QString &text);
} // namespace adr

class adresse : public speicher::Satzbild
{
public:
    adresse()
        : Satzbild(adr::groesse)
    {
    }
};

// The eight field texts in the order of adr::eingabefelder.
using Adresstexte = std::array<QString, adr::feldanzahl>;

// Each text cut at its field's capacity.
adresse adresse_aus_texten(const Adresstexte &texte);
Adresstexte texte_der_adresse(const adresse &satz);

// "Adressen1.adr" or "Adressen2.adr".
QString adressen_dateiname(Mannschaft mannschaft);

// Every complete record of a roster file in storage order; a missing file is an empty roster
// and an incomplete tail is ignored.
QList<adresse> adressen_lesen(const QString &pfad);

// The list entry of a player, "name, vorname": team 1 shows both parts as stored, team 2
// trims each part.
QString anzeige_eintrag(const adresse &satz, Mannschaft mannschaft);

// Sorted as the roster lists show them: German collation, case-insensitive.
void eintraege_sortieren(QStringList &eintraege);
