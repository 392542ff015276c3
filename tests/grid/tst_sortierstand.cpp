#include "grid/sortierung.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The sort part on its own: its state, without a grid around it.
class TstSortierstand : public QObject
{
    Q_OBJECT

private slots:
    void titel_klick_data()
    {
        QTest::addColumn<QList<int>>("klicks");
        QTest::addColumn<QList<bool>>("aufsteigend");
        QTest::addColumn<int>("zuletzt");
        QTest::newRow("einmal") << QList<int>{2} << QList<bool>{true} << 2;
        QTest::newRow("zweimal dieselbe") << QList<int>{2, 2} << QList<bool>{true, false} << -1;
        QTest::newRow("dreimal dieselbe")
            << QList<int>{2, 2, 2} << QList<bool>{true, false, true} << 2;
        QTest::newRow("andere dazwischen")
            << QList<int>{2, 3, 2} << QList<bool>{true, true, true} << 2;
    }

    void titel_klick()
    {
        QFETCH(QList<int>, klicks);
        QFETCH(QList<bool>, aufsteigend);
        QFETCH(int, zuletzt);
        Sortierung sortierung;
        QList<bool> gesehen;
        for (int spalte : klicks)
            gesehen << sortierung.titel_klick(spalte);
        QCOMPARE(gesehen, aufsteigend);
        QCOMPARE(sortierung.letzte_titel_spalte(), zuletzt);
    }

    void spalten_der_titel_data()
    {
        QTest::addColumn<QString>("gesucht");
        QTest::addColumn<QString>("spalten");
        QTest::newRow("ohne Rücksicht auf Groß und klein") << u"WERT;name"_s << u"2;1;"_s;
        QTest::newRow("fehlender Titel fällt weg") << u"fehlt;Wert"_s << u"2;"_s;
        QTest::newRow("doppelter Titel: die erste Spalte") << u"Nr"_s << u"0;"_s;
        QTest::newRow("nichts gesucht") << QString() << QString();
    }

    void spalten_der_titel()
    {
        QFETCH(QString, gesucht);
        QFETCH(QString, spalten);
        Sortierung sortierung;
        sortierung.setze_spaltentitel(gesucht);
        const QStringList titel{u"Nr"_s, u"Name"_s, u"Wert"_s, u"nr"_s};
        QCOMPARE(sortierung.spalten_der_titel(titel, u';'), spalten);
    }

    void setzer_melden_nur_aenderungen()
    {
        Sortierung sortierung;
        QVERIFY(!sortierung.setze_an(false));
        QVERIFY(sortierung.setze_an(true));
        QVERIFY(!sortierung.setze_an(true));
        QVERIFY(sortierung.an());
        QVERIFY(sortierung.setze_spaltentitel(u"Nr"_s));
        QVERIFY(!sortierung.setze_spaltentitel(u"Nr"_s));
        QCOMPARE(sortierung.spaltentitel(), u"Nr"_s);
    }

    void feld_vergessen_nimmt_nur_die_spalte()
    {
        Sortierung sortierung;
        sortierung.felder_setzen({{1, u' ', true}, {3, u'I', false}, {1, u' ', false}});
        sortierung.feld_vergessen(1);
        QCOMPARE(sortierung.felder().size(), size_t(1));
        QCOMPARE(sortierung.felder().front().spalte, 3);
        sortierung.felder_vergessen();
        QVERIFY(sortierung.felder().empty());
    }

    void ordnen_folgt_den_feldern()
    {
        Zellen zellen;
        const QStringList texte{u"Titel"_s, u"b"_s, u"c"_s, u"a"_s};
        const QStringList zahlen{u"Zahl"_s, u"2"_s, u"10"_s, u"1"_s};
        for (int r = 0; r < texte.size(); ++r) {
            zellen.setzen(0, r, texte[r]);
            zellen.setzen(1, r, zahlen[r]);
        }
        Sortierung sortierung;
        sortierung.felder_setzen({{0, u' ', true}});
        QCOMPARE(sortierung.ordnen(zellen, 1, 4, QDate(), 100, true), (std::vector<int>{2, 0, 1}));
        // A number column orders by value, not by text.
        sortierung.felder_setzen({{1, u'I', true}});
        QCOMPARE(sortierung.ordnen(zellen, 1, 4, QDate(), 100, true), (std::vector<int>{2, 0, 1}));
        sortierung.felder_setzen({{1, u' ', true}});
        QCOMPARE(sortierung.ordnen(zellen, 1, 4, QDate(), 100, true), (std::vector<int>{2, 1, 0}));
    }
};

QTEST_GUILESS_MAIN(TstSortierstand)
#include "tst_sortierstand.moc"
