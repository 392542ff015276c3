#pragma once

#include "storage/satzbild.h"

#include <QString>

// The options record: the stored settings and part of the shared state, kept whole in
// "Vorlixn.opt". Reserved areas exist so that the file keeps its size and layout.
namespace opt {
inline constexpr int groesse = 1224;
inline constexpr speicher::Int32Feld mannschaft_nr{0};
inline constexpr speicher::Int32Feld doppel_modus{4};
inline constexpr speicher::Int32Feld auswahl_art{8};
inline constexpr speicher::Int32Feld ruecksicherung_auto{12};
inline constexpr speicher::TextFeld reserviert_text16{16, 40};
inline constexpr speicher::TextFeld spielart_text{57, 40};
inline constexpr speicher::TextFeld sicherungs_pfad{98, 80};
inline constexpr speicher::Int32Feld druck_schriftgroesse{180};
inline constexpr speicher::Int32Feld reserviert_int184{184};
inline constexpr speicher::FarbeFeld sperrfarbe{188};
inline constexpr speicher::FarbeFeld hintergrundfarbe{192};
inline constexpr speicher::FarbeFeld farbe_gruppe1{196};
inline constexpr speicher::FarbeFeld farbe_gruppe2{200};
inline constexpr speicher::Int32Feld reserviert_int204{204};
inline constexpr speicher::Int32Feld reserviert_int208{208};
inline constexpr speicher::Int32Feld zeilenhoehe_d{212};
inline constexpr speicher::Int32Feld zeilenhoehe_e{216};
inline constexpr speicher::Int32Feld zeilenhoehe_liste_d{220};
inline constexpr speicher::Int32Feld zeilenhoehe_liste_e{224};
inline constexpr speicher::Int32Feld schriftgroesse_d{228};
inline constexpr speicher::Int32Feld schriftgroesse_e{232};
inline constexpr speicher::Int32Feld schriftgroesse_liste_d{236};
inline constexpr speicher::Int32Feld schriftgroesse_liste_e{240};
inline constexpr int reserviert_ints248 = 248; // 8 x int32
inline constexpr speicher::TextFeld turnier_datum{280, 10};
inline constexpr speicher::TextFeld name_mannschaft1{291, 100};
inline constexpr speicher::TextFeld name_mannschaft2{392, 100};
inline constexpr speicher::TextFeld reserviert_text493{493, 100};
inline constexpr speicher::TextFeld wav_datei{594, 100};
inline constexpr speicher::TextFeld reserviert_text695{695, 100};
inline constexpr speicher::TextFeld druck_schriftart{796, 40};
inline constexpr speicher::TextFeld reserviert_texte878[4] = {
    {878, 40}, {919, 40}, {960, 40}, {1001, 40}};
inline constexpr speicher::TextFeld reserviert_text1042{1042, 5};
inline constexpr speicher::Int32Feld reserviert_int1100{1100};
inline constexpr speicher::Int32Feld auto_sicherung{1104};
inline constexpr speicher::Int32Feld reserviert_int1108{1108};
inline constexpr speicher::Int32Feld reserviert_int1112{1112};
inline constexpr speicher::Int32Feld spieler_pro_mannschaft{1116};
inline constexpr speicher::Int32Feld daten_einfuegen{1120};
inline constexpr speicher::Int32Feld uhr_schliessen{1124};
inline constexpr speicher::FarbeFeld reserviert_farbe1128{1128};
inline constexpr speicher::FarbeFeld reserviert_farbe1132{1132};
inline constexpr speicher::Int32Feld tabelle1_hoehe_d{1152};
inline constexpr speicher::Int32Feld tabelle1_hoehe_e{1160};
inline constexpr speicher::Int32Feld reserviert_int1208{1208};
} // namespace opt

class TOptionen : public speicher::Satzbild
{
public:
    TOptionen()
        : Satzbild(opt::groesse)
    {
    }
    // The reset values; a field that is not reset keeps its value.
    void auf_grundwerte_setzen();
};

extern const QString optionen_dateiname;

// Load "Vorlixn.opt"; a missing or unreadable file is replaced by the reset values.
void optionen_lesen(TOptionen &optionen, const QString &daten_pfad);
// Write the record; a missing file or a failed write resets instead. False when the record as
// it stood did not reach the file for want of writing (the reset could not be written either,
// or a write failed), so that a caller can report what was lost.
bool optionen_speichern(TOptionen &optionen, const QString &daten_pfad);
// Reset the record and write it as a new file; when the file cannot be created, memory stays
// and the result is false.
bool optionen_anlegen(TOptionen &optionen, const QString &daten_pfad);
