#include "matchplan/mannschaftswertung.h"
#include "plan_testhilfe.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Spieltagsausgang)

// Team score and "decided" of a singles plan, driven key by key through result entry.
class TstMannschaftswertung : public QObject
{
    Q_OBJECT

private slots:
    void wertung_data()
    {
        QTest::addColumn<int>("n");
        // "c r text": the matrix cell of team-1 entry c against team-2 entry r gets the text,
        // typed key by key; "c r" empties it. The left score is team 2's, the right team 1's.
        QTest::addColumn<QStringList>("eingaben");
        QTest::addColumn<QList<int>>("gewonnen");
        QTest::addColumn<QList<int>>("punkte");
        QTest::addColumn<int>("offen");
        QTest::addColumn<Spieltagsausgang>("ausgang");
        QTest::addColumn<QString>("zeile1");
        QTest::addColumn<QString>("zeile2");
        const auto o = Spieltagsausgang::offen;

        QTest::newRow("alles offen")
            << 3 << QStringList{} << QList{0, 0} << QList{0, 0} << 9 << o
            << u"Grün-Weiß: 0 Spiele gewonnen, 0 Punkte, 9 Spiele offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 0 Punkte, 9 Spiele offen"_s;
        QTest::newRow("N=10 alles offen")
            << 10 << QStringList{} << QList{0, 0} << QList{0, 0} << 100 << o
            << u"Grün-Weiß: 0 Spiele gewonnen, 0 Punkte, 100 Spiele offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 0 Punkte, 100 Spiele offen"_s;
        QTest::newRow("Sieg, Remis, offen")
            << 2 << QStringList{u"1 1 3:2"_s, u"2 1 2:2"_s} << QList{0, 1} << QList{4, 5} << 2 << o
            << u"Grün-Weiß: 0 Spiele gewonnen, 4 Punkte, 2 Spiele offen"_s
            << u"Mannschaft 2: 1 Spiel gewonnen, 5 Punkte, 2 Spiele offen"_s;
        QTest::newRow("halb getippt zählt nichts")
            << 1 << QStringList{u"1 1 10:"_s} << QList{0, 0} << QList{0, 0} << 1 << o
            << u"Grün-Weiß: 0 Spiele gewonnen, 0 Punkte, 1 Spiel offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 0 Punkte, 1 Spiel offen"_s;
        QTest::newRow("Tippfehler über einem Ergebnis")
            << 1 << QStringList{u"1 1 8:3"_s, u"1 1 9:x"_s} << QList{0, 0} << QList{0, 0} << 1 << o
            << u"Grün-Weiß: 0 Spiele gewonnen, 0 Punkte, 1 Spiel offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 0 Punkte, 1 Spiel offen"_s;
        QTest::newRow("Minus zählt nicht")
            << 1 << QStringList{u"1 1 12:-"_s} << QList{0, 0} << QList{0, 0} << 1 << o
            << u"Grün-Weiß: 0 Spiele gewonnen, 0 Punkte, 1 Spiel offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 0 Punkte, 1 Spiel offen"_s;
        // 2 won against 0 with 2 open: team 2 can still draw level.
        QTest::newRow("Gleichstand noch möglich")
            << 2 << QStringList{u"1 1 0:1"_s, u"2 2 3:5"_s} << QList{2, 0} << QList{6, 3} << 2 << o
            << u"Grün-Weiß: 2 Spiele gewonnen, 6 Punkte, 2 Spiele offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 3 Punkte, 2 Spiele offen"_s;
        // 5 won, 4 open: team 2 cannot catch up any more.
        QTest::newRow("früh entschieden")
            << 3
            << QStringList{u"1 1 0:5"_s, u"1 2 1:5"_s, u"2 1 2:5"_s, u"2 2 3:5"_s, u"3 3 4:5"_s}
            << QList{5, 0} << QList{25, 10} << 4 << Spieltagsausgang::mannschaft1
            << u"Grün-Weiß hat den Spieltag gewonnen: 5 Spiele gewonnen, 25 Punkte, 4 Spiele offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 10 Punkte, 4 Spiele offen"_s;
        QTest::newRow("ein Ergebnis geleert öffnet wieder")
            << 3 << QStringList{u"1 1 0:5"_s, u"1 2 1:5"_s, u"2 1 2:5"_s,
                                u"2 2 3:5"_s, u"3 3 4:5"_s, u"3 3"_s}
            << QList{4, 0} << QList{20, 6} << 5 << o
            << u"Grün-Weiß: 4 Spiele gewonnen, 20 Punkte, 5 Spiele offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 6 Punkte, 5 Spiele offen"_s;
        QTest::newRow("Mannschaft 2 vorzeitig")
            << 2 << QStringList{u"1 1 7:1"_s, u"1 2 7:1"_s, u"2 1 7:0"_s} << QList{0, 3}
            << QList{2, 21} << 1 << Spieltagsausgang::mannschaft2
            << u"Grün-Weiß: 0 Spiele gewonnen, 2 Punkte, 1 Spiel offen"_s
            << u"Mannschaft 2 hat den Spieltag gewonnen: 3 Spiele gewonnen, 21 Punkte, 1 Spiel offen"_s;
        QTest::newRow("endgültig unentschieden")
            << 2 << QStringList{u"1 1 1:0"_s, u"1 2 0:1"_s, u"2 1 2:3"_s, u"2 2 3:2"_s}
            << QList{2, 2} << QList{6, 6} << 0 << Spieltagsausgang::unentschieden
            << u"Grün-Weiß: Unentschieden, 2 Spiele gewonnen, 6 Punkte, kein Spiel offen"_s
            << u"Mannschaft 2: Unentschieden, 2 Spiele gewonnen, 6 Punkte, kein Spiel offen"_s;
        QTest::newRow("N=1 Remis")
            << 1 << QStringList{u"1 1 4:4"_s} << QList{0, 0} << QList{4, 4} << 0
            << Spieltagsausgang::unentschieden
            << u"Grün-Weiß: Unentschieden, 0 Spiele gewonnen, 4 Punkte, kein Spiel offen"_s
            << u"Mannschaft 2: Unentschieden, 0 Spiele gewonnen, 4 Punkte, kein Spiel offen"_s;
        QTest::newRow("N=1 Sieg")
            << 1 << QStringList{u"1 1 1:7"_s} << QList{1, 0} << QList{7, 1} << 0
            << Spieltagsausgang::mannschaft1
            << u"Grün-Weiß hat den Spieltag gewonnen: 1 Spiel gewonnen, 7 Punkte, kein Spiel offen"_s
            << u"Mannschaft 2: 0 Spiele gewonnen, 1 Punkt, kein Spiel offen"_s;
    }
    void wertung()
    {
        QFETCH(int, n);
        QFETCH(QStringList, eingaben);
        QFETCH(QList<int>, gewonnen);
        QFETCH(QList<int>, punkte);
        QFETCH(int, offen);
        QFETCH(Spieltagsausgang, ausgang);
        QFETCH(QString, zeile1);
        QFETCH(QString, zeile2);
        PlanAufbau a(einzel_profil(), n);
        a.zustand.optionen.setze(opt::name_mannschaft1, u" Grün-Weiß "_s);
        for (const QString &eingabe : eingaben) {
            const QStringList teile = eingabe.split(u' ');
            const int c = teile[0].toInt();
            const int r = teile[1].toInt();
            if (teile.size() == 2)
                a.ersetzen(c, r, QString());
            else
                a.tippen(c, r, teile[2]);
        }

        const Mannschaftswertung &w = a.plan.laufende_wertung();
        QCOMPARE(w.stand(Mannschaft::eins).gewonnen, gewonnen[0]);
        QCOMPARE(w.stand(Mannschaft::zwei).gewonnen, gewonnen[1]);
        QCOMPARE(w.stand(Mannschaft::eins).punkte, punkte[0]);
        QCOMPARE(w.stand(Mannschaft::zwei).punkte, punkte[1]);
        QCOMPARE(w.offen, offen);
        QCOMPARE(w.ausgang, ausgang);
        QCOMPARE(a.plan.laufende_zeile(Mannschaft::eins), zeile1);
        QCOMPARE(a.plan.laufende_zeile(Mannschaft::zwei), zeile2);
        // Once the last editing closes, the hall sees the same.
        a.matrix.editieren_endet();
        QCOMPARE(a.plan.mannschaftswertung(), w);
        QCOMPARE(a.plan.mannschaft_zeile(Mannschaft::zwei), zeile2);
    }

