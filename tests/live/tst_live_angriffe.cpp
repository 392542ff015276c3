#include "live/live_server.h"
#include "live_testhilfe.h"

#include <QtTest>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace live_test;

// Hostile clients in the hall's network, each on raw sockets from loopback addresses of their
// own; after every attack a well-behaved phone still gets a typed result at once, the count of
// phones is the truth again and the program's memory stayed bounded.
class TstLiveAngriffe : public QObject
{
    Q_OBJECT

    // Far below what an unbounded attack grows to (gigabytes), far above what the server needs.
    static constexpr qint64 speicher_zuwachs_hoechstens_kb = 200 * 1024;

    using Leitungen = std::vector<std::unique_ptr<QTcpSocket>>;

    static QTcpSocket *verbinden(Leitungen &leitungen, quint16 port, const QHostAddress &von)
    {
        leitungen.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket *leitung = leitungen.back().get();
        leitung->bind(von);
        leitung->connectToHost(QHostAddress::LocalHost, port);
        // Turning the event loop lets the server take the connection in.
        warten_bis([leitung] { return leitung->state() == QAbstractSocket::ConnectedState; }, 2000);
        return leitung;
    }

    // A phone opens the page's WebSocket and gets a new result within a second.
    static void telefon_wird_bedient(Laufend &l, int fassung)
    {
        Telefon telefon(l.live());
        QTRY_VERIFY_WITH_TIMEOUT(telefon.offen(), 2000);
        QTRY_COMPARE(telefon.fassungen, QList<int>{fassung - 1});
        l.server.senden(dokument(fassung));
        QTRY_COMPARE_WITH_TIMEOUT(telefon.fassungen, (QList<int>{fassung - 1, fassung}), 1000);
        QVERIFY(
            Anfrage(l.port, http_get(l.port, "/stand.json")).antwort.startsWith("HTTP/1.1 200 OK"));
    }

    static void speicher_begrenzt(qint64 vorher)
    {
        const qint64 zuwachs = speicher_kb() - vorher;
        qInfo("Speicher: %lld kB vorher, %lld kB mehr", vorher, zuwachs);
        QVERIFY(zuwachs < speicher_zuwachs_hoechstens_kb);
    }

private slots:
    void fluechtige_telefone_data()
    {
        QTest::addColumn<bool>("mit_rahmen");
        QTest::newRow("Schließen im selben Schreiben") << true;
        QTest::newRow("sofort getrennt") << false;
    }
    // Each opens the WebSocket and leaves at once, before the server has taken it in.
    void fluechtige_telefone()
    {
        QFETCH(bool, mit_rahmen);
        const qint64 vorher = speicher_kb();
        Laufend l;
        Leitungen leitungen;
        const QByteArray schliessen = rahmen(0x8, QByteArray("\x03\xe8", 2));
        for (int i = 0; i < 91; ++i) {
            QTcpSocket *leitung = verbinden(leitungen, l.port, schleife(i));
            leitung->write(websocket_anfrage(l.port) + (mit_rahmen ? schliessen : QByteArray()));
            leitung->waitForBytesWritten(1000);
            leitung->close();
        }
        QTRY_COMPARE_WITH_TIMEOUT(l.server.verbindungen(), 0, 5000);
        QCOMPARE(l.server.telefone(), 0);
        telefon_wird_bedient(l, 1);
        speicher_begrenzt(vorher);
    }

    void flut_data()
    {
        QTest::addColumn<QByteArray>("rahmen");
        QTest::newRow("Pings") << rahmen(0x9, QByteArray(125, 'p'));
        QTest::newRow("leere Fortsetzungen") << rahmen(0x0, {}, false);
        QTest::newRow("Pongs") << rahmen(0xA, QByteArray(125, 'q'));
    }
    // One WebSocket that never reads and sends frames without end.
    void flut()
    {
        QFETCH(QByteArray, rahmen);
        const qint64 vorher = speicher_kb();
        Laufend l;
        Leitungen leitungen;
        QTcpSocket *flut = verbinden(leitungen, l.port, schleife(0));
        flut->setReadBufferSize(1);
        flut->write(websocket_anfrage(l.port));
        QTRY_COMPARE(l.server.telefone(), 1);
        // A text frame that is never finished lets continuation frames follow.
        flut->write(live_test::rahmen(0x1, {}, false));
        QByteArray schwall;
        for (int i = 0; i < 1000; ++i)
            schwall += rahmen;
        for (int i = 0; i < 200 && flut->state() == QAbstractSocket::ConnectedState; ++i) {
            flut->write(schwall);
            QTest::qWait(5);
        }
        QTRY_VERIFY(flut->state() == QAbstractSocket::UnconnectedState);
        QTRY_COMPARE(l.server.telefone(), 0);
        telefon_wird_bedient(l, 1);
        speicher_begrenzt(vorher);
    }

