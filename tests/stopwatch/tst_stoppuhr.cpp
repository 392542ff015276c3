#include "stopwatch/stoppuhr.h"
#include "stopwatch/zeitanzeige.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString entwurf = u"0 : 0"_s;

} // namespace

class TstStoppuhr : public QObject
{
    Q_OBJECT

    // A stopwatch on a fresh data folder with a horn file in place.
    struct Uhr : TestOrdner
    {
        TestPlattform plattform;
        Stoppuhr uhr{zustand, plattform};

        explicit Uhr(int doppel_modus = 1)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel_modus);
            zustand.optionen.setze(opt::wav_datei, u"hupe.wav"_s);
            QDir().mkpath(pfad(u"Wav-Dateien"_s));
            QFile datei(pfad(u"Wav-Dateien/hupe.wav"_s));
            datei.open(QIODevice::WriteOnly);
        }
        void ticks(int anzahl)
        {
            for (int i = 0; i < anzahl; ++i)
                uhr.tick();
        }
        // Length typed, then "Start".
        void spiel(int minuten)
        {
            QVERIFY(uhr.laenge_geaendert(QString::number(minuten)));
            uhr.start();
            QVERIFY(uhr.takt_an());
        }
        const Zeitanzeige &doppel() const { return uhr.anzeige(Planfenster::doppel); }
        const Zeitanzeige &einzel() const { return uhr.anzeige(Planfenster::einzel); }
    };

