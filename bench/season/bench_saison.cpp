// The season overview over 200 stored match days: every record file read and totalled, beside
// a baseline that only reads the bytes of the same files. Target: at most 10 times the
// baseline. The days are played and saved through the plan, so the folder holds all three
// files of each day in the formats the program writes.
#include "../../tests/matchplan/plan_testhilfe.h"
#include "../median_sammler.h"
#include "season/saison.h"

#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int tage = 200;
constexpr double ziel_faktor = 10.0;

struct Saisonordner
{
    QTemporaryDir ordner;
    QString pfad = ordner.path() + u'/';
    QStringList satzdateien;
};

// Days of 4 to 10 entries per team, doubles and singles in turn, every game played.
const Saisonordner &saisonordner()
{
    static Saisonordner saison = [] {
        Saisonordner s;
        for (int tag = 0; tag < tage; ++tag) {
            const int n = 4 + tag % 7;
            PlanAufbau a(tag % 2 ? einzel_profil() : doppel_profil(), n);
            for (int c = 1; c <= n; ++c) {
                for (int r = 1; r <= n; ++r)
                    a.ersetzen(c, r, u"%1:%2"_s.arg((c * 7 + r + tag) % 11).arg((r * 5 + c) % 11));
            }
            a.plattform.uhrzeit = QDateTime(QDate(2020, 1, 1).addDays(tag), QTime(18, 0));
            a.zustand.daten_pfad = s.pfad;
            a.plan.speichern();
            s.satzdateien << s.pfad + a.zustand.grp_datei;
        }
        return s;
    }();
    return saison;
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
        if (bytes != qint64(tage) * spt::groesse)
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
    const double saison = sammler.median_us["saison_laden"];
    const double basis = sammler.median_us["dateien_lesen"];
    const double faktor = basis > 0 ? saison / basis : 0.0;
    std::printf("\n%-32s %10s %10s %8s %6s\n", "Saisonübersicht", "Median µs", "Basis µs", "Faktor",
                "Ziel");
    std::printf("%-32s %10.1f %10.1f %8.2f %6.0f %s\n", "200 Spieltage lesen und zählen", saison,
                basis, faktor, ziel_faktor, faktor <= ziel_faktor ? "erreicht" : "VERFEHLT");
    return 0;
}
