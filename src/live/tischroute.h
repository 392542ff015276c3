#pragma once

#include "live/http_anfrage.h"
#include "live/meldungsgrenze.h"

#include <QByteArray>
#include <QString>

class Tischannahme;

// The addresses "/e/<key>" of the live page's server: a slip's page for the phones and its form.
// While the organiser does not take results from the tables, or no plan answers, every such
// address is unknown (404 like any other path). Every failure of a key gets the same 404; too
// many of them from an address, or from all together, and more than ten proposals a minute
// from one phone, are refused with 429 before anything is looked up.
class Tischroute
{
public:
    static constexpr int meldungen_je_minute = 10;
    static constexpr int fehlversuche_je_minute = 20;
    static constexpr int fehlversuche_gesamt_je_minute = 200;

    Tischroute();

    static bool ist_tischpfad(QByteArrayView pfad) { return pfad.startsWith("/e/"); }

    void annahme_setzen(Tischannahme *annahme) { m_annahme = annahme; }
    void annehmen(bool an) { m_an = an; }
    bool nimmt_an() const { return m_an && m_annahme; }

    struct Antwort
    {
        bool vollstaendig = true; // false: the body has not arrived in full yet
        int status = 0;
        QByteArray bytes;
    };
    // The answer to a request for a "/e/" address; `rest` is what followed the head, `eigener_host`
    // the Host a phone names this laptop by ("192.168.1.20:8080"), `adresse` the phone's.
    Antwort beantworten(const HttpAnfrage &anfrage, QByteArrayView rest,
                        const QByteArray &eigener_host, const QString &adresse, qint64 jetzt_ms);

private:
    Antwort post(const HttpAnfrage &anfrage, QByteArrayView rest, QByteArrayView schluessel,
                 const QString &adresse, qint64 jetzt_ms);

    Tischannahme *m_annahme = nullptr;
    bool m_an = false;
    Meldungsgrenze m_meldungen;
    Meldungsgrenze m_fehlversuche;
    Meldungsgrenze m_fehlversuche_gesamt;
};
