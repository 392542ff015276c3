#pragma once

#include <benchmark/benchmark.h>
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
