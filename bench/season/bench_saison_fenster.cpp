// The season overview over 1 000 stored match days as the organiser meets it: the window opened
// and drawn, and its print preview opened and drawn. Goal of each: at most 100 ms (median of
// the runs). A run that does not show every day, or no preview pages, fails the benchmark.
#include "../paarmessung.h"
#include "grid/filtergrid_fenster.h"
#include "saisonordner.h"
#include "season/saison_fenster.h"
#include "test_plattform.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr int tage = 1000;
constexpr int laeufe = 15;
constexpr double ziel_ms = 100.0;

double ms_seit(std::chrono::steady_clock::time_point beginn)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn)
        .count();
}

// Shown, exposed by the window system and painted once whole.
bool gezeichnet(QWidget &fenster)
{
    if (!QTest::qWaitForWindowExposed(&fenster, 5000))
        return false;
    fenster.repaint();
    return true;
}

bool zeile_drucken(const char *name, const std::vector<double> &zeiten, bool gelungen)
{
    if (!gelungen || zeiten.empty()) {
        std::printf("%-34s FEHLGESCHLAGEN – keine Zahl, kein Ziel erreicht\n", name);
        return false;
    }
    const double median = Paarmessung::quantil(zeiten, 0.5);
    std::printf("%-34s %10.1f %10.1f %10.1f %8.0f %s\n", name, median,
                Paarmessung::quantil(zeiten, 0), Paarmessung::quantil(zeiten, 1), ziel_ms,
                median <= ziel_ms ? "erreicht" : "VERFEHLT");
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    using namespace Qt::StringLiterals;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::unique_ptr<Saisonordner> saison(saisonordner_anlegen(tage));
    Zustand zustand;
    zustand.daten_pfad = saison->pfad;
    zustand.optionen_lesen();
    TestPlattform plattform;

    std::vector<double> offen, vorschau;
    bool offen_gelungen = true;
    bool vorschau_gelungen = true;
    // One run more than measured: the first warms the caches and loads the print module.
    for (int lauf = 0; lauf <= laeufe && offen_gelungen && vorschau_gelungen; ++lauf) {
        auto beginn = std::chrono::steady_clock::now();
        auto fenster = std::make_unique<SaisonFenster>(zustand, plattform);
        fenster->zeigen();
        offen_gelungen = gezeichnet(*fenster) &&
                         fenster->FilterGrid1->modell().RowCount() == tage + 1;
        const double offen_ms = ms_seit(beginn);

        beginn = std::chrono::steady_clock::now();
        fenster->Button3->click();
        auto *vorschaufenster = fenster->findChild<QWidget *>(u"Seitenvorschau"_s);
        vorschau_gelungen = vorschaufenster && gezeichnet(*vorschaufenster);
        const double vorschau_ms = ms_seit(beginn);
        if (vorschau_gelungen) {
            const auto *seiten = vorschaufenster->findChild<QPrintPreviewWidget *>();
            vorschau_gelungen = seiten && seiten->pageCount() > 0;
        }
        if (lauf > 0) {
            offen.push_back(offen_ms);
            vorschau.push_back(vorschau_ms);
        }
    }
    std::printf("\nSaisonübersicht, %d Spieltage, %d Läufe\n", tage, laeufe);
    std::printf("%-34s %10s %10s %10s %8s\n", "", "Median ms", "min ms", "max ms", "Ziel ms");
    bool gemessen = zeile_drucken("Fenster geöffnet und gezeichnet", offen, offen_gelungen);
    gemessen = zeile_drucken("Druckvorschau gezeichnet", vorschau, vorschau_gelungen) && gemessen;
    return gemessen ? 0 : 1;
}
