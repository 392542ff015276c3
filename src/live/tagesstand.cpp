#include "live/tagesstand.h"

#include "matchplan/spielplan.h"
#include "stopwatch/stoppuhr.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

// A stopped display keeps the window's button face, which means "no colour" on a phone.
QString css_farbe(TColor farbe)
{
    if (farbe < 0)
        return {};
    return farbe_zu_qcolor(farbe).name(QColor::HexRgb);
}

bool ist_sieger(Spieltagsausgang ausgang, Mannschaft mannschaft)
{
    return ausgang == (mannschaft == Mannschaft::eins ? Spieltagsausgang::mannschaft1
                                                      : Spieltagsausgang::mannschaft2);
}

QJsonObject runde_objekt(const LiveRunde &runde)
{
    QJsonArray tische;
    for (const LiveTisch &tisch : runde.tische)
        tische.append(QJsonObject{{u"tisch"_s, tisch.nummer},
                                  {u"links"_s, tisch.links},
                                  {u"rechts"_s, tisch.rechts},
                                  {u"ergebnis"_s, tisch.ergebnis}});
    return {{u"nummer"_s, runde.nummer}, {u"tische"_s, tische}};
}

QJsonObject runden_objekt(const LiveRunden &runden)
{
    QJsonObject objekt;
    if (runden.aktuell)
        objekt.insert(u"aktuell"_s, runde_objekt(*runden.aktuell));
    if (runden.naechste)
        objekt.insert(u"naechste"_s, runde_objekt(*runden.naechste));
    return objekt;
}

LiveRunde live_runde(int runde, const QList<Rundenzeile> &spiele)
{
    LiveRunde ergebnis{runde + 1, {}};
    for (const Rundenzeile &spiel : spiele)
        ergebnis.tische << LiveTisch{spiel.tisch, spiel.links, spiel.rechts, spiel.ergebnis};
    return ergebnis;
}

// The round under way and the next one with an open game, while the round plan is on.
std::optional<LiveRunden> live_runden(const Rundenanzeige &anzeige)
{
    if (!anzeige.runde)
        return std::nullopt;
    LiveRunden runden;
    runden.aktuell = live_runde(*anzeige.runde, anzeige.jetzt);
    if (anzeige.danach_runde)
        runden.naechste = live_runde(*anzeige.danach_runde, anzeige.danach);
    return runden;
}

} // namespace

Tagesstand tagesstand(const Spielplan *plan, const Zeitanzeige &uhr, bool uhr_laeuft,
                      const QDate &heute)
{
    Tagesstand stand;
    stand.uhr_text = uhr.text;
    stand.uhr_farbe = css_farbe(uhr.farbe);
    stand.uhr_laeuft = uhr_laeuft;
    stand.datum = zuschauer_datum(plan && plan->datum().isValid() ? plan->datum() : heute);
    if (!plan)
        return stand;
    stand.plan_offen = true;
    stand.runden = live_runden(plan->runden());
    const Spieltagsausgang ausgang = plan->mannschaftswertung().ausgang;
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei})
        stand.mannschaften[size_t(nummer(mannschaft) - 1)] = {plan->mannschaftsname(mannschaft),
                                                              plan->mannschaft_zeile(mannschaft),
                                                              ist_sieger(ausgang, mannschaft)};
    for (const Zuschauerzeile &zeile : zuschauer_rangliste(plan->tabelle(), plan->anzahl()))
        stand.rangliste << Tagesstand::Eintrag{zeile, plan->mannschaftsname(zeile.mannschaft)};
    return stand;
}

QJsonObject stand_objekt(const Tagesstand &stand)
{
    QJsonArray mannschaften;
    if (stand.plan_offen) {
        for (const LiveMannschaft &mannschaft : stand.mannschaften)
            mannschaften.append(QJsonObject{{u"name"_s, mannschaft.name},
                                            {u"zeile"_s, mannschaft.zeile},
                                            {u"sieger"_s, mannschaft.sieger}});
    }
    QJsonArray rangliste;
    for (const Tagesstand::Eintrag &eintrag : stand.rangliste)
        rangliste.append(QJsonObject{{u"platz"_s, eintrag.zeile.platz},
                                     {u"name"_s, eintrag.zeile.name},
                                     {u"mannschaft"_s, eintrag.mannschaft},
                                     {u"spiele"_s, eintrag.zeile.gespielt},
                                     {u"ges"_s, eintrag.zeile.ges}});
    QJsonObject objekt{{u"plan"_s, stand.plan_offen},
                       {u"datum"_s, stand.datum},
                       {u"mannschaften"_s, mannschaften},
                       {u"rangliste"_s, rangliste},
                       {u"uhr"_s, QJsonObject{{u"text"_s, stand.uhr_text},
                                              {u"laeuft"_s, stand.uhr_laeuft},
                                              {u"farbe"_s, stand.uhr_farbe.isEmpty()
                                                               ? QJsonValue(QJsonValue::Null)
                                                               : QJsonValue(stand.uhr_farbe)}}}};
    if (stand.runden)
        objekt.insert(u"runden"_s, runden_objekt(*stand.runden));
    return objekt;
}

QByteArray stand_dokument(const QJsonObject &stand, qint64 fassung)
{
    QJsonObject dokument = stand;
    dokument.insert(u"fassung"_s, fassung);
    return QJsonDocument(dokument).toJson(QJsonDocument::Compact);
}
