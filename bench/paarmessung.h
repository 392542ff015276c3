#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Program and baseline measured alternately, one run of each per pair, so that both see the
// same load of a shared machine; the ratio of each pair is what is compared. A run reports
// whether it did its work: a pair with a failed run makes the whole row fail.
struct Paarmessung
{
    std::vector<double> programm_ms;
    std::vector<double> basis_ms;
    std::vector<double> faktoren;
    std::string fehler; // empty when every run of both sides did its work

    static double quantil(std::vector<double> werte, double anteil)
    {
        if (werte.empty())
            return 0;
        std::sort(werte.begin(), werte.end());
        const double stelle = anteil * double(werte.size() - 1);
        const size_t unten = size_t(stelle);
        const size_t oben = std::min(unten + 1, werte.size() - 1);
        return werte[unten] + (werte[oben] - werte[unten]) * (stelle - double(unten));
    }
    double faktor() const { return quantil(faktoren, 0.5); }
};

// One side of a pair: does its work once and says whether it succeeded.
using Lauf = std::function<bool()>;

// `paare` pairs after one warm-up run of each side; the order within a pair alternates. A
// side's preparation, when given, runs before each of its runs, outside the timing.
inline Paarmessung paarweise_messen(int paare, const Lauf &programm, const Lauf &basis,
                                    const std::function<void()> &programm_vorbereiten = {})
{
    using Uhr = std::chrono::steady_clock;
    const auto messen = [](const Lauf &lauf, const std::function<void()> &vorbereiten,
                           std::vector<double> &zeiten) {
        if (vorbereiten)
            vorbereiten();
        const auto beginn = Uhr::now();
        const bool gelungen = lauf();
        zeiten.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - beginn).count());
        return gelungen;
    };
    Paarmessung messung;
    std::vector<double> aufwaermen;
    if (!messen(programm, programm_vorbereiten, aufwaermen))
        messung.fehler = "Programm";
    if (!messen(basis, {}, aufwaermen))
        messung.fehler += messung.fehler.empty() ? "Basis" : " und Basis";
    for (int i = 0; i < paare && messung.fehler.empty(); ++i) {
        const auto p = [&] { return messen(programm, programm_vorbereiten, messung.programm_ms); };
        const auto b = [&] { return messen(basis, {}, messung.basis_ms); };
        const bool gelungen = i % 2 == 0 ? p() && b() : b() && p();
        if (!gelungen)
            messung.fehler = "ein Lauf in Paar " + std::to_string(i + 1);
        else
            messung.faktoren.push_back(messung.programm_ms.back() / messung.basis_ms.back());
    }
    return messung;
}

inline void paar_kopf_drucken(const char *titel, int paare)
{
    std::printf("\n%s: Programm und Basis abwechselnd, %d Paare; Faktor = Median der Verhältnisse "
                "je Paar [25 %%–75 %%, kleinstes–größtes]\n",
                titel, paare);
    std::printf("%-28s %10s %10s %8s %17s %17s %6s\n", "", "Median ms", "Basis ms", "Faktor",
                "25–75 %", "min–max", "Ziel");
}

// One row: its medians, the median of the pair ratios with its spread and the goal; a failed
// run is reported as such, never as a goal reached. True when the row could be measured.
inline bool paar_zeile_drucken(const char *zeile, const Paarmessung &m, double ziel_faktor)
{
    if (!m.fehler.empty() || m.faktoren.empty()) {
        std::printf("%-28s FEHLGESCHLAGEN (%s) – kein Faktor\n", zeile,
                    m.fehler.empty() ? "keine Messung" : m.fehler.c_str());
        return false;
    }
    const double f = m.faktor();
    std::printf("%-28s %10.3f %10.3f %8.2f %8.2f–%-8.2f %8.2f–%-8.2f %6.2f %s\n", zeile,
                Paarmessung::quantil(m.programm_ms, 0.5), Paarmessung::quantil(m.basis_ms, 0.5),
                f, Paarmessung::quantil(m.faktoren, 0.25), Paarmessung::quantil(m.faktoren, 0.75),
                Paarmessung::quantil(m.faktoren, 0), Paarmessung::quantil(m.faktoren, 1),
                ziel_faktor, f <= ziel_faktor ? "erreicht" : "VERFEHLT");
    return true;
}
