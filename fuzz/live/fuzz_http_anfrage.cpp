// Arbitrary bytes as what a phone sends the live page's server: the head is read within its
// bounds and answered, whatever the bytes; never a crash, a hang or an unbounded allocation.
#include "live/http_anfrage.h"
#include "live/http_antwort.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const HttpLesung lesung = http_anfrage_lesen(bytes);
    switch (lesung.lage) {
    case HttpLage::unvollstaendig:
        // Waiting for more is only allowed while the head may still grow.
        if (bytes.size() >= http_kopf_hoechstens)
            std::abort();
        break;
    case HttpLage::fehlerhaft:
        if (lesung.status < 400 || lesung.status > 505)
            std::abort();
        http_fehler(lesung.status);
        break;
    case HttpLage::fertig: {
        const HttpAnfrage &anfrage = lesung.anfrage;
        if (!anfrage.pfad.startsWith('/') || anfrage.methode.isEmpty())
            std::abort();
        const QByteArray antwort = http_fehler(404, anfrage.host);
        // Nothing from the request may start a header line of its own.
        if (antwort.count("\r\n\r\n") != 1)
            std::abort();
        live_ziel(anfrage.pfad);
        break;
    }
    }
    return 0;
}