private slots:
    void zeittexte_data()
    {
        QTest::addColumn<int>("minuten");
        QTest::addColumn<int>("sekunden");
        QTest::addColumn<QString>("text");

        QTest::newRow("05:07") << 5 << 7 << u"05 : 07"_s;
        QTest::newRow("12:30") << 12 << 30 << u"12 : 30"_s;
        QTest::newRow("0:42") << 0 << 42 << u"00 : 42"_s;
        QTest::newRow("0:08") << 0 << 8 << u"00 : 08"_s;
        QTest::newRow("0:00") << 0 << 0 << u"00 : 00"_s;
        QTest::newRow("dreistellig") << 120 << 5 << u"120 : 05"_s;
    }
    void zeittexte()
    {
        QFETCH(int, minuten);
        QFETCH(int, sekunden);
        QFETCH(QString, text);
        QCOMPARE(zeit_text(minuten, sekunden), text);
    }

    void countdown_data()
    {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TColor>("farbe");
        QTest::addColumn<Stoppuhr::Lage>("lage");

        const auto laeuft = Stoppuhr::Lage::laeuft;
        QTest::newRow("Start") << 5 << 0 << u"05 : 00"_s << uhr_gruen << laeuft;
        QTest::newRow("erste Sekunde") << 5 << 1 << u"04 : 59"_s << uhr_gruen << laeuft;
        QTest::newRow("12 : 07") << 13 << 53 << u"12 : 07"_s << uhr_gruen << laeuft;
        QTest::newRow("Minutenwechsel") << 3 << 120 << u"01 : 00"_s << uhr_gruen << laeuft;
        QTest::newRow("letzte Minute") << 3 << 121 << u"00 : 59"_s << uhr_gelb << laeuft;
        QTest::newRow("00 : 42") << 1 << 18 << u"00 : 42"_s << uhr_gelb << laeuft;
        QTest::newRow("15 s") << 1 << 45 << u"00 : 15"_s << uhr_gelb << laeuft;
        QTest::newRow("14 s") << 1 << 46 << u"00 : 14"_s << uhr_rot << laeuft;
        QTest::newRow("1 s") << 1 << 59 << u"00 : 01"_s << uhr_rot << laeuft;
        QTest::newRow("Ende") << 1 << 60 << u"00 : 00"_s << uhr_rot << Stoppuhr::Lage::ruhend;
        QTest::newRow("nach dem Ende")
            << 2 << 125 << u"00 : 00"_s << uhr_rot << Stoppuhr::Lage::ruhend;
    }
    void countdown()
    {
        QFETCH(int, laenge);
        QFETCH(int, ticks);
        QFETCH(QString, text);
        QFETCH(TColor, farbe);
        QFETCH(Stoppuhr::Lage, lage);

        Uhr u;
        u.spiel(laenge);
        u.ticks(ticks);

        QCOMPARE(u.doppel().text, text);
        QCOMPARE(u.doppel().farbe, farbe);
        QCOMPARE(u.uhr.lage(), lage);
        const int rest = qMax(0, laenge * 60 - ticks);
        QCOMPARE(u.zustand.uhr_minuten, rest / 60);
        QCOMPARE(u.zustand.uhr_sekunden, rest % 60);
        // The last minute shows in both plan windows, the time before only in the current one.
        if (rest < 60) {
            QCOMPARE(u.einzel().text, text);
            QCOMPARE(u.einzel().farbe, farbe);
        } else {
            QCOMPARE(u.einzel().text, entwurf);
            QCOMPARE(u.einzel().farbe, clBtnFace);
        }
        QCOMPARE(u.plattform.abgespielte_toene.size(), rest == 0 ? 1 : 0);
        QCOMPARE(u.uhr.takt_an(), rest > 0);
        // "Start" waits for a new length, "Stop" or "Reset" after the end.
        QVERIFY(!u.uhr.start_frei());
    }

    void stop_und_start_setzen_fort()
    {
        Uhr u;
        u.spiel(3);
        u.ticks(70);
        u.uhr.stop();
        QCOMPARE(u.uhr.lage(), Stoppuhr::Lage::pausiert);
        QVERIFY(!u.uhr.takt_an());
        QVERIFY(u.uhr.start_frei());
        QVERIFY(!u.uhr.stop_frei());
        u.uhr.tick(); // a tick already queued when "Stop" came
        QCOMPARE(u.doppel().text, u"01 : 50"_s);

        u.uhr.start();
        QCOMPARE(u.doppel().text, u"01 : 50"_s);
        QCOMPARE(u.doppel().farbe, uhr_gruen);
        u.uhr.tick();
        QCOMPARE(u.doppel().text, u"01 : 49"_s);
    }

    void fortsetzen_in_der_letzten_minute_behaelt_warnfarbe()
    {
        Uhr u;
        u.spiel(1);
        u.ticks(50);
        u.uhr.stop();
        u.uhr.start();
        QCOMPARE(u.doppel().text, u"00 : 10"_s);
        QCOMPARE(u.doppel().farbe, uhr_rot);
    }

    void neu_gezeigter_plan_beginnt_neues_spiel()
    {
        Uhr u;
        u.spiel(3);
        u.ticks(70);
        u.uhr.stop();
        u.uhr.plan_gezeigt();
        QCOMPARE(u.zustand.uhr_pause, 0);
        u.uhr.start();
        QCOMPARE(u.doppel().text, u"03 : 00"_s);
        u.uhr.tick();
        QCOMPARE(u.doppel().text, u"02 : 59"_s);
    }

    void reset_laesst_takt_an()
    {
        Uhr u;
        u.spiel(2);
        u.ticks(5);
        u.uhr.zuruecksetzen();
        QVERIFY(u.uhr.takt_an());
        QCOMPARE(u.zustand.uhr_minuten, 0);
        QCOMPARE(u.zustand.uhr_sekunden, 0);
        QCOMPARE(u.zustand.uhr_pause, 0);
        QCOMPARE(u.uhr.laenge_text(), u"0"_s);
        QCOMPARE(u.uhr.label_text(), u"00 : 00"_s);
        QCOMPARE(u.doppel().text, u"00 : 00"_s);
        QVERIFY(!u.uhr.start_frei());
        QVERIFY(u.uhr.stop_frei());

        // Nothing to count and no horn until a new length comes; then the count goes on.
        u.ticks(3);
        QCOMPARE(u.doppel().text, u"00 : 00"_s);
        QVERIFY(u.plattform.abgespielte_toene.isEmpty());
        QVERIFY(u.uhr.laenge_geaendert(u"3"_s));
        QVERIFY(u.uhr.start_frei());
        u.uhr.tick();
        QCOMPARE(u.doppel().text, u"02 : 59"_s);
    }

    void ohne_restzeit_kein_start_data()
    {
        QTest::addColumn<int>("weg");
        QTest::newRow("nach dem Anlegen") << 0;
        QTest::newRow("Länge 0 eingegeben") << 1;
        QTest::newRow("nach Reset") << 2;
        QTest::newRow("nach Stop am Ende") << 3;
        QTest::newRow("Reset aus dem Plan") << 4;
    }
    void ohne_restzeit_kein_start()
    {
        QFETCH(int, weg);
        Uhr u;
        switch (weg) {
        case 1:
            u.uhr.laenge_geaendert(u"0"_s);
            break;
        case 2:
            u.uhr.laenge_geaendert(u"4"_s);
            u.uhr.zuruecksetzen();
            break;
        case 3:
            u.spiel(1);
            u.ticks(60);
            u.uhr.stop();
            break;
        case 4:
            u.uhr.laenge_geaendert(u"4"_s);
            u.uhr.aus_plan_zuruecksetzen(Planfenster::doppel);
            break;
        }
        QVERIFY(!u.uhr.start_frei());
        u.uhr.start();
        QVERIFY(!u.uhr.takt_an());
        u.ticks(2);
        QCOMPARE(u.zustand.uhr_minuten, 0);
        QCOMPARE(u.zustand.uhr_sekunden, 0);
        QCOMPARE(u.plattform.abgespielte_toene.size(), weg == 3 ? 1 : 0);
    }

    void ungueltige_laenge_aendert_nichts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << QString();
        QTest::newRow("Buchstaben") << u"zehn"_s;
        QTest::newRow("Komma") << u"1,5"_s;
        QTest::newRow("negativ") << u"-1"_s;
        QTest::newRow("zu lang") << u"1000"_s;
        QTest::newRow("über int32") << u"99999999999"_s;
    }
    void ungueltige_laenge_aendert_nichts()
    {
        QFETCH(QString, text);
        Uhr u;
        u.spiel(4);
        u.ticks(3);
        QSignalSpy aenderungen(&u.uhr, &Stoppuhr::geaendert);

        QVERIFY(!u.uhr.laenge_geaendert(text));

        QCOMPARE(u.plattform.texte(),
                 QStringList{u"'%1' ist kein gültiger Integerwert"_s.arg(text)});
        QCOMPARE(u.plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
        QCOMPARE(aenderungen.size(), 0);
        QCOMPARE(u.uhr.laenge_text(), u"4"_s);
        QCOMPARE(u.uhr.label_text(), u"04 : 00"_s);
        QCOMPARE(u.doppel().text, u"03 : 57"_s);
        QCOMPARE(u.zustand.uhr_minuten, 3);
        QCOMPARE(u.zustand.uhr_sekunden, 57);
        QVERIFY(!u.uhr.start_frei());
    }

    void laenge_zeigt_im_plan_der_spielart_data()
    {
        QTest::addColumn<int>("doppel_modus");
        QTest::addColumn<QString>("spielart_text");
        QTest::newRow("Doppel") << 1 << QString();
        QTest::newRow("Einzel") << 0 << QString();
        QTest::newRow("Doppel, Spielart Einzelspiel") << 1 << u"Einzelspiel"_s;
        QTest::newRow("Einzel, Spielart Doppelspiel") << 0 << u"Doppelspiel"_s;
    }
    void laenge_zeigt_im_plan_der_spielart()
    {
        QFETCH(int, doppel_modus);
        QFETCH(QString, spielart_text);
        Uhr u(doppel_modus);
        u.zustand.optionen.setze(opt::spielart_text, spielart_text);

        QVERIFY(u.uhr.laenge_geaendert(u"7"_s));

        QCOMPARE(u.uhr.label_text(), u"07 : 00"_s);
        QCOMPARE(u.doppel().text, doppel_modus == 1 ? u"07 : 00"_s : entwurf);
        QCOMPARE(u.einzel().text, doppel_modus == 1 ? entwurf : u"07 : 00"_s);
        QVERIFY(u.uhr.start_frei());
        u.uhr.start();
        QCOMPARE(u.uhr.anzeige(u.uhr.aktuelles_planfenster()).farbe, uhr_gruen);
    }

    void schliessen_nach_start_wird_gespeichert_data()
    {
        QTest::addColumn<bool>("schliessen");
        QTest::newRow("angehakt") << true;
        QTest::newRow("nicht angehakt") << false;
    }
    void schliessen_nach_start_wird_gespeichert()
    {
        QFETCH(bool, schliessen);
        Uhr u;
        u.zustand.setze(opt::uhr_schliessen, schliessen ? 0 : 1);
        QSignalSpy schliessen_spy(&u.uhr, &Stoppuhr::schliessen_verlangt);

        u.uhr.fenster_schliessen_setzen(schliessen);
        TOptionen gelesen;
        optionen_lesen(gelesen, u.zustand.daten_pfad);
        QCOMPARE(gelesen.wert(opt::uhr_schliessen), schliessen ? 1 : 0);

        u.spiel(2);
        QCOMPARE(schliessen_spy.size(), schliessen ? 1 : 0);
        u.ticks(10);
        QCOMPARE(u.doppel().text, u"01 : 50"_s);
    }

    void plan_knopf_oeffnet_mit_laenge_null()
    {
        Uhr u;
        u.spiel(4);
        u.ticks(3);
        u.uhr.aus_plan_oeffnen(Planfenster::doppel);
        QVERIFY(!u.uhr.takt_an());
        QCOMPARE(u.uhr.laenge_text(), u"0"_s);
        QCOMPARE(u.uhr.label_text(), u"00 : 00"_s);
        QCOMPARE(u.doppel().text, u"00 : 00"_s);
        QCOMPARE(u.doppel().farbe, clBtnFace);
        QVERIFY(!u.uhr.start_frei());
    }

    void plan_reset_setzt_anzeige_zurueck_data()
    {
        QTest::addColumn<bool>("neuer_plan"); // "Turnierplan anzeigen" instead of the button
        QTest::newRow("Reset-Knopf") << false;
        QTest::newRow("Turnierplan anzeigen") << true;
    }
    void plan_reset_setzt_anzeige_zurueck()
    {
        QFETCH(bool, neuer_plan);
        Uhr u(0);
        u.spiel(1);
        u.ticks(20);
        u.uhr.stop();
        u.uhr.start();
        QCOMPARE(u.zustand.uhr_pause, 1);

        if (neuer_plan)
            u.uhr.plan_neu_geoeffnet(Planfenster::einzel);
        else
            u.uhr.aus_plan_zuruecksetzen(Planfenster::einzel);

        QVERIFY(!u.uhr.takt_an());
        QCOMPARE(u.zustand.uhr_minuten, 0);
        QCOMPARE(u.zustand.uhr_sekunden, 0);
        QCOMPARE(u.zustand.uhr_pause, neuer_plan ? 0 : 1);
        QCOMPARE(u.einzel().text, u"00 : 00"_s);
        QCOMPARE(u.einzel().farbe, clBtnFace);
        QCOMPARE(u.uhr.label_text(), u"00 : 00"_s);
        QCOMPARE(u.uhr.laenge_text(), u"0"_s);
        QVERIFY(!u.uhr.start_frei());
        // The other plan window keeps what the last minute showed.
        QCOMPARE(u.doppel().text, u"00 : 40"_s);
    }

    void beenden_stoppt_und_setzt_zurueck()
    {
        Uhr u;
        u.spiel(2);
        u.ticks(5);
        u.uhr.stop();
        u.uhr.beenden();
        QVERIFY(!u.uhr.takt_an());
        QCOMPARE(u.uhr.lage(), Stoppuhr::Lage::ruhend);
        QCOMPARE(u.zustand.uhr_pause, 0);
        QCOMPARE(u.zustand.uhr_minuten, 0);
        QCOMPARE(u.uhr.label_text(), u"00 : 00"_s);
        QVERIFY(u.uhr.stop_frei());
    }
};

QTEST_GUILESS_MAIN(TstStoppuhr)
#include "tst_stoppuhr.moc"
