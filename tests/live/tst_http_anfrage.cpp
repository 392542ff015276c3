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
            << QByteArray("GET /stand.json?t=1#x HTTP/1.1\r\nHost: a:1\r\n\r\n") << fertig << 0
            << QByteArray("GET") << QByteArray("/stand.json");
        QTest::newRow("POST mit Inhalt")
            << QByteArray("POST / HTTP/1.1\r\nHost: a:1\r\nContent-Length: 3\r\n\r\nabc") << fertig
            << 0 << QByteArray("POST") << QByteArray("/");
        QTest::newRow("OPTIONS *") << QByteArray("OPTIONS * HTTP/1.1\r\nHost: a:1\r\n\r\n")
                                   << fertig << 0 << QByteArray("OPTIONS") << QByteArray("*");
        QTest::newRow("* nur für OPTIONS") << QByteArray("GET * HTTP/1.1\r\nHost: a:1\r\n\r\n")
                                           << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("HTTP/1.1 ohne Host") << QByteArray("GET / HTTP/1.1\r\nX: 1\r\n\r\n")
                                            << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("zwei Host") << QByteArray("GET / HTTP/1.1\r\nHost: a:1\r\nhost: b:1\r\n\r\n")
                                   << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("zwei Origin")
            << QByteArray("GET / HTTP/1.1\r\nHost: a:1\r\nOrigin: http://a:1\r\nOrigin: x\r\n\r\n")
            << falsch << 400 << QByteArray() << QByteArray();
        const QByteArray kopf = "GET / HTTP/1.1\r\nHost: a:1\r\n";
        QTest::newRow("NUL im Wert") << kopf + QByteArray("X: a\0b\r\n\r\n", 10) << falsch << 400
                                     << QByteArray() << QByteArray();
        QTest::newRow("CR allein im Wert") << kopf + "X: a\rb\r\n\r\n"
                                           << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("LF allein im Wert") << kopf + "X: a\nb\r\n\r\n"
                                           << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("CR allein im Host") << QByteArray("GET / HTTP/1.1\r\nHost: a\r:1\r\n\r\n")
                                           << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Tab im Wert") << kopf + "X: a\tb\r\n\r\n"
                                     << fertig << 0 << QByteArray("GET") << QByteArray("/");
        QTest::newRow("zwei Content-Length")
            << kopf + "Content-Length: 3\r\nContent-Length: 3\r\n\r\nabc" << falsch << 400
            << QByteArray() << QByteArray();
        QTest::newRow("Content-Length mit Vorzeichen")
            << kopf + "Content-Length: +3\r\n\r\nabc" << falsch << 400 << QByteArray()
            << QByteArray();
        QTest::newRow("Content-Length als Liste") << kopf + "Content-Length: 3, 3\r\n\r\nabc"
                                                  << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Content-Length riesig")
            << kopf + "Content-Length: 99999999999999999999\r\n\r\n"
            << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Transfer-Encoding") << kopf + "Transfer-Encoding: chunked\r\n\r\n"
                                           << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Transfer-Encoding leer") << kopf + "transfer-encoding:\r\n\r\n"
                                                << falsch << 400 << QByteArray() << QByteArray();
        QTest::newRow("Expect") << kopf + "Expect: 100-continue\r\n\r\n"
                                << falsch << 400 << QByteArray() << QByteArray();
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
        const QByteArray kopf =
            "GET /live HTTP/1.1\r\nhost:  192.168.1.23:8080 \r\nConnection: keep-alive, Upgrade\r\n"
            "upgrade: WebSocket\r\nORIGIN: http://192.168.1.23:8080\r\nContent-Length: 0\r\n"
            "Sec-WebSocket-Version: 13\r\n\r\n";
        const HttpLesung lesung = http_anfrage_lesen(kopf + "nach dem Kopf");
        QCOMPARE(lesung.lage, HttpLage::fertig);
        QVERIFY(lesung.anfrage.websocket);
        QCOMPARE(lesung.anfrage.host, QByteArray("192.168.1.23:8080"));
        QVERIFY(lesung.anfrage.hat_origin);
        QCOMPARE(lesung.anfrage.origin, QByteArray("http://192.168.1.23:8080"));
        QCOMPARE(lesung.anfrage.inhalt_laenge, std::optional<qint64>(0));
        QCOMPARE(lesung.kopf_laenge, kopf.size());
        const HttpLesung ohne =
            http_anfrage_lesen("GET /live HTTP/1.0\r\nUpgrade: websocket\r\n\r\n");
        QCOMPARE(ohne.lage, HttpLage::fertig);
        QVERIFY(!ohne.anfrage.websocket);
        QVERIFY(!ohne.anfrage.hat_host);
        QVERIFY(!ohne.anfrage.hat_origin);
        QVERIFY(!ohne.anfrage.inhalt_laenge);
    }

    // Fed a growing head with what the last call searched, the reader decides as it would on
    // the whole of it at once, wherever the end of the head falls.
    void tropfenweise_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<int>("schritt");
        const QByteArray kopf = "GET /stand.json HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nX: 1\r\n\r\n";
        QTest::newRow("Byte um Byte") << kopf << 1;
        QTest::newRow("zu dritt") << kopf << 3;
        QTest::newRow("mit Rest") << kopf + "abc" << 2;
        QTest::newRow("Müll ohne Ende") << QByteArray("GET /") + QByteArray(9000, 'a') << 7;
        QTest::newRow("fehlerhaft")
            << QByteArray("GET / HTTP/1.1\r\nHost: a\r\nX: \0\r\n\r\n", 33) << 1;
    }
    void tropfenweise()
    {
        QFETCH(QByteArray, daten);
        QFETCH(int, schritt);
        qsizetype durchsucht = 0;
        for (qsizetype laenge = 0; laenge <= daten.size(); laenge += schritt) {
            const QByteArrayView teil = QByteArrayView(daten).first(laenge);
            const HttpLesung stueck = http_anfrage_lesen(teil, durchsucht);
            const HttpLesung ganz = http_anfrage_lesen(teil);
            QCOMPARE(stueck.lage, ganz.lage);
            QCOMPARE(stueck.status, ganz.status);
            QCOMPARE(stueck.kopf_laenge, ganz.kopf_laenge);
            QCOMPARE(stueck.anfrage.pfad, ganz.anfrage.pfad);
            QCOMPARE(stueck.anfrage.host, ganz.anfrage.host);
            // What was searched is never searched again.
            QVERIFY(stueck.lage != HttpLage::unvollstaendig || stueck.durchsucht >= durchsucht);
            durchsucht = stueck.durchsucht;
            if (stueck.lage != HttpLage::unvollstaendig)
                break;
        }
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
                                 "'self' ws://192.168.1.23:8080; frame-ancestors 'none'; "
                                 "base-uri 'none'; form-action 'self'\r\n"));
        QVERIFY(antwort.contains("\r\nX-Content-Type-Options: nosniff\r\n"));
        QVERIFY(antwort.contains("\r\nX-Frame-Options: DENY\r\n"));
        QVERIFY(antwort.contains("\r\nCross-Origin-Resource-Policy: same-origin\r\n"));
        QVERIFY(antwort.contains("\r\nCross-Origin-Opener-Policy: same-origin\r\n"));
        QCOMPARE(http_nur_kopf(antwort), antwort.chopped(2));
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
        QVERIFY(methode.contains("\r\nAllow: GET, HEAD\r\n"));
        QVERIFY(http_fehler(421).startsWith("HTTP/1.1 421 Misdirected Request\r\n"));
        QVERIFY(http_fehler(403).startsWith("HTTP/1.1 403 Forbidden\r\n"));
        QVERIFY(http_fehler(503).contains("Zu viele Verbindungen."));
    }
};

QTEST_GUILESS_MAIN(TstHttpAnfrage)
#include "tst_http_anfrage.moc"
