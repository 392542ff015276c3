#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The head of an HTTP/1.1 request as the live page's server reads it from a phone. Whatever a
// client sends is read within fixed bounds: the head may not grow beyond http_kopf_hoechstens
// bytes nor hold more than http_kopfzeilen_hoechstens header lines. The reader is strict
// enough that a body can follow: anything two parties could read in two ways is refused.
inline constexpr qsizetype http_kopf_hoechstens = 8 * 1024;
inline constexpr int http_kopfzeilen_hoechstens = 64;

struct HttpAnfrage
{
    QByteArray methode;
    QByteArray pfad; // the target without query; "*" only for OPTIONS
    QByteArray host; // the Host header, empty when there is none
    bool hat_host = false;
    QByteArray origin; // the Origin header, empty when there is none
    bool hat_origin = false;
    bool websocket = false;              // "Upgrade: websocket" with "Connection: upgrade"
    std::optional<qint64> inhalt_laenge; // Content-Length
};

enum class HttpLage { unvollstaendig, fertig, fehlerhaft };

struct HttpLesung
{
    HttpLage lage = HttpLage::unvollstaendig;
    int status = 0; // the answer to a faulty request: 400, 414, 431 or 505
    HttpAnfrage anfrage;
    qsizetype kopf_laenge = 0; // a complete head's bytes with its empty line
    qsizetype durchsucht = 0;  // how many bytes hold no end of the head; for the next call
};

// Reads the request head at the start of daten: not yet complete, complete, or faulty with
// the status to answer. Garbage is recognised as soon as it cannot begin a request. durchsucht
// is what an earlier call on the start of the same bytes returned: only the bytes after it
// are searched for the end of the head, so a head that trickles in costs no more than once.
HttpLesung http_anfrage_lesen(QByteArrayView daten, qsizetype durchsucht = 0);
