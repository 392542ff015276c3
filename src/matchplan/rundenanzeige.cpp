#include "matchplan/rundenanzeige.h"

#include "grid/filtergrid.h"
#include "matchplan/mannschaftswertung.h"

using namespace Qt::StringLiterals;

namespace {

QList<Rundenzeile> zeilen(const Runde &runde, const GitterModell &matrix)
{
    QList<Rundenzeile> ergebnis;
    ergebnis.reserve(runde.size());
    for (const Rundenspiel &spiel : runde)
        ergebnis << Rundenzeile{rundenzeile_text(spiel, matrix), spiel.spalte, spiel.zeile};
    return ergebnis;
}

} // namespace

QString rundenzeile_text(const Rundenspiel &spiel, const GitterModell &matrix)
{
    return u"Tisch "_s + QString::number(spiel.tisch) + u": "_s +
           matrix.Cells(spiel.spalte, 0).trimmed() + u" – "_s +
           matrix.Cells(0, spiel.zeile).trimmed();
}

Rundenanzeige rundenanzeige(const Rundenplan &plan, const GitterModell &tabelle,
                            const GitterModell &matrix)
{
    Rundenanzeige anzeige;
    if (plan.runden.isEmpty())
        return anzeige;
    anzeige.runde = aktuelle_runde(plan, [&tabelle](const Rundenspiel &spiel) {
        return spielstand(tabelle, spiel.spalte, spiel.zeile).has_value();
    });
    if (!anzeige.runde) {
        anzeige.titel = u"Alle Runden gespielt"_s;
        return anzeige;
    }
    const int runde = *anzeige.runde;
    anzeige.titel = u"Runde %1 von %2"_s.arg(runde + 1).arg(plan.runden.size());
    anzeige.jetzt = zeilen(plan.runden[runde], matrix);
    if (runde + 1 < plan.runden.size())
        anzeige.danach = zeilen(plan.runden[runde + 1], matrix);
    return anzeige;
}
