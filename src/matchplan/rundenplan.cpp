#include "matchplan/rundenplan.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct Spiel
{
    int spalte; // from 0
    int zeile;
};

// 0, 2, 4, ..., then the odd numbers downwards: a cycle through 0..n-1 whose steps are at most 2
// apart, also from the last number back to the first.
QList<int> zickzack(int n)
{
    QList<int> folge;
    for (int i = 0; i < n; i += 2)
        folge << i;
    for (int i = (n - 1) % 2 == 1 ? n - 1 : n - 2; i > 0; i -= 2)
        folge << i;
    return folge;
}

// All games as N blocks of N, each block a perfect matching with team-1 entry c at place c. Cut
// into pieces of k, a piece holds an entry twice only if its two games are fewer than k places
// apart. Team-1 entries are exactly N apart. With k <= N - 2, team-2 entries walk the zigzag
// cycle from block to block, so they are N - 2 to N + 2 apart. With k >= N - 1 they move one
// place down per block: N - 1 apart, once 2N - 1.
std::vector<Spiel> spielfolge(int n, int k)
{
    std::vector<Spiel> folge;
    folge.reserve(n * n);
    if (k <= n - 2) {
        const QList<int> z = zickzack(n);
        QList<int> platz_in_z(n);
        for (int i = 0; i < n; ++i)
            platz_in_z[z[i]] = i;
        for (int block = 0; block < n; ++block) {
            for (int c = 0; c < n; ++c)
                folge.push_back({c, ((platz_in_z[c] - block) % n + n) % n});
        }
    } else {
        for (int block = 0; block < n; ++block) {
            for (int c = 0; c < n; ++c)
                folge.push_back({c, (c + block) % n});
        }
    }
    return folge;
}

// A fixed pseudo-random sequence, so the plan never depends on the machine or the run.
class Folge
{
public:
    int naechste(int bis)
    {
        m_zustand = m_zustand * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((m_zustand >> 33) % std::uint64_t(bis));
    }

private:
    std::uint64_t m_zustand = 1;
};

// How often each entry has played at each table; side 0 is team 1, side 1 team 2.
class Tischzaehler
{
public:
    Tischzaehler(int n, int k)
        : m_n(n)
        , m_k(k)
        , m_zahl(2 * n * k, 0)
    {
    }
    int &zahl(int seite, int eintrag, int tisch)
    {
        return m_zahl[(seite * m_n + eintrag) * m_k + tisch];
    }
    // How many entries' sets of tables grow (+) or shrink (-) when game s moves between tables.
    int gewinn(const Spiel &s, int von, int nach)
    {
        int gewinn = 0;
        for (auto [seite, eintrag] : {std::pair{0, s.spalte}, std::pair{1, s.zeile}})
            gewinn += int(zahl(seite, eintrag, nach) == 0) - int(zahl(seite, eintrag, von) == 1);
        return gewinn;
    }
    // Different tables summed over all entries.
    int verschiedene() const
    {
        return int(std::count_if(m_zahl.begin(), m_zahl.end(), [](int z) { return z > 0; }));
    }
    void verschieben(const Spiel &s, int von, int nach)
    {
        for (auto [seite, eintrag] : {std::pair{0, s.spalte}, std::pair{1, s.zeile}}) {
            --zahl(seite, eintrag, von);
            ++zahl(seite, eintrag, nach);
        }
    }

private:
    int m_n;
    int m_k;
    std::vector<int> m_zahl;
};

inline constexpr int verteilschritte = 200000;
// Per mille chance of accepting a step that costs one entry a table, at the start; it falls
// to zero so the search settles.
inline constexpr int anfangs_promille = 300;

