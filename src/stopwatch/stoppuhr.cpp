#include "stopwatch/stoppuhr.h"

#include "shell/plattform.h"
#include "shell/zustand.h"
#include "stopwatch/hupe.h"
#include "stopwatch/zeitanzeige.h"

using namespace Qt::StringLiterals;

namespace {

const QString entwurfs_text = u"0 : 0"_s;

int index(Planfenster fenster)
{
    return fenster == Planfenster::doppel ? 0 : 1;
}

} // namespace

Stoppuhr::Stoppuhr(Zustand &zustand, Plattform &plattform, QObject *parent)
    : QObject(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_laenge_text(u"0"_s)
    , m_label_text(entwurfs_text)
{
    for (Zeitanzeige &anzeige : m_anzeigen)
        anzeige.text = entwurfs_text;
}

Stoppuhr::Lage Stoppuhr::lage() const
{
    if (m_takt_an)
        return Lage::laeuft;
    return m_zustand.uhr_pause == 1 && restsekunden() > 0 ? Lage::pausiert : Lage::ruhend;
}

int Stoppuhr::restsekunden() const
{
    return m_zustand.uhr_minuten * 60 + m_zustand.uhr_sekunden;
}

bool Stoppuhr::fenster_schliessen() const
{
    return m_zustand.wert(opt::uhr_schliessen) == 1;
}

const Zeitanzeige &Stoppuhr::anzeige(Planfenster fenster) const
{
    return m_anzeigen.at(index(fenster));
}

Planfenster Stoppuhr::aktuelles_planfenster() const
{
    return m_zustand.wert(opt::doppel_modus) == 1 ? Planfenster::doppel : Planfenster::einzel;
}

bool Stoppuhr::laenge_geaendert(const QString &text)
{
    bool ok = false;
    const int minuten = text.toInt(&ok);
    if (!ok || minuten < 0 || minuten > hoechste_laenge) {
        m_plattform.umwandlungsfehler(u"'%1' ist kein gültiger Integerwert"_s.arg(text));
        return false;
    }
    m_laenge = minuten;
    m_laenge_text = text;
    restzeit_setzen(minuten * 60);
    m_label_text = zeit_text(minuten, 0);
    anzeige_setzen(aktuelles_planfenster(), m_label_text);
    // A length of 0 never runs, so the count cannot go below zero.
    m_start_frei = minuten > 0;
    emit geaendert();
    return true;
}

void Stoppuhr::laenge_setzen(int minuten)
{
    laenge_geaendert(QString::number(minuten));
}

void Stoppuhr::start()
{
    if (!m_start_frei)
        return;
    m_takt_an = true;
    m_start_frei = false;
    m_stop_frei = true;
    const Planfenster fenster = aktuelles_planfenster();
    if (m_zustand.uhr_pause == 0) {
        restzeit_setzen(m_laenge * 60);
        anzeige_setzen(fenster, zeit_text(m_laenge, 0));
    }
    // A game resumed in its last minute keeps its warning colour.
    anzeige_faerben(fenster, laufende_farbe(restsekunden()));
    emit geaendert();
    if (fenster_schliessen())
        emit schliessen_verlangt();
}

void Stoppuhr::stop()
{
    m_zustand.uhr_pause = 1;
    m_takt_an = false;
    m_start_frei = restsekunden() > 0;
    m_stop_frei = false;
    emit geaendert();
}

void Stoppuhr::zuruecksetzen()
{
    m_zustand.uhr_minuten = 0;
    m_zustand.uhr_sekunden = 0;
    m_zustand.uhr_pause = 0;
    laenge_setzen(0);
    m_label_text = zeit_text(0, 0);
    // Deliberately leaves a running tick on: it goes on from the new counters.
    m_stop_frei = true;
    emit geaendert();
}

void Stoppuhr::beenden()
{
    m_takt_an = false;
    zuruecksetzen();
}

void Stoppuhr::tick()
{
    if (!m_takt_an || restsekunden() <= 0)
        return;
    restzeit_setzen(restsekunden() - 1);
    const int minuten = m_zustand.uhr_minuten;
    const int sekunden = m_zustand.uhr_sekunden;
    if (minuten > 0) {
        const Planfenster fenster = aktuelles_planfenster();
        anzeige_setzen(fenster, zeit_text(minuten, sekunden));
        anzeige_faerben(fenster, uhr_gruen);
    } else {
        for (Planfenster fenster : {Planfenster::doppel, Planfenster::einzel}) {
            anzeige_setzen(fenster, zeit_text(minuten, sekunden));
            anzeige_faerben(fenster, laufende_farbe(sekunden));
        }
    }
    if (restsekunden() == 0) {
        m_takt_an = false;
        emit geaendert();
        hupe_abspielen(m_zustand, m_plattform);
    }
}

void Stoppuhr::fenster_schliessen_setzen(bool schliessen)
{
    m_zustand.setze(opt::uhr_schliessen, schliessen ? 1 : 0);
    m_zustand.optionen_speichern();
    emit geaendert();
}

void Stoppuhr::aus_plan_oeffnen(Planfenster fenster)
{
    laenge_setzen(0);
    m_label_text = zeit_text(0, 0);
    m_takt_an = false;
    anzeige_faerben(fenster, clBtnFace);
    m_start_frei = false;
    emit geaendert();
}

void Stoppuhr::aus_plan_zuruecksetzen(Planfenster fenster)
{
    m_zustand.uhr_minuten = 0;
    m_zustand.uhr_sekunden = 0;
    laenge_setzen(0);
    m_label_text = zeit_text(0, 0);
    anzeige_setzen(fenster, zeit_text(0, 0));
    m_takt_an = false;
    anzeige_faerben(fenster, clBtnFace);
    emit geaendert();
}

void Stoppuhr::plan_neu_geoeffnet(Planfenster fenster)
{
    anzeige_faerben(fenster, clBtnFace);
    m_takt_an = false;
    zuruecksetzen();
    anzeige_setzen(fenster, zeit_text(0, 0));
}

void Stoppuhr::plan_gezeigt()
{
    m_zustand.uhr_pause = 0;
    emit geaendert();
}

void Stoppuhr::restzeit_setzen(int sekunden)
{
    m_zustand.uhr_minuten = sekunden / 60;
    m_zustand.uhr_sekunden = sekunden % 60;
}

void Stoppuhr::anzeige_setzen(Planfenster fenster, const QString &text)
{
    Zeitanzeige &anzeige = m_anzeigen.at(index(fenster));
    if (anzeige.text == text)
        return;
    anzeige.text = text;
    emit anzeige_geaendert(fenster);
}

void Stoppuhr::anzeige_faerben(Planfenster fenster, TColor farbe)
{
    Zeitanzeige &anzeige = m_anzeigen.at(index(fenster));
    if (anzeige.farbe == farbe)
        return;
    anzeige.farbe = farbe;
    emit anzeige_geaendert(fenster);
}
