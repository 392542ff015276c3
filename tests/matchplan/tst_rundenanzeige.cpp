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

private slots:
    void erste_runde_mit_umlauten()
    {
        Tag tag;
        const Rundenanzeige anzeige = tag.anzeige();
        QCOMPARE(anzeige.runde, 0);
        QCOMPARE(anzeige.titel, u"Runde 1 von 5"_s);
        QCOMPARE(anzeige.jetzt, (QList<Rundenzeile>{{u"Tisch 1: Jürgen Weiß – Bäcker"_s, 2, 2},
                                                    {u"Tisch 2: Müller – Schäfer"_s, 1, 1}}));
        QCOMPARE(anzeige.danach, (QList<Rundenzeile>{{u"Tisch 1: Özdemir – Groß"_s, 3, 3},
                                                     {u"Tisch 2: Müller – Bäcker"_s, 1, 2}}));
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
        QCOMPARE(anzeige.jetzt.first().text, u"Tisch 1: Özdemir – Groß"_s);
        QCOMPARE(anzeige.danach, (QList<Rundenzeile>{{u"Tisch 1: Özdemir – Schäfer"_s, 3, 1},
                                                     {u"Tisch 2: Jürgen Weiß – Groß"_s, 2, 3}}));
        tag.ersetzen(1, 1, QString());
        QCOMPARE(tag.anzeige().runde, 0);
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
        QCOMPARE(anzeige.jetzt, (QList<Rundenzeile>{{u"Tisch 2: Özdemir – Bäcker"_s, 3, 2}}));
        QVERIFY(anzeige.danach.isEmpty());
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
