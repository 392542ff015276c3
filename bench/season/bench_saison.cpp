// The season overview over 1 000 stored match days: every record file read and totalled, beside
// a baseline that only reads the bytes of the same files, found in the folder. Target: at most
// 10 times the baseline.
#include "../median_sammler.h"
#include "saisonordner.h"
#include "season/saison.h"

#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int tage = 1000;
constexpr double ziel_faktor = 10.0;

const Saisonordner &saisonordner()
{
    static const std::unique_ptr<Saisonordner> saison(saisonordner_anlegen(tage));
    return *saison;
}

void dateien_lesen(benchmark::State &state)
{
    const Saisonordner &saison = saisonordner();
    for (auto _ : state) {
        qint64 bytes = 0;
        for (const QString &pfad : saison.satzdateien) {
            QFile datei(pfad);
            if (datei.open(QIODevice::ReadOnly))
                bytes += datei.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
        if (saison.satzdateien.size() != tage || bytes != qint64(tage) * spt::groesse)
            state.SkipWithError("the records were not all read");
    }
}

void saison_laden(benchmark::State &state)
{
    const Saisonordner &saison = saisonordner();
    for (auto _ : state) {
        const Saison ergebnis = saison_lesen(saison.pfad);
        benchmark::DoNotOptimize(ergebnis);
        if (ergebnis.tage.size() != tage || ergebnis.beschaedigt != 0 || ergebnis.spieler.isEmpty())
            state.SkipWithError("the season was not read whole");
    }
}

} // namespace

BENCHMARK(dateien_lesen)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(saison_laden)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    saisonordner();
    MedianSammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    const bool gemessen = ziel_zeile_drucken_faktor(sammler, "Saisonübersicht",
                                                    "1 000 Spieltage lesen und zählen",
                                                    "saison_laden", "dateien_lesen", ziel_faktor);
    return gemessen ? 0 : 1;
}
