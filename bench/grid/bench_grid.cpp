// Grid hot paths side by side with a baseline measured in the same run: sorting against
// std::stable_sort over keys already extracted, the grid file against std::getline and
// std::ofstream over the same lines, a keystroke against a bare cell write and callback.
#include "grid/filtergrid.h"
#include "grid/sortierschluessel.h"

#include <QCollator>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <numeric>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int zeilen = 100000;
constexpr int spalten = 10;

QString zelltext(int r, int c)
{
    const quint32 x = quint32(r) * 2654435761u + quint32(c) * 40503u;
    if (c == 1 || c == 2)
        return QString::number(int((x >> (c * 3)) % 200000) - 100000);
    static const QStringList namen{u"Müller"_s, u"meier"_s, u"Özdemir"_s,    u"Schulz"_s,
                                   u"becker"_s, u"Weiß"_s,  u"Zimmermann"_s, u"Klein"_s};
    return namen[int(x % 8)] + QString::number(x % 997);
}

void gitter_fuellen(GitterModell &gitter)
{
    gitter.SetFixedCols(0);
    gitter.SetColCount(spalten);
    gitter.SetRowCount(zeilen + 1);
    for (int c = 0; c < spalten; ++c)
        gitter.SetCells(c, 0, u"Spalte %1"_s.arg(c));
    for (int r = 1; r <= zeilen; ++r) {
        for (int c = 0; c < spalten; ++c)
            gitter.SetCells(c, r, zelltext(r, c));
    }
}

// The texts of a sorted column: as in the grid, where texts repeat, or one of a kind in every
// row, where no text is keyed for more than one row.
QString sortiertext(int r, int c, bool eindeutig)
{
    return eindeutig ? zelltext(r, c) + u'-' + QString::number(r) : zelltext(r, c);
}

// Each pass sorts by one of two columns of the same kind whose values are independent, so
// every sort starts from rows in random order of its key, as the baseline does.
void sortieren(benchmark::State &state, int spalte, int andere, QChar typ, bool eindeutig,
               bool vorbereitet = true)
{
    GitterModell gitter;
    gitter_fuellen(gitter);
    for (int r = 1; r <= zeilen && eindeutig; ++r) {
        gitter.SetCells(spalte, r, sortiertext(r, spalte, true));
        gitter.SetCells(andere, r, sortiertext(r, andere, true));
    }
    gitter.ColInfoC(spalte)->Typ = typ;
    gitter.ColInfoC(andere)->Typ = typ;
    // The baseline's keys are prepared before its timing; the grid's are kept from a sort of
    // each column until a text changes, so they are prepared the same way.
    if (vorbereitet) {
        gitter.Sortiere(QString::number(spalte), false, 0, true);
        gitter.Sortiere(QString::number(andere), false, 0, true);
    }
    bool erste = true;
    for (auto _ : state) {
        gitter.Sortiere(QString::number(erste ? spalte : andere), false, 0, true);
        erste = !erste;
    }
}

void sortieren_basis(benchmark::State &state, int spalte, int, QChar typ, bool eindeutig)
{
    std::vector<QString> schluessel;
    for (int r = 1; r <= zeilen; ++r)
        schluessel.push_back(sortierschluessel(sortiertext(r, spalte, eindeutig), typ));
    QCollator kollator{QLocale()};
    kollator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> kollation;
    for (const QString &text : schluessel)
        kollation.push_back(kollator.sortKey(text));
    std::vector<int> folge(schluessel.size());
    for (auto _ : state) {
        std::iota(folge.begin(), folge.end(), 0);
        if (typ == u'I')
            std::stable_sort(folge.begin(), folge.end(),
                             [&](int a, int b) { return schluessel[a] < schluessel[b]; });
        else
            std::stable_sort(folge.begin(), folge.end(),
                             [&](int a, int b) { return kollation[a].compare(kollation[b]) < 0; });
        benchmark::DoNotOptimize(folge.data());
    }
}

// The other reading of the baseline: the key texts already extracted, compared by the
// collator pair by pair.
void sortieren_kollator_basis(benchmark::State &state, int spalte, int, QChar typ, bool eindeutig)
{
    std::vector<QString> schluessel;
    for (int r = 1; r <= zeilen; ++r)
        schluessel.push_back(sortierschluessel(sortiertext(r, spalte, eindeutig), typ));
    QCollator kollator{QLocale()};
    kollator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> folge(schluessel.size());
    for (auto _ : state) {
        std::iota(folge.begin(), folge.end(), 0);
        std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
            return kollator.compare(schluessel[a], schluessel[b]) < 0;
        });
        benchmark::DoNotOptimize(folge.data());
    }
}

QTemporaryDir &ordner()
{
    static QTemporaryDir verzeichnis;
    return verzeichnis;
}

QString datei_pfad()
{
    return ordner().filePath(u"million.Tab"_s);
}

void datei_speichern(benchmark::State &state)
{
    GitterModell gitter;
    gitter_fuellen(gitter);
    gitter.SetFileName(datei_pfad());
    for (auto _ : state) {
        if (!gitter.SaveToFile(true, 0))
            state.SkipWithError("Speichern fehlgeschlagen");
    }
}

