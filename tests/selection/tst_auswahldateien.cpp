#include "auswahl_testhilfe.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "selection/auswahl_ablage.h"
#include "selection/listen_satz.h"
#include "storage/text1252.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

class TstAuswahldateien : public QObject
{
    Q_OBJECT

    TestPlattform m_plattform; // answers the draw after the hand-over

    static QByteArray erwarteter_satz(const QByteArray &text, qint32 zaehler1)
    {
        QByteArray satz(384, '\0');
        satz[51] = char(text.size());
        satz.replace(52, text.size(), text);
        qToLittleEndian<qint32>(zaehler1, satz.data() + 360);
        return satz;
    }

    static QByteArray inhalt(const QString &pfad)
    {
        QByteArray bytes;
        speicher::datei_lesen(pfad, bytes);
        return bytes;
    }

private slots:
    void satz_liegt_byte_fuer_byte_data()
    {
        QTest::addColumn<bool>("nummerieren");
        QTest::newRow("Zieldatei Mannschaft 1 Einzel") << true;
        QTest::newRow("alle anderen") << false;
    }
    void satz_liegt_byte_fuer_byte()
    {
        QFETCH(bool, nummerieren);
        TestOrdner o;
        const QString lang = u"Maximilian-Alexander Müller-Lüdenscheidt-Großkopf von Ötzingen"_s;
        const QString pfad = o.pfad(u"aktuelle_Liste2.akt"_s);
        QVERIFY(listen_datei_schreiben(pfad, {u"Jürgen Öß"_s, lang, u"€"_s}, nummerieren));

        const QByteArray erwartet =
            erwarteter_satz("J\xFCrgen \xD6\xDF", nummerieren ? 1 : 0) +
            erwarteter_satz(speicher::nach_1252(lang).left(50), nummerieren ? 2 : 0) +
            erwarteter_satz("\x80", nummerieren ? 3 : 0);
        QCOMPARE(inhalt(pfad), erwartet);
        QCOMPARE(listen_datei_lesen(pfad), (QStringList{u"Jürgen Öß"_s, lang.left(50), u"€"_s}));
    }

