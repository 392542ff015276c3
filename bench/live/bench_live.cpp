// From a committed result in a 10 x 10 plan to the new snapshot received by 1 and by 100 phones
// over the loopback (server and phones in this process), beside a baseline that only sends a
// ready snapshot of the same size to the same phones. Target: a p99 of at most 250 ms with 100
// phones. Also states the process's memory before the phones come, with them, and after they
// left.
#include "../median_sammler.h"
#include "live/live_server.h"
#include "live/tagesstand.h"
#include "live/verdichter.h"
#include "live_testhilfe.h"
#include "plan_testhilfe.h"
#include "stopwatch/stoppuhr.h"
#include "stopwatch/zeitanzeige.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr double ziel_p99_ms = 250.0;
constexpr size_t laeufe = 200; // iterations of each run

qint64 speicher_kb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &zeile : status.readAll().split('\n')) {
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Each phone from a loopback address of its own, as phones in the hall come from addresses
// of their own.
struct Telefon
{
    live_test::RohTelefon roh;
    qint64 fassung = -1;

    Telefon(quint16 port, int nummer)
        : roh(port, live_test::schleife(nummer))
    {
        roh.bei_nachricht = [this](const QByteArray &text) {
            fassung = QJsonDocument::fromJson(text).object().value(u"fassung"_s).toInteger(-1);
        };
    }
};

// A full singles plan whose snapshot goes to the phones as in the program.
struct Halle
{
    PlanAufbau tag{einzel_profil(), 10};
    LiveServer server;
    LiveVerdichter verdichter{[this] {
        return stand_objekt(
            tagesstand(&tag.plan, Zeitanzeige{u"05 : 07"_s, uhr_gruen}, true, QDate(2026, 12, 8)));
    }};
    std::vector<std::unique_ptr<Telefon>> telefone;

    explicit Halle(int anzahl)
    {
        for (int c = 1; c <= 10; ++c) {
            for (int r = 1; r <= 10; ++r)
                tag.eintragen(c, r, u"%1:%2"_s.arg((c * 7 + r) % 11).arg((r * 5 + c) % 13));
        }
        QObject::connect(&tag.plan, &Spielplan::ergebnisse_geaendert, &verdichter,
                         &LiveVerdichter::markieren);
        QObject::connect(&verdichter, &LiveVerdichter::neuer_stand, &server, &LiveServer::senden);
        server.senden(verdichter.dokument());
        server.starten(QHostAddress::LocalHost, 0);
        for (int i = 0; i < anzahl; ++i)
            telefone.push_back(std::make_unique<Telefon>(server.port(), i));
        warten([this] { return server.telefone() == int(telefone.size()); }, 20000);
    }
    bool alle_haben(qint64 fassung) const
    {
        return std::all_of(telefone.begin(), telefone.end(),
                           [fassung](const auto &t) { return t->fassung >= fassung; });
    }
    static bool warten(const std::function<bool()> &bedingung, int ms)
    {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung() && uhr.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        return bedingung();
    }
    // Lets the coalescer's interval pass, so that each result is pushed on its own.
    static void pause()
    {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < LiveVerdichter::abstand.count() + 20)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
};

std::map<std::string, std::vector<double>> zeiten_ms;

void p99_merken(const std::string &name, std::vector<double> zeiten)
{
    auto &alle = zeiten_ms[name];
    alle.insert(alle.end(), zeiten.begin(), zeiten.end());
}

void ergebnis_bis_telefon(benchmark::State &state)
{
    const int anzahl = int(state.range(0));
    Halle halle(anzahl);
    std::vector<double> zeiten;
    const QString texte[2] = {u"3:12"_s, u"3:1"_s};
    int i = 0;
    for (auto _ : state) {
        Halle::pause();
        const qint64 neu = halle.verdichter.fassung() + 1;
        QElapsedTimer uhr;
        uhr.start();
        halle.tag.eintragen(7, 4, texte[++i & 1]);
        if (!Halle::warten([&] { return halle.alle_haben(neu); }, 5000)) {
            state.SkipWithError("not every phone got the result");
            break;
        }
        const double sekunden = double(uhr.nsecsElapsed()) / 1e9;
        state.SetIterationTime(sekunden);
        zeiten.push_back(sekunden * 1e3);
    }
    p99_merken("ergebnis_bis_telefon/" + std::to_string(anzahl), zeiten);
}

void basis_senden(benchmark::State &state)
{
    const int anzahl = int(state.range(0));
    Halle halle(anzahl);
    QJsonObject stand = QJsonDocument::fromJson(halle.verdichter.dokument()).object();
    std::vector<double> zeiten;
    qint64 fassung = 1000;
    for (auto _ : state) {
        Halle::pause();
        const QByteArray dokument = stand_dokument(stand, ++fassung);
        QElapsedTimer uhr;
        uhr.start();
        halle.server.senden(dokument);
        if (!Halle::warten([&] { return halle.alle_haben(fassung); }, 5000)) {
            state.SkipWithError("not every phone got the baseline's document");
            break;
        }
        const double sekunden = double(uhr.nsecsElapsed()) / 1e9;
        state.SetIterationTime(sekunden);
        zeiten.push_back(sekunden * 1e3);
    }
    p99_merken("basis_senden/" + std::to_string(anzahl), zeiten);
}

double quantil(std::vector<double> werte, double q)
{
    if (werte.empty())
        return 0;
    std::sort(werte.begin(), werte.end());
    return werte[std::min(werte.size() - 1, size_t(q * double(werte.size())))];
}

} // namespace

