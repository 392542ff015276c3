#include "matchplan/wertung.h"
#include "plan_testhilfe.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Spiele = QMap<int, QStringList>; // standings row -> game cells from column 1 on
using Wertung = QMap<int, QString>;    // standings row -> "Ges.|Platz"; rows not named: "|"

class TstWertung : public QObject
{
    Q_OBJECT

    static Spiele verschieden_bei_zehn()
    {
        Spiele spiele;
        for (int k = 1; k <= 10; ++k) {
            spiele[k] = QStringList(10, u"0"_s);
            spiele[k][k - 1] = QString::number(k);
            spiele[11 + k] = QStringList(10, QString());
            spiele[11 + k][9] = QString::number(10 + k);
        }
        return spiele;
    }
    static Wertung raenge_bei_zehn()
    {
        Wertung wertung;
        for (int k = 1; k <= 10; ++k) {
            wertung[k] = u"%1|%2"_s.arg(k).arg(21 - k);
            wertung[11 + k] = u"%1|%2"_s.arg(10 + k).arg(11 - k);
        }
        return wertung;
    }

private slots:
    void raenge_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<Spiele>("spiele");
        QTest::addColumn<Wertung>("erwartet");
        QTest::newRow("geteilte Plaetze mit Luecke")
            << 2 << Spiele{{1, {"4", "5"}}, {2, {"7", ""}}, {12, {"3", "4"}}, {13, {"2", "3"}}}
            << Wertung{{1, "9|1"}, {2, "7|2"}, {12, "7|2"}, {13, "5|4"}};
        QTest::newRow("nur Nullen ohne Summe")
            << 2 << Spiele{{1, {"0", "0"}}, {12, {"4", ""}}, {13, {"", "0"}}}
            << Wertung{{12, "4|1"}};
        QTest::newRow("N1 ein Spiel")
            << 1 << Spiele{{1, {"3"}}, {12, {"2"}}} << Wertung{{1, "3|1"}, {12, "2|2"}};
        QTest::newRow("N10 zwanzig verschiedene")
            << 10 << verschieden_bei_zehn() << raenge_bei_zehn();
        QTest::newRow("Spalten hinter N zaehlen nicht")
            << 2 << Spiele{{1, {"1", "1", "x", "x", "50"}}} << Wertung{{1, "2|1"}};
        QTest::newRow("negative Summe aus einer Datei")
            << 3 << Spiele{{1, {"-3", "2", ""}}, {2, {"1", "", ""}}} << Wertung{{2, "1|1"}};
        QTest::newRow("Trennzeile nie gewertet")
            << 2 << Spiele{{11, {"5", "5"}}, {21, {"1", "1"}}} << Wertung{{21, "2|1"}};
    }
    void raenge()
    {
        QFETCH(int, n);
        QFETCH(Spiele, spiele);
        QFETCH(Wertung, erwartet);
        GitterModell tabelle;
        TestPlattform plattform;
        tabelle.SetColCount(n + 3);
        tabelle.SetRowCount(22);
        for (int zeile = 1; zeile <= 21; ++zeile) {
            // Stale totals and ranks from before must go.
            tabelle.SetCells(n + 1, zeile, u"alt"_s);
            tabelle.SetCells(n + 2, zeile, u"alt"_s);
        }
        for (auto it = spiele.cbegin(); it != spiele.cend(); ++it) {
            for (int g = 0; g < it.value().size(); ++g)
                tabelle.SetCells(g + 1, it.key(), it.value()[g]);
        }

        QVERIFY(wertung_berechnen(tabelle, n, plattform));

        for (int zeile = 1; zeile <= 21; ++zeile) {
            const QString ist = tabelle.Cells(n + 1, zeile) + u'|' + tabelle.Cells(n + 2, zeile);
            QCOMPARE(ist, erwartet.value(zeile, u"|"_s));
        }
        QVERIFY(plattform.meldungen.isEmpty());
    }

    void keine_zahl_haelt_die_rechnung_an()
    {
        GitterModell tabelle;
        TestPlattform plattform;
        tabelle.SetColCount(5);
        tabelle.SetRowCount(22);
        const QStringList spalte1{"3", "x", "4"};
        for (int zeile = 1; zeile <= 3; ++zeile) {
            tabelle.SetCells(1, zeile, spalte1[zeile - 1]);
            tabelle.SetCells(3, zeile, u"alt"_s);
            tabelle.SetCells(4, zeile, u"alt"_s);
        }

        QVERIFY(!wertung_berechnen(tabelle, 2, plattform));

        QCOMPARE(plattform.texte(), QStringList{u"'x' ist kein gültiger Integerwert"_s});
        QCOMPARE(tabelle.Cells(3, 1), u"3"_s);
        QCOMPARE(tabelle.Cells(3, 3), u"alt"_s);
        QCOMPARE(tabelle.Cells(4, 1), u"alt"_s);
    }

    void geleertes_ergebnis_laesst_die_anderen_aufruecken()
    {
        PlanAufbau p(doppel_profil(), 2);
        p.tippen(1, 1, u"3:2"_s);
        p.tippen(2, 2, u"5:4"_s);
        QCOMPARE(p.platz(Mannschaft::zwei, 2), u"1"_s);
        QCOMPARE(p.platz(Mannschaft::eins, 1), u"4"_s);

        p.ersetzen(2, 2, QString());

        QCOMPARE(p.ges(Mannschaft::zwei, 2), QString());
        QCOMPARE(p.platz(Mannschaft::zwei, 2), QString());
        QCOMPARE(p.ges(Mannschaft::eins, 2), QString());
        QCOMPARE(p.platz(Mannschaft::zwei, 1), u"1"_s);
        QCOMPARE(p.platz(Mannschaft::eins, 1), u"2"_s);
    }
};

QTEST_MAIN(TstWertung)
#include "tst_wertung.moc"
