#include "live/live_server.h"
#include "live_testhilfe.h"

#include <QTcpServer>
#include <QWebSocket>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace live_test;

class TstLiveServer : public QObject
{
    Q_OBJECT

private slots:
    void seite_und_stand()
    {
        Laufend l;
        QVERIFY(l.port != 0);
        Anfrage seite(l.port, http_get(l.port, "/"));
        QVERIFY(seite.geschlossen);
        QVERIFY(seite.antwort.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(seite.kopf().contains("Content-Type: text/html; charset=utf-8\r\n"));
        QVERIFY(seite.kopf().contains("Content-Security-Policy: default-src 'self'; connect-src "
                                      "'self' ws://127.0.0.1:" +
                                      QByteArray::number(l.port)));
        QVERIFY(seite.kopf().contains("X-Content-Type-Options: nosniff\r\n"));
        QVERIFY(seite.kopf().contains("X-Frame-Options: DENY\r\n"));
        QVERIFY(seite.inhalt().contains("<html lang=\"de\">"));
        QVERIFY(seite.inhalt().contains("src=\"/app.js\""));

        Anfrage skript(l.port, http_get(l.port, "/app.js"));
        QVERIFY(skript.kopf().contains("Content-Type: text/javascript; charset=utf-8\r\n"));
        QVERIFY(skript.inhalt().contains("textContent"));
        QVERIFY(!skript.inhalt().contains("innerHTML"));
        Anfrage stil(l.port, "GET /app.css HTTP/1.0\r\n\r\n");
        QVERIFY(stil.kopf().contains("Content-Type: text/css; charset=utf-8\r\n"));
        QVERIFY(stil.inhalt().contains("prefers-color-scheme: dark"));

        l.server.senden(dokument(7));
        Anfrage stand(l.port, http_get(l.port, "/stand.json?t=1"));
        QVERIFY(stand.kopf().contains("Content-Type: application/json; charset=utf-8\r\n"));
        QVERIFY(stand.kopf().contains("Cache-Control: no-store\r\n"));
        QCOMPARE(stand.inhalt(), dokument(7));

        // HEAD: the headers of GET, no body.
        Anfrage kopf(l.port, http_get(l.port, "/stand.json", "HEAD"));
        QVERIFY(kopf.geschlossen);
        QCOMPARE(kopf.antwort, stand.kopf() + "\r\n");
        // Without Host (HTTP/1.0) the page still names the address it was reached at.
        Anfrage alt(l.port, "GET / HTTP/1.0\r\n\r\n");
        QVERIFY(alt.kopf().contains(
            "connect-src 'self' ws://127.0.0.1:" + QByteArray::number(l.port) + ";"));
    }

    void nur_ansehen_data()
    {
        QTest::addColumn<QByteArray>("anfrage");
        QTest::addColumn<QByteArray>("status");
        // {port} becomes the server's port.
        const QByteArray host = "Host: 127.0.0.1:{port}\r\n";
        const QByteArray upgrade = "GET /live HTTP/1.1\r\n" + host +
                                   "Connection: Upgrade\r\nUpgrade: websocket\r\n"
                                   "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                                   "Sec-WebSocket-Version: 13\r\n";
        QTest::newRow("unbekannt") << "GET /admin HTTP/1.1\r\n" + host + "\r\n"
                                   << QByteArray("404");
        QTest::newRow("..") << "GET /../../etc/passwd HTTP/1.1\r\n" + host + "\r\n"
                            << QByteArray("404");
        QTest::newRow("verschlüsseltes ..")
            << "GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n" + host + "\r\n"
            << QByteArray("404");
        QTest::newRow("POST") << "POST /stand.json HTTP/1.1\r\n" + host +
                                     "Content-Length: 11\r\n\r\n{\"plan\":1}\n"
                              << QByteArray("405");
        QTest::newRow("PUT") << "PUT / HTTP/1.1\r\n" + host + "\r\n" << QByteArray("405");
        QTest::newRow("OPTIONS *") << "OPTIONS * HTTP/1.1\r\n" + host + "\r\n" << QByteArray("405");
        QTest::newRow("OPTIONS /live") << "OPTIONS /live HTTP/1.1\r\n" + host + "\r\n"
                                       << QByteArray("405");
        QTest::newRow("live ohne Upgrade") << "GET /live HTTP/1.1\r\n" + host + "\r\n"
                                           << QByteArray("426");
        QTest::newRow("Binärmüll")
            << QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1", 9) << QByteArray("400");
        QTest::newRow("HTTP/2") << QByteArray("PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n")
                                << QByteArray("400");
        // A name of another site that points here (DNS rebinding) reads nothing.
        QTest::newRow("fremder Host")
            << QByteArray("GET /stand.json HTTP/1.1\r\nHost: evil.example:{port}\r\n\r\n")
            << QByteArray("421");
        QTest::newRow("anderer Port")
            << QByteArray("GET /stand.json HTTP/1.1\r\nHost: 127.0.0.1:1\r\n\r\n")
            << QByteArray("421");
        QTest::newRow("Host ohne Port")
            << QByteArray("GET /stand.json HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n")
            << QByteArray("421");
        QTest::newRow("ohne Host")
            << QByteArray("GET /stand.json HTTP/1.1\r\n\r\n") << QByteArray("400");
        QTest::newRow("zwei Host") << "GET /stand.json HTTP/1.1\r\n" + host + host + "\r\n"
                                   << QByteArray("400");
        QTest::newRow("Transfer-Encoding")
            << "GET /stand.json HTTP/1.1\r\n" + host + "Transfer-Encoding: chunked\r\n\r\n"
            << QByteArray("400");
        QTest::newRow("Expect") << "GET / HTTP/1.1\r\n" + host + "Expect: 100-continue\r\n\r\n"
                                << QByteArray("400");
        QTest::newRow("NUL im Wert")
            << "GET / HTTP/1.1\r\n" + host + QByteArray("X-A: a\0b\r\n\r\n", 12)
            << QByteArray("400");
        // Another site's page may not open the WebSocket.
        QTest::newRow("fremder Ursprung") << upgrade + "Origin: http://evil.example\r\n\r\n"
                                          << QByteArray("403");
        QTest::newRow("Ursprung null") << upgrade + "Origin: null\r\n\r\n" << QByteArray("403");
        QTest::newRow("Ursprung anderer Port") << upgrade + "Origin: http://127.0.0.1:1\r\n\r\n"
                                               << QByteArray("403");
        // No browser sends a frame before the handshake's answer.
        QTest::newRow("Rahmen nach dem Upgrade")
            << upgrade + "\r\n" + rahmen(0x8, QByteArray("\x03\xe8", 2)) << QByteArray("400");
    }
    void nur_ansehen()
    {
        QFETCH(QByteArray, anfrage);
        QFETCH(QByteArray, status);
        Laufend l;
        Anfrage a(l.port, anfrage.replace("{port}", QByteArray::number(l.port)));
        QVERIFY(a.geschlossen);
        QVERIFY2(a.antwort.startsWith("HTTP/1.1 " + status + ' '), a.antwort.left(80));
        QVERIFY(a.kopf().contains("X-Content-Type-Options: nosniff\r\n"));
        QVERIFY(a.inhalt().contains("<html lang=\"de\">"));
        QVERIFY(!a.inhalt().contains("fassung"));
        QVERIFY(!a.kopf().contains("Access-Control-Allow-Origin"));
        QCOMPARE(l.server.telefone(), 0);
    }

    void ursprung_der_seite_selbst()
    {
        Laufend l;
        const QByteArray eigen = "Origin: http://127.0.0.1:" + QByteArray::number(l.port) + "\r\n";
        QTcpSocket leitung;
        leitung.connectToHost(QHostAddress::LocalHost, l.port);
        QVERIFY(leitung.waitForConnected(5000));
        QByteArray anfrage = websocket_anfrage(l.port);
        leitung.write(anfrage.insert(anfrage.size() - 2, eigen));
        QTRY_VERIFY(leitung.bytesAvailable() > 0 && leitung.peek(4096).contains("\r\n\r\n"));
        const QByteArray antwort = leitung.peek(4096);
        QVERIFY2(antwort.startsWith("HTTP/1.1 101 "), antwort.constData());
        // The handshake's answer does not name the program.
        QVERIFY(!antwort.left(antwort.indexOf("\r\n\r\n")).contains("Server:"));
        QVERIFY(!antwort.contains("Vorlix"));
        QTRY_COMPARE(l.server.telefone(), 1);
    }

    void nur_das_hallennetz_data()
    {
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<bool>("hallennetz");
        QTest::newRow("Schleife") << u"127.0.0.1"_s << true;
        QTest::newRow("Schleife weit") << u"127.8.9.10"_s << true;
        QTest::newRow("10/8") << u"10.1.2.3"_s << true;
        QTest::newRow("172.16/12") << u"172.31.255.1"_s << true;
        QTest::newRow("172.32 ist öffentlich") << u"172.32.0.1"_s << false;
        QTest::newRow("192.168/16") << u"192.168.178.20"_s << true;
        QTest::newRow("link-lokal") << u"169.254.10.1"_s << true;
        QTest::newRow("öffentlich") << u"8.8.8.8"_s << false;
        QTest::newRow("192.169 ist öffentlich") << u"192.169.0.1"_s << false;
        QTest::newRow("IPv6 Schleife") << u"::1"_s << true;
        QTest::newRow("IPv6 link-lokal") << u"fe80::1"_s << true;
        QTest::newRow("IPv6 eindeutig lokal") << u"fd12:3456::1"_s << true;
        QTest::newRow("IPv6 öffentlich") << u"2001:db8::1"_s << false;
        QTest::newRow("IPv4 in IPv6 privat") << u"::ffff:192.168.1.2"_s << true;
        QTest::newRow("IPv4 in IPv6 öffentlich") << u"::ffff:8.8.4.4"_s << false;
    }
    void nur_das_hallennetz()
    {
        QFETCH(QString, adresse);
        QFETCH(bool, hallennetz);
        QCOMPARE(LiveServer::im_hallennetz(QHostAddress(adresse)), hallennetz);
    }

    void feindliche_gaeste()
    {
        Laufend l(std::chrono::seconds(60), std::chrono::milliseconds(500));
        // Half a request: closed when its time is up.
        Anfrage halb(l.port, "GET / HTTP/1.1\r\nHost: 127.0", 5000);
        QVERIFY(halb.geschlossen);
        QVERIFY(halb.antwort.isEmpty());
        // A request line of 1 MB and 10 000 headers: refused or cut off, never read whole.
        Anfrage lang(l.port, "GET /" + QByteArray(1024 * 1024, 'a') + " HTTP/1.1\r\n\r\n");
        QVERIFY(lang.geschlossen);
        QVERIFY(lang.antwort.isEmpty() || lang.antwort.startsWith("HTTP/1.1 414 "));
        QByteArray viele = "GET / HTTP/1.1\r\n";
        for (int i = 0; i < 10000; ++i)
            viele += "X-Kopf-" + QByteArray::number(i) + ": 1\r\n";
        Anfrage kopfzeilen(l.port, viele + "\r\n");
        QVERIFY(kopfzeilen.geschlossen);
        QVERIFY(kopfzeilen.antwort.isEmpty() || kopfzeilen.antwort.startsWith("HTTP/1.1 431 "));
        // Garbage without any line end.
        QByteArray muell(64 * 1024, '\0');
        for (qsizetype i = 0; i < muell.size(); ++i)
            muell[i] = char((i * 7919) % 251);
        Anfrage binaer(l.port, muell);
        QVERIFY(binaer.geschlossen);
        // The server still serves.
        QTRY_COMPARE(l.server.verbindungen(), 0);
        QVERIFY(
            Anfrage(l.port, http_get(l.port, "/stand.json")).antwort.startsWith("HTTP/1.1 200 OK"));
    }

    void telefon_bekommt_jeden_stand()
    {
        Laufend l;
        Telefon telefon(l.live());
        QTRY_VERIFY(telefon.offen());
        // The snapshot as it stands comes at once.
        QTRY_COMPARE(telefon.fassungen, QList<int>{0});
        QCOMPARE(l.server.telefone(), 1);
        l.server.senden(dokument(1));
        l.server.senden(dokument(2));
        QTRY_COMPARE(telefon.fassungen, (QList<int>{0, 1, 2}));
        // What a phone says is ignored; more than a few kilobytes end its connection.
        telefon.kanal.sendTextMessage(u"hallo"_s);
        QTest::qWait(50);
        QVERIFY(telefon.offen());
        for (int i = 0; i < 10; ++i)
            telefon.kanal.sendTextMessage(QString(500, u'x'));
        QTRY_VERIFY(!telefon.offen());
        QTRY_COMPARE(l.server.telefone(), 0);

        Telefon gross(l.live());
        QTRY_VERIFY(gross.offen());
        gross.kanal.sendBinaryMessage(QByteArray(64 * 1024, 'y'));
        QTRY_VERIFY(!gross.offen());
        QTRY_COMPARE(l.server.telefone(), 0);
    }

    void schweigende_und_nie_lesende_gaeste()
    {
        Laufend l(std::chrono::milliseconds(400));
        // A phone that opened the WebSocket and then says nothing, not even a pong.
        QTcpSocket stumm;
        stumm.connectToHost(QHostAddress::LocalHost, l.port);
        QTRY_VERIFY(stumm.state() == QAbstractSocket::ConnectedState);
        stumm.write(websocket_anfrage(l.port));
        QTRY_COMPARE(l.server.telefone(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(stumm.state() == QAbstractSocket::UnconnectedState, 3000);
        QCOMPARE(l.server.telefone(), 0);
    }

    void wer_nie_liest_staut_nicht_unbegrenzt()
    {
        Laufend l;
        QTcpSocket liest_nie;
        liest_nie.setReadBufferSize(1);
        liest_nie.connectToHost(QHostAddress::LocalHost, l.port);
        QTRY_VERIFY(liest_nie.state() == QAbstractSocket::ConnectedState);
        liest_nie.write(websocket_anfrage(l.port));
        QTRY_COMPARE(l.server.telefone(), 1);
        // 256 KB a snapshot, far beyond what the loopback buffers hold: the queue for it stays
        // bounded and it is dropped.
        for (int i = 1; i <= 200 && l.server.telefone() == 1; ++i) {
            l.server.senden(dokument(i, 256 * 1024));
            QTest::qWait(5);
        }
        QCOMPARE(l.server.telefone(), 0);
        Telefon telefon(l.live());
        QTRY_VERIFY(telefon.offen());
        l.server.senden(dokument(1000));
        QTRY_COMPARE(telefon.fassungen.isEmpty() ? -1 : telefon.fassungen.last(), 1000);
    }

    void hundert_telefone_je_fuenfzig_staende()
    {
        const qint64 vorher = speicher_kb();
        {
            Laufend l;
            // Each phone from an address of its own, as in the hall.
            std::vector<std::unique_ptr<RohTelefon>> telefone;
            for (int i = 0; i < LiveServer::telefone_hoechstens; ++i)
                telefone.push_back(std::make_unique<RohTelefon>(l.port, schleife(i)));
            QTRY_COMPARE_WITH_TIMEOUT(l.server.telefone(), LiveServer::telefone_hoechstens, 20000);
            for (const auto &telefon : telefone)
                QTRY_COMPARE(telefon->nachrichten.size(), 1);
            const qint64 verbunden = speicher_kb();
            // One more is one too many.
            RohTelefon zuviel(l.port, schleife(LiveServer::telefone_hoechstens));
            QTRY_VERIFY(zuviel.leitung.state() == QAbstractSocket::UnconnectedState);
            QVERIFY(!zuviel.verbunden);
            for (int i = 1; i <= 50; ++i)
                l.server.senden(dokument(i, 1000));
            QList<int> erwartet{0};
            for (int i = 1; i <= 50; ++i)
                erwartet << i;
            for (const auto &telefon : telefone) {
                QTRY_COMPARE_WITH_TIMEOUT(telefon->nachrichten.size(), erwartet.size(), 20000);
                QList<int> fassungen;
                for (const QByteArray &nachricht : telefon->nachrichten)
                    fassungen << fassung_von(nachricht);
                QCOMPARE(fassungen, erwartet);
            }
            telefone.clear();
            QTRY_COMPARE(l.server.telefone(), 0);
            qInfo("Speicher: vorher %lld kB, 100 Telefone verbunden %lld kB", vorher, verbunden);
        }
        QTest::qWait(100);
        qInfo("Speicher nachher: %lld kB", speicher_kb());
    }

    void belegter_port_startet_nichts()
    {
        QTcpServer besetzt;
        QVERIFY(besetzt.listen(QHostAddress::LocalHost, 0));
        LiveServer server;
        const auto fehler = server.starten(QHostAddress::LocalHost, besetzt.serverPort());
        QVERIFY(fehler.has_value());
        QCOMPARE(*fehler, u"Der Port %1 ist belegt. Bitte einen anderen Port wählen."_s.arg(
                              besetzt.serverPort()));
        QVERIFY(!server.laeuft());
    }

    void beenden_schliesst_alles()
    {
        Laufend l;
        Telefon telefon(l.live());
        QTRY_VERIFY(telefon.offen());
        QTcpSocket halb;
        halb.connectToHost(QHostAddress::LocalHost, l.port);
        halb.write("GET / HT");
        QTRY_COMPARE(l.server.verbindungen(), 2);
        QSignalSpy telefone(&l.server, &LiveServer::telefone_geaendert);
        l.server.beenden();
        QCOMPARE(telefone.count(), 1);
        QCOMPARE(telefone.at(0).at(0).toInt(), 0);
        QTRY_VERIFY(!telefon.offen());
        // The phone learns that the page went away, not that the network broke.
        QCOMPARE(telefon.kanal.closeCode(), QWebSocketProtocol::CloseCodeGoingAway);
        QTRY_VERIFY(halb.state() == QAbstractSocket::UnconnectedState);
        QTcpServer frei;
        QVERIFY(frei.listen(QHostAddress::LocalHost, l.port));
    }
};

QTEST_GUILESS_MAIN(TstLiveServer)
#include "tst_live_server.moc"
