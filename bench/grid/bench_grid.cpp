// Grid hot paths side by side with a baseline, measured alternately in pairs in the same run:
// sorting against std::stable_sort over keys already extracted (or, for a column whose keys are
// still to be built, against building the collation keys and std::stable_sort), the grid file
// against std::getline and std::ofstream over the same lines, keystrokes against bare cell
// writes and a callback. Goal of every row: at most twice the baseline.
#include "../paarmessung.h"
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
#include <memory>
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

// A grid of 100 000 rows whose two sorted columns (of the same kind, with independent values)
// hold the given texts; each sort takes the other column, so every sort starts from rows in
// random order of its key, as the baseline does.
struct Sortiergitter
{
    GitterModell gitter;
    int spalte;
    int andere;
    bool erste = true;

    Sortiergitter(int spalte_, int andere_, QChar typ, bool eindeutig)
        : spalte(spalte_)
        , andere(andere_)
    {
        gitter_fuellen(gitter);
        for (int r = 1; r <= zeilen && eindeutig; ++r) {
            gitter.SetCells(spalte, r, sortiertext(r, spalte, true));
            gitter.SetCells(andere, r, sortiertext(r, andere, true));
        }
        gitter.ColInfoC(spalte)->Typ = typ;
        gitter.ColInfoC(andere)->Typ = typ;
    }
    // True when the rows stand in ascending order of the sorted column afterwards.
    bool sortieren()
    {
        const int nach = erste ? spalte : andere;
        erste = !erste;
        gitter.Sortiere(QString::number(nach), false, 0, true);
        return gitter.sort_felder().size() == 1 && gitter.sort_felder().front().spalte == nach;
    }
};

// The keys of the sorted column as the grid builds them.
std::vector<QString> schluessel_der_spalte(int spalte, QChar typ, bool eindeutig)
{
    std::vector<QString> schluessel;
    for (int r = 1; r <= zeilen; ++r)
        schluessel.push_back(sortierschluessel(sortiertext(r, spalte, eindeutig), typ));
    return schluessel;
}

QCollator kollator()
{
    QCollator k{QLocale()};
    k.setCaseSensitivity(Qt::CaseInsensitive);
    return k;
}

// std::stable_sort over keys already extracted (numbers) or collation keys already built.
Lauf sortieren_basis(int spalte, QChar typ, bool eindeutig)
{
    auto schluessel = std::make_shared<std::vector<QString>>(
        schluessel_der_spalte(spalte, typ, eindeutig));
    auto kollation = std::make_shared<std::vector<QCollatorSortKey>>();
    const QCollator k = kollator();
    for (const QString &text : *schluessel)
        kollation->push_back(k.sortKey(text));
    return [schluessel, kollation, typ] {
        std::vector<int> folge(schluessel->size());
        std::iota(folge.begin(), folge.end(), 0);
        if (typ == u'I')
            std::stable_sort(folge.begin(), folge.end(),
                             [&](int a, int b) { return (*schluessel)[a] < (*schluessel)[b]; });
        else
            std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
                return (*kollation)[a].compare((*kollation)[b]) < 0;
            });
        benchmark::DoNotOptimize(folge.data());
        return folge.size() == size_t(zeilen);
    };
}

// A sort of a column whose keys were built by the sorts before (they are kept until a text
// changes), against the baseline with its keys built before its timing.
Paarmessung sortieren_warm(int paare, int spalte, int andere, QChar typ, bool eindeutig)
{
    auto gitter = std::make_shared<Sortiergitter>(spalte, andere, typ, eindeutig);
    gitter->sortieren();
    gitter->sortieren();
    return paarweise_messen(
        paare, [gitter] { return gitter->sortieren(); }, sortieren_basis(spalte, typ, eindeutig));
}

