#include "live/http_anfrage.h"
#include "live/http_antwort.h"
#include "live/tischroute.h"
#include "shell/tischannahme.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray schluessel = "AAAAAAAAAAAAAAAAAAAAAAAA";
const QByteArray host = "127.0.0.1:8080";

// A plan with one game behind one key; it counts what it was told.
struct Annahme : Tischannahme
{
    int gemeldet = 0;
    int tore1 = -1;
    int tore2 = -1;

    std::optional<Tischlage> lage(QByteArrayView gesendet) override
    {
        if (gesendet != schluessel)
            return std::nullopt;
        Tischlage lage{3, 2, u"Müller"_s, u"Grün"_s, u"<b>Schäfer</b>"_s, u"Rot"_s, {}, {}, 0, 0};
        if (gemeldet > 0) {
            lage.ende = Tischlage::offen;
            lage.tore1 = tore1;
            lage.tore2 = tore2;
        }
        return lage;
    }
    bool melden(QByteArrayView gesendet, int eins, int zwei, const QString &) override
    {
        if (gesendet != schluessel)
            return false;
        ++gemeldet;
        tore1 = eins;
        tore2 = zwei;
        return true;
    }
};

QByteArray post(const QByteArray &koepfe, const QByteArray &koerper,
                const QByteArray &pfad = "/e/" + schluessel)
{
    return "POST " + pfad + " HTTP/1.1\r\nHost: " + host + "\r\n" + koepfe + "\r\n" + koerper;
}

QByteArray laenge(const QByteArray &koerper)
{
    return "Content-Length: " + QByteArray::number(koerper.size()) + "\r\n";
}

Tischroute::Antwort senden(Tischroute &route, const QByteArray &anfrage, qint64 jetzt = 0,
                           const QString &adresse = u"192.168.1.23"_s)
{
    const HttpLesung lesung = http_anfrage_lesen(anfrage);
    // A head the reader refuses is answered by the server before the route is asked.
    if (lesung.lage != HttpLage::fertig)
        return {true, lesung.status, http_fehler(lesung.status, host)};
    return route.beantworten(lesung.anfrage, QByteArrayView(anfrage).sliced(lesung.kopf_laenge),
                             host, adresse, jetzt);
}

} // namespace

class TstTischroute : public QObject
{
    Q_OBJECT

private slots:
    void seite_und_meldung()
    {
        Annahme annahme;
        Tischroute route;
        route.annahme_setzen(&annahme);
        route.annehmen(true);
        const Tischroute::Antwort seite =
            senden(route, "GET /e/" + schluessel + " HTTP/1.1\r\nHost: " + host + "\r\n\r\n");
        QCOMPARE(seite.status, 200);
        const QString html = QString::fromUtf8(seite.bytes);
        QVERIFY(html.contains(u"<h1>Runde 3 · Tisch 2</h1>"_s));
        QVERIFY(html.contains(u"&lt;b&gt;Schäfer&lt;/b&gt;"_s));
        QVERIFY(!html.contains(u"<b>Schäfer"_s));
        QVERIFY(html.contains(u"inputmode=\"numeric\""_s));
        QVERIFY(html.contains(u"Ergebnis melden"_s));
        QVERIFY(!html.contains(QString::fromLatin1(schluessel)));

        const QByteArray koerper = "t1=3&t2=2";
        const Tischroute::Antwort gesendet = senden(route, post(laenge(koerper), koerper));
        QCOMPARE(gesendet.status, 303);
        QVERIFY(gesendet.bytes.contains("\r\nLocation: /e/" + schluessel + "\r\n"));
        QCOMPARE(annahme.gemeldet, 1);
        QCOMPARE(annahme.tore1, 3);
        QCOMPARE(annahme.tore2, 2);
        const Tischroute::Antwort danach =
            senden(route, "GET /e/" + schluessel + " HTTP/1.1\r\nHost: " + host + "\r\n\r\n");
        QVERIFY(QString::fromUtf8(danach.bytes)
                    .contains(u"Gemeldet: 3:2. Der Turnierleiter trägt es gleich ein."_s));
    }

    void koerper_kommt_in_teilen()
    {
        Annahme annahme;
        Tischroute route;
        route.annahme_setzen(&annahme);
        route.annehmen(true);
        const QByteArray koerper = "t1=3&t2=2";
        const QByteArray ganz = post(laenge(koerper), koerper);
        QVERIFY(!senden(route, ganz.chopped(1)).vollstaendig);
        QCOMPARE(annahme.gemeldet, 0);
        QCOMPARE(senden(route, ganz).status, 303);
    }

