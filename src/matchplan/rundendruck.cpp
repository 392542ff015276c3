#include "matchplan/rundendruck.h"

#include "grid/filtergrid.h"
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

QList<Druckrunde> druckrunden(const Rundenplan &plan, const GitterModell &matrix,
                              const Zetteladresse &adresse)
{
    QList<Druckrunde> runden;
    runden.reserve(plan.runden.size());
    for (const Runde &runde : plan.runden) {
        Druckrunde druckrunde;
        for (const Rundenspiel &spiel : runde)
            druckrunde << Druckpaarung{spiel.tisch, matrix.Cells(spiel.spalte, 0).trimmed(),
                                       matrix.Cells(0, spiel.zeile).trimmed(),
                                       adresse ? adresse(spiel.spalte, spiel.zeile) : QString()};
        runden << druckrunde;
    }
    return runden;
}

Seitenvorschau rundenplan_vorschau(const Zustand &zustand, Plattform &plattform,
                                   const Rundenplan &plan, const GitterModell &matrix)
{
    return vorschau(zustand, plattform,
                    rundenplan_seiten(druckrunden(plan, matrix), plattform.jetzt().date(),
                                      druckschrift_aus_optionen(zustand.optionen)),
                    rundendruck::plan_titel);
}

Seitenvorschau spielzettel_vorschau(const Zustand &zustand, Plattform &plattform,
                                    const Rundenplan &plan, const GitterModell &matrix,
                                    const Zetteladresse &adresse)
{
    return vorschau(zustand, plattform,
                    spielzettel_seiten(druckrunden(plan, matrix, adresse), plattform.jetzt().date(),
                                       druckschrift_aus_optionen(zustand.optionen)),
                    rundendruck::zettel_titel);
}