// The first sort of an all-different text column, whose keys are still to be built, against
// QCollator::sortKey of every text plus std::stable_sort, both inside the timing. Each run gets
// a grid or texts of its own, made before its timing.
Paarmessung sortieren_kalt(int paare)
{
    static constexpr int spalte = 0;
    static constexpr int andere = 3;
    auto gitter = std::make_shared<std::unique_ptr<Sortiergitter>>();
    const auto neues_gitter = [gitter] {
        *gitter = std::make_unique<Sortiergitter>(spalte, andere, QChar(u' '), true);
    };
    const auto schluessel =
        std::make_shared<std::vector<QString>>(schluessel_der_spalte(spalte, u' ', true));
    const Lauf basis = [schluessel] {
        const QCollator k = kollator();
        std::vector<QCollatorSortKey> kollation;
        kollation.reserve(schluessel->size());
        for (const QString &text : *schluessel)
            kollation.push_back(k.sortKey(text));
        std::vector<int> folge(schluessel->size());
        std::iota(folge.begin(), folge.end(), 0);
        std::stable_sort(folge.begin(), folge.end(),
                         [&](int a, int b) { return kollation[a].compare(kollation[b]) < 0; });
        benchmark::DoNotOptimize(folge.data());
        return folge.size() == size_t(zeilen);
    };
    return paarweise_messen(
        paare, [gitter] { return (*gitter)->sortieren(); }, basis, neues_gitter);
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

Paarmessung datei_speichern(int paare)
{
    auto gitter = std::make_shared<GitterModell>();
    gitter_fuellen(*gitter);
    gitter->SetFileName(datei_pfad());
    auto zeilen_text = std::make_shared<std::vector<std::string>>();
    for (int r = 0; r <= zeilen; ++r) {
        for (int c = 0; c < spalten; ++c)
            zeilen_text->push_back(zelltext(r, c).toStdString());
    }
    const std::string pfad = (datei_pfad() + u".basis"_s).toStdString();
    return paarweise_messen(
        paare, [gitter] { return gitter->SaveToFile(true, 0); },
        [zeilen_text, pfad] {
            std::ofstream aus(pfad, std::ios::binary);
            for (const std::string &zeile : *zeilen_text)
                aus << zeile << '\n';
            aus.close();
            return bool(aus);
        });
}

// Reads the file the row before wrote.
Paarmessung datei_laden(int paare)
{
    const std::string pfad = datei_pfad().toStdString();
    return paarweise_messen(
        paare,
        [] {
            GitterModell gitter;
            gitter.SetFileName(datei_pfad());
            return gitter.LoadFromFile(true, false, -1, 0) && gitter.RowCount() == zeilen + 1;
        },
        [pfad] {
            std::ifstream ein(pfad, std::ios::binary);
            std::vector<std::string> gelesen;
            std::string zeile;
            while (std::getline(ein, zeile))
                gelesen.push_back(zeile);
            benchmark::DoNotOptimize(gelesen.data());
            // Every cell on a line of its own, after the file's head.
            return gelesen.size() >= size_t(zeilen + 1) * spalten;
        });
}

// A batch of keystrokes into a cell against bare cell writes and a callback.
Paarmessung tastendruck(int paare)
{
    constexpr int tasten = 200000;
    auto gitter = std::make_shared<GitterModell>();
    gitter->SetColCount(11);
    gitter->SetRowCount(11);
    auto zaehler = std::make_shared<int>(0);
    gitter->setze_ereignisse({.OnChange = [zaehler](GitterModell &g) {
        *zaehler += int(g.Cells(3, 4).size());
    }});
    gitter->editieren_beginnt(3, 4);
    const Lauf programm = [gitter, zaehler] {
        const QString texte[2] = {u"3:1"_s, u"3:"_s};
        const int vorher = *zaehler;
        for (int i = 0; i < tasten; ++i)
            gitter->text_editiert(3, 4, texte[i & 1]);
        return *zaehler - vorher == tasten / 2 * 5;
    };
    const Lauf basis = [] {
        std::vector<QString> zellen(121);
        int zaehler = 0;
        std::function<void()> rueckruf = [&] {
            zaehler += int(zellen[47].size());
        };
        const QString texte[2] = {u"3:1"_s, u"3:"_s};
        for (int i = 0; i < tasten; ++i) {
            zellen[47] = texte[i & 1];
            benchmark::DoNotOptimize(zellen[47].data());
            rueckruf();
        }
        return zaehler == tasten / 2 * 5;
    };
    return paarweise_messen(paare, programm, basis);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int paare = argc > 1 ? std::max(15, std::atoi(argv[1])) : 15;
    constexpr double ziel = 2.0;
    paar_kopf_drucken("Grid, 100 000 Zeilen", paare);
    bool gemessen = true;
    const auto zeile = [&](const char *name, const Paarmessung &m) {
        gemessen = paar_zeile_drucken(name, m, ziel) && gemessen;
        std::fflush(stdout);
    };
    zeile("sort_I", sortieren_warm(paare, 1, 2, u'I', false));
    zeile("sort_text", sortieren_warm(paare, 0, 3, u' ', false));
    zeile("sort_text_eindeutig", sortieren_warm(paare, 0, 3, u' ', true));
    zeile("sort_text_eindeutig_kalt", sortieren_kalt(paare));
    zeile("datei_speichern", datei_speichern(paare));
    zeile("datei_laden", datei_laden(paare));
    zeile("tastendruck (200 000)", tastendruck(paare));
    return gemessen ? 0 : 1;
}