    void lesen_nimmt_was_ganz_ist_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("eintraege");
        const QByteArray a = erwarteter_satz("Anna", 0), b = erwarteter_satz("Bernd", 7);
        QByteArray zu_lang = erwarteter_satz(QByteArray(50, 'x'), 0);
        zu_lang[51] = char(200);
        zu_lang[102] = 'y';
        QTest::newRow("leer") << QByteArray() << QStringList();
        QTest::newRow("angebrochener Rest") << a + b + a.left(383) << QStringList{"Anna", "Bernd"};
        QTest::newRow("nur Rest") << b.left(100) << QStringList();
        QTest::newRow("Länge über Kapazität") << zu_lang << QStringList{QString(50, u'x')};
    }
    void lesen_nimmt_was_ganz_ist()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, eintraege);
        TestOrdner o;
        const QString pfad = o.pfad(u"aktuelle_Liste1.akt"_s);
        QVERIFY(speicher::datei_ersetzen(pfad, bytes));
        QCOMPARE(listen_datei_lesen(pfad), eintraege);
        QVERIFY(listen_datei_lesen(o.pfad(u"fehlt.akt"_s)).isEmpty());
    }

    void dateinamen_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<QString>("ziel");
        QTest::newRow("Einzel 1") << 1 << false << "aktuelle_Liste1.akt"
                                  << "aktuelle_Liste2.akt";
        QTest::newRow("Einzel 2") << 2 << false << "aktuelle_Liste11.akt"
                                  << "aktuelle_Liste22.akt";
        QTest::newRow("Doppel 1") << 1 << true << "aktuelle_Liste1D.akt"
                                  << "aktuelle_Liste2D.akt";
        QTest::newRow("Doppel 2") << 2 << true << "aktuelle_Liste11.akt"
                                  << "aktuelle_Liste22.akt";
    }
    void dateinamen()
    {
        QFETCH(int, mannschaft);
        QFETCH(bool, doppel);
        QFETCH(QString, quelle);
        QFETCH(QString, ziel);
        const Auswahldateien dateien =
            auswahl_dateinamen(mannschaft_aus_nummer(mannschaft), doppel);
        QCOMPARE(dateien.quelle, quelle);
        QCOMPARE(dateien.ziel, ziel);
    }

    // Doubles keep the participants in the "_D" files, which the draw only reads, so they show
    // exactly what the selection wrote.
    void doppel_teilnehmer_in_ihrer_haelfte_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("erster");
        QTest::addColumn<int>("fremder");
        QTest::newRow("1") << 1 << gruppe1_d_datei << 1 << 21;
        QTest::newRow("2") << 2 << gruppe2_d_datei << 21 << 1;
    }
    void doppel_teilnehmer_in_ihrer_haelfte()
    {
        QFETCH(int, mannschaft);
        QFETCH(QString, datei);
        QFETCH(int, erster);
        QFETCH(int, fremder);
        TestOrdner o;
        Namensfelder einzel, doppel;
        // gruppe1 carries both halves into team 2's file; the other half stays as it was.
        o.zustand.gruppe1.setze_name(fremder, u"Bleibt"_s);
        o.zustand.gruppe1.setze_name(erster + 4, u"Alt"_s);
        auswahl_speichern(o.zustand, m_plattform, mannschaft_aus_nummer(mannschaft), true,
                          {{u"Zeller"_s}, {u"Abel"_s, u"Bäcker"_s, u"Cäsar"_s}}, einzel, doppel);

        QCOMPARE(gruppen_slots(o.pfad(datei), erster, erster + 19),
                 (QStringList{u"Abel"_s, u"Bäcker"_s, u"Cäsar"_s} + QStringList(17)));
        QCOMPARE(gruppen_slots(o.pfad(datei), fremder, fremder), QStringList{u"Bleibt"_s});
        const Auswahl gespeichert =
            auswahl_laden(o.zustand, mannschaft_aus_nummer(mannschaft), true);
        QCOMPARE(gespeichert.quelle, QStringList{u"Zeller"_s});
        QCOMPARE(gespeichert.ziel, (QStringList{u"Abel"_s, u"Bäcker"_s, u"Cäsar"_s}));
    }

    // The hand-over draws the stored participants into the team's line-up file.
    void uebergabe_lost_die_aufstellung_aus_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("spieler_pro_mannschaft");
        QTest::newRow("Einzel 1") << 1 << false << 5;
        QTest::newRow("Einzel 2") << 2 << false << 5;
        QTest::newRow("Doppel 1") << 1 << true << 2;
        QTest::newRow("Doppel 2") << 2 << true << 2;
    }
    void uebergabe_lost_die_aufstellung_aus()
    {
        QFETCH(int, mannschaft);
        QFETCH(bool, doppel);
        QFETCH(int, spieler_pro_mannschaft);
        TestOrdner o;
        o.zustand.optionen_lesen();
        o.zustand.setze(opt::mannschaft_nr, 2);
        Namensfelder einzel_felder, doppel_felder;
        const QStringList gewaehlt{u"Ärger"_s, u"Bode"_s, u"Çelik"_s, u"Dürr"_s, u"Eßer"_s};
        const Mannschaft m = mannschaft_aus_nummer(mannschaft);
        auswahl_speichern(o.zustand, m_plattform, m, doppel, {{}, gewaehlt}, einzel_felder,
                          doppel_felder);

        const int erster = grp::erster_slot(m);
        const QString datei = aufstellungsdatei(m);
        const QStringList aufstellung = gruppen_slots(o.pfad(datei), erster, erster + 4);
        QCOMPARE(sortiert(aufstellung), sortiert(gewaehlt));
        const int erstes_feld = !doppel && mannschaft == 2 ? 11 : 1;
        Namensfelder &felder = doppel ? doppel_felder : einzel_felder;
        for (int k = 0; k < 5; ++k)
            QCOMPARE(felder.text(erstes_feld + k), aufstellung.at(k));
        QCOMPARE((doppel ? einzel_felder : doppel_felder).text(1), QString());
        // The options as stored after the draw.
        TOptionen gespeichert;
        optionen_lesen(gespeichert, o.zustand.daten_pfad);
        QCOMPARE(gespeichert.wert(opt::spieler_pro_mannschaft), spieler_pro_mannschaft);
        QCOMPARE(gespeichert.wert(opt::mannschaft_nr), doppel ? mannschaft : 2);
    }

    void weniger_eintraege_leeren_die_slots_dahinter_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("datei");
        QTest::newRow("Einzel") << false << gruppe1_e_datei;
        QTest::newRow("Doppel") << true << gruppe1_d_datei;
    }
    void weniger_eintraege_leeren_die_slots_dahinter()
    {
        QFETCH(bool, doppel);
        QFETCH(QString, datei);
        TestOrdner o;
        Namensfelder einzel, paare;
        auswahl_speichern(o.zustand, m_plattform, Mannschaft::eins, doppel,
                          {{}, {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}}, einzel, paare);
        QVERIFY(!gruppen_slots(o.pfad(datei), 5, 5).constFirst().isEmpty());
        auswahl_speichern(o.zustand, m_plattform, Mannschaft::eins, doppel,
                          {{u"D"_s, u"E"_s}, {u"A"_s, u"B"_s, u"C"_s}}, einzel, paare);
        QCOMPARE(gruppen_slots(o.pfad(datei), 4, 5), QStringList(2));
        QCOMPARE(o.zustand.gruppe1.name(4), QString());
        QCOMPARE(o.zustand.gruppe1.name(5), QString());
        QCOMPARE(sortiert(gruppen_slots(o.pfad(datei), 1, 3)),
                 (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    }
};

QTEST_GUILESS_MAIN(TstAuswahldateien)
#include "tst_auswahldateien.moc"