    void feindliches_aendert_nichts_data()
    {
        QTest::addColumn<QByteArray>("anfrage");
        QTest::addColumn<bool>("an");
        QTest::addColumn<int>("status");
        const QByteArray gut = "t1=3&t2=2";
        QByteArray beschaedigt = schluessel;
        beschaedigt[23] = 'B';
        QTest::newRow("aus") << post(laenge(gut), gut) << false << 404;
        QTest::newRow("unbekannter Schlüssel")
            << post(laenge(gut), gut, "/e/" + QByteArray(24, 'B')) << true << 404;
        QTest::newRow("beschädigter Schlüssel")
            << post(laenge(gut), gut, "/e/" + beschaedigt) << true << 404;
        QTest::newRow("kurzer Schlüssel") << post(laenge(gut), gut, "/e/A") << true << 404;
        QTest::newRow("leerer Schlüssel") << post(laenge(gut), gut, "/e/") << true << 404;
        QTest::newRow("drei Ziffern") << post(laenge("t1=100&t2=2"), "t1=100&t2=2") << true << 400;
        QTest::newRow("Buchstaben") << post(laenge("t1=x&t2=2"), "t1=x&t2=2") << true << 400;
        const QByteArray lang = gut + '&' + QByteArray(300, 'x');
        QTest::newRow("zu lang") << post(laenge(lang), lang) << true << 413;
        QTest::newRow("ohne Länge") << post({}, gut) << true << 400;
        QTest::newRow("zwei Längen") << post(laenge(gut) + laenge(gut), gut) << true << 400;
        QTest::newRow("Länge kein Wert") << post("Content-Length: 9x\r\n", gut) << true << 400;
        QTest::newRow("negative Länge") << post("Content-Length: -9\r\n", gut) << true << 400;
        QTest::newRow("Transfer-Encoding")
            << post(laenge(gut) + "Transfer-Encoding: chunked\r\n", gut) << true << 400;
        QTest::newRow("Expect") << post(laenge(gut) + "Expect: 100-continue\r\n", gut) << true
                                << 400;
        QTest::newRow("fremdes Origin")
            << post(laenge(gut) + "Origin: http://evil.example\r\n", gut) << true << 403;
        QTest::newRow("fremder Host")
            << "POST /e/" + schluessel + " HTTP/1.1\r\nHost: evil.example:8080\r\n" + laenge(gut) +
                   "\r\n" + gut
            << true << 421;
        QTest::newRow("PUT") << "PUT /e/" + schluessel + " HTTP/1.1\r\nHost: " + host + "\r\n" +
                                    laenge(gut) + "\r\n" + gut
                             << true << 405;
        QTest::newRow("DELETE") << "DELETE /e/" + schluessel + " HTTP/1.1\r\nHost: " + host +
                                       "\r\n\r\n"
                                << true << 405;
    }

    void feindliches_aendert_nichts()
    {
        QFETCH(QByteArray, anfrage);
        QFETCH(bool, an);
        QFETCH(int, status);
        Annahme annahme;
        Tischroute route;
        route.annahme_setzen(&annahme);
        route.annehmen(an);
        const Tischroute::Antwort antwort = senden(route, anfrage);
        QCOMPARE(antwort.status, status);
        QVERIFY(antwort.bytes.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '));
        QCOMPARE(annahme.gemeldet, 0);
        // Every failure of a key looks like any unknown path: nothing tells how close it came.
        if (status == 404)
            QCOMPARE(antwort.bytes, http_fehler(404, host));
    }

    void elf_meldungen_in_einer_minute()
    {
        Annahme annahme;
        Tischroute route;
        route.annahme_setzen(&annahme);
        route.annehmen(true);
        const QByteArray koerper = "t1=3&t2=2";
        for (int i = 0; i < Tischroute::meldungen_je_minute; ++i)
            QCOMPARE(senden(route, post(laenge(koerper), koerper), i * 1000).status, 303);
        QCOMPARE(senden(route, post(laenge(koerper), koerper), 30'000).status, 429);
        QCOMPARE(annahme.gemeldet, Tischroute::meldungen_je_minute);
        // Another phone still gets through, and this one after its minute.
        QCOMPARE(senden(route, post(laenge(koerper), koerper), 30'000, u"192.168.1.24"_s).status,
                 303);
        QCOMPARE(senden(route, post(laenge(koerper), koerper), 61'000).status, 303);
    }

    void falsche_schluessel_werden_gebremst()
    {
        Annahme annahme;
        Tischroute route;
        route.annahme_setzen(&annahme);
        route.annehmen(true);
        const QByteArray falsch =
            "GET /e/" + QByteArray(24, 'C') + " HTTP/1.1\r\nHost: " + host + "\r\n\r\n";
        for (int i = 0; i < Tischroute::fehlversuche_je_minute; ++i)
            QCOMPARE(senden(route, falsch, i).status, 404);
        // Now even the right key gets no answer from this address for a while.
        const QByteArray richtig =
            "GET /e/" + schluessel + " HTTP/1.1\r\nHost: " + host + "\r\n\r\n";
        QCOMPARE(senden(route, richtig, 100).status, 429);
        QCOMPARE(senden(route, richtig, 100, u"192.168.1.24"_s).status, 200);
        // Guessing from many addresses meets the overall bound.
        for (int i = 0; i < Tischroute::fehlversuche_gesamt_je_minute; ++i)
            senden(route, falsch, 200, u"10.0.%1.%2"_s.arg(i / 200).arg(i % 200));
        QCOMPARE(senden(route, richtig, 300, u"192.168.1.25"_s).status, 429);
    }
};

QTEST_GUILESS_MAIN(TstTischroute)
#include "tst_tischroute.moc"
