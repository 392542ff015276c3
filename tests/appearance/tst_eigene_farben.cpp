#include "appearance/eigene_farben.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstEigeneFarben : public QObject
{
    Q_OBJECT

    static QByteArray inhalt(const QString &pfad)
    {
        QByteArray bytes;
        speicher::datei_lesen(pfad, bytes);
        return bytes;
    }
    // The sixteen lines as written for the given values, in name order.
    static QByteArray alle_zeilen(const QList<QByteArray> &werte)
    {
        QByteArray text;
        for (int nr = 0; nr < 16; ++nr)
            text += "Color" + QByteArray(1, char('A' + nr)) + '=' + werte.value(nr, "FFFFFFFF") +
                    "\r\n";
        return text;
    }

private slots:
    void lesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QList<quint32>>("werte"); // ColorA, ColorB, ColorC, ColorP

        QTest::newRow("wie geschrieben")
            << alle_zeilen({"00FF00", "FFFFFFFF", "123456"})
            << QList<quint32>{0x00FF00, 0xFFFFFFFF, 0x123456, 0xFFFFFFFF};
        QTest::newRow("nur LF, klein geschrieben")
            << QByteArray("colorb=abcdef\nColorP=ff\n")
            << QList<quint32>{0xFFFFFFFF, 0xABCDEF, 0xFFFFFFFF, 0xFF};
        QTest::newRow("leerer Wert, kein Hex, zu groß")
            << QByteArray("ColorA=\r\nColorB=GRÜN\r\nColorC=1FFFFFFFF\r\n")
            << QList<quint32>{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
        QTest::newRow("erste Zeile eines Namens zählt")
            << QByteArray("ColorA=000001\r\nColorA=000002\r\n")
            << QList<quint32>{1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
        QTest::newRow("ungerade Zeilen")
            << QByteArray("=\r\nColor\r\nColorQ=1\r\n\r\n ColorC=2\r\nColorC = 3\r\n\x81\xFF")
            << QList<quint32>{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
        QTest::newRow("Leerraum um den Wert")
            << QByteArray("ColorC= 0A0B0C \r\n")
            << QList<quint32>{0xFFFFFFFF, 0xFFFFFFFF, 0x0A0B0C, 0xFFFFFFFF};
    }
    void lesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QList<quint32>, werte);
        TestOrdner o;
        QVERIFY(speicher::datei_ersetzen(o.pfad(u"farb.txt"_s), datei));
        EigeneFarben farben;
        QVERIFY(farben.lesen(o.pfad(u"farb.txt"_s)));
        QCOMPARE((QList<quint32>{farben.wert(0), farben.wert(1), farben.wert(2), farben.wert(15)}),
                 werte);
    }

    void fehlende_datei_heisst_alle_unbelegt()
    {
        TestOrdner o;
        EigeneFarben farben;
        farben.setze(3, 0x112233);
        QVERIFY(farben.lesen(o.pfad(u"farb.txt"_s)));
        for (int nr = 0; nr < EigeneFarben::anzahl; ++nr)
            QCOMPARE(farben.wert(nr), EigeneFarben::unbelegt);
        QVERIFY(farben.schreiben(o.pfad(u"farb.txt"_s)));
        QCOMPARE(inhalt(o.pfad(u"farb.txt"_s)), alle_zeilen({}));
    }

    void unlesbare_datei_meldet_fehler()
    {
        TestOrdner o;
        QVERIFY(QDir(o.ordner.path()).mkdir(u"farb.txt"_s));
        EigeneFarben farben;
        QVERIFY(!farben.lesen(o.pfad(u"farb.txt"_s)));
    }

    void zurueckschreiben_haelt_zeilen_an_ihrem_platz()
    {
        TestOrdner o;
        QVERIFY(speicher::datei_ersetzen(o.pfad(u"farb.txt"_s),
                                         "Kopf\r\nColorC=0000FF\r\ncolora=1\r\nColorA=2\r\n"));
        EigeneFarben farben;
        QVERIFY(farben.lesen(o.pfad(u"farb.txt"_s)));
        farben.setze(0, 0xABC);
        farben.setze(1, 0x1234567);
        QVERIFY(farben.schreiben(o.pfad(u"farb.txt"_s)));
        QByteArray erwartet = "Kopf\r\nColorC=0000FF\r\nColorA=000ABC\r\nColorA=2\r\n"
                              "ColorB=1234567\r\n";
        for (char name = 'D'; name <= 'P'; ++name)
            erwartet += "Color" + QByteArray(1, name) + "=FFFFFFFF\r\n";
        QCOMPARE(inhalt(o.pfad(u"farb.txt"_s)), erwartet);
        // The file read back gives the same colours.
        EigeneFarben wieder;
        QVERIFY(wieder.lesen(o.pfad(u"farb.txt"_s)));
        QCOMPARE(wieder.wert(0), 0xABCu);
        QCOMPARE(wieder.wert(1), 0x1234567u);
        QCOMPARE(wieder.wert(2), 0xFFu);
    }

    void grosse_datei_wird_gelesen()
    {
        TestOrdner o;
        QByteArray gross(10 * 1024 * 1024, 'x');
        gross += "\r\nColorE=00FF00";
        QVERIFY(speicher::datei_ersetzen(o.pfad(u"farb.txt"_s), gross));
        EigeneFarben farben;
        QVERIFY(farben.lesen(o.pfad(u"farb.txt"_s)));
        QCOMPARE(farben.wert(4), 0x00FF00u);
    }

    void farben_fuer_den_dialog_und_zurueck()
    {
        EigeneFarben farben;
        farben.setze(0, 0x0000FF); // red as 0x00BBGGRR
        farben.setze(2, 0xFFFFFF);
        QList<QColor> gezeigt = farben.als_farben();
        QCOMPARE(gezeigt.size(), 16);
        QCOMPARE(gezeigt[0], QColor(255, 0, 0));
        QCOMPARE(gezeigt[1], QColor(Qt::white)); // unset
        // The dialog changes two colours and leaves the others.
        gezeigt[1] = QColor(0, 0, 255);
        gezeigt[2] = QColor(0, 128, 0);
        farben.aus_farben(gezeigt);
        QCOMPARE(farben.wert(0), 0x0000FFu);
        QCOMPARE(farben.wert(1), 0xFF0000u);
        QCOMPARE(farben.wert(2), 0x008000u);
        QCOMPARE(farben.wert(3), EigeneFarben::unbelegt);
    }
};

QTEST_GUILESS_MAIN(TstEigeneFarben)
#include "tst_eigene_farben.moc"
