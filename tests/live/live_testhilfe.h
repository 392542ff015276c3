#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

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

    Anfrage(quint16 port, const QByteArray &daten, int ms = 5000)
    {
        QObject::connect(&leitung, &QTcpSocket::readyRead, &leitung,
                         [this] { antwort += leitung.readAll(); });
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

// A WebSocket opening request that a raw socket can send.
inline QByteArray websocket_anfrage(quint16 port)
{
    return "GET /live HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
           "\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n"
           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
}

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
