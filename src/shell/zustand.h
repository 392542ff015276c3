#pragma once

#include "appearance/farbsatz.h"
#include "lineup/gruppe.h"
#include "matchplan/spieltag.h"
#include "programm.h"
#include "shell/mannschaft.h"
#include "shell/optionen.h"

#include <QString>
#include <array>
#include <optional>

// The shared state of one run: created in main and handed by reference to every window.
struct Zustand
{
    QString daten_pfad; // with a trailing '/'
    QString programm_ordner;
    QString version_text = programm_version;
    QString hilfe_datei;
    TOptionen optionen;
    TGruppe gruppe1;
    TGruppe gruppe2;
    Tcolor1 farben;
    QString stil_name;      // the style applied last
    QString plattform_stil; // the toolkit style the platform started with
    TSpieltag spieltag;

    qint32 plan_anzahl = 0;
    qint32 dateiwahl_zweck = 0;
    QString grp_datei;
    QString listen_datum;
    qint32 pool_anzahl = 0;
    qint32 taskleiste_hoehe = 0;
    qint32 taskleiste_fest = 0;

    // The stopwatch: remaining time of the game, and 1 after "Stop" so that "Start" resumes.
    qint32 uhr_minuten = 0;
    qint32 uhr_sekunden = 0;
    qint32 uhr_pause = 0;

    // The number of the draw that each team's line-up file holds, as far as this run knows;
    // indexed by team number - 1.
    std::array<std::optional<quint32>, 2> auslosung_nr;

    QString pfad(const QString &dateiname) const { return daten_pfad + dateiname; }

    // Options that double as shared variables.
    qint32 wert(speicher::Int32Feld feld) const { return optionen.wert(feld); }
    void setze(speicher::Int32Feld feld, qint32 wert) { optionen.setze(feld, wert); }
    // mannschaft_nr as a team; std::nullopt for a stored number that names none.
    std::optional<Mannschaft> mannschaft() const
    {
        return gueltige_mannschaft(wert(opt::mannschaft_nr));
    }
    void mannschaft_setzen(Mannschaft mannschaft) { setze(opt::mannschaft_nr, nummer(mannschaft)); }
    void optionen_lesen() { ::optionen_lesen(optionen, daten_pfad); }
    bool optionen_speichern() { return ::optionen_speichern(optionen, daten_pfad); }
};
