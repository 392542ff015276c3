#include "live/tischroute.h"

#include "live/http_antwort.h"
#include "live/meldungsformular.h"
#include "live/tischseite.h"
#include "shell/tischannahme.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 minute_ms = 60'000;
const QString alle = u"*"_s; // the key of the overall count

Tischroute::Antwort fertig(int status, QByteArray bytes)
{
    return {true, status, std::move(bytes)};
}

Tischroute::Antwort fehler(int status, QByteArrayView host)
{
    return fertig(status, http_fehler(status, host));
}

} // namespace

Tischroute::Tischroute()
    : m_meldungen(meldungen_je_minute, minute_ms)
    , m_fehlversuche(fehlversuche_je_minute, minute_ms)
    , m_fehlversuche_gesamt(fehlversuche_gesamt_je_minute, minute_ms)
{
}

Tischroute::Antwort Tischroute::beantworten(const HttpAnfrage &anfrage, QByteArrayView rest,
                                            const QByteArray &eigener_host, const QString &adresse,
                                            qint64 jetzt_ms)
{
    // Switched off, the addresses do not exist.
    if (!nimmt_an())
        return fehler(404, anfrage.host);
    if (anfrage.host != eigener_host)
        return fehler(421, {});
    const bool post = anfrage.methode == "POST";
    if (!post && anfrage.methode != "GET")
        return fertig(405, http_antwort(405, "text/html; charset=utf-8",
                                        "<!DOCTYPE html>\n<html lang=\"de\"><head><meta "
                                        "charset=\"utf-8\"><title>405</title></head><body><p>"
                                        "Hier kann nur ein Ergebnis gemeldet werden.</p></body>"
                                        "</html>\n",
                                        anfrage.host, "Allow: GET, HEAD, POST\r\n"));
    if (!m_fehlversuche.frei(adresse, jetzt_ms) || !m_fehlversuche_gesamt.frei(alle, jetzt_ms))
        return fehler(429, anfrage.host);
    const QByteArrayView schluessel = QByteArrayView(anfrage.pfad).sliced(3);
    if (post)
        return this->post(anfrage, rest, schluessel, adresse, jetzt_ms);
    const std::optional<Tischlage> lage = m_annahme->lage(schluessel);
    if (!lage) {
        m_fehlversuche.zulassen(adresse, jetzt_ms);
        m_fehlversuche_gesamt.zulassen(alle, jetzt_ms);
        return fehler(404, anfrage.host);
    }
    return fertig(200, http_antwort(200, "text/html; charset=utf-8",
                                    tischseite(*lage, Tischhinweis::keiner), anfrage.host));
}

Tischroute::Antwort Tischroute::post(const HttpAnfrage &anfrage, QByteArrayView rest,
                                     QByteArrayView schluessel, const QString &adresse,
                                     qint64 jetzt_ms)
{
    // A body only with its length given: the reader of the head has already refused two
    // lengths, a malformed one, chunks and any header that could be read two ways.
    if (!anfrage.inhalt_laenge)
        return fehler(400, anfrage.host);
    const qint64 laenge = *anfrage.inhalt_laenge;
    if (laenge > formular_hoechstens)
        return fehler(413, anfrage.host);
    if (!anfrage.origin.isEmpty() && anfrage.origin != "http://" + anfrage.host)
        return fehler(403, {});
    if (rest.size() < laenge)
        return {false, 0, {}};
    const std::optional<Tischlage> lage = m_annahme->lage(schluessel);
    if (!lage) {
        m_fehlversuche.zulassen(adresse, jetzt_ms);
        m_fehlversuche_gesamt.zulassen(alle, jetzt_ms);
        return fehler(404, anfrage.host);
    }
    if (!m_meldungen.zulassen(adresse, jetzt_ms))
        return fehler(429, anfrage.host);
    const std::optional<Meldungstore> tore = formular_lesen(rest.first(laenge));
    if (!tore)
        return fertig(400, http_antwort(400, "text/html; charset=utf-8",
                                        tischseite(*lage, Tischhinweis::ungueltig), anfrage.host));
    if (!m_annahme->melden(schluessel, tore->tore1, tore->tore2, adresse))
        return fehler(404, anfrage.host);
    // The page of the game shows the proposal; reloading it sends nothing again.
    return fertig(303, http_antwort(303, "text/html; charset=utf-8", {}, anfrage.host,
                                    "Location: " + anfrage.pfad + "\r\n"));
}
