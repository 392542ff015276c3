#include "app/planuhr_anbindung_fenster.h"

#include "matchplan/spielplan_fenster.h"
#include "stopwatch/stoppuhr_fenster.h"

#include <QToolButton>

namespace {

void anzeige_zeigen(SpielplanFenster &plan, const Zeitanzeige &anzeige)
{
    plan.zeit_anzeigen(anzeige.text, farbe_zu_qcolor(anzeige.farbe));
}

} // namespace

void planuhr_verbinden(TForm19 &form19, SpielplanFenster &plan, Planfenster fenster)
{
    Stoppuhr &uhr = form19.stoppuhr();
    // A plan window created while a game runs starts with what the stopwatch shows.
    anzeige_zeigen(plan, uhr.anzeige(fenster));
    QObject::connect(&uhr, &Stoppuhr::anzeige_geaendert, &plan,
                     [&uhr, &plan, fenster](Planfenster geaendert) {
                         if (geaendert == fenster)
                             anzeige_zeigen(plan, uhr.anzeige(fenster));
                     });
    QObject::connect(plan.SpeedButton1, &QToolButton::clicked, &form19,
                     [&form19, fenster] { form19.aus_plan_oeffnen(fenster); });
    QObject::connect(plan.SpeedButton2, &QToolButton::clicked, &uhr,
                     [&uhr, fenster] { uhr.aus_plan_zuruecksetzen(fenster); });
    QObject::connect(&plan, &SpielplanFenster::gezeigt, &uhr, &Stoppuhr::plan_gezeigt);
}
