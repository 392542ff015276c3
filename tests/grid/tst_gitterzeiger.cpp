#include "grid/gitterzeiger.h"

#include <QtTest>

Q_DECLARE_METATYPE(TGridRect)

// The cursor part on its own: scrolling bounds and what a cursor position selects.
class TstGitterzeiger : public QObject
{
    Q_OBJECT

private slots:
    void rollen_bleibt_im_bereich_data()
    {
        QTest::addColumn<int>("gewuenscht");
        QTest::addColumn<int>("erste");
        QTest::addColumn<int>("letzte");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("innen") << 3 << 1 << 5 << 3;
        QTest::newRow("vor dem Bereich") << 0 << 1 << 5 << 1;
        QTest::newRow("hinter dem Bereich") << 9 << 1 << 5 << 5;
        QTest::newRow("leerer Bereich") << 4 << 2 << 1 << 2;
    }

    void rollen_bleibt_im_bereich()
    {
        QFETCH(int, gewuenscht);
        QFETCH(int, erste);
        QFETCH(int, letzte);
        QFETCH(int, ergebnis);
        Gitterzeiger zeiger;
        zeiger.setze_oberste_zeile(gewuenscht, erste, letzte);
        zeiger.setze_linke_spalte(gewuenscht, erste, letzte);
        QCOMPARE(zeiger.oberste_zeile(), ergebnis);
        QCOMPARE(zeiger.linke_spalte(), ergebnis);
    }

    void auswahl_fuer_data()
    {
        QTest::addColumn<bool>("zeilenwahl");
        QTest::addColumn<TGridRect>("auswahl");
        QTest::newRow("Zelle") << false << TGridRect{3, 2, 3, 2};
        QTest::newRow("Zeile") << true << TGridRect{1, 2, 6, 2};
    }

    void auswahl_fuer()
    {
        QFETCH(bool, zeilenwahl);
        QFETCH(TGridRect, auswahl);
        Gitterzeiger zeiger;
        zeiger.setze_zeilenwahl(zeilenwahl);
        QVERIFY(zeiger.auswahl_fuer(3, 2, 1, 6) == auswahl);
    }

    void markierte_zeilen_data()
    {
        QTest::addColumn<TGridRect>("auswahl");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::newRow("nichts") << TGridRect{-1, -1, -1, -1} << 0 << 1;
        QTest::newRow("eine Zelle") << TGridRect{2, 4, 2, 4} << 1 << 1;
        QTest::newRow("Block") << TGridRect{1, 2, 3, 6} << 5 << 3;
    }

    void markierte_zeilen()
    {
        QFETCH(TGridRect, auswahl);
        QFETCH(int, zeilen);
        QFETCH(int, spalten);
        Gitterzeiger zeiger;
        zeiger.setze_auswahl(auswahl);
        QCOMPARE(zeiger.markierte_zeilen(), zeilen);
        QCOMPARE(zeiger.ausgewaehlte_spalten(), spalten);
    }
};

QTEST_GUILESS_MAIN(TstGitterzeiger)
#include "tst_gitterzeiger.moc"
