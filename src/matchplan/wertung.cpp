#include "matchplan/wertung.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "shell/plattform.h"
#include "storage/ganzzahl.h"

#include <array>

bool wertung_berechnen(GitterModell &tabelle, int n, Plattform &plattform)
{
    const int ges = plan::summen_spalte(n);
    const int platz = plan::platz_spalte(n);
    struct Summe
    {
        int zeile;
        qint64 wert;
    };
    std::array<Summe, 2 * plan::max_eintraege> summen;
    int gewertet = 0;

    for (int zeile = 1; zeile < plan::tabellen_zeilen; ++zeile) {
        if (zeile == plan::trennzeile)
            continue;
        qint64 summe = 0;
        for (int spiel = 1; spiel <= n; ++spiel) {
            const QString text = tabelle.Cells(spiel, zeile);
            if (text.isEmpty())
                continue;
            const std::optional<qint32> wert = ganzzahl_lesen(text);
            if (!wert) {
                plattform.umwandlungsfehler(kein_integer_meldung(text));
                return false;
            }
            summe += *wert;
        }
        if (summe > 0) {
            tabelle.SetCells(ges, zeile, QString::number(summe));
            summen[size_t(gewertet++)] = {zeile, summe};
        } else {
            tabelle.SetCells(ges, zeile, QString());
            tabelle.SetCells(platz, zeile, QString());
        }
    }
    tabelle.SetCells(ges, plan::trennzeile, QString());
    tabelle.SetCells(platz, plan::trennzeile, QString());

    for (int i = 0; i < gewertet; ++i) {
        int besser = 0;
        for (int j = 0; j < gewertet; ++j)
            besser += summen[size_t(j)].wert > summen[size_t(i)].wert ? 1 : 0;
        tabelle.SetCells(platz, summen[size_t(i)].zeile, QString::number(besser + 1));
    }
    return true;
}
