#include "grid/filterstand.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The filter part on its own: when a filter is in force and how set-aside rows come back.
class TstFilterstand : public QObject
{
    Q_OBJECT

private slots:
    void wirkt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("an");
        QTest::addColumn<bool>("wirkt");
        QTest::newRow("an mit Text") << u"Nr>2"_s << true << true;
        QTest::newRow("aus mit Text") << u"Nr>2"_s << false << false;
        QTest::newRow("an ohne Text") << QString() << true << false;
        QTest::newRow("an mit Leerzeichen") << u"   "_s << true << false;
    }

    void wirkt()
    {
        QFETCH(QString, text);
        QFETCH(bool, an);
        QFETCH(bool, wirkt);
        Filterstand filter;
        filter.setze_text(text);
        filter.setze_an(an);
        QCOMPARE(filter.wirkt(), wirkt);
    }

    void setzer_melden_nur_aenderungen()
    {
        Filterstand filter;
        QVERIFY(filter.setze_text(u" Nr>2 "_s));
        QCOMPARE(filter.text(), u"Nr>2"_s);
        QVERIFY(!filter.setze_text(u"Nr>2"_s)); // blanks around change nothing
        QVERIFY(!filter.setze_an(false));
        QVERIFY(filter.setze_an(true));
        QVERIFY(!filter.setze_an(true));
    }

    void beiseite_gelegte_kommen_in_ihrer_folge_zurueck()
    {
        Filterstand filter;
        filter.beiseitelegen({u"a"_s});
        filter.beiseitelegen({u"b"_s, u"c"_s});
        QCOMPARE(filter.beiseite(), 2);
        const std::vector<Filterstand::Zeile> zurueck = filter.zurueckgeben();
        QCOMPARE(zurueck.size(), size_t(2));
        QCOMPARE(zurueck[0], Filterstand::Zeile{u"a"_s});
        QCOMPARE(zurueck[1], (Filterstand::Zeile{u"b"_s, u"c"_s}));
        QCOMPARE(filter.beiseite(), 0);
        filter.beiseitelegen({u"d"_s});
        filter.beiseite_vergessen();
        QVERIFY(filter.zurueckgeben().empty());
    }
};

QTEST_GUILESS_MAIN(TstFilterstand)
#include "tst_filterstand.moc"
