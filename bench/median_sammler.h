#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Collects the median real time of each repeated benchmark, in microseconds whatever unit it
// reports in, for the comparison printed at the end, and the error of each run that failed.
class MedianSammler : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> median_us;
    std::map<std::string, std::string> fehler;

    void ReportRuns(const std::vector<Run> &laeufe) override
    {
        for (const Run &lauf : laeufe) {
            const std::string &name = lauf.run_name.function_name;
            if (lauf.error_occurred)
                fehler[name] = lauf.error_message;
            else if (lauf.aggregate_name == "median")
                median_us[name] =
                    lauf.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(lauf.time_unit) *
                    1e6;
        }
        ConsoleReporter::ReportRuns(laeufe);
    }

    // Why the benchmark has no figure; empty when it has one.
    std::string warum_ohne_zahl(const std::string &name) const
    {
        if (const auto f = fehler.find(name); f != fehler.end())
            return name + ": " + f->second;
        if (!median_us.count(name) || median_us.at(name) <= 0)
            return name + ": nicht gemessen";
        return {};
    }
};

namespace median_sammler_detail {
inline bool fehlschlag_drucken(const MedianSammler &sammler, const char *zeile,
                               const std::string &name, const std::string &basis)
{
    std::string grund = sammler.warum_ohne_zahl(name);
    const std::string basis_grund = sammler.warum_ohne_zahl(basis);
    if (grund.empty() && basis_grund.empty())
        return false;
    if (!basis_grund.empty())
        grund += (grund.empty() ? "" : "; ") + basis_grund;
    std::printf("%-28s FEHLGESCHLAGEN (%s) – keine Zahl, kein Ziel erreicht\n", zeile,
                grund.c_str());
    return true;
}
} // namespace median_sammler_detail

// One row of a hot path beside its baseline and its goal in microseconds, under its heading;
// a run or baseline that failed is printed as such. True when both were measured.
inline bool ziel_zeile_drucken(const MedianSammler &sammler, const char *titel, const char *zeile,
                               const std::string &name, const std::string &basis, double ziel_us)
{
    std::printf("\n%-28s %10s %10s %8s %10s\n", titel, "Median µs", "Basis µs", "Faktor",
                "Ziel µs");
    if (median_sammler_detail::fehlschlag_drucken(sammler, zeile, name, basis))
        return false;
    const double median = sammler.median_us.at(name);
    const double b = sammler.median_us.at(basis);
    std::printf("%-28s %10.2f %10.2f %8.2f %10.0f %s\n", zeile, median, b, median / b, ziel_us,
                median <= ziel_us ? "erreicht" : "VERFEHLT");
    return true;
}

// The same with the goal as a factor over the baseline.
inline bool ziel_zeile_drucken_faktor(const MedianSammler &sammler, const char *titel,
                                      const char *zeile, const std::string &name,
                                      const std::string &basis, double ziel_faktor)
{
    std::printf("\n%-32s %10s %10s %8s %6s\n", titel, "Median µs", "Basis µs", "Faktor", "Ziel");
    if (median_sammler_detail::fehlschlag_drucken(sammler, zeile, name, basis))
        return false;
    const double median = sammler.median_us.at(name);
    const double b = sammler.median_us.at(basis);
    const double faktor = median / b;
    std::printf("%-32s %10.1f %10.1f %8.2f %6.1f %s\n", zeile, median, b, faktor, ziel_faktor,
                faktor <= ziel_faktor ? "erreicht" : "VERFEHLT");
    return true;
}