void datei_speichern_basis(benchmark::State &state)
{
    std::vector<std::string> zeilen_text;
    for (int r = 0; r <= zeilen; ++r) {
        for (int c = 0; c < spalten; ++c)
            zeilen_text.push_back(zelltext(r, c).toStdString());
    }
    const std::string pfad = (datei_pfad() + u".basis"_s).toStdString();
    for (auto _ : state) {
        std::ofstream aus(pfad, std::ios::binary);
        for (const std::string &zeile : zeilen_text)
            aus << zeile << '\n';
    }
}

void datei_laden(benchmark::State &state)
{
    for (auto _ : state) {
        GitterModell gitter;
        gitter.SetFileName(datei_pfad());
        if (!gitter.LoadFromFile(true, false, -1, 0))
            state.SkipWithError("Laden fehlgeschlagen");
        benchmark::DoNotOptimize(gitter.RowCount());
    }
}

void datei_laden_basis(benchmark::State &state)
{
    const std::string pfad = datei_pfad().toStdString();
    for (auto _ : state) {
        std::ifstream ein(pfad, std::ios::binary);
        std::vector<std::string> gelesen;
        std::string zeile;
        while (std::getline(ein, zeile))
            gelesen.push_back(zeile);
        benchmark::DoNotOptimize(gelesen.data());
    }
}

void tastendruck(benchmark::State &state)
{
    GitterModell gitter;
    gitter.SetColCount(11);
    gitter.SetRowCount(11);
    int zaehler = 0;
    gitter.setze_ereignisse({.OnChange = [&](GitterModell &g) {
        zaehler += g.Cells(3, 4).size();
    }});
    gitter.editieren_beginnt(3, 4);
    const QString texte[2] = {u"3:1"_s, u"3:"_s};
    int i = 0;
    for (auto _ : state)
        gitter.text_editiert(3, 4, texte[++i & 1]);
    benchmark::DoNotOptimize(zaehler);
}

void tastendruck_basis(benchmark::State &state)
{
    std::vector<QString> zellen(121);
    int zaehler = 0;
    std::function<void()> rueckruf = [&] {
        zaehler += zellen[47].size();
    };
    const QString texte[2] = {u"3:1"_s, u"3:"_s};
    int i = 0;
    for (auto _ : state) {
        zellen[47] = texte[++i & 1];
        rueckruf();
    }
    benchmark::DoNotOptimize(zaehler);
}

// Collects the mean real time of each benchmark for the table at the end.
class Sammler : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> zeiten_ms;

    void ReportRuns(const std::vector<Run> &laeufe) override
    {
        for (const Run &lauf : laeufe)
            zeiten_ms[lauf.run_name.function_name] = lauf.GetAdjustedRealTime() / 1e6;
        ConsoleReporter::ReportRuns(laeufe);
    }
};

} // namespace

BENCHMARK_CAPTURE(sortieren, sort_I, 1, 2, QChar(u'I'), false)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(6);
BENCHMARK_CAPTURE(sortieren_basis, sort_I, 1, 2, QChar(u'I'), false)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(6);
BENCHMARK_CAPTURE(sortieren, sort_text, 0, 3, QChar(u' '), false)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(6);
BENCHMARK_CAPTURE(sortieren_basis, sort_text, 0, 3, QChar(u' '), false)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(6);
BENCHMARK_CAPTURE(sortieren_kollator_basis, sort_text, 0, 3, QChar(u' '), false)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(sortieren, sort_text_eindeutig, 0, 3, QChar(u' '), true)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(6);
BENCHMARK_CAPTURE(sortieren_basis, sort_text_eindeutig, 0, 3, QChar(u' '), true)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(6);
// The first sort of each column, which builds its keys.
BENCHMARK_CAPTURE(sortieren, sort_text_eindeutig_kalt, 0, 3, QChar(u' '), true, false)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(sortieren_basis, sort_text_eindeutig_kalt, 0, 3, QChar(u' '), true)
    ->Unit(benchmark::kNanosecond)
    ->Iterations(2);
BENCHMARK(datei_speichern)->Unit(benchmark::kNanosecond)->Iterations(5);
BENCHMARK(datei_speichern_basis)->Unit(benchmark::kNanosecond)->Iterations(5);
BENCHMARK(datei_laden)->Unit(benchmark::kNanosecond)->Iterations(5);
BENCHMARK(datei_laden_basis)->Unit(benchmark::kNanosecond)->Iterations(5);
BENCHMARK(tastendruck)->Unit(benchmark::kNanosecond);
BENCHMARK(tastendruck_basis)->Unit(benchmark::kNanosecond);

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    Sammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    std::printf("\n%-22s %14s   %-34s %14s %8s\n", "Grid", "µs", "Basis", "µs", "Faktor");
    const std::pair<const char *, const char *> paare[] = {
        {"sortieren", "sortieren_basis"},
        {"sortieren", "sortieren_kollator_basis"},
        {"datei_speichern", "datei_speichern_basis"},
        {"datei_laden", "datei_laden_basis"},
        {"tastendruck", "tastendruck_basis"}};
    for (const auto &[name, basis] : paare) {
        for (const auto &[voll, ms] : sammler.zeiten_ms) {
            if (voll.rfind(name, 0) != 0 || voll.find("basis") != std::string::npos)
                continue;
            const std::string basis_name = basis + voll.substr(std::string(name).size());
            const auto gefunden = sammler.zeiten_ms.find(basis_name);
            if (gefunden == sammler.zeiten_ms.end())
                continue;
            std::printf("%-22s %14.3f   %-34s %14.3f %8.2f\n", voll.c_str(), ms * 1000,
                        basis_name.c_str(), gefunden->second * 1000, ms / gefunden->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
