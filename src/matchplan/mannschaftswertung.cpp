#include "matchplan/mannschaftswertung.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "storage/ganzzahl.h"

#include <QStringBuilder>

using namespace Qt::StringLiterals;

namespace {

// The standings hold what result entry checked, mostly plain digits: those are read at once,
// anything else the strict way. Nine digits cannot overflow.
std::optional<qint32> tore_lesen(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return ganzzahl_lesen(text);
    qint32 wert = 0;
    for (QChar zeichen : text) {
        if (zeichen < u'0' || zeichen > u'9')
            return ganzzahl_lesen(text);
        wert = wert * 10 + (zeichen.unicode() - u'0');
    }
    return wert;
}

QString anzahl_text(qint64 anzahl, QStringView eins, QStringView mehrere)
{
    return QString::number(anzahl) % u' ' % (anzahl == 1 ? eins : mehrere);
}

} // namespace

Spieltagsausgang spieltagsausgang(int gewonnen1, int gewonnen2, int offen)
{
    if (gewonnen1 > gewonnen2 + offen)
        return Spieltagsausgang::mannschaft1;
    if (gewonnen2 > gewonnen1 + offen)
        return Spieltagsausgang::mannschaft2;
    if (offen == 0)
        return Spieltagsausgang::unentschieden;
    return Spieltagsausgang::offen;
}

std::optional<Spielstand> spielstand(const GitterModell &tabelle, int c, int r)
{
    // Team-1 entry c keeps its score in game column r, team-2 entry r in game column c.
    const QString text1 = tabelle.Cells(r, plan::zeile(Mannschaft::eins, c));
    const QString text2 = tabelle.Cells(c, plan::zeile(Mannschaft::zwei, r));
    if (text1.isEmpty() || text2.isEmpty())
        return std::nullopt;
    const std::optional<qint32> tore1 = tore_lesen(text1);
    const std::optional<qint32> tore2 = tore_lesen(text2);
    if (!tore1 || !tore2)
        return std::nullopt;
    return Spielstand{*tore1, *tore2};
}

Mannschaftswertung mannschaften_werten(const GitterModell &tabelle, int n)
{
    Mannschaftswertung wertung;
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r) {
            const std::optional<Spielstand> stand = spielstand(tabelle, c, r);
            if (!stand)
                ++wertung.offen;
            else if (stand->mannschaft1 > stand->mannschaft2)
                ++wertung.staende[0].gewonnen;
            else if (stand->mannschaft2 > stand->mannschaft1)
                ++wertung.staende[1].gewonnen;
        }
    }
    const int ges = plan::summen_spalte(n);
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        qint64 &punkte = wertung.staende[size_t(nummer(mannschaft) - 1)].punkte;
        for (int k = 1; k <= n; ++k)
            punkte += tabelle.Cells(ges, plan::zeile(mannschaft, k)).toLongLong();
    }
    wertung.ausgang =
        spieltagsausgang(wertung.staende[0].gewonnen, wertung.staende[1].gewonnen, wertung.offen);
    return wertung;
}

QString mannschaftsname(const QString &gespeichert, Mannschaft mannschaft)
{
    const QString name = gespeichert.trimmed();
    return name.isEmpty() ? u"Mannschaft %1"_s.arg(nummer(mannschaft)) : name;
}

QString mannschaft_zeile(const Mannschaftswertung &wertung, Mannschaft mannschaft,
                         const QString &name)
{
    const Mannschaftsstand &stand = wertung.stand(mannschaft);
    const QString zahlen =
        anzahl_text(stand.gewonnen, u"Spiel gewonnen", u"Spiele gewonnen") % u", "_s %
        anzahl_text(stand.punkte, u"Punkt", u"Punkte") % u", "_s %
        (wertung.offen == 0 ? u"kein Spiel offen"_s
                            : anzahl_text(wertung.offen, u"Spiel offen", u"Spiele offen"));
    const Spieltagsausgang sieg = mannschaft == Mannschaft::eins ? Spieltagsausgang::mannschaft1
                                                                 : Spieltagsausgang::mannschaft2;
    if (wertung.ausgang == sieg)
        return name % u" hat den Spieltag gewonnen: "_s % zahlen;
    if (wertung.ausgang == Spieltagsausgang::unentschieden)
        return name % u": Unentschieden, "_s % zahlen;
    return name % u": "_s % zahlen;
}
