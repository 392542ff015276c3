#include "grid/gittermasse.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The sizes part on its own: widths and heights follow the counts and the defaults.
class TstGittermasse : public QObject
{
    Q_OBJECT

private slots:
    void ausserhalb_gilt_der_standard_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("breite");
        QTest::addColumn<bool>("gesetzt");
        QTest::newRow("innen") << 1 << 90 << true;
        QTest::newRow("links davor") << -1 << 64 << false;
        QTest::newRow("rechts dahinter") << 3 << 64 << false;
    }

    void ausserhalb_gilt_der_standard()
    {
        QFETCH(int, spalte);
        QFETCH(int, breite);
        QFETCH(bool, gesetzt);
        Gittermasse masse(3, 2);
        QCOMPARE(masse.setze_breite(spalte, 90), gesetzt);
        QCOMPARE(masse.breite(spalte), breite);
        QVERIFY(!masse.setze_breite(spalte, breite)); // unchanged or outside
        QCOMPARE(masse.setze_hoehe(spalte, 30), spalte >= 0 && spalte < 2);
        QCOMPARE(masse.hoehe(spalte), spalte >= 0 && spalte < 2 ? 30 : 24);
    }

    void standard_gilt_fuer_alle_und_neue()
    {
        Gittermasse masse(2, 2);
        masse.setze_breite(0, 10);
        masse.setze_standard_breite(50);
        masse.setze_standard_hoehe(20);
        masse.spalten(3);
        masse.zeilen(3);
        QCOMPARE(masse.breiten(), (std::vector<int>{50, 50, 50}));
        QCOMPARE(masse.hoehe(2), 20);
    }

    void spalten_umstellen_data()
    {
        QTest::addColumn<QString>("schritt");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QList<int>>("breiten");
        QTest::newRow("einfügen") << u"einfuegen"_s << 1 << QList<int>{1, 64, 2, 3};
        QTest::newRow("einfügen am Ende") << u"einfuegen"_s << 4 << QList<int>{1, 2, 3, 4};
        QTest::newRow("entfernen") << u"entfernen"_s << 1 << QList<int>{1, 3, 4, 64};
        QTest::newRow("entfernen der letzten") << u"entfernen"_s << 3 << QList<int>{1, 2, 3, 64};
        QTest::newRow("tauschen") << u"tauschen"_s << 3 << QList<int>{4, 2, 3, 1};
        QTest::newRow("tauschen ausserhalb") << u"tauschen"_s << 4 << QList<int>{1, 2, 3, 4};
    }

    void spalten_umstellen()
    {
        QFETCH(QString, schritt);
        QFETCH(int, spalte);
        QFETCH(QList<int>, breiten);
        Gittermasse masse(4, 1);
        for (int c = 0; c < 4; ++c)
            masse.setze_breite(c, c + 1);
        if (schritt == u"einfuegen")
            masse.spalte_einfuegen(spalte);
        else if (schritt == u"entfernen")
            masse.spalte_entfernen(spalte);
        else
            masse.spalten_tauschen(0, spalte);
        QCOMPARE(QList<int>(masse.breiten().begin(), masse.breiten().end()), breiten);
    }
};

QTEST_GUILESS_MAIN(TstGittermasse)
#include "tst_gittermasse.moc"
