#include "results/ergebnis_profil.h"

using namespace Qt::StringLiterals;

const ErgebnisProfil &doppel_ergebnisprofil()
{
    static const ErgebnisProfil profil{
        .namensspalten = 2,
        .zeilen_zusatz = 10,
        .spalte0_breite = 60,
        .spalte0_typ = u'I',
        .zeilenhoehe = opt::zeilenhoehe_liste_d,
        .schriftgroesse = opt::schriftgroesse_liste_d,
        .ueberschrift_anfang = u"Ergebnisse für "_s,
        .ueberschrift_mitte = u" gegen "_s,
        .ueberschrift_grenzen = {115, 122, 222, 227},
        .rollbalken = false,
    };
    return profil;
}

const ErgebnisProfil &einzel_ergebnisprofil()
{
    static const ErgebnisProfil profil{
        .namensspalten = 1,
        .zeilen_zusatz = 1,
        .spalte0_breite = 0,
        .spalte0_typ = u' ',
        .zeilenhoehe = opt::zeilenhoehe_liste_e,
        .schriftgroesse = opt::schriftgroesse_liste_e,
        .ueberschrift_anfang = u"Ergebnisse für Spiele zwischen "_s,
        .ueberschrift_mitte = u" und "_s,
        .ueberschrift_grenzen = {131, 136, 236, 241},
        .rollbalken = true,
    };
    return profil;
}
