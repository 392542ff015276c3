#include "app/zuschauer_anbindung_fenster.h"

#include "app/hauptfenster_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "matchplan/plan_profil.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/zuschauer_fenster.h"
#include "stopwatch/stoppuhr_fenster.h"

#include <QShortcut>

namespace {

Planfenster art(SpielplanFenster &plan)
{
    return plan.spielplan().profil().doppel ? Planfenster::doppel : Planfenster::einzel;
}

} // namespace

ZuschauerAnbindung::ZuschauerAnbindung(TForm1 &hauptfenster, TurnierplanAnbindung &turnierplan,
                                       Plattform &plattform)
    : QObject(&hauptfenster)
    , m_hauptfenster(hauptfenster)
    , m_turnierplan(turnierplan)
    , m_plattform(plattform)
{
    hauptfenster.befehl_setzen(Befehl::zuschauer_ansicht, [this] { aus_menue_oeffnen(); });
    connect(&turnierplan, &TurnierplanAnbindung::spielplan_erzeugt, this,
            &ZuschauerAnbindung::plan_anbinden);
}

ZuschauerFenster &ZuschauerAnbindung::zuschauer()
{
    if (m_fenster)
        return *m_fenster;
    m_fenster = new ZuschauerFenster(m_plattform, &m_hauptfenster);
    Stoppuhr &uhr = m_turnierplan.stoppuhr().stoppuhr();
    // The same display the followed plan's Panel6 shows.
    connect(&uhr, &Stoppuhr::anzeige_geaendert, m_fenster, [this](Planfenster geaendert) {
        const Stoppuhr &uhr = m_turnierplan.stoppuhr().stoppuhr();
        if (geaendert == (m_gefolgt ? art(*m_gefolgt) : uhr.aktuelles_planfenster()))
            zeit_zeigen();
    });
    return *m_fenster;
}

void ZuschauerAnbindung::aus_menue_oeffnen()
{
    // Only a plan that is open: a closed one is no longer the day in the hall.
    SpielplanFenster *plan = m_turnierplan.vorhandener_spielplan();
    folgen(plan && plan->offen() ? plan : nullptr);
    zuschauer().oeffnen();
}

void ZuschauerAnbindung::plan_anbinden(SpielplanFenster *plan)
{
    auto *taste = new QShortcut(QKeySequence(Qt::Key_F11), plan);
    taste->setContext(Qt::WindowShortcut);
    connect(taste, &QShortcut::activated, this, [this, plan] { umschalten(plan); });
    connect(plan, &SpielplanFenster::gezeigt, this, [this, plan] {
        if (m_fenster && m_fenster->isVisible())
            folgen(plan);
    });
    // A closed plan is no longer the day in the hall, saved or not.
    connect(plan, &SpielplanFenster::geschlossen, this, [this, plan] {
        if (plan == m_gefolgt)
            folgen(nullptr);
    });
}

void ZuschauerAnbindung::umschalten(SpielplanFenster *plan)
{
    if (m_fenster && m_fenster->isVisible() && m_gefolgt == plan) {
        m_fenster->close();
        return;
    }
    folgen(plan);
    zuschauer().oeffnen();
}

void ZuschauerAnbindung::folgen(SpielplanFenster *plan)
{
    m_gefolgt = plan;
    zuschauer().plan_setzen(plan ? &plan->spielplan() : nullptr);
    zeit_zeigen();
}

void ZuschauerAnbindung::zeit_zeigen()
{
    const Stoppuhr &uhr = m_turnierplan.stoppuhr().stoppuhr();
    const Zeitanzeige &anzeige =
        uhr.anzeige(m_gefolgt ? art(*m_gefolgt) : uhr.aktuelles_planfenster());
    // The button face of a stopped display is the plan window's; the view keeps its own.
    zuschauer().zeit_anzeigen(
        anzeige.text, anzeige.farbe == clBtnFace ? QColor() : farbe_zu_qcolor(anzeige.farbe));
}
