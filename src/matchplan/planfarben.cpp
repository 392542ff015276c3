#include "matchplan/planfarben.h"

#include "grid/filtergrid.h"
#include "matchplan/ergebniseingabe.h"
#include "matchplan/planaufbau.h"
#include "matchplan/rundenanzeige.h"
#include "shell/optionen.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

bool eintrag(int i)
{
    return i >= 1 && i <= plan::max_eintraege;
}

// Below this difference of grey levels a text is hard to read on its background.
constexpr int kleinster_abstand = 96;

QColor lesbar(const QColor &hintergrund, const QColor &schrift)
{
    const int grund = qGray(hintergrund.rgb());
    if (std::abs(grund - qGray(schrift.rgb())) >= kleinster_abstand)
        return schrift;
    return grund < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

TColor planfarbe_wirksam(speicher::FarbeFeld feld, TColor gespeichert)
{
    if (!planfarbe_nie_gewaehlt(gespeichert))
        return gespeichert;
    if (feld.offset == opt::hintergrundfarbe.offset)
        return planfarben_vorgabe.hintergrund;
    if (feld.offset == opt::farbe_gruppe1.offset)
        return planfarben_vorgabe.gruppe1;
    if (feld.offset == opt::farbe_gruppe2.offset)
        return planfarben_vorgabe.gruppe2;
    return planfarben_vorgabe.sperre;
}

Planfarben planfarben_lesen(const TOptionen &optionen)
{
    const auto wirksam = [&optionen](speicher::FarbeFeld feld) {
        return planfarbe_wirksam(feld, optionen.wert(feld));
    };
    return {wirksam(opt::hintergrundfarbe), wirksam(opt::farbe_gruppe1),
            wirksam(opt::farbe_gruppe2), wirksam(opt::sperrfarbe)};
}

TColor farbe_zum_speichern(TColor gewaehlt)
{
    return gewaehlt == 0 ? beinahe_schwarz : gewaehlt;
}

bool zelle_markiert(const GitterModell &gitter, int aRow, int state)
{
    return (gitter.goRowSelect() && aRow == gitter.Row()) || (state & gdFocused);
}

Zellfarben tabellen_zellfarben(const Planfarben &farben, int aCol, int aRow, bool markiert)
{
    Zellfarben zelle;
    if (markiert)
        zelle.schrift = tabelle_markiert_schrift;
    if (aCol == 0)
        zelle.hintergrund = aRow < plan::trennzeile ? farben.gruppe1 : farben.gruppe2;
    return zelle;
}

bool in_der_runde(const Rundenanzeige &runden, int aCol, int aRow)
{
    return std::any_of(runden.jetzt.cbegin(), runden.jetzt.cend(), [&](const Rundenzeile &spiel) {
        return spiel.spalte == aCol && spiel.zeile == aRow;
    });
}

Zellfarben matrix_zellfarben(const Planfarben &farben, int n, int aCol, int aRow, bool markiert,
                             const QString &text, bool in_runde)
{
    Zellfarben zelle;
    if (in_runde)
        zelle.hintergrund = runden_farbe;
    if (markiert)
        zelle.schrift = matrix_markiert_schrift;
    if (!text.isEmpty() && sperr_richtungen(aCol, aRow, n) == 0 && aCol >= 1 && aRow >= 1 &&
        !zaehlt_nicht(text).isEmpty())
        zelle.schrift = zaehlt_nicht_schrift;
    if (aRow == 0 && eintrag(aCol))
        zelle.hintergrund = farben.gruppe1;
    else if (aCol == 0 && eintrag(aRow))
        zelle.hintergrund = farben.gruppe2;
    else if (eintrag(aCol) && eintrag(aRow) && sperr_richtungen(aCol, aRow, n) > 0)
        zelle.hintergrund = farben.sperre;
    return zelle;
}

void zellfarben_anwenden(QPainter &maler, const Zellfarben &farben)
{
    if (farben.schrift)
        maler.setPen(farbe_zu_qcolor(*farben.schrift));
    if (farben.hintergrund)
        maler.setBrush(farbe_zu_qcolor(*farben.hintergrund));
    maler.setPen(lesbar(maler.brush().color(), maler.pen().color()));
}
