#include "matchplan/tischmeldungen.h"
#include "schreibschutz.h"
#include "test_ordner.h"

#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime um_zwei(QDate(2026, 12, 11), QTime(14, 3, 5));

Tischmeldung meldung(int spalte, int zeile, int tore1, int tore2, int sekunden = 0)
{
    Tischmeldung m;
    m.spiel = {false, spalte, zeile, u"Müller"_s, u"Schäfer"_s, um_zwei.date()};
    m.runde = 3;
    m.tisch = 2;
    m.tore1 = tore1;
    m.tore2 = tore2;
    m.zeitpunkt = um_zwei.addSecs(sekunden);
    m.adresse = u"192.168.1.23"_s;
    return m;
}

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

class TstTischmeldungen : public QObject
{
    Q_OBJECT

private slots:
    void aelteste_zuerst_und_ersetzt()
    {
        Tischmeldungen liste;
        QVERIFY(!liste.melden(meldung(1, 1, 3, 2, 0)));
        QVERIFY(!liste.melden(meldung(2, 2, 1, 0, 5)));
        // A second proposal for the first game replaces it and goes behind the others.
        const std::optional<Tischmeldung> ersetzt = liste.melden(meldung(1, 1, 2, 3, 9));
        QVERIFY(ersetzt);
        QCOMPARE(ersetzt->tore1, 3);
        QCOMPARE(liste.offen().size(), 2);
        QCOMPARE(liste.offen()[0].spiel.spalte, 2);
        QCOMPARE(liste.offen()[1].tore1, 2);
        QCOMPARE(liste.ende(meldung(1, 1, 0, 0).spiel).art, Meldungsende::offen);
    }

    void ende_bleibt_fuer_die_seite()
    {
        Tischmeldungen liste;
        liste.melden(meldung(1, 1, 3, 2));
        liste.melden(meldung(2, 2, 1, 0));
        QVERIFY(!liste.beenden(2, Meldungsende::verworfen));
        const std::optional<Tischmeldung> genommen = liste.beenden(0, Meldungsende::uebernommen);
        QVERIFY(genommen);
        QCOMPARE(genommen->spiel.spalte, 1);
        liste.beenden(0, Meldungsende::verworfen);
        QVERIFY(liste.offen().isEmpty());
        const Meldungsende ende = liste.ende(meldung(1, 1, 0, 0).spiel);
        QCOMPARE(ende.art, Meldungsende::uebernommen);
        QCOMPARE(ende.tore1, 3);
        QCOMPARE(liste.ende(meldung(2, 2, 0, 0).spiel).art, Meldungsende::verworfen);
        QCOMPARE(liste.ende(meldung(3, 3, 0, 0).spiel).art, Meldungsende::keins);
        liste.leeren();
        QCOMPARE(liste.ende(meldung(1, 1, 0, 0).spiel).art, Meldungsende::keins);
    }

    void texte_data()
    {
        QTest::addColumn<QString>("steht");
        QTest::addColumn<int>("sekunden");
        QTest::addColumn<QString>("text");
        QTest::newRow("neu") << QString() << 20
                             << u"Tisch 2 · Runde 3: Müller – Schäfer 3:2 (vor 20 s, von "
                                u"192.168.1.23)"_s;
        QTest::newRow("Korrektur") << u"2:3"_s << 130
                                   << u"Tisch 2 · Runde 3: Müller – Schäfer: steht 2:3, gemeldet "
                                      u"3:2 (vor 2 min, von 192.168.1.23)"_s;
    }

    void texte()
    {
        QFETCH(QString, steht);
        QFETCH(int, sekunden);
        QFETCH(QString, text);
        Tischmeldung m = meldung(1, 2, 3, 2);
        m.steht = steht;
        QCOMPARE(meldungstext(m, um_zwei.addSecs(sekunden)), text);
    }

    void zelle_in_ihrer_reihenfolge_data()
    {
        QTest::addColumn<QString>("zelle");
        QTest::addColumn<QString>("stand");
        // The cell holds team 2's score first; shown, team 1's comes first.
        QTest::newRow("Ergebnis") << u"2:3"_s << u"3:2"_s;
        QTest::newRow("mit Bemerkung") << u"10:7 n.V."_s << u"7:10"_s;
        QTest::newRow("leer") << QString() << QString();
        QTest::newRow("halb") << u"3:"_s << QString();
        QTest::newRow("kein Ergebnis") << u"9:x"_s << QString();
    }

    void zelle_in_ihrer_reihenfolge()
    {
        QFETCH(QString, zelle);
        QFETCH(QString, stand);
        QCOMPARE(stand_aus_zelle(zelle), stand);
        const Tischmeldung m = meldung(1, 2, 3, 12);
        QCOMPARE(meldung_zellentext(m), u"12:3"_s);
        QCOMPARE(stand_aus_zelle(meldung_zellentext(m)), meldung_tore(m));
    }

    void protokoll_in_1252_mit_cr_lf()
    {
        const TestOrdner t;
        const QString pfad = t.pfad(tischmeldungen_datei);
        Tischmeldung m = meldung(1, 2, 3, 2);
        m.spiel.name2 = u"Sch;äfer\nX"_s;
        QVERIFY(meldungszeile_anhaengen(pfad, meldungszeile(m, um_zwei, u"gemeldet"_s)));
        QVERIFY(
            meldungszeile_anhaengen(pfad, meldungszeile(m, um_zwei.addSecs(20), u"übernommen"_s)));
        QCOMPARE(lesen(pfad), "11.12.2026;14:03:05;192.168.1.23;Einzelspiel;3;2;M\xfcller;"
                              "Sch \xe4"
                              "fer X;3:2;gemeldet\r\n"
                              "11.12.2026;14:03:25;192.168.1.23;Einzelspiel;3;2;M\xfcller;"
                              "Sch \xe4"
                              "fer X;3:2;\xfc"
                              "bernommen\r\n"_ba);
    }

    void protokoll_schreibfehler_wird_gesagt()
    {
        const TestOrdner t;
        const Schreibschutz schutz(t.ordner.path());
        QVERIFY(
            !meldungszeile_anhaengen(t.pfad(tischmeldungen_datei),
                                     meldungszeile(meldung(1, 1, 1, 1), um_zwei, u"ersetzt"_s)));
    }
};

QTEST_GUILESS_MAIN(TstTischmeldungen)
#include "tst_tischmeldungen.moc"