// Tables within each round, so that entries play at as many tables as they can: with k = N
// and N odd, table c + r mod N puts every entry once at every table; otherwise a fixed local
// search swaps tables within rounds, starting from the order of the pieces.
std::vector<int> tische_verteilen(const std::vector<Spiel> &folge, int n, int k)
{
    const int spiele = int(folge.size());
    std::vector<int> tisch(spiele);
    if (k == n && n % 2 == 1) {
        for (int p = 0; p < spiele; ++p)
            tisch[p] = (folge[p].spalte + folge[p].zeile) % n;
        return tisch;
    }
    for (int p = 0; p < spiele; ++p)
        tisch[p] = p % k;
    if (k < 2)
        return tisch;

    const int runden = (spiele + k - 1) / k;
    std::vector<int> belegt(runden * k, -1);
    Tischzaehler zaehler(n, k);
    for (int p = 0; p < spiele; ++p) {
        belegt[p] = p;
        ++zaehler.zahl(0, folge[p].spalte, tisch[p]);
        ++zaehler.zahl(1, folge[p].zeile, tisch[p]);
    }
    // Every entry plays N >= k games, so at best each one gets to all k tables.
    const int erreichbar = 2 * n * k;
    std::vector<int> beste = tisch;
    int stand = zaehler.verschiedene();
    int bester_stand = stand;
    Folge zufall;
    for (int schritt = 0; schritt < verteilschritte && bester_stand < erreichbar; ++schritt) {
        const int runde = zufall.naechste(runden);
        const int p = runde * k + zufall.naechste(std::min(k, spiele - runde * k));
        const int nach = zufall.naechste(k);
        const int von = tisch[p];
        if (nach == von)
            continue;
        const int q = belegt[runde * k + nach];
        const int gewinn =
            zaehler.gewinn(folge[p], von, nach) + (q < 0 ? 0 : zaehler.gewinn(folge[q], nach, von));
        const int schwelle = anfangs_promille * (verteilschritte - schritt) / verteilschritte;
        if (gewinn < -1 || (gewinn == -1 && zufall.naechste(1000) >= schwelle))
            continue;
        zaehler.verschieben(folge[p], von, nach);
        tisch[p] = nach;
        belegt[runde * k + nach] = p;
        belegt[runde * k + von] = q;
        if (q >= 0) {
            zaehler.verschieben(folge[q], nach, von);
            tisch[q] = von;
        }
        stand += gewinn;
        if (stand > bester_stand) {
            bester_stand = stand;
            beste = tisch;
        }
    }
    return beste;
}

} // namespace

Rundenplan rundenplan_erstellen(int anzahl, int tische)
{
    Rundenplan plan;
    if (anzahl < 1 || anzahl > rundenplan_hoechstens || tische < 1 ||
        tische > rundenplan_hoechstens)
        return plan;
    const int k = std::min(anzahl, tische);
    const std::vector<Spiel> folge = spielfolge(anzahl, k);
    const std::vector<int> tisch = tische_verteilen(folge, anzahl, k);
    plan.anzahl = anzahl;
    plan.tische = k;
    for (size_t p = 0; p < folge.size(); ++p) {
        if (p % size_t(k) == 0)
            plan.runden.append(Runde{});
        plan.runden.last() << Rundenspiel{folge[p].spalte + 1, folge[p].zeile + 1, tisch[p] + 1};
    }
    for (Runde &runde : plan.runden)
        std::sort(runde.begin(), runde.end(),
                  [](const Rundenspiel &a, const Rundenspiel &b) { return a.tisch < b.tisch; });
    return plan;
}

std::optional<int> aktuelle_runde(const Rundenplan &plan,
                                  const std::function<bool(const Rundenspiel &)> &fertig)
{
    for (qsizetype i = 0; i < plan.runden.size(); ++i) {
        if (!std::all_of(plan.runden[i].begin(), plan.runden[i].end(), fertig))
            return int(i);
    }
    return std::nullopt;
}

std::optional<int> aktuelle_runde(const Rundenplan &plan, const QList<bool> &fertig)
{
    return aktuelle_runde(plan, [&](const Rundenspiel &spiel) {
        const int index = spiel_index(plan.anzahl, spiel.spalte, spiel.zeile);
        return index < fertig.size() && fertig[index];
    });
}
