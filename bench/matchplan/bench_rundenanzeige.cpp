// The round panel after a keystroke in a full 10 x 10 plan at three tables, half the day played:
// the round under way found and its lines and the next round's built. Beside it a baseline that
// does the same on bare strings: the scores of the played rounds' games checked as numbers and
// six lines joined. Target: a median of at most 10 µs, so the panel costs little of a keystroke.
#include "../median_sammler.h"
#include "grid/filtergrid.h"
#include "matchplan/plan_profil.h"
#include "matchplan/rundenanzeige.h"
#include "matchplan/spielplan.h"
#include "shell/zustand.h"
#include "test_plattform.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr double ziel_us = 10.0;
constexpr int gespielte_runden = 17;

void rundenpanel(benchmark::State &state)
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
    const Rundenplan runden = rundenplan_erstellen(10, 3);
    for (int i = 0; i < gespielte_runden; ++i) {
        for (const Rundenspiel &spiel : runden.runden[i]) {
            matrix.SetCol(spiel.spalte);
            matrix.SetRow(spiel.zeile);
            matrix.editieren_beginnt(spiel.spalte, spiel.zeile);
            matrix.text_editiert(spiel.spalte, spiel.zeile, u"%1:7"_s.arg(i % 9));
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(rundenanzeige(runden, tabelle, matrix));
    const Rundenanzeige anzeige = rundenanzeige(runden, tabelle, matrix);
    if (anzeige.runde != gespielte_runden || anzeige.jetzt.size() != 3)
        state.SkipWithError("the panel did not find the round under way");
}

void rundenpanel_basis(benchmark::State &state)
{
    std::array<QString, 2 * 3 * (gespielte_runden + 1)> tore;
    for (size_t i = 0; i < tore.size(); ++i)
        tore[i] = QString::number(i % 9);
    const QString name1 = u"Müller"_s;
    const QString name2 = u"Schäfer"_s;
    for (auto _ : state) {
        int fertig = 0;
        for (size_t i = 0; i < tore.size(); i += 2) {
            bool ok1 = false;
            bool ok2 = false;
            const int summe = tore[i].toInt(&ok1) + tore[i + 1].toInt(&ok2);
            fertig += ok1 && ok2 ? summe : 0;
        }
        std::array<QString, 6> zeilen;
        for (size_t i = 0; i < zeilen.size(); ++i)
            zeilen[i] =
                u"Tisch "_s + QString::number(i % 3 + 1) + u": "_s + name1 + u" – "_s + name2;
        benchmark::DoNotOptimize(fertig);
        benchmark::DoNotOptimize(zeilen);
    }
}

} // namespace

BENCHMARK(rundenpanel)->Unit(benchmark::kNanosecond)->Repetitions(15)->ReportAggregatesOnly();
BENCHMARK(rundenpanel_basis)->Unit(benchmark::kNanosecond)->Repetitions(15)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    MedianSammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    const bool gemessen =
        ziel_zeile_drucken(sammler, "Rundenanzeige", "Runde nach Tastendruck", "rundenpanel", "rundenpanel_basis", ziel_us);
    return gemessen ? 0 : 1;
}
