// Arbitrary bytes as a request to a slip's page: read, routed and answered within bounds, and
// only a whole form with two scores of one or two digits ever reaches the plan.
#include "live/http_anfrage.h"
#include "live/tischroute.h"
#include "shell/tischannahme.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct Annahme : Tischannahme
{
    std::optional<Tischlage> lage(QByteArrayView schluessel) override
    {
        if (schluessel != "AAAAAAAAAAAAAAAAAAAAAAAA")
            return std::nullopt;
        return Tischlage{3,
                         2,
                         QStringLiteral("Müller"),
                         QStringLiteral("Grün"),
                         QStringLiteral("<b>"),
                         QStringLiteral("Rot"),
                         {},
                         {},
                         0,
                         0};
    }
    bool melden(QByteArrayView, int tore1, int tore2, const QString &) override
    {
        if (tore1 < 0 || tore1 > 99 || tore2 < 0 || tore2 > 99)
            std::abort();
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const HttpLesung lesung = http_anfrage_lesen(bytes);
    if (lesung.lage != HttpLage::fertig || !Tischroute::ist_tischpfad(lesung.anfrage.pfad))
        return 0;
    if (lesung.kopf_laenge < 4 || lesung.kopf_laenge > bytes.size())
        std::abort();
    Annahme annahme;
    Tischroute route;
    route.annahme_setzen(&annahme);
    route.annehmen(true);
    const Tischroute::Antwort antwort =
        route.beantworten(lesung.anfrage, bytes.sliced(lesung.kopf_laenge), "127.0.0.1:8080",
                          QStringLiteral("192.168.1.23"), 0);
    if (antwort.vollstaendig &&
        (antwort.status < 200 || antwort.status > 505 || antwort.bytes.count("\r\n\r\n") < 1))
        std::abort();
    return 0;
}
