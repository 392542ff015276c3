#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Collects the median real time of each repeated benchmark, in microseconds whatever unit it
// reports in, for the comparison printed at the end.
class MedianSammler : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> median_us;

    void ReportRuns(const std::vector<Run> &laeufe) override
    {
        for (const Run &lauf : laeufe) {
            if (lauf.aggregate_name == "median")
                median_us[lauf.run_name.function_name] =
                    lauf.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(lauf.time_unit) *
                    1e6;
        }
        ConsoleReporter::ReportRuns(laeufe);
    }
};

// One row of a hot path beside its baseline and its goal in microseconds, under its heading.
inline void ziel_zeile_drucken(const char *titel, const char *zeile, double median, double basis,
                               double ziel_us)
{
    std::printf("\n%-28s %10s %10s %8s %10s\n", titel, "Median µs", "Basis µs", "Faktor",
                "Ziel µs");
    std::printf("%-28s %10.2f %10.2f %8.2f %10.0f %s\n", zeile, median, basis,
                basis > 0 ? median / basis : 0.0, ziel_us,
                median <= ziel_us ? "erreicht" : "VERFEHLT");
}
