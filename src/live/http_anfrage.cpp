#include "live/http_anfrage.h"

#include <QList>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr qsizetype methode_hoechstens = 16;

bool ist_token_zeichen(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool ist_token(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (!ist_token_zeichen(c))
            return false;
    }
    return true;
}

bool ist_grossbuchstabe(char c)
{
    return c >= 'A' && c <= 'Z';
}

// A request can only begin with a method in capitals followed by a space; anything else is
// refused before more of it is waited for.
bool kann_anfrage_beginnen(QByteArrayView daten)
{
    qsizetype i = 0;
    while (i < daten.size() && i < methode_hoechstens && ist_grossbuchstabe(daten[i]))
        ++i;
    if (i == daten.size())
        return true;
    return i > 0 && daten[i] == ' ';
}

bool ist_sichtbar(QByteArrayView text)
{
    for (char c : text) {
        if (c < 0x21 || c > 0x7e)
            return false;
    }
    return !text.isEmpty();
}

QByteArrayView ohne_rand(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// "keep-alive, Upgrade" holds "upgrade".
bool liste_enthaelt(QByteArrayView liste, QByteArrayView wort)
{
    for (QByteArrayView teil : QByteArray(liste.data(), liste.size()).split(',')) {
        if (ohne_rand(teil).compare(wort, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

HttpLesung fehler(int status)
{
    return {HttpLage::fehlerhaft, status, {}, 0, 0};
}

// Field values hold visible bytes, spaces and tabs; a NUL or a CR or LF without its partner
// would let two readers split the head differently.
bool ist_feldwert(QByteArrayView wert)
{
    return std::none_of(wert.begin(), wert.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t') || b == 0x7f;
    });
}

std::optional<qint64> laenge_lesen(QByteArrayView wert)
{
    // 15 digits are far more than any body and cannot overflow.
    if (wert.isEmpty() || wert.size() > 15)
        return std::nullopt;
    qint64 laenge = 0;
    for (char c : wert) {
        if (c < '0' || c > '9')
            return std::nullopt;
        laenge = laenge * 10 + (c - '0');
    }
    return laenge;
}

std::optional<int> anfragezeile_lesen(QByteArrayView zeile, HttpAnfrage &anfrage)
{
    const qsizetype erste = zeile.indexOf(' ');
    const qsizetype zweite = erste < 0 ? -1 : zeile.sliced(erste + 1).indexOf(' ');
    if (zweite < 0)
        return 400;
    const QByteArrayView methode = zeile.first(erste);
    const QByteArrayView ziel = zeile.sliced(erste + 1, zweite);
    const QByteArrayView fassung = zeile.sliced(erste + 2 + zweite);
    if (!ist_token(methode) || !ist_sichtbar(ziel))
        return 400;
    const bool sternchen = ziel == "*" && methode == "OPTIONS";
    if (ziel.front() != '/' && !sternchen)
        return 400;
    if (!fassung.startsWith("HTTP/"))
        return 400;
    if (fassung != "HTTP/1.1" && fassung != "HTTP/1.0")
        return 505;
    anfrage.methode = methode.toByteArray();
    qsizetype ende = ziel.indexOf('?');
    if (const qsizetype raute = ziel.indexOf('#'); raute >= 0 && (ende < 0 || raute < ende))
        ende = raute;
    anfrage.pfad = (ende < 0 ? ziel : ziel.first(ende)).toByteArray();
    return std::nullopt;
}

// A header that may appear once; false when it came before.
bool einmal(bool &gesehen)
{
    return !std::exchange(gesehen, true);
}

std::optional<int> kopfzeilen_lesen(const QList<QByteArrayView> &zeilen, bool http_1_1,
                                    HttpAnfrage &anfrage)
{
    if (zeilen.size() > http_kopfzeilen_hoechstens)
        return 431;
    bool upgrade_verbindung = false;
    bool upgrade_websocket = false;
    for (QByteArrayView zeile : zeilen) {
        const qsizetype doppelpunkt = zeile.indexOf(':');
        if (doppelpunkt <= 0 || !ist_token(zeile.first(doppelpunkt)))
            return 400;
        const QByteArrayView name = zeile.first(doppelpunkt);
        const QByteArrayView wert = ohne_rand(zeile.sliced(doppelpunkt + 1));
        if (!ist_feldwert(wert))
            return 400;
        const auto heisst = [name](QByteArrayView n) {
            return name.compare(n, Qt::CaseInsensitive) == 0;
        };
        // No body is framed by chunks, and nothing waits for a go-ahead.
        if (heisst("Transfer-Encoding") || heisst("Expect"))
            return 400;
        if (heisst("Host")) {
            if (!einmal(anfrage.hat_host))
                return 400;
            anfrage.host = wert.toByteArray();
        } else if (heisst("Origin")) {
            if (!einmal(anfrage.hat_origin))
                return 400;
            anfrage.origin = wert.toByteArray();
        } else if (heisst("Content-Length")) {
            if (anfrage.inhalt_laenge)
                return 400;
            anfrage.inhalt_laenge = laenge_lesen(wert);
            if (!anfrage.inhalt_laenge)
                return 400;
        } else if (heisst("Connection"))
            upgrade_verbindung = upgrade_verbindung || liste_enthaelt(wert, "upgrade");
        else if (heisst("Upgrade"))
            upgrade_websocket = upgrade_websocket || liste_enthaelt(wert, "websocket");
    }
    if (http_1_1 && !anfrage.hat_host)
        return 400;
    anfrage.websocket = upgrade_verbindung && upgrade_websocket;
    return std::nullopt;
}

} // namespace

HttpLesung http_anfrage_lesen(QByteArrayView daten, qsizetype durchsucht)
{
    if (!kann_anfrage_beginnen(daten))
        return fehler(400);
    const QByteArrayView fenster = daten.first(std::min(daten.size(), http_kopf_hoechstens));
    // The end may straddle what was searched and what is new.
    const qsizetype ab = std::clamp<qsizetype>(durchsucht - 3, 0, fenster.size());
    const qsizetype gefunden = fenster.sliced(ab).indexOf("\r\n\r\n");
    const qsizetype ende = gefunden < 0 ? -1 : ab + gefunden;
    if (ende < 0) {
        if (daten.size() < http_kopf_hoechstens)
            return {HttpLage::unvollstaendig, 0, {}, 0, fenster.size()};
        // Too long: a request line without its end is a too long target.
        return fehler(fenster.indexOf("\r\n") < 0 ? 414 : 431);
    }
    QList<QByteArrayView> zeilen;
    for (qsizetype anfang = 0; anfang < ende;) {
        qsizetype bruch = fenster.sliced(anfang).indexOf("\r\n");
        bruch = bruch < 0 ? ende : anfang + bruch;
        zeilen << fenster.sliced(anfang, bruch - anfang);
        anfang = bruch + 2;
    }
    HttpLesung lesung{HttpLage::fertig, 0, {}, ende + 4, ende};
    const QByteArrayView anfragezeile = zeilen.takeFirst();
    if (auto status = anfragezeile_lesen(anfragezeile, lesung.anfrage))
        return fehler(*status);
    if (auto status = kopfzeilen_lesen(zeilen, anfragezeile.endsWith("HTTP/1.1"), lesung.anfrage))
        return fehler(*status);
    return lesung;
}
