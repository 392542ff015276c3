#include "live/meldungsformular.h"

namespace {

// One or two ASCII digits; a browser never encodes them, so '%' or '+' is refused too.
std::optional<int> tore_lesen(QByteArrayView wert)
{
    if (wert.isEmpty() || wert.size() > 2)
        return std::nullopt;
    int zahl = 0;
    for (char c : wert) {
        if (c < '0' || c > '9')
            return std::nullopt;
        zahl = zahl * 10 + (c - '0');
    }
    return zahl;
}

} // namespace

std::optional<Meldungstore> formular_lesen(QByteArrayView koerper)
{
    if (koerper.isEmpty() || koerper.size() > formular_hoechstens)
        return std::nullopt;
    std::optional<int> tore[2];
    while (!koerper.isEmpty()) {
        const qsizetype und = koerper.indexOf('&');
        const QByteArrayView feld = und < 0 ? koerper : koerper.first(und);
        koerper = und < 0 ? QByteArrayView() : koerper.sliced(und + 1);
        // "t1=3&" leaves an empty last field, which no form sends.
        if (und >= 0 && koerper.isEmpty())
            return std::nullopt;
        const qsizetype gleich = feld.indexOf('=');
        if (gleich < 0)
            return std::nullopt;
        const QByteArrayView name = feld.first(gleich);
        const int index = name == "t1" ? 0 : name == "t2" ? 1 : -1;
        if (index < 0 || tore[index])
            return std::nullopt;
        tore[index] = tore_lesen(feld.sliced(gleich + 1));
        if (!tore[index])
            return std::nullopt;
    }
    if (!tore[0] || !tore[1])
        return std::nullopt;
    return Meldungstore{*tore[0], *tore[1]};
}
