#include "app/live_anbindung_fenster.h"

#include "app/hauptfenster_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "live/verdichter.h"
#include "matchplan/plan_profil.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/tischeingang.h"
#include "shell/live_modul.h"
#include "shell/module.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "stopwatch/stoppuhr_fenster.h"

#include <QLabel>
#include <QStatusBar>

using namespace Qt::StringLiterals;

LiveAnbindung::LiveAnbindung(TForm1 &hauptfenster, TurnierplanAnbindung &turnierplan,
                             Zustand &zustand, Plattform &plattform)
    : QObject(&hauptfenster)
    , m_hauptfenster(hauptfenster)
    , m_turnierplan(turnierplan)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    hauptfenster.befehl_setzen(Befehl::live_seite, [this] { oeffnen(); });
    connect(&turnierplan, &TurnierplanAnbindung::spielplan_erzeugt, this,
            &LiveAnbindung::plan_anbinden);
}

void LiveAnbindung::oeffnen()
{
    if (!m_modul) {
        m_modul = modul<LiveModul>(QString::fromLatin1(live_modul_name));
        if (!m_modul) {
            m_plattform.fehler(u"Die Live-Seite ist nicht möglich: Das Modul \"%1\" fehlt."_s.arg(
                QString::fromLatin1(live_modul_name)));
            return;
        }
        m_modul->tische_anbinden(this);
        m_verdichter = new LiveVerdichter([this] { return stand(); }, this);
        connect(m_verdichter, &LiveVerdichter::neuer_stand, this,
                [this](const QByteArray &dokument) { m_modul->stand_senden(dokument); });
        connect(&m_turnierplan.stoppuhr().stoppuhr(), &Stoppuhr::anzeige_geaendert, this,
                &LiveAnbindung::markieren);
        // Stopping changes no display, but whether the phones say "Stoppuhr steht".
        connect(&m_turnierplan.stoppuhr().stoppuhr(), &Stoppuhr::geaendert, this,
                &LiveAnbindung::markieren);
        // Only a plan that is open: a closed one is no longer the day in the hall.
        SpielplanFenster *plan = m_turnierplan.vorhandener_spielplan();
        folgen(plan && plan->offen() ? plan : nullptr);
        m_modul->stand_senden(m_verdichter->dokument());
        m_modul->bei_aenderung([this](std::optional<int> telefone) { anzeigen(telefone); });
    }
    m_modul->fenster_zeigen(m_zustand, m_plattform, &m_hauptfenster);
}

void LiveAnbindung::anzeigen(std::optional<int> telefone)
{
    if (!m_anzeige) {
        m_anzeige = new QLabel(m_hauptfenster.StatusBar1);
        m_anzeige->setObjectName(u"LiveAnzeige"_s);
        m_hauptfenster.StatusBar1->addPermanentWidget(m_anzeige);
    }
    m_anzeige->setVisible(telefone.has_value());
    if (!telefone)
        return;
    const QString text = *telefone == 1 ? u"Live-Seite an: 1 Telefon"_s
                                        : u"Live-Seite an: %1 Telefone"_s.arg(*telefone);
    m_anzeige->setText(text);
    m_anzeige->setAccessibleName(text);
}

void LiveAnbindung::plan_anbinden(SpielplanFenster *plan)
{
    Spielplan &spielplan = plan->spielplan();
    plan->seitenadresse_setzen([this] { return m_modul ? m_modul->tischseite() : QString(); });
    // Every kind of change only marks the snapshot stale; it is built later, once.
    connect(&spielplan, &Spielplan::ergebnisse_geaendert, this, [this, plan] {
        if (plan == m_gefolgt)
            markieren();
    });
    connect(&spielplan, &Spielplan::geaendert, this, [this, plan] {
        if (plan == m_gefolgt)
            markieren();
    });
    connect(&spielplan.schritte(), &QUndoStack::indexChanged, this, [this, plan] {
        if (plan == m_gefolgt)
            markieren();
    });
    connect(plan, &SpielplanFenster::gezeigt, this, [this, plan] {
        if (m_verdichter)
            folgen(plan);
    });
    // A closed plan is no longer the day in the hall, saved or not.
    connect(plan, &SpielplanFenster::geschlossen, this, [this, plan] {
        if (plan == m_gefolgt)
            folgen(nullptr);
    });
}

void LiveAnbindung::folgen(SpielplanFenster *plan)
{
    m_gefolgt = plan;
    markieren();
}

void LiveAnbindung::markieren()
{
    if (m_verdichter)
        m_verdichter->markieren();
}

QJsonObject LiveAnbindung::stand() const
{
    const Stoppuhr &uhr = m_turnierplan.stoppuhr().stoppuhr();
    Spielplan *plan = m_gefolgt ? &m_gefolgt->spielplan() : nullptr;
    const Planfenster art =
        plan ? (plan->profil().doppel ? Planfenster::doppel : Planfenster::einzel)
             : uhr.aktuelles_planfenster();
    return stand_objekt(tagesstand(plan, uhr.anzeige(art), uhr.lage() == Stoppuhr::Lage::laeuft,
                                   m_plattform.jetzt().date()));
}

std::optional<Tischlage> LiveAnbindung::lage(QByteArrayView schluessel)
{
    if (!m_gefolgt)
        return std::nullopt;
    return m_gefolgt->tischeingang().lage(schluessel);
}

bool LiveAnbindung::melden(QByteArrayView schluessel, int tore1, int tore2, const QString &adresse)
{
    return m_gefolgt && m_gefolgt->tischeingang().melden(schluessel, tore1, tore2, adresse);
}
