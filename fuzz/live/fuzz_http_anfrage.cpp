// Arbitrary bytes as what a phone sends the live page's server: the head is read within its
// bounds and answered, whatever the bytes; never a crash, a hang or an unbounded allocation.
// The bytes also arrive in two pieces, as they do over the network: the reader decides as it
// does on the whole, without searching the first piece again.
#include "live/http_anfrage.h"
#include "live/http_antwort.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool hat_steuerzeichen(const QByteArray &wert)
{
    return std::any_of(wert.begin(), wert.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t') || b == 0x7f;
    });
}

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const HttpLesung lesung = http_anfrage_lesen(bytes);

    const qsizetype teilung = bytes.isEmpty() ? 0 : qsizetype(daten[0]) * 37 % (bytes.size() + 1);
    const HttpLesung erst = http_anfrage_lesen(bytes.first(teilung));
    const HttpLesung dann =
        http_anfrage_lesen(bytes, erst.lage == HttpLage::unvollstaendig ? erst.durchsucht : 0);
    pruefen(erst.lage != HttpLage::unvollstaendig || erst.durchsucht <= teilung);
    pruefen(dann.lage == lesung.lage && dann.status == lesung.status &&
            dann.kopf_laenge == lesung.kopf_laenge && dann.anfrage.host == lesung.anfrage.host &&
            dann.anfrage.pfad == lesung.anfrage.pfad);

    switch (lesung.lage) {
    case HttpLage::unvollstaendig:
        // Waiting for more is only allowed while the head may still grow.
        pruefen(bytes.size() < http_kopf_hoechstens);
        break;
    case HttpLage::fehlerhaft:
        pruefen(lesung.status >= 400 && lesung.status <= 505);
        http_fehler(lesung.status);
        break;
    case HttpLage::fertig: {
        const HttpAnfrage &anfrage = lesung.anfrage;
        pruefen(anfrage.pfad.startsWith('/') ||
                (anfrage.pfad == "*" && anfrage.methode == "OPTIONS"));
        pruefen(!anfrage.methode.isEmpty());
        // The head ends where the reader says, and nothing in it can be read in two ways.
        pruefen(lesung.kopf_laenge >= 4 && lesung.kopf_laenge <= bytes.size() &&
                lesung.kopf_laenge <= http_kopf_hoechstens &&
                bytes.sliced(lesung.kopf_laenge - 4, 4) == "\r\n\r\n");
        pruefen(!bytes.first(lesung.kopf_laenge).contains('\0'));
        pruefen(!hat_steuerzeichen(anfrage.host) && !hat_steuerzeichen(anfrage.origin));
        pruefen(!anfrage.inhalt_laenge || *anfrage.inhalt_laenge >= 0);
        const QByteArray antwort = http_fehler(404, anfrage.host);
        // Nothing from the request may start a header line of its own.
        pruefen(antwort.count("\r\n\r\n") == 1);
        pruefen(http_nur_kopf(antwort).endsWith("\r\n\r\n"));
        live_ziel(anfrage.pfad);
        break;
    }
    }
    return 0;
}