    // Pongs nobody asked for are no sign of life; answering the server's ping is.
    void nur_die_eigene_antwort_zaehlt()
    {
        Laufend l(std::chrono::milliseconds(400));
        RohTelefon antwortet(l.port, schleife(0));
        Leitungen leitungen;
        QTcpSocket *schwindler = verbinden(leitungen, l.port, schleife(1));
        schwindler->write(websocket_anfrage(l.port));
        QTRY_COMPARE(l.server.telefone(), 2);
        for (int i = 0; i < 40 && schwindler->state() == QAbstractSocket::ConnectedState; ++i) {
            schwindler->write(rahmen(0xA, "lebe"));
            QTest::qWait(50);
        }
        QTRY_VERIFY_WITH_TIMEOUT(schwindler->state() == QAbstractSocket::UnconnectedState, 3000);
        QVERIFY(antwortet.offen());
        QCOMPARE(l.server.telefone(), 1);
    }

    void wenige_leitungen_data()
    {
        QTest::addColumn<int>("adressen");
        QTest::addColumn<bool>("websocket");
        QTest::addColumn<int>("bleiben_hoechstens");
        QTest::newRow("still, eine Adresse") << 1 << false << LiveServer::anfragen_je_adresse;
        QTest::newRow("still, hundert Adressen") << 100 << false << LiveServer::anfragen_hoechstens;
        QTest::newRow("WebSockets, eine Adresse") << 1 << true << LiveServer::telefone_je_adresse;
    }
    // 100 connections that say nothing or hold WebSockets, and keep coming back.
    void wenige_leitungen()
    {
        QFETCH(int, adressen);
        QFETCH(bool, websocket);
        QFETCH(int, bleiben_hoechstens);
        const qint64 vorher = speicher_kb();
        Laufend l;
        Leitungen leitungen;
        for (int runde = 0; runde < 2; ++runde) {
            for (int i = 0; i < 100; ++i) {
                QTcpSocket *leitung = verbinden(leitungen, l.port, schleife(i % adressen));
                if (websocket)
                    leitung->write(websocket_anfrage(l.port));
            }
            QTest::qWait(50);
        }
        const auto offen = [&leitungen] {
            return std::count_if(leitungen.begin(), leitungen.end(), [](const auto &leitung) {
                return leitung->state() == QAbstractSocket::ConnectedState;
            });
        };
        QTRY_VERIFY(offen() <= bleiben_hoechstens);
        if (websocket) {
            QTRY_COMPARE(l.server.telefone(), bleiben_hoechstens);
            // The others were told why.
            QVERIFY(std::any_of(leitungen.begin(), leitungen.end(), [](const auto &leitung) {
                return leitung->readAll().startsWith("HTTP/1.1 503 ");
            }));
        }
        telefon_wird_bedient(l, 1);
        QCOMPARE(l.server.telefone(), websocket ? bleiben_hoechstens + 1 : 1);
        speicher_begrenzt(vorher);
    }

    // A head that arrives a byte at a time is read like one that comes at once.
    void kopf_tropfenweise()
    {
        Laufend l;
        QTcpSocket leitung;
        leitung.connectToHost(QHostAddress::LocalHost, l.port);
        QVERIFY(leitung.waitForConnected(2000));
        const QByteArray anfrage = http_get(l.port, "/stand.json");
        for (char c : anfrage) {
            leitung.write(&c, 1);
            leitung.flush();
            QTest::qWait(1);
        }
        QTRY_VERIFY(leitung.state() == QAbstractSocket::UnconnectedState ||
                    leitung.bytesAvailable() > 0);
        QTRY_VERIFY(leitung.peek(4096).endsWith(dokument(0)));
        QVERIFY(leitung.peek(4096).startsWith("HTTP/1.1 200 OK\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstLiveAngriffe)
#include "tst_live_angriffe.moc"
