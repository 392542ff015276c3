#include "live/live_server.h"
#include "live_testhilfe.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QWebSocket>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace live_test;

class TstLiveServer : public QObject
{
    Q_OBJECT

    // A server on the loopback on a free port with a first snapshot.
    struct Laufend
    {
        LiveServer server;
        quint16 port = 0;

        explicit Laufend(std::chrono::milliseconds ruhe = std::chrono::seconds(60),
                         std::chrono::milliseconds anfrage = std::chrono::seconds(10))
        {
            server.fristen_setzen(ruhe, anfrage);
            server.senden(dokument(0));
            const auto fehler = server.starten(QHostAddress::LocalHost, 0);
            if (!fehler)
                port = server.port();
        }
        QUrl live() const { return QUrl(u"ws://127.0.0.1:%1/live"_s.arg(port)); }
    };

    static QByteArray dokument(int fassung, int fuellung = 0)
    {
        return QJsonDocument(
                   QJsonObject{{u"fassung"_s, fassung}, {u"name"_s, QString(fuellung, u'x')}})
            .toJson(QJsonDocument::Compact);
    }

    // A phone: a WebSocket client that keeps the running numbers it receives.
    struct Telefon
    {
        QWebSocket kanal;
        QList<int> fassungen;

        explicit Telefon(const QUrl &adresse)
        {
            QObject::connect(&kanal, &QWebSocket::textMessageReceived, &kanal,
                             [this](const QString &text) {
                                 fassungen << QJsonDocument::fromJson(text.toUtf8())
                                                  .object()
                                                  .value(u"fassung"_s)
                                                  .toInt(-1);
                             });
            kanal.open(adresse);
        }
        bool offen() const { return kanal.state() == QAbstractSocket::ConnectedState; }
    };

private slots:
    void seite_und_stand()
    {
        Laufend l;
        QVERIFY(l.port != 0);
        Anfrage seite(l.port, "GET / HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(l.port) +
                                  "\r\n\r\n");
        QVERIFY(seite.geschlossen);
        QVERIFY(seite.antwort.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(seite.kopf().contains("Content-Type: text/html; charset=utf-8\r\n"));
        QVERIFY(seite.kopf().contains("Content-Security-Policy: default-src 'self'; connect-src "
                                      "'self' ws://127.0.0.1:" +
                                      QByteArray::number(l.port)));
        QVERIFY(seite.kopf().contains("X-Content-Type-Options: nosniff\r\n"));
        QVERIFY(seite.inhalt().contains("<html lang=\"de\">"));
        QVERIFY(seite.inhalt().contains("src=\"/app.js\""));

        Anfrage skript(l.port, "GET /app.js HTTP/1.1\r\n\r\n");
        QVERIFY(skript.kopf().contains("Content-Type: text/javascript; charset=utf-8\r\n"));
        QVERIFY(skript.inhalt().contains("textContent"));
        QVERIFY(!skript.inhalt().contains("innerHTML"));
        Anfrage stil(l.port, "GET /app.css HTTP/1.0\r\n\r\n");
        QVERIFY(stil.kopf().contains("Content-Type: text/css; charset=utf-8\r\n"));
        QVERIFY(stil.inhalt().contains("prefers-color-scheme: dark"));

        l.server.senden(dokument(7));
        Anfrage stand(l.port, "GET /stand.json?t=1 HTTP/1.1\r\n\r\n");
        QVERIFY(stand.kopf().contains("Content-Type: application/json; charset=utf-8\r\n"));
        QVERIFY(stand.kopf().contains("Cache-Control: no-store\r\n"));
        QCOMPARE(stand.inhalt(), dokument(7));
    }

    void nur_ansehen_data()
    {
        QTest::addColumn<QByteArray>("anfrage");
        QTest::addColumn<QByteArray>("status");
        QTest::newRow("unbekannt")
            << QByteArray("GET /admin HTTP/1.1\r\n\r\n") << QByteArray("404");
        QTest::newRow("..") << QByteArray("GET /../../etc/passwd HTTP/1.1\r\n\r\n")
                            << QByteArray("404");
        QTest::newRow("verschlüsseltes ..")
            << QByteArray("GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n\r\n") << QByteArray("404");
        QTest::newRow("POST") << QByteArray("POST /stand.json HTTP/1.1\r\nContent-Length: 11\r\n"
                                            "\r\n{\"plan\":1}\n")
                              << QByteArray("405");
        QTest::newRow("PUT") << QByteArray("PUT / HTTP/1.1\r\n\r\n") << QByteArray("405");
        QTest::newRow("HEAD") << QByteArray("HEAD /app.js HTTP/1.1\r\n\r\n") << QByteArray("405");
        QTest::newRow("live ohne Upgrade")
            << QByteArray("GET /live HTTP/1.1\r\n\r\n") << QByteArray("426");
        QTest::newRow("Binärmüll")
            << QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1", 9) << QByteArray("400");
        QTest::newRow("HTTP/2") << QByteArray("PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n")
                                << QByteArray("400");
    }
    void nur_ansehen()
    {
        QFETCH(QByteArray, anfrage);
        QFETCH(QByteArray, status);
        Laufend l;
        Anfrage a(l.port, anfrage);
        QVERIFY(a.geschlossen);
        QVERIFY2(a.antwort.startsWith("HTTP/1.1 " + status + ' '), a.antwort.left(80));
        QVERIFY(a.kopf().contains("X-Content-Type-Options: nosniff\r\n"));
        QVERIFY(a.inhalt().contains("<html lang=\"de\">"));
        QVERIFY(!a.inhalt().contains("fassung"));
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
        QVERIFY(Anfrage(l.port, "GET /stand.json HTTP/1.1\r\n\r\n")
                    .antwort.startsWith("HTTP/1.1 200 OK"));
    }

    void hoechstens_hundert_verbindungen()
    {
        Laufend l;
        std::vector<std::unique_ptr<QTcpSocket>> offen;
        for (int i = 0; i < LiveServer::verbindungen_hoechstens; ++i) {
            offen.push_back(std::make_unique<QTcpSocket>());
            offen.back()->connectToHost(QHostAddress::LocalHost, l.port);
        }
        QTRY_COMPARE(l.server.verbindungen(), LiveServer::verbindungen_hoechstens);
        Anfrage zuviel(l.port, "GET / HTTP/1.1\r\n\r\n");
        QVERIFY(zuviel.geschlossen);
        QVERIFY2(zuviel.antwort.startsWith("HTTP/1.1 503 "), zuviel.antwort.left(80));
        QVERIFY(zuviel.inhalt().contains("Zu viele Verbindungen."));
        offen.clear();
        QTRY_COMPARE(l.server.verbindungen(), 0);
        QVERIFY(Anfrage(l.port, "GET / HTTP/1.1\r\n\r\n").antwort.startsWith("HTTP/1.1 200 OK"));
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
            std::vector<std::unique_ptr<Telefon>> telefone;
            for (int i = 0; i < 100; ++i)
                telefone.push_back(std::make_unique<Telefon>(l.live()));
            QTRY_COMPARE_WITH_TIMEOUT(l.server.telefone(), 100, 20000);
            for (const auto &telefon : telefone)
                QTRY_COMPARE(telefon->fassungen.size(), 1);
            const qint64 verbunden = speicher_kb();
            for (int i = 1; i <= 50; ++i)
                l.server.senden(dokument(i, 1000));
            QList<int> erwartet{0};
            for (int i = 1; i <= 50; ++i)
                erwartet << i;
            for (const auto &telefon : telefone)
                QTRY_COMPARE_WITH_TIMEOUT(telefon->fassungen, erwartet, 20000);
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
        QTRY_VERIFY(halb.state() == QAbstractSocket::UnconnectedState);
        QTcpServer frei;
        QVERIFY(frei.listen(QHostAddress::LocalHost, l.port));
    }
};

QTEST_GUILESS_MAIN(TstLiveServer)
#include "tst_live_server.moc"
