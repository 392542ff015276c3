#include "matchplan/zuschauer_ansicht.h"

#include "grid/filtergrid.h"
#include "matchplan/mannschaftswertung.h"
#include "matchplan/planaufbau.h"
#include "storage/ganzzahl.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <limits>
#include <numeric>

using namespace Qt::StringLiterals;

QList<Zuschauerzeile> zuschauer_rangliste(const GitterModell &tabelle, int n)
{
    QList<Zuschauerzeile> zeilen;
    zeilen.reserve(2 * n);
    QList<qint32> plaetze;
    plaetze.reserve(2 * n);
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (int k = 1; k <= n; ++k) {
            const int zeile = plan::zeile(mannschaft, k);
            Zuschauerzeile eintrag{.platz = tabelle.Cells(plan::platz_spalte(n), zeile).trimmed(),
                                   .name = tabelle.Cells(0, zeile).trimmed(),
                                   .mannschaft = mannschaft,
                                   .ges = tabelle.Cells(plan::summen_spalte(n), zeile).trimmed()};
            for (int gegner = 1; gegner <= n; ++gegner) {
                const bool gespielt = mannschaft == Mannschaft::eins
                                          ? spielstand(tabelle, k, gegner).has_value()
                                          : spielstand(tabelle, gegner, k).has_value();
                eintrag.gespielt += gespielt ? 1 : 0;
            }
            plaetze << ganzzahl_lesen(eintrag.platz).value_or(std::numeric_limits<qint32>::max());
            zeilen << eintrag;
        }
    }
    QList<qsizetype> folge(zeilen.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(),
                     [&plaetze](qsizetype a, qsizetype b) { return plaetze[a] < plaetze[b]; });
    QList<Zuschauerzeile> sortiert;
    sortiert.reserve(zeilen.size());
    for (qsizetype i : folge)
        sortiert << zeilen[i];
    return sortiert;
}

int zuschauer_zeilenhoehe(int hoehe)
{
    return std::max(1, hoehe / zuschauer_einheiten);
}

QString zuschauer_datum(const QDate &tag)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(tag, u"dddd, d. MMMM yyyy"_s);
}

QScreen *zuschauer_bildschirm(const QList<QScreen *> &schirme, const QScreen *primaer)
{
    const auto zweiter = std::find_if(schirme.begin(), schirme.end(),
                                      [primaer](QScreen *schirm) { return schirm != primaer; });
    return zweiter == schirme.end() ? nullptr : *zweiter;
}
