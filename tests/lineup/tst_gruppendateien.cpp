#include "gruppen_testhilfe.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "lineup/namenspool.h"
#include "test_ordner.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Leser = void (*)(Zustand &, Namensfelder &);
Q_DECLARE_METATYPE(Leser)

class TstGruppendateien : public QObject
{
    Q_OBJECT

    static QStringList felder_texte(const Namensfelder &felder)
    {
        QStringList texte;
        for (int nr = 1; nr <= Namensfelder::anzahl; ++nr)
            texte << felder.text(nr);
        return texte;
    }

private slots:
    void speichern_legt_die_slots_an_ihren_stellen_ab()
    {
        TestOrdner t;
        const QString lang = u"Ä€"_s + QString(58, u'x'); // 60 characters
        t.zustand.gruppe1.setze_name(1, u"Anna"_s);
        t.zustand.gruppe1.setze_name(2, lang);
        t.zustand.gruppe1.setze_name(40, u"Zoë"_s);
        gruppe1_speichern(t.zustand);

        const QByteArray datei = dateiinhalt(t.pfad(gruppe1_e_datei));
        QCOMPARE(datei.size(), 2040);
        QCOMPARE(slot_bytes(datei, 1), QByteArray("Anna"));
        QCOMPARE(quint8(datei.at(51)), quint8(50));
        QCOMPARE(slot_bytes(datei, 2), QByteArray("\xC4\x80") + QByteArray(48, 'x'));
        QCOMPARE(slot_bytes(datei, 40), QByteArray("Zo\xEB"));
        QCOMPARE(datei, t.zustand.gruppe1.bytes());

        // A 60-character name reads back as its first 50 characters.
        Namensfelder felder;
        t.zustand.gruppe1 = TGruppe();
        gruppe1_lesen_einzel(t.zustand, felder);
        QCOMPARE(felder.text(2), lang.left(50));
    }

    void team2_wird_in_seine_datei_geschrieben()
    {
        TestOrdner t;
        t.zustand.gruppe2.setze_name(21, u"Rot"_s);
        gruppe2_speichern(t.zustand);
        QCOMPARE(dateiinhalt(t.pfad(gruppe2_e_datei)), t.zustand.gruppe2.bytes());
        QVERIFY(!QFile::exists(t.pfad(gruppe1_e_datei)));
    }

    void nicht_beschreibbarer_ordner_bleibt_still()
    {
        TestOrdner t;
        t.zustand.daten_pfad = t.ordner.path() + u"/fehlt/"_s;
        t.zustand.gruppe1.setze_name(1, u"Anna"_s);
        gruppe1_speichern(t.zustand);
        QVERIFY(!QFile::exists(t.pfad(gruppe1_e_datei)));
        QCOMPARE(t.zustand.gruppe1.name(1), u"Anna"_s);
    }

