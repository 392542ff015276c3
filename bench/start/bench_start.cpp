// Start-up of the real program to its first painted main window, side by side with an empty
// QMainWindow program of the same build: medians of wall time and peak memory, and the median of
// the time ratios of each round (with their spread), on the offscreen platform and, when an X
// server is there, on xcb, where the goal is at most 1.10 times the same content in plain Qt. A third program draws the
// main window's content with plain Qt (gleicher_inhalt.cpp), which splits the difference into
// what the content costs and what the program's own start-up adds.
#include "../paarmessung.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Messung
{
    double sekunden;
    long speicher_kib;
};

Messung starten(const std::string &programm)
{
    const auto beginn = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        // Qt's notes on stderr would only clutter the table.
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        execl(programm.c_str(), programm.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    const auto ende = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s endete mit Status %d\n", programm.c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double>(ende - beginn).count(), verbrauch.ru_maxrss};
}

double median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const std::filesystem::path hier = std::filesystem::path(argv[0]).parent_path();
    const std::string programm = (hier / "../../src/app/vorlix").string();
    const std::string vergleich = (hier / "bench_leeres_fenster").string();
    const std::string inhalt = (hier / "bench_gleicher_inhalt").string();
    const int runden = argc > 1 ? std::atoi(argv[1]) : 21;

    const std::filesystem::path daten =
        std::filesystem::temp_directory_path() / "vorlix_bench_start";
    std::filesystem::create_directories(daten);
    std::ofstream(daten / "Vorlix_Turnier-Hilfe.chm").put('\0');
    setenv("VORLIX_DATEN", daten.c_str(), 1);
    setenv("VORLIX_NACH_ERSTEM_BILD_BEENDEN", "1", 1);

    std::vector<const char *> plattformen{"offscreen"};
    if (std::getenv("DISPLAY"))
        plattformen.push_back("xcb");
    std::printf("Start bis zum ersten Bild: %d Runden, in jeder jedes Programm einmal, die "
                "Reihenfolge wechselnd\n",
                runden);
    std::printf("  %-28s %10s %14s\n", "", "Zeit ms", "Spitze KiB");
    for (const char *plattform : plattformen) {
        setenv("QT_QPA_PLATFORM", plattform, 1);
        std::vector<double> zeit_p, zeit_v, zeit_i, speicher_p, speicher_v, speicher_i;
        std::vector<double> zu_leer, zu_inhalt;
        // Warm caches for all three.
        starten(programm);
        starten(vergleich);
        starten(inhalt);
        for (int i = 0; i < runden; ++i) {
            Messung p{}, v{}, g{};
            if (i % 2 == 0) {
                p = starten(programm);
                v = starten(vergleich);
                g = starten(inhalt);
            } else {
                g = starten(inhalt);
                v = starten(vergleich);
                p = starten(programm);
            }
            zeit_p.push_back(p.sekunden);
            zeit_v.push_back(v.sekunden);
            zeit_i.push_back(g.sekunden);
            speicher_p.push_back(double(p.speicher_kib));
            speicher_v.push_back(double(v.speicher_kib));
            speicher_i.push_back(double(g.speicher_kib));
            zu_leer.push_back(p.sekunden / v.sekunden);
            zu_inhalt.push_back(p.sekunden / g.sekunden);
        }
        const double zp = median(zeit_p), zv = median(zeit_v), zi = median(zeit_i);
        const double sp = median(speicher_p), sv = median(speicher_v), si = median(speicher_i);
        std::printf("  %s\n", plattform);
        std::printf("  %-28s %10.1f %14.0f\n", "vorlix", zp * 1000, sp);
        std::printf("  %-28s %10.1f %14.0f\n", "leeres QMainWindow", zv * 1000, sv);
        std::printf("  %-28s %10.1f %14.0f\n", "gleicher Inhalt, nur Qt", zi * 1000, si);
        std::printf("  Zeit: Median der Verhältnisse je Runde [25 %%–75 %%, kleinstes–größtes]\n");
        const auto verhaeltnis = [](const char *name, const std::vector<double> &werte,
                                    double ziel) {
            const double f = Paarmessung::quantil(werte, 0.5);
            std::printf("  %-28s %10.2f  [%.2f–%.2f, %.2f–%.2f]", name, f,
                        Paarmessung::quantil(werte, 0.25), Paarmessung::quantil(werte, 0.75),
                        Paarmessung::quantil(werte, 0), Paarmessung::quantil(werte, 1));
            if (ziel > 0)
                std::printf("   Ziel <= %.2f %s", ziel, f <= ziel ? "erreicht" : "VERFEHLT");
            std::printf("\n");
        };
        verhaeltnis("vorlix / leer", zu_leer, 0);
        // On X the program's start is held against the same content in plain Qt.
        verhaeltnis("vorlix / gleicher Inhalt", zu_inhalt,
                    std::string(plattform) == "xcb" ? 1.10 : 0);
        std::printf("  %-28s %10.2f   (Spitze, Median)\n", "Speicher vorlix / leer", sp / sv);
    }
    std::filesystem::remove_all(daten);
    return 0;
}
