#pragma once

#include "shell/mannschaft.h"
#include "storage/satzbild.h"

#include <QString>

// The line-up record: forty name slots of String[50], numbered 1..40. Team 1's names always
// use slots 1..20 and team 2's slots 21..40, whichever team the record belongs to.
namespace grp {
inline constexpr int groesse = 2040;
inline constexpr int name_kapazitaet = 50;
inline constexpr int slots_pro_mannschaft = 20;
inline constexpr int eintraege_pro_mannschaft = 10;

constexpr speicher::TextFeld slot(int nr)
{
    return {(nr - 1) * (name_kapazitaet + 1), name_kapazitaet};
}
// The first slot of a team's own range: 1..20 for team 1, 21..40 for team 2.
constexpr int erster_slot(Mannschaft mannschaft)
{
    return (nummer(mannschaft) - 1) * slots_pro_mannschaft + 1;
}
} // namespace grp

class TGruppe : public speicher::Satzbild
{
public:
    TGruppe()
        : Satzbild(grp::groesse)
    {
    }

    QString name(int slot) const { return wert(grp::slot(slot)); }
    // Cut at 50 bytes of the stored form.
    void setze_name(int slot, const QString &name) { setze(grp::slot(slot), name); }
    // Empties slots von..bis (length 0); the bytes behind stay as they were.
    void leeren(int von, int bis);

    // Entries per team as the line-up counts them: the number of the last filled entry, 0 when
    // there is none. A pair counts only when both of its slots are filled.
    int letztes_volles_paar(Mannschaft mannschaft) const;
    int letzter_belegter_slot(int erster_slot, int anzahl) const;
};
