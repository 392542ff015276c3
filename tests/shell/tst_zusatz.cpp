#include "schreibschutz.h"
#include "shell/zusatz.h"
#include "test_ordner.h"

#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstZusatz : public QObject
{
    Q_OBJECT

    static void schreibe(const TestOrdner &t, const QByteArray &inhalt)
    {
        QFile datei(t.pfad(QString::fromUtf16(zusatz_dateiname)));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }

private slots:
    void ohne_datei_gelten_die_vorgaben()
    {
        const TestOrdner t;
        QCOMPARE(zusatz_tische(t.zustand.daten_pfad), 0);
        QCOMPARE(zusatz_live_port(t.zustand.daten_pfad), 8080);
        QVERIFY(!zusatz_tischmeldungen(t.zustand.daten_pfad));
        QVERIFY(!QFile::exists(t.pfad(QString::fromUtf16(zusatz_dateiname))));
    }

    void gespeicherte_werte_kommen_zurueck()
    {
        const TestOrdner t;
        QVERIFY(!zusatz_tische_setzen(t.zustand.daten_pfad, 4)); // no message: written
        QVERIFY(!zusatz_live_port_setzen(t.zustand.daten_pfad, 8123));
        QCOMPARE(zusatz_tische(t.zustand.daten_pfad), 4);
        QCOMPARE(zusatz_live_port(t.zustand.daten_pfad), 8123);
        QVERIFY(!zusatz_tischmeldungen_setzen(t.zustand.daten_pfad, true));
        QVERIFY(zusatz_tischmeldungen(t.zustand.daten_pfad));
        QVERIFY(!zusatz_tischmeldungen_setzen(t.zustand.daten_pfad, false));
        QVERIFY(!zusatz_tischmeldungen(t.zustand.daten_pfad));
        // The other values stay as they were.
        QCOMPARE(zusatz_tische(t.zustand.daten_pfad), 4);
    }

    void unsinnige_werte_geben_die_vorgabe_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("zu gross") << "[Rundenplan]\nTische=11\n[Live]\nPort=70000\n"_ba;
        QTest::newRow("negativ") << "[Rundenplan]\nTische=-1\n[Live]\nPort=-5\n"_ba;
        QTest::newRow("kein Wert") << "[Rundenplan]\nTische=vier\n[Live]\nPort=acht\n"_ba;
        QTest::newRow("Müll") << QByteArray("\0\xff\xfe[[=\n\x01", 9);
        QTest::newRow("privilegierter Port") << "[Live]\nPort=80\n"_ba;
    }

    void unsinnige_werte_geben_die_vorgabe()
    {
        QFETCH(QByteArray, inhalt);
        const TestOrdner t;
        schreibe(t, inhalt);
        QCOMPARE(zusatz_tische(t.zustand.daten_pfad), 0);
        QCOMPARE(zusatz_live_port(t.zustand.daten_pfad), 8080);
    }

    void schreibfehler_wird_gemeldet()
    {
        const TestOrdner t;
        const Schreibschutz schutz(t.ordner.path());
        const std::optional<QString> fehler = zusatz_tische_setzen(t.zustand.daten_pfad, 3);
        QVERIFY(fehler);
        QVERIFY(fehler->contains(u"Vorlix_Zusatz.ini"_s));
    }
};

QTEST_GUILESS_MAIN(TstZusatz)
#include "tst_zusatz.moc"
