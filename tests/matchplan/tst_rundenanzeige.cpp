#include "matchplan/rundenanzeige.h"
#include "plan_testhilfe.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The round panel of a singles plan of three entries per team at two tables, driven key by key
// through result entry. The plan's rounds (team-1 entry, team-2 entry, table):
// 1: (2,2,1) (1,1,2)  2: (3,3,1) (1,2,2)  3: (3,1,1) (2,3,2)  4: (1,3,1) (2,1,2)  5: (3,2,2)
class TstRundenanzeige : public QObject
{
    Q_OBJECT

    struct Tag : PlanAufbau
    {
        Rundenplan runden = rundenplan_erstellen(3, 2);

        Tag()
            : PlanAufbau(einzel_profil(), {u"Müller"_s, u"Jürgen Weiß"_s, u"Özdemir"_s},
                         {u"Schäfer"_s, u"Bäcker"_s, u"Groß"_s})
        {
        }
        Rundenanzeige anzeige() const { return rundenanzeige(runden, tabelle, matrix); }
        void runde_eintragen(int runde)
        {
            for (const Rundenspiel &spiel : runden.runden[runde])
                eintragen(spiel.spalte, spiel.zeile, u"3:5"_s);
        }
    };

    static QStringList texte(const QList<Rundenzeile> &zeilen)
    {
        QStringList ergebnis;
        for (const Rundenzeile &zeile : zeilen)
            ergebnis << zeile.text;
        return ergebnis;
    }

private slots:
    // The matrix row's entry (team 2) stands left, as its score is typed first.
    void erste_runde_mit_umlauten()
    {
        Tag tag;
        const Rundenanzeige anzeige = tag.anzeige();
        QCOMPARE(anzeige.runde, 0);
        QCOMPARE(anzeige.titel, u"Runde 1 von 5"_s);
        QCOMPARE(texte(anzeige.jetzt),
                 (QStringList{u"Tisch 1: Bäcker – Jürgen Weiß"_s, u"Tisch 2: Schäfer – Müller"_s}));
        const Rundenzeile &erste = anzeige.jetzt.first();
        QCOMPARE((std::tuple{erste.spalte, erste.zeile, erste.tisch, erste.links, erste.rechts}),
                 (std::tuple{2, 2, 1, u"Bäcker"_s, u"Jürgen Weiß"_s}));
        QCOMPARE(anzeige.danach_runde, 1);
        QCOMPARE(texte(anzeige.danach),
                 (QStringList{u"Tisch 1: Groß – Özdemir"_s, u"Tisch 2: Bäcker – Müller"_s}));
    }

