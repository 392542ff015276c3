#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The head of an HTTP/1.1 request as the live page's server reads it from a phone. Whatever a
// client sends is read within fixed bounds: the head may not grow beyond http_kopf_hoechstens
// bytes nor hold more than http_kopfzeilen_hoechstens header lines.
inline constexpr qsizetype http_kopf_hoechstens = 8 * 1024;
inline constexpr int http_kopfzeilen_hoechstens = 64;

struct HttpAnfrage
{
    QByteArray methode;
    QByteArray pfad;        // the target without query
    QByteArray host;        // the Host header, empty when there is none
    bool websocket = false; // "Upgrade: websocket" with "Connection: upgrade"
    QByteArray origin;      // the Origin header, empty when there is none
    QList<QByteArray> laengen; // every Content-Length header's value
    bool kodiert = false;      // a Transfer-Encoding or Expect header came
    qsizetype kopf_laenge = 0; // bytes up to and with the empty line ending the head
};

enum class HttpLage { unvollstaendig, fertig, fehlerhaft };

struct HttpLesung
{
    HttpLage lage = HttpLage::unvollstaendig;
    int status = 0; // the answer to a faulty request: 400, 414, 431 or 505
    HttpAnfrage anfrage;
};

// Reads the request head at the start of daten: not yet complete, complete, or faulty with
// the status to answer. Garbage is recognised as soon as it cannot begin a request.
HttpLesung http_anfrage_lesen(QByteArrayView daten);
