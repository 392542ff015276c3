#include "live/meldungsformular.h"
#include "live/meldungsgrenze.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<Meldungstore>)

class TstMeldungsformular : public QObject
{
    Q_OBJECT

private slots:
    void koerper_data()
    {
        QTest::addColumn<QByteArray>("koerper");
        QTest::addColumn<std::optional<Meldungstore>>("tore");
        const std::optional<Meldungstore> nichts;
        QTest::newRow("gut") << "t1=3&t2=2"_ba << std::optional(Meldungstore{3, 2});
        QTest::newRow("umgekehrt") << "t2=10&t1=07"_ba << std::optional(Meldungstore{7, 10});
        QTest::newRow("null") << "t1=0&t2=0"_ba << std::optional(Meldungstore{0, 0});
        QTest::newRow("leer") << QByteArray() << nichts;
        QTest::newRow("drei Ziffern") << "t1=100&t2=2"_ba << nichts;
        QTest::newRow("leeres Feld") << "t1=&t2=2"_ba << nichts;
        QTest::newRow("negativ") << "t1=-1&t2=2"_ba << nichts;
        QTest::newRow("Plus") << "t1=+1&t2=2"_ba << nichts;
        QTest::newRow("kodiert") << "t1=%33&t2=2"_ba << nichts;
        QTest::newRow("Leerzeichen") << "t1= 3&t2=2"_ba << nichts;
        QTest::newRow("doppelt") << "t1=3&t1=4&t2=2"_ba << nichts;
        QTest::newRow("eines fehlt") << "t1=3"_ba << nichts;
        QTest::newRow("fremdes Feld") << "t1=3&t2=2&x=1"_ba << nichts;
        QTest::newRow("Und am Ende") << "t1=3&t2=2&"_ba << nichts;
        QTest::newRow("ohne Gleich") << "t1=3&t2"_ba << nichts;
        QTest::newRow("Nullbyte") << QByteArray("t1=3\0&t2=2", 10) << nichts;
        QTest::newRow("Arabische Ziffer") << "t1=\xd9\xa3&t2=2"_ba << nichts;
        QTest::newRow("zu lang") << "t1=3&t2=2" + QByteArray(250, '&') << nichts;
    }

    void koerper()
    {
        QFETCH(QByteArray, koerper);
        QFETCH(std::optional<Meldungstore>, tore);
        QCOMPARE(formular_lesen(koerper), tore);
    }

    void grenze_je_adresse()
    {
        Meldungsgrenze grenze(10, 60'000);
        for (int i = 0; i < 10; ++i)
            QVERIFY(grenze.zulassen(u"192.168.1.23"_s, 1000 + i));
        QVERIFY(!grenze.zulassen(u"192.168.1.23"_s, 1100));
        QVERIFY(!grenze.frei(u"192.168.1.23"_s, 60'999));
        // Another phone is not held up, and the first may again once the minute has passed.
        QVERIFY(grenze.zulassen(u"192.168.1.24"_s, 1100));
        QVERIFY(grenze.zulassen(u"192.168.1.23"_s, 61'000));
        QVERIFY(!grenze.zulassen(u"192.168.1.23"_s, 61'000));
    }

    void tafel_der_adressen_bleibt_begrenzt()
    {
        Meldungsgrenze grenze(1, 1000, 3);
        QVERIFY(grenze.zulassen(u"a"_s, 0));
        QVERIFY(grenze.zulassen(u"b"_s, 0));
        QVERIFY(grenze.zulassen(u"c"_s, 0));
        QVERIFY(!grenze.zulassen(u"d"_s, 10));
        // Once the others have fallen out of the window, a new address gets its place.
        QVERIFY(grenze.zulassen(u"d"_s, 1000));
    }
};

QTEST_GUILESS_MAIN(TstMeldungsformular)
#include "tst_meldungsformular.moc"