    void einzel_mit_luecke()
    {
        TestOrdner t;
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei),
                                     {{1, u"A"_s}, {2, u"B"_s}, {4, u"D"_s}, {25, u"X"_s}}));
        Namensfelder felder;
        gruppe1_lesen_einzel(t.zustand, felder);
        QCOMPARE(felder_texte(felder).mid(0, 5), QStringList({u"A"_s, u"B"_s, {}, u"D"_s, {}}));
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 4);

        t.zustand.setze(opt::mannschaft_nr, 1);
        QCOMPARE(StrList(t.zustand), QStringList({u"A"_s, u"B"_s, u"D"_s}));
        QCOMPARE(t.zustand.pool_anzahl, 3);
        QCOMPARE(dateiinhalt(t.pfad(pool_datei)), QByteArray("A\r\nB\r\nD\r\n"));
    }

    void einzel_team1_liest_zwanzig_felder_team2_ueberschreibt_elf_bis_zwanzig()
    {
        TestOrdner t;
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), namen_ab(1, namen(u"A"_s, 12))));
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_e_datei), namen_ab(21, namen(u"B"_s, 3))));
        Namensfelder felder;
        gruppe1_lesen_einzel(t.zustand, felder);
        QCOMPARE(felder.text(12), u"A12"_s);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 12);
        gruppe2_lesen_einzel(t.zustand, felder);
        QCOMPARE(felder_texte(felder).mid(10), namen(u"B"_s, 3) + QStringList(7, QString()));
        QCOMPARE(felder.text(10), u"A10"_s);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 3);
        QCOMPARE(t.zustand.gruppe2.name(21), u"B1"_s);
    }

    void doppel_zaehlt_nur_volle_paare_data()
    {
        QTest::addColumn<Leser>("leser");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("erster_slot");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<int>("spieler");
        const Leser l1 = gruppe1_lesen_doppel, l2 = gruppe2_lesen_doppel;
        QTest::newRow("team 2, zweites Paar unvollständig")
            << l2 << gruppe2_e_datei << 21 << QStringList{u"a"_s, u"b"_s, u"c"_s} << 1;
        QTest::newRow("team 1, vier Paare") << l1 << gruppe1_e_datei << 1 << namen(u"n"_s, 8) << 4;
        QTest::newRow("team 1, Paar 4 halb") << l1 << gruppe1_e_datei << 1 << namen(u"n"_s, 7) << 3;
        QTest::newRow("kein volles Paar: bleibt")
            << l1 << gruppe1_e_datei << 1 << QStringList{u"a"_s} << 9;
    }

    void doppel_zaehlt_nur_volle_paare()
    {
        QFETCH(Leser, leser);
        QFETCH(QString, datei);
        QFETCH(int, erster_slot);
        QFETCH(QStringList, namen);
        QFETCH(int, spieler);
        TestOrdner t;
        t.zustand.setze(opt::spieler_pro_mannschaft, 9);
        QVERIFY(gruppendatei_anlegen(t.pfad(datei), namen_ab(erster_slot, namen)));
        Namensfelder felder;
        leser(t.zustand, felder);
        QCOMPARE(felder_texte(felder), namen + QStringList(20 - namen.size(), QString()));
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), spieler);
    }

    void fremde_slots_werden_nicht_beachtet()
    {
        TestOrdner t;
        Belegung belegung = namen_ab(1, namen(u"fremd"_s, 20));
        belegung.append({21, u"Rot"_s});
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_e_datei), belegung));
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_d_datei), belegung));
        t.zustand.setze(opt::spieler_pro_mannschaft, 7);

        Namensfelder felder;
        gruppe2_lesen_doppel(t.zustand, felder);
        QCOMPARE(felder_texte(felder), QStringList{u"Rot"_s} + QStringList(19, QString()));
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 7);
        gruppe2_lesen_einzel(t.zustand, felder);
        QCOMPARE(felder.text(11), u"Rot"_s);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 1);

        t.zustand.setze(opt::mannschaft_nr, 2);
        QCOMPARE(StrList(t.zustand), QStringList{u"Rot"_s});
        QCOMPARE(StrList_D(t.zustand), QStringList{u"Rot"_s});
        // The pool builders read into gruppe1, for team 2 too.
        QCOMPARE(t.zustand.gruppe1.name(1), u"fremd1"_s);
    }

    void beschaedigte_datei_wird_aus_dem_speicher_ersetzt_data()
    {
        QTest::addColumn<Leser>("leser");
        QTest::addColumn<QString>("datei");
        QTest::newRow("doppel 1") << Leser(gruppe1_lesen_doppel) << gruppe1_e_datei;
        QTest::newRow("doppel 2") << Leser(gruppe2_lesen_doppel) << gruppe2_e_datei;
        QTest::newRow("einzel 1") << Leser(gruppe1_lesen_einzel) << gruppe1_e_datei;
        QTest::newRow("einzel 2") << Leser(gruppe2_lesen_einzel) << gruppe2_e_datei;
    }

    void beschaedigte_datei_wird_aus_dem_speicher_ersetzt()
    {
        QFETCH(Leser, leser);
        QFETCH(QString, datei);
        TestOrdner t;
        for (TGruppe *gruppe : {&t.zustand.gruppe1, &t.zustand.gruppe2}) {
            gruppe->setze_name(1, u"Speicher"_s);
            gruppe->setze_name(21, u"Speicher"_s);
        }
        t.zustand.setze(opt::spieler_pro_mannschaft, 6);
        QVERIFY(speicher::datei_ersetzen(t.pfad(datei), QByteArray(2039, '\x05')));
        Namensfelder felder;
        felder.setze(1, u"alt"_s);

        leser(t.zustand, felder);
        QCOMPARE(dateiinhalt(t.pfad(datei)), t.zustand.gruppe1.bytes());
        QCOMPARE(felder_texte(felder), QStringList{u"alt"_s} + QStringList(19, QString()));
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 6);
    }

    void fehlende_datei_aendert_nichts()
    {
        TestOrdner t;
        t.zustand.gruppe1.setze_name(3, u"bleibt"_s);
        t.zustand.setze(opt::spieler_pro_mannschaft, 5);
        Namensfelder felder;
        felder.setze(2, u"alt"_s);
        gruppe1_lesen_einzel(t.zustand, felder);
        QCOMPARE(felder.text(2), u"alt"_s);
        // The doubles window shows one team: no file, no names.
        gruppe1_lesen_doppel(t.zustand, felder);
        QCOMPARE(felder.text(2), QString());
        QCOMPARE(t.zustand.gruppe1.name(3), u"bleibt"_s);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 5);
        QVERIFY(!QFile::exists(t.pfad(gruppe1_e_datei)));

        t.zustand.setze(opt::mannschaft_nr, 1);
        t.zustand.pool_anzahl = 4;
        QVERIFY(StrList_D(t.zustand).isEmpty());
        QCOMPARE(t.zustand.pool_anzahl, 0);
        QCOMPARE(dateiinhalt(t.pfad(pool_datei)), QByteArray());
    }

    void voller_teilnehmerpool()
    {
        TestOrdner t;
        const QStringList alle = namen(u"Spieler"_s, 20);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_d_datei), namen_ab(1, alle)));
        t.zustand.setze(opt::mannschaft_nr, 1);
        QCOMPARE(StrList_D(t.zustand), alle);
        QCOMPARE(t.zustand.pool_anzahl, 20);
    }

    void unbekannte_mannschaft_baut_keinen_pool()
    {
        TestOrdner t;
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), {{1, u"A"_s}}));
        t.zustand.setze(opt::mannschaft_nr, 3);
        t.zustand.pool_anzahl = 4;
        QVERIFY(StrList(t.zustand).isEmpty());
        QCOMPARE(t.zustand.pool_anzahl, 4);
        QVERIFY(!QFile::exists(t.pfad(pool_datei)));
    }
};

QTEST_GUILESS_MAIN(TstGruppendateien)
#include "tst_gruppendateien.moc"
