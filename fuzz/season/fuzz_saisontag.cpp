// Arbitrary bytes as a stored match day of the season: one length byte and that many bytes of
// the record's file name, then the record file. A day is damaged or well formed: its entries,
// games won and ranks stay within what a plan of its size can hold, and the season totals it.
#include "matchplan/spieltag.h"
#include "season/saison.h"

#include <cstdint>
#include <cstdlib>

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void tag_pruefen(const Saisontag &tag, bool satz_da)
{
    pruefen(tag.anzahl >= 0 && tag.anzahl <= 10);
    if (tag.beschaedigt) {
        pruefen(tag.eintraege[0].isEmpty() && tag.eintraege[1].isEmpty());
        pruefen(tag.siege[0] == 0 && tag.siege[1] == 0);
        return;
    }
    pruefen(satz_da && tag.anzahl >= 1 && tag.datum.isValid());
    pruefen(tag.siege[0] + tag.siege[1] <= tag.anzahl * tag.anzahl);
    for (const QList<Saisoneintrag> &team : tag.eintraege) {
        pruefen(team.size() == tag.anzahl);
        for (const Saisoneintrag &eintrag : team) {
            pruefen(eintrag.siege >= 0 && eintrag.siege <= tag.anzahl);
            pruefen(!eintrag.platz || *eintrag.platz >= 1);
            pruefen(eintrag.namen.size() <= 2);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse == 0)
        return 0;
    const size_t name_laenge = std::min<size_t>(daten[0], groesse - 1);
    const QString name =
        QString::fromLatin1(reinterpret_cast<const char *>(daten + 1), qsizetype(name_laenge));
    const QByteArrayView rest(reinterpret_cast<const char *>(daten + 1 + name_laenge),
                              qsizetype(groesse - 1 - name_laenge));
    TSpieltag satz;
    const bool satz_da = satz.von_bytes(rest);

    const Saisontag tag = saisontag_auswerten(name, satz_da ? &satz : nullptr);
    tag_pruefen(tag, satz_da);

    const Saison saison = saison_auswerten({tag, tag});
    pruefen(saison.beschaedigt == (tag.beschaedigt ? 2 : 0));
    pruefen(saison.gewonnene_tage[0] + saison.gewonnene_tage[1] + saison.unentschieden +
                saison.beschaedigt ==
            2);
    for (const Spielerbilanz &bilanz : saison.spieler) {
        pruefen(bilanz.spieltage == 2);
        pruefen(bilanz.platz_anzahl <= 2);
        pruefen(!bilanz.durchschnitt() || *bilanz.durchschnitt() >= 1.0);
    }
    return 0;
}
