#include "gruppen_testhilfe.h"
#include "lineup/gruppen_anzeige.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// "Gruppen Mitspieler anzeigen" without a window: which reads and draws happen in which order.
class TstGruppenAnzeige : public QObject
{
    Q_OBJECT

    struct Turnier : TestOrdner
    {
        TestPlattform plattform;
        Namensfelder felder;
        explicit Turnier(int doppel_modus)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel_modus);
            zustand.optionen_speichern();
        }
        QStringList texte(int von, int bis) const
        {
            QStringList ergebnis;
            for (int nr = von; nr <= bis; ++nr)
                ergebnis << felder.text(nr);
            return ergebnis;
        }
    };

    static QStringList sortiert(QStringList liste)
    {
        liste.sort();
        return liste;
    }

private slots:
    void spielart_waehlt_das_fenster_data()
    {
        QTest::addColumn<int>("doppel_modus");
        QTest::addColumn<Gruppenfenster>("fenster");
        QTest::newRow("einzel") << 0 << Gruppenfenster::einzel;
        QTest::newRow("doppel") << 1 << Gruppenfenster::doppel;
        QTest::newRow("unbekannt zählt als einzel") << 7 << Gruppenfenster::einzel;
    }
    void spielart_waehlt_das_fenster()
    {
        QFETCH(int, doppel_modus);
        QFETCH(Gruppenfenster, fenster);
        Turnier t(doppel_modus);
        QCOMPARE(gruppenfenster(t.zustand), fenster);
    }

    void einzel_lost_beide_mannschaften_aus_und_speichert()
    {
        Turnier t(0);
        const QStringList blau = namen(u"Blau"_s, 5), rot = namen(u"Rot"_s, 3);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_e_datei), namen_ab(21, rot)));

        einzel_gruppen_anzeigen(t.zustand, t.plattform, t.felder);

        const QStringList team1 = t.texte(1, 5);
        const QStringList team2 = t.texte(11, 13);
        QCOMPARE(sortiert(team1), blau);
        QCOMPARE(sortiert(team2), rot);
        QCOMPARE(t.texte(6, 10), QStringList(5, QString()));
        QCOMPARE(t.texte(14, 20), QStringList(7, QString()));
        const QByteArray datei1 = dateiinhalt(t.pfad(gruppe1_e_datei));
        const QByteArray datei2 = dateiinhalt(t.pfad(gruppe2_e_datei));
        for (int k = 0; k < 5; ++k)
            QCOMPARE(slot_bytes(datei1, 1 + k), team1.at(k).toLatin1());
        for (int k = 0; k < 3; ++k)
            QCOMPARE(slot_bytes(datei2, 21 + k), team2.at(k).toLatin1());
        // Team 2 is drawn last: its count and team number stay.
        QCOMPARE(t.zustand.wert(opt::mannschaft_nr), 2);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 3);
    }

    void einzel_lost_bei_jedem_oeffnen_neu()
    {
        Turnier t(0);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), namen_ab(1, namen(u"B"_s, 10))));
        t.plattform.saaten << 1 << 2 << 3 << 4 << 5 << 6 << 7 << 8;
        QList<QStringList> aufstellungen;
        for (int mal = 0; mal < 4; ++mal) {
            einzel_gruppen_anzeigen(t.zustand, t.plattform, t.felder);
            aufstellungen << t.texte(1, 10);
        }
        QVERIFY(aufstellungen.count(aufstellungen.first()) < aufstellungen.size());
        for (const QStringList &aufstellung : aufstellungen)
            QCOMPARE(sortiert(aufstellung), sortiert(namen(u"B"_s, 10)));
    }

    void doppel_zeigt_mannschaft_1_und_speichert_nichts()
    {
        Turnier t(1);
        const QStringList blau = namen(u"Blau"_s, 4), rot = namen(u"Rot"_s, 6);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_e_datei), namen_ab(21, rot)));
        const QByteArray datei1 = dateiinhalt(t.pfad(gruppe1_e_datei));
        const QByteArray datei2 = dateiinhalt(t.pfad(gruppe2_e_datei));

        doppel_gruppen_anzeigen(t.zustand, t.felder);

        QCOMPARE(t.texte(1, 6), blau + QStringList(2, QString()));
        QCOMPARE(t.zustand.wert(opt::mannschaft_nr), 1);
        // Team 1 was read last: 2 pairs, not team 2's 3.
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 2);
        QCOMPARE(t.zustand.gruppe2.name(26), u"Rot6"_s);
        QCOMPARE(dateiinhalt(t.pfad(gruppe1_e_datei)), datei1);
        QCOMPARE(dateiinhalt(t.pfad(gruppe2_e_datei)), datei2);
    }

    void doppel_ohne_datei_von_mannschaft_1_zeigt_keine_fremden_namen()
    {
        Turnier t(1);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_e_datei), namen_ab(21, namen(u"Rot"_s, 4))));
        doppel_gruppen_anzeigen(t.zustand, t.felder);
        QCOMPARE(t.texte(1, 20), QStringList(20, QString()));
        QCOMPARE(t.zustand.wert(opt::mannschaft_nr), 1);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 2);
        QVERIFY(!QFile::exists(t.pfad(gruppe1_e_datei)));
    }
};

QTEST_GUILESS_MAIN(TstGruppenAnzeige)
#include "tst_gruppen_anzeige.moc"
