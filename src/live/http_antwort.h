#pragma once

#include <QByteArray>
#include <QByteArrayView>

// What the live page's server offers: the page, its script and style, the snapshot and the
// WebSocket; nothing else exists.
enum class LiveZiel { seite, skript, stil, stand, live, unbekannt };

LiveZiel live_ziel(QByteArrayView pfad);

// A complete response that closes the connection. Every response forbids guessing its type
// and allows the page to load and connect to nothing but this server, to be framed, to
// redirect a form or a base, or to be read by another site; host is the address the
// connection came in at, the page's own address for its WebSocket (dropped unless it is a
// plain host and port).
QByteArray http_antwort(int status, QByteArrayView typ, QByteArrayView inhalt,
                        QByteArrayView host = {}, QByteArrayView zusatz = {});

// The short German page of a refused request: 400, 403, 404, 405, 413, 414, 421, 426, 429,
// 431, 503, 505.
QByteArray http_fehler(int status, QByteArrayView host = {});

// The answer to HEAD: the headers of the answer to GET without its body.
QByteArray http_nur_kopf(const QByteArray &antwort);
