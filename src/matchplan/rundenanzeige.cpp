#include "matchplan/rundenanzeige.h"

#include "grid/filtergrid.h"
#include "matchplan/mannschaftswertung.h"

#include <algorithm>

using namespace Qt::StringLiterals;

Rundenzeile rundenzeile(const Rundenspiel &spiel, const GitterModell &tabelle,
                        const GitterModell &matrix)
{
    Rundenzeile zeile{.spalte = spiel.spalte,
                      .zeile = spiel.zeile,
                      .tisch = spiel.tisch,
                      .links = matrix.Cells(0, spiel.zeile).trimmed(),
                      .rechts = matrix.Cells(spiel.spalte, 0).trimmed()};
    // The cell's left score is the row entry's, as the standings hold it.
    if (const std::optional<Spielstand> stand = spielstand(tabelle, spiel.spalte, spiel.zeile))
        zeile.ergebnis = u"%1:%2"_s.arg(stand->mannschaft2).arg(stand->mannschaft1);
    zeile.text = u"Tisch %1: %2 – %3"_s.arg(spiel.tisch).arg(zeile.links, zeile.rechts);
    if (zeile.gespielt())
        zeile.text += u' ' + zeile.ergebnis;
    return zeile;
}

QList<Rundenzeile> rundenzeilen(const Runde &runde, const GitterModell &tabelle,
                                const GitterModell &matrix)
{
    QList<Rundenzeile> ergebnis;
    ergebnis.reserve(runde.size());
    for (const Rundenspiel &spiel : runde)
        ergebnis << rundenzeile(spiel, tabelle, matrix);
    return ergebnis;
}

Rundenanzeige rundenanzeige(const Rundenplan &plan, const GitterModell &tabelle,
                            const GitterModell &matrix)
{
    Rundenanzeige anzeige;
    if (plan.runden.isEmpty())
        return anzeige;
    const auto fertig = [&tabelle](const Rundenspiel &spiel) {
        return spielstand(tabelle, spiel.spalte, spiel.zeile).has_value();
    };
    anzeige.runde = aktuelle_runde(plan, fertig);
    if (!anzeige.runde) {
        anzeige.titel = u"Alle Runden gespielt"_s;
        return anzeige;
    }
    const int runde = *anzeige.runde;
    anzeige.titel = u"Runde %1 von %2"_s.arg(runde + 1).arg(plan.runden.size());
    anzeige.jetzt = rundenzeilen(plan.runden[runde], tabelle, matrix);
    // A round whose games were all played out of turn is no longer what comes next.
    for (int naechste = runde + 1; naechste < plan.runden.size(); ++naechste) {
        const Runde &spiele = plan.runden[naechste];
        if (!std::all_of(spiele.begin(), spiele.end(), fertig)) {
            anzeige.danach_runde = naechste;
            anzeige.danach = rundenzeilen(spiele, tabelle, matrix);
            break;
        }
    }
    return anzeige;
}
