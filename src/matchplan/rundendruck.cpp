#include "matchplan/rundendruck.h"

#include "grid/filtergrid.h"
#include "matchplan/rundenanzeige.h"
#include "matchplan/spielplan.h"
#include "printing/pdf_speichern.h"
#include "printing/seitenausgabe.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace {

Seitenvorschau vorschau(const Zustand &zustand, Plattform &plattform,
                        const QList<DruckSeite> &seiten, const QString &titel)
{
    Seitenvorschau ergebnis;
    ergebnis.titel = titel;
    ergebnis.seiten = int(seiten.size());
    ergebnis.zeichnen = [seiten](QPainter &maler, int seite, const QRectF &ziel) {
        seite_zeichnen(maler, seiten[seite], ziel);
    };
    // The platform outlives every preview; the path is taken now.
    ergebnis.als_pdf_speichern = [&plattform, seiten, titel,
                                  pfad = zustand.pfad(titel + u".pdf"_s)] {
        pdf_speichern(plattform, pfad, seiten, titel);
    };
    return ergebnis;
}

} // namespace

QList<Druckrunde> druckrunden(const Rundenplan &plan, const GitterModell &tabelle,
                              const GitterModell &matrix, const Zetteladresse &adresse)
{
    QList<Druckrunde> runden;
    runden.reserve(plan.runden.size());
    for (const Runde &runde : plan.runden) {
        Druckrunde druckrunde;
        for (const Rundenzeile &spiel : rundenzeilen(runde, tabelle, matrix))
            druckrunde << Druckpaarung{spiel.tisch, spiel.links, spiel.rechts, spiel.ergebnis,
                                       adresse ? adresse(spiel.spalte, spiel.zeile) : QString()};
        runden << druckrunde;
    }
    return runden;
}

Druckmannschaften druckmannschaften(const Spielplan &plan)
{
    return {plan.mannschaftsname(Mannschaft::zwei), plan.mannschaftsname(Mannschaft::eins)};
}

Seitenvorschau rundenplan_vorschau(const Zustand &zustand, Plattform &plattform,
                                   const Spielplan &plan)
{
    return vorschau(zustand, plattform,
                    rundenplan_seiten(druckrunden(plan.rundenplan(), plan.tabelle(), plan.matrix()),
                                      druckmannschaften(plan), plattform.jetzt().date(),
                                      druckschrift_aus_optionen(zustand.optionen)),
                    rundendruck::plan_titel);
}

Seitenvorschau spielzettel_vorschau(const Zustand &zustand, Plattform &plattform,
                                    const Spielplan &plan, const Zetteladresse &adresse)
{
    return vorschau(
        zustand, plattform,
        spielzettel_seiten(druckrunden(plan.rundenplan(), plan.tabelle(), plan.matrix(), adresse),
                           druckmannschaften(plan), plattform.jetzt().date(),
                           druckschrift_aus_optionen(zustand.optionen)),
        rundendruck::zettel_titel);
}
