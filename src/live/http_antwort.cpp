#include "live/http_antwort.h"

namespace {

struct Fehlerseite
{
    int status;
    const char *grund;
    const char *text;
};

constexpr Fehlerseite fehlerseiten[] = {
    {400, "Bad Request", "Die Anfrage ist fehlerhaft."},
    {403, "Forbidden", "Diese Anfrage ist nur von den Seiten dieses Rechners aus erlaubt."},
    {404, "Not Found", "Diese Seite gibt es nicht. Der Spieltag steht unter /."},
    {405, "Method Not Allowed", "Diese Seite kann nur angesehen werden."},
    {413, "Content Too Large", "Die Meldung ist zu lang."},
    {414, "URI Too Long", "Die Adresse ist zu lang."},
    {421, "Misdirected Request", "Diese Adresse gehört nicht zu diesem Rechner."},
    {426, "Upgrade Required", "Hier antwortet nur die Live-Verbindung der Seite."},
    {429, "Too Many Requests", "Zu viele Anfragen. Bitte in einer Minute noch einmal versuchen."},
    {431, "Request Header Fields Too Large", "Die Anfrage ist zu groß."},
    {503, "Service Unavailable", "Zu viele Verbindungen. Bitte gleich noch einmal versuchen."},
    {505, "HTTP Version Not Supported", "Diese HTTP-Fassung wird nicht unterstützt."},
};

const char *grund(int status)
{
    if (status == 200)
        return "OK";
    if (status == 303)
        return "See Other";
    for (const Fehlerseite &seite : fehlerseiten) {
        if (seite.status == status)
            return seite.grund;
    }
    return "Error";
}

// Only a host name or address with a port may go into a header line.
bool ist_host(QByteArrayView host)
{
    if (host.isEmpty() || host.size() > 255)
        return false;
    for (char c : host) {
        const bool erlaubt = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '.' || c == ':' || c == '-' ||
                             c == '[' || c == ']';
        if (!erlaubt)
            return false;
    }
    return true;
}

} // namespace

LiveZiel live_ziel(QByteArrayView pfad)
{
    if (pfad == "/" || pfad == "/index.html")
        return LiveZiel::seite;
    if (pfad == "/app.js")
        return LiveZiel::skript;
    if (pfad == "/app.css")
        return LiveZiel::stil;
    if (pfad == "/stand.json")
        return LiveZiel::stand;
    if (pfad == "/live")
        return LiveZiel::live;
    return LiveZiel::unbekannt;
}

QByteArray http_antwort(int status, QByteArrayView typ, QByteArrayView inhalt, QByteArrayView host,
                        QByteArrayView zusatz)
{
    QByteArray verbinden = "connect-src 'self'";
    if (ist_host(host))
        verbinden += " ws://" + host.toByteArray();
    QByteArray antwort;
    antwort.reserve(512 + inhalt.size());
    antwort += "HTTP/1.1 " + QByteArray::number(status) + ' ' + grund(status) + "\r\n";
    antwort += "Content-Type: " + typ.toByteArray() + "\r\n";
    antwort += "Content-Length: " + QByteArray::number(inhalt.size()) + "\r\n";
    antwort += "Content-Security-Policy: default-src 'self'; " + verbinden +
               "; frame-ancestors 'none'; base-uri 'none'; form-action 'self'\r\n";
    antwort += "X-Content-Type-Options: nosniff\r\n";
    antwort += "X-Frame-Options: DENY\r\n";
    antwort += "Cross-Origin-Resource-Policy: same-origin\r\n";
    antwort += "Cross-Origin-Opener-Policy: same-origin\r\n";
    antwort += "Referrer-Policy: no-referrer\r\n";
    antwort += "Cache-Control: no-store\r\n";
    antwort += zusatz.toByteArray();
    antwort += "Connection: close\r\n\r\n";
    antwort += inhalt.toByteArray();
    return antwort;
}

QByteArray http_fehler(int status, QByteArrayView host)
{
    QByteArray text = "Fehler";
    for (const Fehlerseite &seite : fehlerseiten) {
        if (seite.status == status)
            text = seite.text;
    }
    const QByteArray seite = "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\">"
                             "<title>" +
                             QByteArray::number(status) + "</title></head><body><p>" + text +
                             "</p></body></html>\n";
    return http_antwort(status, "text/html; charset=utf-8", seite, host,
                        status == 405 ? "Allow: GET, HEAD\r\n" : QByteArrayView());
}

QByteArray http_nur_kopf(const QByteArray &antwort)
{
    const qsizetype ende = antwort.indexOf("\r\n\r\n");
    return ende < 0 ? antwort : antwort.first(ende + 4);
}
