#pragma once

#include "live/live_server.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <functional>

// Talks to the live server in the same thread on the loopback: every wait turns the event
// loop, so the server keeps working, and ends after a bounded time.
namespace live_test {

inline void warten_bis(const std::function<bool()> &bedingung, int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung() && uhr.elapsed() < ms)
        QTest::qWait(5);
}

// Sends the bytes and reads until the server closes the connection or ms have passed.
// The socket's state tells whether the server closed it.
struct Anfrage
{
    QTcpSocket leitung;
    QByteArray antwort;
    bool geschlossen = false;

    Anfrage(quint16 port, const QByteArray &daten, int ms = 5000,
            const QHostAddress &von = QHostAddress(QHostAddress::LocalHost))
    {
        QObject::connect(&leitung, &QTcpSocket::readyRead, &leitung,
                         [this] { antwort += leitung.readAll(); });
        leitung.bind(von);
        leitung.connectToHost(QHostAddress::LocalHost, port);
        warten_bis([this] { return leitung.state() == QAbstractSocket::ConnectedState; }, ms);
        leitung.write(daten);
        warten_bis([this] { return leitung.state() != QAbstractSocket::ConnectedState; }, ms);
        antwort += leitung.readAll();
        geschlossen = leitung.state() == QAbstractSocket::UnconnectedState;
    }
    QByteArray kopf() const { return antwort.left(antwort.indexOf("\r\n\r\n") + 2); }
    QByteArray inhalt() const { return antwort.mid(antwort.indexOf("\r\n\r\n") + 4); }
};

// A request head for the loopback server, with its Host.
inline QByteArray http_get(quint16 port, const QByteArray &pfad, const QByteArray &methode = "GET")
{
    return methode + ' ' + pfad + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
           "\r\n\r\n";
}

// A WebSocket opening request that a raw socket can send.
inline QByteArray websocket_anfrage(quint16 port)
{
    return "GET /live HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
           "\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n"
           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
}

// A masked frame as a client sends it; the mask is zero, which leaves the payload as it is.
inline QByteArray rahmen(quint8 art, const QByteArray &inhalt, bool letzter = true)
{
    QByteArray daten;
    daten += char((letzter ? 0x80 : 0x00) | art);
    if (inhalt.size() < 126) {
        daten += char(0x80 | inhalt.size());
    } else {
        daten += char(0x80 | 126);
        daten += char(inhalt.size() >> 8);
        daten += char(inhalt.size() & 0xff);
    }
    daten += QByteArray(4, '\0');
    return daten + inhalt;
}

// The n-th loopback address after 127.0.0.1: a phone of its own for the per-address limits.
inline QHostAddress schleife(int n)
{
    return QHostAddress(quint32(0x7f000002) + quint32(n));
}

// A phone over a raw socket from a chosen loopback address, for when many phones must come
// from addresses of their own: it opens the WebSocket, keeps every text message and answers
// every ping, as a browser does.
struct RohTelefon
{
    QTcpSocket leitung;
    QByteArray puffer;
    bool verbunden = false;
    QList<QByteArray> nachrichten;
    // Takes each text message instead of the list when set.
    std::function<void(const QByteArray &)> bei_nachricht;

    RohTelefon(quint16 port, const QHostAddress &von)
    {
        QObject::connect(&leitung, &QTcpSocket::readyRead, &leitung, [this] { lesen(); });
        QObject::connect(&leitung, &QTcpSocket::connected, &leitung,
                         [this, port] { leitung.write(websocket_anfrage(port)); });
        leitung.bind(von);
        leitung.connectToHost(QHostAddress::LocalHost, port);
    }
    bool offen() const { return verbunden && leitung.state() == QAbstractSocket::ConnectedState; }

    void lesen()
    {
        puffer += leitung.readAll();
        if (!verbunden) {
            const qsizetype ende = puffer.indexOf("\r\n\r\n");
            if (ende < 0)
                return;
            verbunden = puffer.startsWith("HTTP/1.1 101 ");
            puffer.remove(0, ende + 4);
            if (!verbunden)
                return;
        }
        // Frames from the server are not masked.
        while (puffer.size() >= 2) {
            const quint8 art = quint8(puffer[0]) & 0x0f;
            qsizetype laenge = quint8(puffer[1]) & 0x7f;
            qsizetype kopf = 2;
            if (laenge == 126) {
                if (puffer.size() < 4)
                    return;
                laenge = (qsizetype(quint8(puffer[2])) << 8) | quint8(puffer[3]);
                kopf = 4;
            } else if (laenge == 127) {
                if (puffer.size() < 10)
                    return;
                laenge = 0;
                for (int i = 2; i < 10; ++i)
                    laenge = (laenge << 8) | quint8(puffer[i]);
                kopf = 10;
            }
            if (puffer.size() < kopf + laenge)
                return;
            const QByteArray inhalt = puffer.mid(kopf, laenge);
            puffer.remove(0, kopf + laenge);
            if (art == 0x1 && bei_nachricht)
                bei_nachricht(inhalt);
            else if (art == 0x1)
                nachrichten << inhalt;
            else if (art == 0x9)
                leitung.write(rahmen(0xA, inhalt));
        }
    }
};

// A snapshot with a running number, padded to a size.
inline QByteArray dokument(int fassung, int fuellung = 0)
{
    using namespace Qt::StringLiterals;
    return QJsonDocument(QJsonObject{{u"fassung"_s, fassung}, {u"name"_s, QString(fuellung, u'x')}})
        .toJson(QJsonDocument::Compact);
}

inline int fassung_von(const QByteArray &text)
{
    using namespace Qt::StringLiterals;
    return QJsonDocument::fromJson(text).object().value(u"fassung"_s).toInt(-1);
}

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
    QUrl live() const
    {
        using namespace Qt::StringLiterals;
        return QUrl(u"ws://127.0.0.1:%1/live"_s.arg(port));
    }
};

// A phone: a WebSocket client that keeps the running numbers it receives.
struct Telefon
{
    QWebSocket kanal;
    QList<int> fassungen;

    explicit Telefon(const QUrl &adresse)
    {
        QObject::connect(&kanal, &QWebSocket::textMessageReceived, &kanal,
                         [this](const QString &text) { fassungen << fassung_von(text.toUtf8()); });
        kanal.open(adresse);
    }
    bool offen() const { return kanal.state() == QAbstractSocket::ConnectedState; }
};

// The process's resident memory in kB.
inline qint64 speicher_kb()
{
    using namespace Qt::StringLiterals;
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &zeile : status.readAll().split('\n')) {
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace live_test
