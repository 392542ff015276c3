#include "matchplan/plan_profil.h"

#include "grid/ausrichtung.h"

using namespace Qt::StringLiterals;

const SpielplanProfil &doppel_profil()
{
    static const SpielplanProfil profil{
        .doppel = true,
        .matrix_ecke = u"Gruppen"_s,
        .trenner = u"          Gruppe 2"_s,
        .tabelle1_hoehe = opt::tabelle1_hoehe_d,
        .zeilenhoehe = opt::zeilenhoehe_d,
        .schriftgroesse = opt::schriftgroesse_d,
        .client_groesse = {1028, 749},
        .matrix_spaltenbreite = 90,
        .matrix_titel_ausrichtung = ausrichtung_zentriert,
        .zeilenhoehe_getippt_speichern = true,
        .zeigen_passt_breiten_an = false,
        .beenden_setzt_uhr_zurueck = true,
        .uhr_mit_sekunden = true,
    };
    return profil;
}

const SpielplanProfil &einzel_profil()
{
    static const SpielplanProfil profil{
        .doppel = false,
        .matrix_ecke = u"Spieler"_s,
        .trenner = u"        Gruppe 2"_s,
        .tabelle1_hoehe = opt::tabelle1_hoehe_e,
        .zeilenhoehe = opt::zeilenhoehe_e,
        .schriftgroesse = opt::schriftgroesse_e,
        .client_groesse = {1028, 695},
        .matrix_spaltenbreite = 118,
        .matrix_titel_ausrichtung = ausrichtung_links_mittig,
        .zeilenhoehe_getippt_speichern = false,
        .zeigen_passt_breiten_an = true,
        .beenden_setzt_uhr_zurueck = false,
        .uhr_mit_sekunden = false,
    };
    return profil;
}
