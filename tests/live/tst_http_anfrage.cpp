#include "live/http_anfrage.h"
#include "live/http_antwort.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(HttpLage)

class TstHttpAnfrage : public QObject
{
    Q_OBJECT

private slots:
    void lesen_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<HttpLage>("lage");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("methode");
        QTest::addColumn<QByteArray>("pfad");

        const auto fertig = HttpLage::fertig;
        const auto offen = HttpLage::unvollstaendig;
        const auto falsch = HttpLage::fehlerhaft;
        QTest::newRow("GET") << QByteArray("GET / HTTP/1.1\r\nHost: 127.0.0.1:8080\r\n\r\n")
                             << fertig << 0 << QByteArray("GET") << QByteArray("/");
        QTest::newRow("ohne Kopfzeilen") << QByteArray("GET /app.js HTTP/1.0\r\n\r\n") << fertig
                                         << 0 << QByteArray("GET") << QByteArray("/app.js");
        QTest::newRow("Abfrage und Anker")
            << QByteArray("GET /stand.json?t=1#x HTTP/1.1\r\n\r\n") << fertig << 0
            << QByteArray("GET") << QByteArray("/stand.json");
        QTest::newRow("POST mit Inhalt")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc") << fertig << 0
            << QByteArray("POST") << QByteArray("/");
        QTest::newRow("leer") << QByteArray() << offen << 0 << QByteArray() << QByteArray();
        QTest::newRow("halbe Methode")
            << QByteArray("GE") << offen << 0 << QByteArray() << QByteArray();
        QTest::newRow("halber Kopf") << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n") << offen << 0
                                     << QByteArray() << QByteArray();
        QTest::newRow("Binärmüll") << QByteArray("\x16\x03\x01\x02\x00", 5) << falsch << 400
                                   << QByteArray() << QByteArray();
        QTest::newRow("Kleinbuchstaben") << QByteArray("get / HTTP/1.1\r\n\r\n") << falsch << 400
                                         << QByteArray() << QByteArray();
        QTest::newRow("Methode zu lang")
            << QByteArray(40, 'G') << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Ziel ohne Schrägstrich") << QByteArray("GET stand.json HTTP/1.1\r\n\r\n")
                                                << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Steuerzeichen im Ziel") << QByteArray("GET /a\x01 HTTP/1.1\r\n\r\n")
                                               << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2.0\r\n\r\n") << falsch << 505
                                << QByteArray() << QByteArray();
        QTest::newRow("gefaltete Kopfzeile")
            << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n b\r\n\r\n") << falsch << 400
            << QByteArray() << QByteArray();
        QTest::newRow("Kopfzeile ohne Doppelpunkt")
            << QByteArray("GET / HTTP/1.1\r\nHost\r\n\r\n") << falsch << 400 << QByteArray()
            << QByteArray();
        QTest::newRow("1 MB Anfragezeile") << QByteArray("GET /" + QByteArray(1024 * 1024, 'a'))
                                           << falsch << 414 << QByteArray() << QByteArray();
        QByteArray viele = "GET / HTTP/1.1\r\n";
        for (int i = 0; i < 10000; ++i)
            viele += "X-A: 1\r\n";
        QTest::newRow("10000 Kopfzeilen") << viele << falsch << 431 << QByteArray() << QByteArray();
        QByteArray grenze = "GET / HTTP/1.1\r\n";
        for (int i = 0; i <= http_kopfzeilen_hoechstens; ++i)
            grenze += "X: 1\r\n";
        QTest::newRow("eine Kopfzeile zu viel") << grenze + "\r\n"
                                                << falsch << 431 << QByteArray() << QByteArray();
    }
    void lesen()
    {
        QFETCH(QByteArray, daten);
        QFETCH(HttpLage, lage);
        QFETCH(int, status);
        QFETCH(QByteArray, methode);
        QFETCH(QByteArray, pfad);
        const HttpLesung lesung = http_anfrage_lesen(daten);
        QCOMPARE(lesung.lage, lage);
        QCOMPARE(lesung.status, status);
        QCOMPARE(lesung.anfrage.methode, methode);
        QCOMPARE(lesung.anfrage.pfad, pfad);
    }

    void websocket_und_host()
    {
        const HttpLesung lesung = http_anfrage_lesen(
            "GET /live HTTP/1.1\r\nhost:  192.168.1.23:8080 \r\nConnection: keep-alive, Upgrade\r\n"
            "upgrade: WebSocket\r\nSec-WebSocket-Version: 13\r\n\r\n");
        QCOMPARE(lesung.lage, HttpLage::fertig);
        QVERIFY(lesung.anfrage.websocket);
        QCOMPARE(lesung.anfrage.host, QByteArray("192.168.1.23:8080"));
        QVERIFY(!http_anfrage_lesen("GET /live HTTP/1.1\r\nUpgrade: websocket\r\n\r\n")
                     .anfrage.websocket);
    }

    void nur_die_eigenen_pfade()
    {
        QCOMPARE(live_ziel("/"), LiveZiel::seite);
        QCOMPARE(live_ziel("/stand.json"), LiveZiel::stand);
        QCOMPARE(live_ziel("/live"), LiveZiel::live);
        for (const char *pfad : {"/../stand.json", "/app.js/", "//app.js", "/%2e%2e/etc/passwd",
                                 "/APP.JS", "/stand.json/.."})
            QCOMPARE(live_ziel(pfad), LiveZiel::unbekannt);
    }

    void antwort_mit_schutzkoepfen()
    {
        const QByteArray antwort =
            http_antwort(200, "application/json; charset=utf-8", "{}", "192.168.1.23:8080");
        QVERIFY(antwort.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(antwort.contains("\r\nContent-Length: 2\r\n"));
        QVERIFY(antwort.contains("\r\nContent-Security-Policy: default-src 'self'; connect-src "
                                 "'self' ws://192.168.1.23:8080; frame-ancestors 'none'\r\n"));
        QVERIFY(antwort.contains("\r\nX-Content-Type-Options: nosniff\r\n"));
        QVERIFY(antwort.contains("\r\nCache-Control: no-store\r\n"));
        QVERIFY(antwort.endsWith("\r\n\r\n{}"));
        // A forged Host cannot put anything into the headers.
        const QByteArray falsch = http_antwort(200, "text/plain", "", "a\r\nSet-Cookie: x=1");
        QVERIFY(!falsch.contains("Set-Cookie"));
        QVERIFY(falsch.contains("connect-src 'self'; frame"));
    }

    void fehlerseiten_auf_deutsch()
    {
        const QByteArray nicht_da = http_fehler(404);
        QVERIFY(nicht_da.startsWith("HTTP/1.1 404 Not Found\r\n"));
        QVERIFY(nicht_da.contains("<html lang=\"de\">"));
        QVERIFY(nicht_da.contains("Diese Seite gibt es nicht."));
        const QByteArray methode = http_fehler(405);
        QVERIFY(methode.startsWith("HTTP/1.1 405 Method Not Allowed\r\n"));
        QVERIFY(methode.contains("\r\nAllow: GET\r\n"));
        QVERIFY(http_fehler(503).contains("Zu viele Verbindungen."));
    }
};

QTEST_GUILESS_MAIN(TstHttpAnfrage)
#include "tst_http_anfrage.moc"
