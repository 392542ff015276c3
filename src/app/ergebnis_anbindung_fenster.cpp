#include "app/ergebnis_anbindung_fenster.h"

#include "app/hauptfenster_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "results/ergebnisliste_fenster.h"
#include "shell/zustand.h"

ErgebnisAnbindung::ErgebnisAnbindung(TForm1 &hauptfenster, TurnierplanAnbindung &turnierplan,
                                     Zustand &zustand, Plattform &plattform)
    : QObject(&hauptfenster)
    , m_hauptfenster(hauptfenster)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    turnierplan.ergebnisliste_zeigen = [this](const QString &) {
        ergebnisliste(m_zustand.wert(opt::doppel_modus) == 1).zeigen();
    };
}

ErgebnislisteFenster &ErgebnisAnbindung::ergebnisliste(bool doppel)
{
    ErgebnislisteFenster *&fenster = doppel ? m_form11 : m_form13;
    if (fenster)
        return *fenster;
    if (doppel)
        fenster = new TForm11(m_zustand, m_plattform, &m_hauptfenster);
    else
        fenster = new TForm13(m_zustand, m_plattform, &m_hauptfenster);
    connect(fenster, &ErgebnislisteFenster::startseite_zeigen, &m_hauptfenster,
            &TForm1::startseite_einblenden);
    connect(fenster, &ErgebnislisteFenster::startseite_verbergen, &m_hauptfenster,
            &TForm1::startseite_ausblenden);
    return *fenster;
}
