#include "season/saisontag.h"

#include "matchplan/planaufbau.h"
#include "matchplan/spieltag.h"
#include "matchplan/spieltag_namen.h"
#include "storage/ganzzahl.h"

using namespace Qt::StringLiterals;

const QStringList saisontag_muster{u"D_Gr*.grp"_s, u"E_Gr*.grp"_s};

namespace {

// A field of the record that is empty or holds a whole number.
struct Feldzahl
{
    bool gueltig = true;
    std::optional<qint32> wert;
};

Feldzahl feldzahl(const TSpieltag &satz, speicher::TextFeld feld)
{
    const QString text = satz.wert(feld);
    if (text.trimmed().isEmpty())
        return {};
    const std::optional<qint32> wert = ganzzahl_lesen(text);
    return {wert.has_value(), wert};
}

QStringList namen(const TSpieltag &satz, bool doppel, Mannschaft mannschaft, int k)
{
    QStringList ergebnis;
    const auto dazu = [&ergebnis](const QString &name) {
        if (!name.trimmed().isEmpty())
            ergebnis << name.trimmed();
    };
    if (doppel) {
        dazu(satz.wert(spt::doppel_name(mannschaft, k, 1)));
        dazu(satz.wert(spt::doppel_name(mannschaft, k, 2)));
    } else {
        dazu(satz.wert(spt::einzel_name(mannschaft, k)));
    }
    return ergebnis;
}

// Totals, ranks and names of the day's entries; false when a total or rank is damaged.
bool eintraege_lesen(Saisontag &tag, const TSpieltag &satz)
{
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        const size_t team = size_t(nummer(mannschaft) - 1);
        for (int k = 1; k <= tag.anzahl; ++k) {
            const int t = mannschaft == Mannschaft::eins ? k : plan::max_eintraege + k;
            const Feldzahl summe = feldzahl(satz, spt::summe(t));
            const Feldzahl platz = feldzahl(satz, spt::platz(plan::zeile(mannschaft, k)));
            if (!summe.gueltig || !platz.gueltig || (platz.wert && *platz.wert < 1))
                return false;
            tag.punkte[team] += summe.wert.value_or(0);
            tag.eintraege[team].append({namen(satz, tag.doppel, mannschaft, k), 0, platz.wert});
        }
    }
    return true;
}

// Every game of team-1 entry i against team-2 entry j; false when a score is damaged.
bool spiele_werten(Saisontag &tag, const TSpieltag &satz)
{
    for (int i = 1; i <= tag.anzahl; ++i) {
        for (int j = 1; j <= tag.anzahl; ++j) {
            const Feldzahl eins = feldzahl(satz, spt::punkte(plan::zeile(Mannschaft::eins, i), j));
            const Feldzahl zwei = feldzahl(satz, spt::punkte(plan::zeile(Mannschaft::zwei, j), i));
            if (!eins.gueltig || !zwei.gueltig)
                return false;
            if (!eins.wert || !zwei.wert || *eins.wert == *zwei.wert)
                continue;
            const bool team1 = *eins.wert > *zwei.wert;
            Saisoneintrag &sieger = team1 ? tag.eintraege[0][i - 1] : tag.eintraege[1][j - 1];
            ++sieger.siege;
            ++tag.siege[team1 ? 0 : 1];
        }
    }
    return true;
}

} // namespace

Sieger Saisontag::sieger() const
{
    if (siege[0] == siege[1])
        return Sieger::unentschieden;
    return siege[0] > siege[1] ? Sieger::mannschaft1 : Sieger::mannschaft2;
}

Saisontag saisontag_auswerten(const QString &dateiname, const TSpieltag *satz)
{
    Saisontag tag;
    tag.datei = dateiname;
    tag.doppel = dateiname.startsWith(u'D');
    tag.datum = QDate::fromString(datum_aus_dateiname(dateiname), u"dd.MM.yyyy"_s);
    const std::optional<qint32> anzahl = ganzzahl_lesen(anzahl_text_satz(dateiname));
    if (anzahl && *anzahl >= 1 && *anzahl <= plan::max_eintraege)
        tag.anzahl = *anzahl;

    if (satz && tag.anzahl > 0 && tag.datum.isValid() && eintraege_lesen(tag, *satz) &&
        spiele_werten(tag, *satz))
        return tag;

    // Nothing of a damaged day counts.
    Saisontag beschaedigt;
    beschaedigt.datei = tag.datei;
    beschaedigt.doppel = tag.doppel;
    beschaedigt.datum = tag.datum;
    beschaedigt.anzahl = tag.anzahl;
    beschaedigt.beschaedigt = true;
    return beschaedigt;
}

Saisontag saisontag_lesen(const QString &ordner, const QString &dateiname)
{
    TSpieltag satz;
    const bool gelesen = spieltag_lesen(ordner + dateiname, satz);
    return saisontag_auswerten(dateiname, gelesen ? &satz : nullptr);
}
