// Grid drawing beside a plain table view with the default delegate over the same model and
// image size, and a viewport of a 100 000-row grid beside one of a 20-row grid. The row pair
// uses a viewport lower than 20 rows, so both grids show the same rows and a scroll bar.
#include "grid/filtergrid_fenster.h"
#include "grid/gitter_adapter_fenster.h"
#include "matchplan/planfarben.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A grid shaped like a plan grid, with the plan windows' colour rules and an object hook.
std::unique_ptr<TFilterGrid> plan_gitter(int zeilen, int spalten, int hoehe = 600)
{
    auto gitter = std::make_unique<TFilterGrid>();
    GitterModell &g = gitter->modell();
    g.SetColCount(spalten);
    g.SetRowCount(zeilen);
    for (int c = 0; c < spalten; ++c) {
        g.SetCells(c, 0, u"Spalte %1"_s.arg(c));
        g.ColInfoC(c)->DatAlign = c == 0 ? 36 : 38;
    }
    for (int r = 1; r < zeilen; ++r) {
        g.SetCells(0, r, u"Müller, Anna %1"_s.arg(r));
        for (int c = 1; c < spalten; ++c)
            g.SetCells(c, r, QString::number((r * 7 + c * 3) % 11));
    }
    g.SetColWidths(0, 140);
    // The matrix rule where the grid is shaped like the matrix, else the standings rule.
    const Planfarben farben{clWindow, 0x00D2D2FF, 0x00FFD2D2, 0x00BEBEBE};
    const bool matrix = spalten == 11;
    g.SelectRowColor = matrix ? matrix_auswahlfarbe : tabelle_auswahlfarbe;
    GitterEreignisse ereignisse;
    ereignisse.RowColorProc = [farben, matrix](GitterModell &gitter, qint32 &, QPainter &maler,
                                               int aCol, int aRow, int zustand) {
        const bool markiert = zelle_markiert(gitter, aRow, zustand);
        zellfarben_anwenden(maler, matrix ? matrix_zellfarben(farben, 4, aCol, aRow, markiert)
                                          : tabellen_zellfarben(farben, aCol, aRow, markiert));
    };
    ereignisse.TypObjectProc = [](GitterModell &, qint32 &, QPainter &maler, int, int, QRect &rect,
                                  const QString &s, int) {
        maler.drawText(rect, s);
    };
    g.setze_ereignisse(std::move(ereignisse));
    gitter->resize(900, hoehe);
    gitter->show();
    return gitter;
}

// Low enough that 20 rows of 24 pixels overfill the viewport.
constexpr int zeilenpaar_hoehe = 360;

// Rows and columns settle after the first paint: grown sizes are applied, then painted again.
void einschwingen(QAbstractItemView &ansicht, QImage &bild)
{
    for (int i = 0; i < 2; ++i) {
        ansicht.render(&bild);
        QCoreApplication::processEvents();
    }
}

void malen(benchmark::State &zustand, QAbstractItemView &ansicht)
{
    QImage bild(ansicht.size(), QImage::Format_ARGB32_Premultiplied);
    einschwingen(ansicht, bild);
    for (auto _ : zustand) {
        ansicht.render(&bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
}

void gitter_malen(benchmark::State &zustand, int zeilen, int spalten)
{
    const auto gitter = plan_gitter(zeilen, spalten);
    malen(zustand, *gitter);
}

void gitter_malen_zeilenpaar(benchmark::State &zustand, int zeilen)
{
    const auto gitter = plan_gitter(zeilen, 13, zeilenpaar_hoehe);
    malen(zustand, *gitter);
}

// The row pair only compares like with like when both viewports show the very same pixels.
bool zeilenpaar_gleich()
{
    QImage bilder[2];
    for (int i = 0; i < 2; ++i) {
        const auto gitter = plan_gitter(i == 0 ? 100000 : 20, 13, zeilenpaar_hoehe);
        QImage bild(gitter->size(), QImage::Format_ARGB32_Premultiplied);
        einschwingen(*gitter, bild);
        bilder[i] = gitter->viewport()->grab().toImage();
    }
    return bilder[0] == bilder[1];
}

void gitter_malen_basis(benchmark::State &zustand, int zeilen, int spalten)
{
    const auto gitter = plan_gitter(zeilen, spalten);
    QTableView schlicht;
    schlicht.setModel(gitter->adapter());
    schlicht.resize(gitter->size());
    for (int c = 0; c < spalten; ++c)
        schlicht.setColumnWidth(c, gitter->columnWidth(c));
    schlicht.show();
    malen(zustand, schlicht);
}

class Sammler : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> zeiten;

    void ReportRuns(const std::vector<Run> &laeufe) override
    {
        for (const Run &lauf : laeufe)
            if (!lauf.error_occurred)
                zeiten[lauf.benchmark_name()] = lauf.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(laeufe);
    }
};

} // namespace

BENCHMARK_CAPTURE(gitter_malen, tabelle, 22, 13)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gitter_malen_basis, tabelle, 22, 13)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gitter_malen, matrix, 11, 11)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gitter_malen_basis, matrix, 11, 11)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gitter_malen_zeilenpaar, gross, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gitter_malen_zeilenpaar, klein, 20)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    if (!zeilenpaar_gleich()) {
        std::fprintf(stderr, "100 000 und 20 Zeilen zeigen nicht denselben Ausschnitt\n");
        return 1;
    }
    Sammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    const std::pair<const char *, const char *> paare[] = {
        {"gitter_malen/tabelle", "gitter_malen_basis/tabelle"},
        {"gitter_malen/matrix", "gitter_malen_basis/matrix"},
        {"gitter_malen_zeilenpaar/gross", "gitter_malen_zeilenpaar/klein"}};
    std::printf("\n%-30s %10s   %-30s %10s %8s\n", "Zeichnen", "CPU µs", "Basis", "CPU µs",
                "Faktor");
    bool gemessen = true;
    for (const auto &[name, basis] : paare) {
        const double zeit = sammler.zeiten[name];
        const double basis_zeit = sammler.zeiten[basis];
        if (zeit > 0 && basis_zeit > 0) {
            std::printf("%-30s %10.1f   %-30s %10.1f %8.2f\n", name, zeit, basis, basis_zeit,
                        zeit / basis_zeit);
        } else {
            std::printf("%-30s FEHLGESCHLAGEN – %s oder %s nicht gemessen\n", name, name, basis);
            gemessen = false;
        }
    }
    benchmark::Shutdown();
    return gemessen ? 0 : 1;
}
