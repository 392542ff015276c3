#include "grid/zellen.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Column 0 of rows 0..n-1 holds the row's letter.
Zellen buchstaben(int n)
{
    Zellen zellen;
    for (int r = 0; r < n; ++r)
        zellen.setzen(0, r, QString(QChar(u'a' + r)));
    return zellen;
}

QString spalte0(const Zellen &zellen)
{
    QString text;
    for (int r = 0; size_t(r) < zellen.zeilen(); ++r)
        text += zellen.zelle(0, r).isEmpty() ? u"-"_s : zellen.zelle(0, r);
    return text;
}

} // namespace

class TstZellen : public QObject
{
    Q_OBJECT

private slots:
    void ausserhalb_leer_und_schreiben_waechst()
    {
        Zellen zellen;
        QVERIFY(zellen.zelle(3, 7).isEmpty());
        QVERIFY(zellen.zelle(-1, 0).isEmpty());
        QVERIFY(!zellen.setzen(-1, 0, u"x"_s));
        QVERIFY(!zellen.setzen(2, 2, QString())); // an empty text asks for no room
        QCOMPARE(zellen.zeilen(), size_t(0));
        QVERIFY(zellen.setzen(2, 4, u"x"_s));
        QVERIFY(!zellen.setzen(2, 4, u"x"_s));
        QCOMPARE(zellen.zeilen(), size_t(5));
        QCOMPARE(zellen.zelle(2, 4), u"x"_s);
        QVERIFY(zellen.setzen(2, 4, QString()));
        QVERIFY(zellen.zelle(2, 4).isEmpty());
    }

    void zeile_verschieben_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("nach");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("nach unten") << 1 << 3 << u"acdbe"_s;
        QTest::newRow("nach oben") << 3 << 1 << u"adbce"_s;
        QTest::newRow("an den platz") << 2 << 2 << u"abcde"_s;
        QTest::newRow("hinter das ende") << 0 << 6 << u"bcde--a"_s;
    }
    void zeile_verschieben()
    {
        QFETCH(int, von);
        QFETCH(int, nach);
        QFETCH(QString, ergebnis);
        Zellen zellen = buchstaben(5);
        zellen.zeile_verschieben(von, nach);
        QCOMPARE(spalte0(zellen), ergebnis);
    }

    void anordnen_laesst_die_zeilen_davor_und_danach()
    {
        Zellen zellen = buchstaben(6);
        zellen.anordnen(1, {3, 0, 2, 1});
        QCOMPARE(spalte0(zellen), u"aebdcf"_s);
    }

    void spalten_einfuegen_entfernen_tauschen()
    {
        Zellen zellen;
        for (int c = 0; c < 4; ++c)
            zellen.setzen(c, 0, QString::number(c));
        zellen.setzen(0, 1, u"kurz"_s);
        zellen.spalte_einfuegen(1);
        QCOMPARE(zellen.zelle(2, 0), u"1"_s);
        QVERIFY(zellen.zelle(1, 0).isEmpty());
        QCOMPARE(zellen.zeile(1).size(), size_t(1)); // a row that ends before stays as it is
        zellen.spalte_entfernen(1, 5);
        QCOMPARE(zellen.zelle(1, 0), u"1"_s);
        QCOMPARE(zellen.zelle(3, 0), u"3"_s);
        QVERIFY(zellen.zelle(4, 0).isEmpty());
        zellen.spalten_tauschen(0, 2);
        QCOMPARE(zellen.zelle(0, 0), u"2"_s);
        QCOMPARE(zellen.zelle(2, 0), u"0"_s);
        QVERIFY(zellen.zelle(0, 1).isEmpty());
        QCOMPARE(zellen.zelle(2, 1), u"kurz"_s);
    }

    void leeren_nur_im_bereich()
    {
        Zellen zellen = buchstaben(4);
        zellen.setzen(3, 1, u"rechts"_s);
        zellen.leeren(1, 3, 2);
        QCOMPARE(spalte0(zellen), u"a--d"_s);
        QCOMPARE(zellen.zelle(3, 1), u"rechts"_s);
    }
};

QTEST_GUILESS_MAIN(TstZellen)
#include "tst_zellen.moc"
