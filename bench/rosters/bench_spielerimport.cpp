// A club's member list of 10,000 rows taken into an empty roster, beside a baseline that only
// reads the same file and splits it at line ends and semicolons. Target: at most 5 times the
// baseline. And the preview of the first 50 rows of a file near the largest accepted size,
// beside reading that file whole: at most 50 ms, whatever the size.
#include "../median_sammler.h"
#include "rosters/spielerimport.h"
#include "storage/sichere_datei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int zeilen = 10000;
constexpr int vorschau_zeilen = 50;
constexpr double ziel_faktor = 5.0;
constexpr double vorschau_ziel_us = 50000.0;

struct Listen
{
    // Every safe replace syncs the file; a memory file system keeps disk noise out.
    QTemporaryDir ordner{QFileInfo(u"/dev/shm"_s).isWritable()
                             ? u"/dev/shm/bench_spielerimport-XXXXXX"_s
                             : QDir::tempPath() + u"/bench_spielerimport-XXXXXX"_s};
    QString pfad = ordner.path() + u'/';
    QString klein = pfad + u"mitglieder.csv"_s;
    QString gross = pfad + u"riesig.csv"_s;
};

QByteArray zeile(int i)
{
    return u"Müller-%1;Jürgen %2;Hauptstraße %3;%4 Köln;0221 %1;;0171 %2;spieler%1@verein.de\r\n"_s
        .arg(i)
        .arg(i % 97)
        .arg(i % 300)
        .arg(50000 + i % 999)
        .toUtf8();
}

const Listen &listen()
{
    static Listen l = [] {
        Listen l;
        const QByteArray kopf =
            "\xEF\xBB\xBFName;Vorname;Straße;PLZ/Ort;Telefon;Fax;Handy;E-Mail\r\n";
        QByteArray klein = kopf;
        for (int i = 0; i < zeilen; ++i)
            klein += zeile(i);
        speicher::datei_ersetzen(l.klein, klein);
        QByteArray gross = kopf;
        for (int i = 0; gross.size() < import_hoechstbytes - 200; ++i)
            gross += zeile(i);
        speicher::datei_ersetzen(l.gross, gross);
        return l;
    }();
    return l;
}

void lesen_und_teilen(benchmark::State &state)
{
    const Listen &l = listen();
    for (auto _ : state) {
        QFile datei(l.klein);
        if (!datei.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the file could not be read");
            break;
        }
        qsizetype felder = 0;
        const QList<QByteArray> teile = datei.readAll().split('\n');
        for (const QByteArray &z : teile)
            felder += z.split(';').size();
        benchmark::DoNotOptimize(felder);
        if (teile.size() != zeilen + 2)
            state.SkipWithError("the rows were not all split");
    }
}

void gross_lesen(benchmark::State &state)
{
    const Listen &l = listen();
    for (auto _ : state) {
        QFile datei(l.gross);
        if (!datei.open(QIODevice::ReadOnly) || datei.readAll().size() != datei.size())
            state.SkipWithError("the large file could not be read");
    }
}

void importieren(benchmark::State &state)
{
    const Listen &l = listen();
    const QString roster = l.pfad + adressen_dateiname(Mannschaft::eins);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(roster);
        state.ResumeTiming();
        speicher::CsvTabelle tabelle;
        Importbilanz bilanz;
        if (spielerliste_lesen(l.klein, tabelle, import_hoechstzeilen + 1) ||
            spieler_importieren(l.pfad, Mannschaft::eins, tabelle.zeilen.mid(1),
                                spalten_erkennen(tabelle.zeilen.value(0)), false, bilanz) ||
            bilanz.uebernommen != zeilen ||
            QFileInfo(roster).size() != qint64(zeilen) * adr::groesse) {
            state.SkipWithError("the list was not imported whole");
            break;
        }
    }
}

void vorschau(benchmark::State &state)
{
    const Listen &l = listen();
    for (auto _ : state) {
        speicher::CsvTabelle tabelle;
        if (spielerliste_lesen(l.gross, tabelle, vorschau_zeilen + 1)) {
            state.SkipWithError("the file was refused");
            break;
        }
        const Importlauf lauf = import_durchfuehren(
            {}, tabelle.zeilen.mid(1), spalten_erkennen(tabelle.zeilen.value(0)), false);
        benchmark::DoNotOptimize(lauf);
        if (lauf.zeilen.size() != vorschau_zeilen)
            state.SkipWithError("the preview lacks rows");
    }
}

} // namespace

BENCHMARK(lesen_und_teilen)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(gross_lesen)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(importieren)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(vorschau)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    listen();
    MedianSammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    const double basis = sammler.median_us["lesen_und_teilen"];
    const double import = sammler.median_us["importieren"];
    const double vorschau = sammler.median_us["vorschau"];
    const double gross = sammler.median_us["gross_lesen"];
    if (basis <= 0 || import <= 0 || vorschau <= 0 || gross <= 0) {
        std::printf("\nSpielerimport: ein Lauf ist fehlgeschlagen, keine Zahlen.\n");
        return 1;
    }
    const double faktor = import / basis;
    std::printf("\n%-34s %10s %10s %8s %6s\n", "Spielerimport", "Median µs", "Basis µs", "Faktor",
                "Ziel");
    std::printf("%-34s %10.1f %10.1f %8.2f %6.0f %s\n", "10.000 Zeilen in leere Liste", import,
                basis, faktor, ziel_faktor, faktor <= ziel_faktor ? "erreicht" : "VERFEHLT");
    ziel_zeile_drucken(sammler, "Vorschau", "50 Zeilen einer 16-MB-Datei", "vorschau",
                       "gross_lesen", vorschau_ziel_us);
    return 0;
}
