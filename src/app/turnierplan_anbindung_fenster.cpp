#include "app/turnierplan_anbindung_fenster.h"

#include "app/einstellungen_fenster.h"
#include "app/hauptfenster_fenster.h"
#include "app/planuhr_anbindung_fenster.h"
#include "matchplan/dateiwahl.h"
#include "matchplan/dateiwahl_fenster.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/spieltag_namen.h"
#include "matchplan/wiederherstellung.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "stopwatch/stoppuhr_fenster.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

TurnierplanAnbindung::TurnierplanAnbindung(TForm1 &hauptfenster, Zustand &zustand,
                                           Plattform &plattform)
    : QObject(&hauptfenster)
    , m_hauptfenster(hauptfenster)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    hauptfenster.befehl_setzen(Befehl::turnierplan_anzeigen, [this] { turnierplan_anzeigen(); });
    hauptfenster.befehl_setzen(Befehl::ergebnisse_ansehen, [this] { ergebnisse_ansehen(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TurnierplanAnbindung::offene_tage_sichern);
}

SpielplanFenster *TurnierplanAnbindung::vorhandener_spielplan() const
{
    return m_zustand.wert(opt::doppel_modus) == 1 ? m_form5 : m_form6;
}

SpielplanFenster &TurnierplanAnbindung::spielplan_fenster(bool doppel)
{
    SpielplanFenster *&fenster = doppel ? m_form5 : m_form6;
    if (fenster)
        return *fenster;
    if (doppel)
        fenster = new TForm5(m_zustand, m_plattform, &m_hauptfenster);
    else
        fenster = new TForm6(m_zustand, m_plattform, &m_hauptfenster);
    connect(fenster, &SpielplanFenster::startseite_zeigen, &m_hauptfenster,
            &TForm1::startseite_einblenden);
    connect(fenster, &SpielplanFenster::startseite_verbergen, &m_hauptfenster,
            &TForm1::startseite_ausblenden);
    connect(fenster, &SpielplanFenster::neu_oeffnen, &m_hauptfenster, [this] {
        m_neu_ohne_angebot = true;
        m_hauptfenster.befehl_ausfuehren(Befehl::turnierplan_anzeigen);
        m_neu_ohne_angebot = false;
    });
    SpielplanFenster *plan = fenster;
    connect(fenster, &SpielplanFenster::laden_verlangt, this, [this, plan](const QString &muster) {
        dateiwahl().zum_laden_oeffnen(
            muster, [plan](const QString &name) { plan->laden(name); },
            [plan] { plan->wieder_zeigen(); });
    });
    planuhr_verbinden(stoppuhr(), *fenster, doppel ? Planfenster::doppel : Planfenster::einzel);
    emit spielplan_erzeugt(fenster);
    return *fenster;
}

TForm12 &TurnierplanAnbindung::dateiwahl()
{
    if (!m_form12) {
        m_form12 = new TForm12(m_zustand, m_plattform, &m_hauptfenster);
        m_form12->ergebnisliste_zeigen = ergebnisliste_zeigen;
        connect(m_form12, &TForm12::startseite_zeigen, &m_hauptfenster,
                &TForm1::startseite_einblenden);
    }
    return *m_form12;
}

TForm19 &TurnierplanAnbindung::stoppuhr()
{
    if (!m_form19) {
        m_form19 = new TForm19(m_zustand, m_plattform, &m_hauptfenster);
        // The settings open at the horn's choice.
        connect(m_form19, &TForm19::hupe_waehlen_verlangt, this, [this] {
            m_hauptfenster.befehl_ausfuehren(Befehl::einstellungen);
            if (TForm10 *einstellungen = m_hauptfenster.Form10)
                einstellungen->SpeedButton5->setFocus(Qt::OtherFocusReason);
        });
    }
    return *m_form19;
}

void TurnierplanAnbindung::farben_neu_lesen()
{
    for (SpielplanFenster *fenster : {m_form5, m_form6}) {
        if (fenster)
            fenster->farben_lesen();
    }
}

void TurnierplanAnbindung::turnierplan_anzeigen()
{
    m_zustand.optionen_lesen();
    m_zustand.setze(opt::mannschaft_nr, nummer(Mannschaft::eins));
    const bool doppel = m_zustand.wert(opt::doppel_modus) == 1;
    if (m_neu_ohne_angebot || !ungespeicherten_tag_anbieten(doppel))
        spielplan_fenster(doppel).oeffnen();
    // A new plan starts with the stopwatch stopped and at zero.
    Stoppuhr &uhr = stoppuhr().stoppuhr();
    uhr.plan_neu_geoeffnet(uhr.aktuelles_planfenster());
}

bool TurnierplanAnbindung::ungespeicherten_tag_anbieten(bool doppel)
{
    // The plan on show may still wait to write its newest change.
    if (SpielplanFenster *offen = doppel ? m_form5 : m_form6;
        offen && offen->wiederherstellung().vorgemerkt())
        offen->wiederherstellung().schreiben();
    const wiederherstellung::Fund fund = wiederherstellung::suchen(m_zustand.daten_pfad, doppel);
    if (fund.art != wiederherstellung::Fund::ladbar)
        return false;
    const int spiele = wiederherstellung::eingetragene_spiele(fund.satz);
    if (spiele == 0 ||
        !m_plattform.warnung_ja_nein(wiederherstellung::angebot_frage(fund.satz, spiele))) {
        wiederherstellung::entfernen(m_zustand.daten_pfad, doppel);
        return false;
    }
    satz_laden(fund.satz);
    return true;
}

void TurnierplanAnbindung::offene_tage_sichern()
{
    // Also a result still in its cell's editor, which has not become a step yet.
    for (SpielplanFenster *fenster : {m_form5, m_form6}) {
        if (fenster &&
            (fenster->wiederherstellung().vorgemerkt() || fenster->spielplan().ungespeichert()))
            fenster->wiederherstellung().schreiben();
    }
}

void TurnierplanAnbindung::ergebnisse_ansehen()
{
    m_zustand.dateiwahl_zweck = zweck_ergebnisliste;
    dateiwahl().ergebnisse_zeigen(
        dateiwahl_muster(m_zustand.wert(opt::doppel_modus) == 1, zweck_ergebnisliste));
}

void TurnierplanAnbindung::wiederherstellung_anbieten()
{
    using wiederherstellung::Fund;
    const QString &daten = m_zustand.daten_pfad;
    const Fund funde[] = {wiederherstellung::suchen(daten, false),
                          wiederherstellung::suchen(daten, true)};
    bool unbrauchbar = wiederherstellung::fremdes_entfernen(daten);
    for (bool doppel : {false, true}) {
        // An empty folder of a kind goes too, silently.
        unbrauchbar |= funde[doppel].art == Fund::unbrauchbar;
        if (funde[doppel].art != Fund::ladbar)
            wiederherstellung::entfernen(daten, doppel);
    }
    if (unbrauchbar)
        m_plattform.fehler(u"Die Daten des zuletzt nicht gespeicherten Spieltags sind "
                           u"unvollständig und können nicht wiederhergestellt werden. "
                           u"Sie werden entfernt."_s);
    // Singles first, then doubles; each kind is asked for on its own.
    for (const Fund &fund : funde) {
        if (fund.art == Fund::ladbar)
            satz_anbieten(fund.satz);
    }
}

void TurnierplanAnbindung::satz_anbieten(const wiederherstellung::Satz &satz)
{
    if (!m_plattform.warnung_ja_nein(u"Der letzte Spieltag wurde nicht gespeichert. "
                                     u"Soll er wiederhergestellt werden?"_s)) {
        wiederherstellung::entfernen(m_zustand.daten_pfad, satz.doppel);
        return;
    }
    satz_laden(satz);
}

void TurnierplanAnbindung::satz_laden(const wiederherstellung::Satz &satz)
{
    // As a person would: the plan of its kind opened, then the day loaded into it. The set stays
    // until the day is saved.
    m_hauptfenster.startseite_ausblenden();
    SpielplanFenster &fenster = spielplan_fenster(satz.doppel);
    fenster.oeffnen();
    m_zustand.listen_datum = datum_aus_dateiname(satz.namen.tabelle);
    fenster.laden(satz.namen.tabelle, satz.ordner);
    fenster.tischmeldungen_wiederaufnehmen(satz.ordner);
}
