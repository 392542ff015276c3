#include "matchplan/tischschluessel.h"
#include "schreibschutz.h"
#include "shell/zusatz.h"
#include "test_ordner.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray geheimnis_a(32, 'a');
const QByteArray geheimnis_b(32, 'b');

Tischspiel spiel()
{
    return {false, 2, 3, u"Müller"_s, u"Schäfer"_s, QDate(2026, 12, 11)};
}

} // namespace

class TstTischschluessel : public QObject
{
    Q_OBJECT

private slots:
    void gleiches_spiel_gleicher_schluessel()
    {
        const QByteArray schluessel = tischschluessel(geheimnis_a, spiel());
        QCOMPARE(schluessel.size(), tischschluessel_laenge);
        QCOMPARE(tischschluessel(geheimnis_a, spiel()), schluessel);
        // Only characters that need no encoding in a path.
        for (char c : schluessel)
            QVERIFY2(QByteArrayView("-_").contains(c) || QChar::fromLatin1(c).isLetterOrNumber(),
                     schluessel.constData());
    }

    void anderes_spiel_anderer_schluessel_data()
    {
        QTest::addColumn<Tischspiel>("anderes");
        QTest::addColumn<QByteArray>("geheimnis");
        Tischspiel s = spiel();
        s.doppel = true;
        QTest::newRow("Spielart") << s << geheimnis_a;
        s = spiel();
        s.spalte = 3;
        QTest::newRow("Eintrag 1") << s << geheimnis_a;
        s = spiel();
        s.zeile = 2;
        QTest::newRow("Eintrag 2") << s << geheimnis_a;
        s = spiel();
        s.datum = s.datum.addDays(1);
        QTest::newRow("Tag") << s << geheimnis_a;
        s = spiel();
        s.name1 = u"Müller "_s;
        QTest::newRow("Name") << s << geheimnis_a;
        s = spiel();
        // The same letters split otherwise between the names.
        s.name1 = u"MüllerS"_s;
        s.name2 = u"chäfer"_s;
        QTest::newRow("Namensgrenze") << s << geheimnis_a;
        QTest::newRow("Geheimnis") << spiel() << geheimnis_b;
    }

    void anderes_spiel_anderer_schluessel()
    {
        QFETCH(Tischspiel, anderes);
        QFETCH(QByteArray, geheimnis);
        QVERIFY(tischschluessel(geheimnis, anderes) != tischschluessel(geheimnis_a, spiel()));
    }

    void vergleich_data()
    {
        const QByteArray richtig = tischschluessel(geheimnis_a, spiel());
        QTest::addColumn<QByteArray>("gesendet");
        QTest::addColumn<bool>("gleich");
        QTest::newRow("richtig") << richtig << true;
        QTest::newRow("leer") << QByteArray() << false;
        QTest::newRow("gekürzt") << richtig.first(23) << false;
        QTest::newRow("verlängert") << richtig + 'A' << false;
        QByteArray falsch = richtig;
        falsch[23] = falsch[23] == 'A' ? 'B' : 'A';
        QTest::newRow("letztes Zeichen") << falsch << false;
        QTest::newRow("Nullbytes") << QByteArray(24, '\0') << false;
    }

    void vergleich()
    {
        QFETCH(QByteArray, gesendet);
        QFETCH(bool, gleich);
        QCOMPARE(schluessel_gleich(gesendet, tischschluessel(geheimnis_a, spiel())), gleich);
    }

    void schluessel_findet_sein_spiel()
    {
        QList<Tischspiel> spiele;
        for (int spalte = 1; spalte <= 3; ++spalte) {
            for (int zeile = 1; zeile <= 3; ++zeile)
                spiele << Tischspiel{false,
                                     spalte,
                                     zeile,
                                     u"A%1"_s.arg(spalte),
                                     u"B%1"_s.arg(zeile),
                                     QDate(2026, 12, 11)};
        }
        for (const Tischspiel &s : spiele)
            QCOMPARE(spiel_zum_schluessel(tischschluessel(geheimnis_a, s), geheimnis_a, spiele), s);
        QVERIFY(
            !spiel_zum_schluessel(tischschluessel(geheimnis_b, spiele[4]), geheimnis_a, spiele));
        // Without a secret of the day no key opens anything.
        QVERIFY(!spiel_zum_schluessel(tischschluessel({}, spiele[4]), {}, spiele));
    }

    void geheimnis_bleibt_den_tag_ueber()
    {
        const TestOrdner t;
        const QDate heute(2026, 12, 11);
        const Tagesgeheimnis erstes = tagesgeheimnis(t.zustand.daten_pfad, heute);
        QVERIFY(!erstes.fehler);
        QCOMPARE(erstes.geheimnis.size(), tagesgeheimnis_laenge);
        QCOMPARE(tagesgeheimnis(t.zustand.daten_pfad, heute).geheimnis, erstes.geheimnis);
        QCOMPARE(tagesgeheimnis_lesen(t.zustand.daten_pfad, heute), erstes.geheimnis);
        // The next day, and "Neue Zettel", make another one.
        QVERIFY(tagesgeheimnis_lesen(t.zustand.daten_pfad, heute.addDays(1)).isEmpty());
        const QByteArray morgen = tagesgeheimnis(t.zustand.daten_pfad, heute.addDays(1)).geheimnis;
        QVERIFY(morgen != erstes.geheimnis);
        const QByteArray neu = tagesgeheimnis(t.zustand.daten_pfad, heute, true).geheimnis;
        QVERIFY(neu != erstes.geheimnis);
        QCOMPARE(tagesgeheimnis_lesen(t.zustand.daten_pfad, heute), neu);
    }

    void beschaedigtes_geheimnis_gilt_nicht_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("zu kurz") << "[Tischmeldungen]\nTag=2026-12-11\nGeheimnis=abcd\n"_ba;
        QTest::newRow("kein Hex") << "[Tischmeldungen]\nTag=2026-12-11\nGeheimnis=zz\n"_ba;
        QTest::newRow("kein Tag") << "[Tischmeldungen]\nGeheimnis=00\n"_ba;
    }

    void beschaedigtes_geheimnis_gilt_nicht()
    {
        QFETCH(QByteArray, inhalt);
        const TestOrdner t;
        QFile datei(t.pfad(QString::fromUtf16(zusatz_dateiname)));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        datei.close();
        QVERIFY(tagesgeheimnis_lesen(t.zustand.daten_pfad, QDate(2026, 12, 11)).isEmpty());
        QCOMPARE(tagesgeheimnis(t.zustand.daten_pfad, QDate(2026, 12, 11)).geheimnis.size(),
                 tagesgeheimnis_laenge);
    }

    void geheimnis_das_nicht_bleibt_wird_gemeldet()
    {
        const TestOrdner t;
        const Schreibschutz schutz(t.ordner.path());
        const Tagesgeheimnis geheimnis = tagesgeheimnis(t.zustand.daten_pfad, QDate(2026, 12, 11));
        QVERIFY(geheimnis.fehler);
        QCOMPARE(geheimnis.geheimnis.size(), tagesgeheimnis_laenge);
    }

    void adresse_des_zettels()
    {
        QCOMPARE(tischadresse(u"http://192.168.1.20:8080/"_s, "abc"),
                 u"http://192.168.1.20:8080/e/abc"_s);
        QCOMPARE(tischadresse(u"http://192.168.1.20:8080"_s, "abc"),
                 u"http://192.168.1.20:8080/e/abc"_s);
    }
};

QTEST_GUILESS_MAIN(TstTischschluessel)
#include "tst_tischschluessel.moc"
