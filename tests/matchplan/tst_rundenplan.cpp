#include "matchplan/rundenplan.h"

#include <QSet>
#include <QtTest>
#include <algorithm>

// The schedule for every size of day and hall, and the round under way.
class TstRundenplan : public QObject
{
    Q_OBJECT

    // Longest run of rounds in which one entry of the plan has no game, over both teams.
    static int laengste_pause(const Rundenplan &plan)
    {
        int laengste = 0;
        for (bool team1 : {true, false}) {
            for (int eintrag = 1; eintrag <= plan.anzahl; ++eintrag) {
                int pause = 0;
                for (const Runde &runde : plan.runden) {
                    const bool spielt =
                        std::any_of(runde.begin(), runde.end(), [&](const Rundenspiel &s) {
                            return (team1 ? s.spalte : s.zeile) == eintrag;
                        });
                    pause = spielt ? 0 : pause + 1;
                    laengste = std::max(laengste, pause);
                }
            }
        }
        return laengste;
    }

    // The fewest different tables any entry plays at.
    static int wenigste_tische(const Rundenplan &plan)
    {
        int wenigste = plan.tische;
        for (bool team1 : {true, false}) {
            for (int eintrag = 1; eintrag <= plan.anzahl; ++eintrag) {
                QSet<int> tische;
                for (const Runde &runde : plan.runden) {
                    for (const Rundenspiel &s : runde) {
                        if ((team1 ? s.spalte : s.zeile) == eintrag)
                            tische << s.tisch;
                    }
                }
                wenigste = std::min(wenigste, int(tische.size()));
            }
        }
        return wenigste;
    }

    static QList<bool> fertig_bis(const Rundenplan &plan, int runden)
    {
        QList<bool> fertig(plan.anzahl * plan.anzahl, false);
        for (int i = 0; i < runden; ++i) {
            for (const Rundenspiel &s : plan.runden[i])
                fertig[spiel_index(plan.anzahl, s.spalte, s.zeile)] = true;
        }
        return fertig;
    }

private slots:
    void alle_groessen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("t");
        for (int n = 1; n <= 10; ++n) {
            for (int t = 1; t <= 10; ++t)
                QTest::addRow("N=%d T=%d", n, t) << n << t;
        }
    }
    void alle_groessen()
    {
        QFETCH(int, n);
        QFETCH(int, t);
        const Rundenplan plan = rundenplan_erstellen(n, t);
        const int k = std::min(n, t);
        QCOMPARE(plan.anzahl, n);
        QCOMPARE(plan.tische, k);
        QCOMPARE(plan.runden.size(), (n * n + k - 1) / k);

        QList<int> gesehen(n * n, 0);
        for (const Runde &runde : plan.runden) {
            QVERIFY(!runde.isEmpty());
            QVERIFY(runde.size() <= k);
            QSet<int> spalten, zeilen, tische;
            for (const Rundenspiel &s : runde) {
                QVERIFY(s.spalte >= 1 && s.spalte <= n);
                QVERIFY(s.zeile >= 1 && s.zeile <= n);
                QVERIFY(s.tisch >= 1 && s.tisch <= k);
                spalten << s.spalte;
                zeilen << s.zeile;
                tische << s.tisch;
                ++gesehen[spiel_index(n, s.spalte, s.zeile)];
            }
            QCOMPARE(spalten.size(), runde.size());
            QCOMPARE(zeilen.size(), runde.size());
            QCOMPARE(tische.size(), runde.size());
            QVERIFY(std::is_sorted(
                runde.begin(), runde.end(),
                [](const Rundenspiel &a, const Rundenspiel &b) { return a.tisch < b.tisch; }));
        }
        QCOMPARE(gesehen, QList<int>(n * n, 1));

        QVERIFY(laengste_pause(plan) <= (n + k - 1) / k + 1);
        const bool ueberall = k <= n - 2 || n % 2 == 1;
        QVERIFY(wenigste_tische(plan) >= (ueberall ? k : k - 2));
    }

    void pausen_bei_zehn_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("hoechstens");
        const QList<int> pausen{11, 5, 3, 2, 2, 1, 2, 1, 2, 0};
        for (int t = 1; t <= 10; ++t)
            QTest::addRow("T=%d", t) << t << pausen[t - 1];
    }
    void pausen_bei_zehn()
    {
        QFETCH(int, t);
        QFETCH(int, hoechstens);
        QVERIFY(laengste_pause(rundenplan_erstellen(10, t)) <= hoechstens);
    }

    void drei_an_zwei_tischen()
    {
        const QList<Runde> erwartet{
            {{2, 2, 1}, {1, 1, 2}},
            {{3, 3, 1}, {1, 2, 2}},
            {{3, 1, 1}, {2, 3, 2}},
            {{1, 3, 1}, {2, 1, 2}},
            {{3, 2, 2}},
        };
        QCOMPARE(rundenplan_erstellen(3, 2).runden, erwartet);
    }

    void gleich_bei_gleicher_eingabe()
    {
        QCOMPARE(rundenplan_erstellen(10, 7), rundenplan_erstellen(10, 7));
        QVERIFY(rundenplan_erstellen(10, 7) != rundenplan_erstellen(10, 6));
    }

    void ausserhalb_leer_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("t");
        QTest::newRow("keine Tische") << 4 << 0;
        QTest::newRow("keine Einträge") << 0 << 3;
        QTest::newRow("zu viele Tische") << 4 << 11;
        QTest::newRow("zu viele Einträge") << 11 << 3;
        QTest::newRow("negativ") << -1 << -5;
    }
    void ausserhalb_leer()
    {
        QFETCH(int, n);
        QFETCH(int, t);
        const Rundenplan plan = rundenplan_erstellen(n, t);
        QVERIFY(plan.runden.isEmpty());
        QCOMPARE(aktuelle_runde(plan, QList<bool>{}), std::nullopt);
    }

    void aktuelle_runde_folgt_den_ergebnissen()
    {
        const Rundenplan plan = rundenplan_erstellen(10, 3);
        for (int fertige = 0; fertige < int(plan.runden.size()); ++fertige)
            QCOMPARE(aktuelle_runde(plan, fertig_bis(plan, fertige)), fertige);
        QCOMPARE(aktuelle_runde(plan, fertig_bis(plan, int(plan.runden.size()))), std::nullopt);
    }

    // A single open game keeps its round current, even when later rounds are done; flags that
    // are missing count as open.
    void offenes_spiel_haelt_die_runde()
    {
        const Rundenplan plan = rundenplan_erstellen(4, 2);
        QList<bool> fertig(16, true);
        const Rundenspiel offen = plan.runden[3].last();
        fertig[spiel_index(4, offen.spalte, offen.zeile)] = false;
        QCOMPARE(aktuelle_runde(plan, fertig), 3);
        QCOMPARE(aktuelle_runde(plan, QList<bool>{}), 0);
    }
};

QTEST_GUILESS_MAIN(TstRundenplan)
#include "tst_rundenplan.moc"
