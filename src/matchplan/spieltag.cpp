#include "matchplan/spieltag.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QFile>

namespace {

void namen_eintragen(TSpieltag &satz, const GitterModell &tabelle, bool doppel)
{
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (int k = 1; k <= plan::max_eintraege; ++k) {
            const QString text = tabelle.Cells(0, plan::zeile(mannschaft, k));
            if (!doppel) {
                satz.setze(spt::einzel_name(mannschaft, k), text);
                continue;
            }
            const QString paar = text.trimmed();
            const qsizetype strich = paar.indexOf(u'/');
            const QString erster = strich < 0 ? paar : paar.left(strich);
            const QString zweiter = strich < 0 ? QString() : paar.mid(strich + 1);
            satz.setze(spt::doppel_name(mannschaft, k, 1), erster.trimmed());
            satz.setze(spt::doppel_name(mannschaft, k, 2), zweiter.trimmed());
        }
    }
}

} // namespace

TSpieltag spieltag_aus_tabelle(const GitterModell &tabelle, bool doppel, int n)
{
    TSpieltag satz;
    namen_eintragen(satz, tabelle, doppel);
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (int k = 1; k <= plan::max_eintraege; ++k) {
            const int zeile = plan::zeile(mannschaft, k);
            for (int spiel = 1; spiel <= spt::spiele; ++spiel)
                satz.setze(spt::punkte(zeile, spiel), tabelle.Cells(spiel, zeile));
            const int t = mannschaft == Mannschaft::eins ? k : plan::max_eintraege + k;
            satz.setze(spt::summe(t), tabelle.Cells(plan::summen_spalte(n), zeile));
            satz.setze(spt::platz(zeile), tabelle.Cells(plan::platz_spalte(n), zeile));
        }
    }
    return satz;
}

bool spieltag_schreiben(const Zustand &zustand)
{
    return spieltag_schreiben(zustand.pfad(zustand.grp_datei), zustand.spieltag);
}

bool spieltag_schreiben(const QString &pfad, const TSpieltag &satz)
{
    return speicher::datei_ersetzen(pfad, satz.bytes());
}

bool spieltag_lesen(Zustand &zustand)
{
    return spieltag_lesen(zustand.pfad(zustand.grp_datei), zustand.spieltag);
}

bool spieltag_lesen(const QString &pfad, TSpieltag &satz)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    return satz.von_bytes(datei.read(spt::groesse));
}