    void jeder_tastendruck_wertet_neu()
    {
        PlanAufbau a(einzel_profil(), 1);
        a.waehlen(1, 1);
        QSignalSpy geaendert(&a.plan, &Spielplan::laufend_gewertet);
        const QStringList tasten{u"0"_s, u"0:"_s, u"0:3"_s};
        const QList<int> offen{1, 1, 0};
        for (int i = 0; i < tasten.size(); ++i) {
            a.matrix.text_editiert(1, 1, tasten[i]);
            QCOMPARE(geaendert.size(), i + 1);
            QCOMPARE(a.plan.laufende_wertung().offen, offen[i]);
        }
        QCOMPARE(a.plan.laufende_wertung().ausgang, Spieltagsausgang::mannschaft1);
    }

    void rueckgaengig_und_wiederholen()
    {
        PlanAufbau a(einzel_profil(), 1);
        a.eintragen(1, 1, u"0:3"_s);
        QCOMPARE(a.plan.mannschaftswertung().ausgang, Spieltagsausgang::mannschaft1);
        QSignalSpy geaendert(&a.plan, &Spielplan::ergebnisse_geaendert);
        a.plan.rueckgaengig();
        QCOMPARE(geaendert.size(), 1);
        QCOMPARE(a.plan.mannschaftswertung().offen, 1);
        QCOMPARE(a.plan.mannschaftswertung().ausgang, Spieltagsausgang::offen);
        a.plan.wiederholen();
        QCOMPARE(a.plan.mannschaftswertung().stand(Mannschaft::eins).gewonnen, 1);
        QCOMPARE(a.plan.mannschaftswertung().ausgang, Spieltagsausgang::mannschaft1);
    }

    void oeffnen_beginnt_von_vorn()
    {
        PlanAufbau a(einzel_profil(), 2);
        a.tippen(1, 1, u"0:3"_s);
        QCOMPARE(a.plan.laufende_wertung().offen, 3);
        QSignalSpy geaendert(&a.plan, &Spielplan::ergebnisse_geaendert);
        a.plan.oeffnen();
        QCOMPARE(geaendert.size(), 1);
        const Mannschaftswertung leer{.staende = {}, .offen = 4};
        QCOMPARE(a.plan.mannschaftswertung(), leer);
    }
};

QTEST_GUILESS_MAIN(TstMannschaftswertung)
#include "tst_mannschaftswertung.moc"
