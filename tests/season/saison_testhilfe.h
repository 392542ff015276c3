#pragma once

#include "../matchplan/plan_testhilfe.h"
#include "matchplan/plan_profil.h"
#include "matchplan/spieltag.h"
#include "storage/sichere_datei.h"

#include <QDate>
#include <QDateTime>
#include <QList>

// The game of team-1 entry c against team-2 entry r and the scores of both.
struct Spiel
{
    int c;
    int r;
    int eins;
    int zwei;
};

// A match day played in the plan as a person plays it and saved on the given day into the
// folder of `saison`: the line-ups by slot (two slots an entry in doubles), every result typed
// into the matrix cell with the row's entry (team 2) first. False when saving reported a fault.
inline bool spieltag_spielen(const Zustand &saison, const SpielplanProfil &profil,
                             const QStringList &team1, const QStringList &team2, const QDate &tag,
                             const QList<Spiel> &spiele)
{
    using namespace Qt::StringLiterals;
    PlanAufbau a(profil, team1, team2);
    for (const Spiel &spiel : spiele)
        a.tippen(spiel.c, spiel.r, u"%1:%2"_s.arg(spiel.zwei).arg(spiel.eins));
    a.plattform.uhrzeit = QDateTime(tag, QTime(18, 0));
    a.zustand.daten_pfad = saison.daten_pfad;
    a.plan.speichern();
    return a.plattform.meldungen.isEmpty();
}

// The season the tests total by hand: four days played and two damaged ones.
//
// 14.03.2026 doubles, 2 pairs: Jörg/Ülla and Björn/Käthe against Straß/Öztürk and Weiß/Mäder;
//   10:8, 5:10, 7:7 and 10:3 from team 1's side: games 2:1, points 32:28, team 1 wins; ranks
//   Björn/Käthe 1, Jörg/Ülla and Straß/Öztürk 2, Weiß/Mäder 4.
// 21.03.2026 singles, 2 each: Jörg and Björn against Straß and Weiß; 3:10, 4:10, 10:9 and one
//   game open: games 1:2, points 17:29, team 2 wins; ranks Straß 1, Björn and Weiß 2, Jörg 4.
// 28.03.2026 singles, 1 each: Jörg against Mäder 6:6: games 0:0, a draw; both rank 1.
// 04.04.2026 doubles, 1 pair: Ülla/Käthe against Öztürk/Weiß 10:2: team 1 wins; ranks 1 and 2.
// 11.04.2026 doubles: a record file cut short. 18.04.2026 singles: a score that is no number.
inline bool saison_anlegen(Zustand &saison)
{
    using namespace Qt::StringLiterals;
    bool gut =
        spieltag_spielen(saison, doppel_profil(), {u"Jörg"_s, u"Ülla"_s, u"Björn"_s, u"Käthe"_s},
                         {u"Straß"_s, u"Öztürk"_s, u"Weiß"_s, u"Mäder"_s}, QDate(2026, 3, 14),
                         {{1, 1, 10, 8}, {1, 2, 5, 10}, {2, 1, 7, 7}, {2, 2, 10, 3}});
    gut = gut && spieltag_spielen(saison, einzel_profil(), {u"Jörg"_s, u"Björn"_s},
                                  {u"Straß"_s, u"Weiß"_s}, QDate(2026, 3, 21),
                                  {{1, 1, 3, 10}, {1, 2, 4, 10}, {2, 1, 10, 9}});
    gut = gut && spieltag_spielen(saison, einzel_profil(), {u"Jörg"_s}, {u"Mäder"_s},
                                  QDate(2026, 3, 28), {{1, 1, 6, 6}});
    gut = gut && spieltag_spielen(saison, doppel_profil(), {u"Ülla"_s, u"Käthe"_s},
                                  {u"Öztürk"_s, u"Weiß"_s}, QDate(2026, 4, 4), {{1, 1, 10, 2}});
    gut = gut &&
          speicher::datei_ersetzen(saison.pfad(u"D_Gr02_11_04_2026.grp"_s), QByteArray(100, '\0'));
    TSpieltag satz;
    gut = gut && spieltag_lesen(saison.pfad(u"E_Gr02_21_03_2026.grp"_s), satz);
    satz.setze(spt::punkte(plan::zeile(Mannschaft::zwei, 1), 2), u"x"_s);
    return gut && speicher::datei_ersetzen(saison.pfad(u"E_Gr02_18_04_2026.grp"_s), satz.bytes());
}