    // The left name goes with the left score: the cell's text as typed, row entry first.
    void ergebnis_beim_namen_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("gezeigt");
        QTest::newRow("Zeile gewinnt") << u"5:3"_s << u"Tisch 1: Bäcker – Jürgen Weiß 5:3"_s;
        QTest::newRow("Spalte gewinnt") << u"7:10"_s << u"Tisch 1: Bäcker – Jürgen Weiß 7:10"_s;
        QTest::newRow("Null und Leerzeichen")
            << u"0 : 4"_s << u"Tisch 1: Bäcker – Jürgen Weiß 0:4"_s;
        QTest::newRow("halb getippt") << u"6:"_s << u"Tisch 1: Bäcker – Jürgen Weiß"_s;
    }
    void ergebnis_beim_namen()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, gezeigt);
        Tag tag;
        tag.eintragen(2, 2, getippt);
        const Rundenzeile spiel = tag.anzeige().jetzt.first();
        QCOMPARE(spiel.text, gezeigt);
        QCOMPARE(spiel.gespielt(), gezeigt.size() > u"Tisch 1: Bäcker – Jürgen Weiß"_s.size());
    }

    // Half a result keeps the round; the last key of the round's last result moves on.
    void tastendruck_schaltet_weiter()
    {
        Tag tag;
        tag.eintragen(2, 2, u"3:5"_s);
        tag.tippen(1, 1, u"10:"_s);
        QCOMPARE(tag.anzeige().titel, u"Runde 1 von 5"_s);
        tag.tippen(1, 1, u"10:8"_s);
        const Rundenanzeige anzeige = tag.anzeige();
        QCOMPARE(anzeige.titel, u"Runde 2 von 5"_s);
        QCOMPARE(anzeige.jetzt.first().text, u"Tisch 1: Groß – Özdemir"_s);
        QCOMPARE(texte(anzeige.danach),
                 (QStringList{u"Tisch 1: Schäfer – Özdemir"_s, u"Tisch 2: Groß – Jürgen Weiß"_s}));
        tag.ersetzen(1, 1, QString());
        QCOMPARE(tag.anzeige().runde, 0);
    }

    // Games played out of turn stay listed with their results; "Danach" is the next round that
    // still has an open game.
    void gespielte_spiele_bleiben_stehen()
    {
        Tag tag;
        tag.eintragen(3, 3, u"6:4"_s); // round 2
        tag.runde_eintragen(2);        // all of round 3
        tag.eintragen(2, 2, u"5:3"_s); // round 1
        const Rundenanzeige anzeige = tag.anzeige();
        QCOMPARE(anzeige.titel, u"Runde 1 von 5"_s);
        QCOMPARE(texte(anzeige.jetzt), (QStringList{u"Tisch 1: Bäcker – Jürgen Weiß 5:3"_s,
                                                    u"Tisch 2: Schäfer – Müller"_s}));
        QCOMPARE(anzeige.jetzt[0].gespielt(), true);
        QCOMPARE(anzeige.jetzt[1].gespielt(), false);
        QCOMPARE(anzeige.danach_runde, 1);
        QCOMPARE(texte(anzeige.danach),
                 (QStringList{u"Tisch 1: Groß – Özdemir 6:4"_s, u"Tisch 2: Bäcker – Müller"_s}));

        // Round 2 done as well: after round 1 comes round 4, rounds 2 and 3 are all played.
        tag.eintragen(1, 2, u"1:2"_s);
        const Rundenanzeige weiter = tag.anzeige();
        QCOMPARE(weiter.runde, 0);
        QCOMPARE(weiter.danach_runde, 3);
        QCOMPARE(texte(weiter.danach),
                 (QStringList{u"Tisch 1: Groß – Müller"_s, u"Tisch 2: Schäfer – Jürgen Weiß"_s}));
    }

    // A later game already played does not move the round; an earlier one left open holds it.
    void fruehere_offene_runde_zaehlt()
    {
        Tag tag;
        tag.runde_eintragen(1);
        tag.runde_eintragen(2);
        QCOMPARE(tag.anzeige().runde, 0);
        tag.runde_eintragen(0);
        QCOMPARE(tag.anzeige().runde, 3);
    }

    void letzte_runde_und_fertig()
    {
        Tag tag;
        for (int runde = 0; runde < 4; ++runde)
            tag.runde_eintragen(runde);
        Rundenanzeige anzeige = tag.anzeige();
        QCOMPARE(anzeige.titel, u"Runde 5 von 5"_s);
        QCOMPARE(texte(anzeige.jetzt), QStringList{u"Tisch 2: Bäcker – Özdemir"_s});
        QVERIFY(anzeige.danach.isEmpty());
        QCOMPARE(anzeige.danach_runde, std::nullopt);
        tag.runde_eintragen(4);
        anzeige = tag.anzeige();
        QCOMPARE(anzeige.runde, std::nullopt);
        QCOMPARE(anzeige.titel, u"Alle Runden gespielt"_s);
        QVERIFY(anzeige.jetzt.isEmpty());
        QVERIFY(anzeige.danach.isEmpty());
    }

    void ohne_tische_leer()
    {
        Tag tag;
        tag.runden = rundenplan_erstellen(3, 0);
        QCOMPARE(tag.anzeige(), Rundenanzeige{});
    }
};

QTEST_GUILESS_MAIN(TstRundenanzeige)
#include "tst_rundenanzeige.moc"
