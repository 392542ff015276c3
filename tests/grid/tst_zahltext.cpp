#include "grid/zahltext.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstZahltext : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void float_lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("tausender") << u"1.234,56"_s << 1234.56;
        QTest::newRow("komma strich") << u"12,-"_s << 12.0;
        QTest::newRow("strich komma ist null") << u"-,50"_s << 0.5;
        QTest::newRow("komma vorn") << u",5"_s << 0.5;
        QTest::newRow("negativ") << u"-3"_s << -3.0;
        QTest::newRow("erstes wort") << u"12 : 8"_s << 12.0;
        QTest::newRow("einheit") << u"12,50 EUR"_s << 12.5;
        QTest::newRow("zwei kommas") << u"1,2,3"_s << 1.2;
        QTest::newRow("einheit ohne leer") << u"1,5kg"_s << 0.0;
        QTest::newRow("buchstaben") << u"abc"_s << 0.0;
        QTest::newRow("leer") << QString() << 0.0;
        QTest::newRow("nur komma") << u","_s << 0.0;
        QTest::newRow("steuerzeichen") << u"\t7,25\r\n"_s << 7.25;
        QTest::newRow("nan ist keine zahl") << u"NaN"_s << 0.0;
        QTest::newRow("inf ist keine zahl") << u"-inf"_s << 0.0;
    }
    void float_lesen()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(StrToFloatNorm(text), wert);
    }

    void int_lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wert");
        QTest::newRow("tausender") << u"1.234"_s << 1234;
        QTest::newRow("leerzeichen") << u"12 000"_s << 12000;
        QTest::newRow("komma") << u"12,5"_s << 0;
        QTest::newRow("negativ") << u"-7"_s << -7;
        QTest::newRow("zu gross") << u"2147483648"_s << 0;
        QTest::newRow("leer") << QString() << 0;
    }
    void int_lesen()
    {
        QFETCH(QString, text);
        QFETCH(int, wert);
        QCOMPARE(StrToIntNorm(text), wert);
    }

    void waehrung_lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("euro") << u"12,50 €"_s << 12.5;
        QTest::newRow("tausender euro") << u"1.234,50 €"_s << 1234.5;
        QTest::newRow("nichts") << u"€"_s << 0.0;
    }
    void waehrung_lesen()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(StrToCurrNorm(text), wert);
    }

    void normalisieren_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("dezimalen");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("ohne dezimalen bleibt text") << u"abc"_s << 0 << u"abc"_s;
        QTest::newRow("schnitt nach k") << u"1,5kg"_s << 0 << u"1,5k"_s;
        QTest::newRow("festkomma") << u"3,1"_s << 3 << u"3,100"_s;
        QTest::newRow("nicht lesbar mit dezimalen") << u"x,1"_s << 1 << u"0"_s;
        QTest::newRow("komma am ende") << u"5,"_s << 0 << u"5"_s;
        QTest::newRow("inf mit dezimalen") << u"inf,"_s << 2 << u"0"_s;
    }
    void normalisieren()
    {
        QFETCH(QString, text);
        QFETCH(int, dezimalen);
        QFETCH(QString, ergebnis);
        QCOMPARE(NormalizeNumberText(text, dezimalen), ergebnis);
    }

    void kleine_textfunktionen()
    {
        QCOMPARE(CutToken(u';', u"ab;cd;e"_s), std::make_pair(u"ab"_s, u"cd;e"_s));
        QCOMPARE(CutToken(u';', u"abc"_s), std::make_pair(u"abc"_s, QString()));
        QCOMPARE(RemoveChars(u"a-b.c"_s, u"-."_s), u"abc"_s);
        QCOMPARE(ReplaceChars(u"a-b.c"_s, u"-."_s, u'_'), u"a_b_c"_s);
        const QRect rechteck(QPoint(2, 3), QPoint(5, 7));
        QVERIFY(PointInRect(2, 3, rechteck));
        QVERIFY(PointInRect(5, 7, rechteck));
        QVERIFY(!PointInRect(6, 7, rechteck));
        QVERIFY(!PointInRect(2, 2, rechteck));
    }
};

QTEST_GUILESS_MAIN(TstZahltext)
#include "tst_zahltext.moc"