BENCHMARK(ergebnis_bis_telefon)
    ->Arg(1)
    ->Arg(100)
    ->UseManualTime()
    ->Iterations(laeufe)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(basis_senden)
    ->Arg(1)
    ->Arg(100)
    ->UseManualTime()
    ->Iterations(laeufe)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    qint64 vorher = 0;
    qint64 mit_telefonen = 0;
    qint64 nachher = 0;
    {
        Halle halle(0);
        for (int runde = 0; runde < 3; ++runde) {
            if (runde == 2)
                vorher = speicher_kb();
            for (int i = 0; i < 100; ++i)
                halle.telefone.push_back(std::make_unique<Telefon>(halle.server.port(), i));
            Halle::warten([&] { return halle.server.telefone() == 100; }, 20000);
            if (runde == 2)
                mit_telefonen = speicher_kb();
            halle.telefone.clear();
            Halle::warten([&] { return halle.server.telefone() == 0; }, 20000);
            for (int i = 0; i < 20; ++i)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        nachher = speicher_kb();
    }
    benchmark::RunSpecifiedBenchmarks();

    std::printf("\n%-28s %10s %10s %12s %12s %10s\n", "Live-Seite", "Median ms", "p99 ms",
                "Basis Med.", "Basis p99", "Ziel p99");
    bool gemessen = true;
    for (const char *anzahl : {"1", "100"}) {
        const auto &messung = zeiten_ms["ergebnis_bis_telefon/" + std::string(anzahl)];
        const auto &basis = zeiten_ms["basis_senden/" + std::string(anzahl)];
        // A run that broke off has fewer times than iterations: no figure then.
        if (messung.size() != laeufe || basis.size() != laeufe) {
            std::printf("%-28s FEHLGESCHLAGEN (%zu und %zu von %zu Läufen) – kein Ziel erreicht\n",
                        (std::string("Ergebnis bis ") + anzahl + " Telefon(e)").c_str(),
                        messung.size(), basis.size(), laeufe);
            gemessen = false;
            continue;
        }
        const double p99 = quantil(messung, 0.99);
        std::printf("%-28s %10.2f %10.2f %12.2f %12.2f %10.0f %s\n",
                    (std::string("Ergebnis bis ") + anzahl + " Telefon(e)").c_str(),
                    quantil(messung, 0.5), p99, quantil(basis, 0.5), quantil(basis, 0.99),
                    ziel_p99_ms, p99 <= ziel_p99_ms ? "erreicht" : "VERFEHLT");
    }
    std::printf("Speicher (dritte Runde): vor den Telefonen %lld kB, mit 100 Telefonen %lld kB, "
                "nachdem sie gingen %lld kB\n",
                vorher, mit_telefonen, nachher);
    return gemessen ? 0 : 1;
}
