// One result keystroke in a full 10 x 10 plan, up to the re-ranked standings and the two team
// lines under them (games won, points, open games, decided), beside a baseline that does the
// same arithmetic on bare strings: the 200 game cells read as numbers, 40 totals and ranks
// written, 100 games compared. Target: a median of at most 50 µs.
#include "../median_sammler.h"
#include "grid/filtergrid.h"
#include "matchplan/plan_profil.h"
#include "matchplan/spielplan.h"
#include "shell/zustand.h"
#include "test_plattform.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr double ziel_us = 50.0;

void tastendruck(benchmark::State &state)
{
    QTemporaryDir ordner;
    Zustand zustand;
    zustand.daten_pfad = ordner.path() + u'/';
    zustand.optionen_lesen();
    zustand.setze(opt::spieler_pro_mannschaft, 10);
    TestPlattform plattform;
    GitterModell tabelle;
    GitterModell matrix;
    Spielplan plan(zustand, plattform, einzel_profil(), tabelle, matrix);
    plan.oeffnen();
    for (int c = 1; c <= 10; ++c) {
        for (int r = 1; r <= 10; ++r) {
            matrix.SetCol(c);
            matrix.SetRow(r);
            matrix.editieren_beginnt(c, r);
            matrix.text_editiert(c, r, u"%1:%2"_s.arg((c * 7 + r) % 11).arg((r * 5 + c) % 13));
        }
    }
    matrix.SetCol(7);
    matrix.SetRow(4);
    matrix.editieren_beginnt(7, 4);
    // Typing on from "3:1" to "3:12" and back: every keystroke changes the standings.
    const QString texte[2] = {u"3:12"_s, u"3:1"_s};
    int i = 0;
    for (auto _ : state) {
        matrix.text_editiert(7, 4, texte[++i & 1]);
        benchmark::DoNotOptimize(plan.laufende_zeile(Mannschaft::eins));
        benchmark::DoNotOptimize(plan.laufende_zeile(Mannschaft::zwei));
    }
    const Mannschaftswertung &wertung = plan.laufende_wertung();
    const int gewonnen =
        wertung.stand(Mannschaft::eins).gewonnen + wertung.stand(Mannschaft::zwei).gewonnen;
    if (!plattform.meldungen.isEmpty() || tabelle.Cells(12, 4).isEmpty())
        state.SkipWithError("the plan did not rank");
    else if (wertung.offen != 0 || gewonnen == 0)
        state.SkipWithError("the plan did not score the teams");
}

void tastendruck_basis(benchmark::State &state)
{
    std::array<std::array<QString, 13>, 22> zellen;
    for (int r = 1; r < 22; ++r) {
        for (int g = 1; g <= 10; ++g)
            zellen[size_t(r)][size_t(g)] = QString::number((r * 3 + g) % 9);
    }
    const QString texte[2] = {u"12"_s, u"1"_s};
    int i = 0;
    for (auto _ : state) {
        zellen[4][7] = texte[++i & 1];
        std::array<qint64, 22> summen{};
        for (int r = 1; r < 22; ++r) {
            for (int g = 1; g <= 10; ++g)
                summen[size_t(r)] += zellen[size_t(r)][size_t(g)].toInt();
            zellen[size_t(r)][11] = QString::number(summen[size_t(r)]);
        }
        for (int r = 1; r < 22; ++r) {
            int besser = 0;
            for (int s = 1; s < 22; ++s)
                besser += summen[size_t(s)] > summen[size_t(r)] ? 1 : 0;
            zellen[size_t(r)][12] = QString::number(besser + 1);
        }
        std::array<int, 2> gewonnen{};
        for (int c = 1; c <= 10; ++c) {
            for (int r = 1; r <= 10; ++r) {
                const int tore1 = zellen[size_t(c)][size_t(r)].toInt();
                const int tore2 = zellen[size_t(11 + r)][size_t(c)].toInt();
                gewonnen[0] += tore1 > tore2 ? 1 : 0;
                gewonnen[1] += tore2 > tore1 ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(zellen);
        benchmark::DoNotOptimize(gewonnen);
    }
}

} // namespace

BENCHMARK(tastendruck)->Unit(benchmark::kNanosecond)->Repetitions(15)->ReportAggregatesOnly();
BENCHMARK(tastendruck_basis)->Unit(benchmark::kNanosecond)->Repetitions(15)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    MedianSammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    const bool gemessen =
        ziel_zeile_drucken(sammler, "Spielplan", "Ergebnis bis Plätze, Stand", "tastendruck", "tastendruck_basis", ziel_us);
    return gemessen ? 0 : 1;
}
