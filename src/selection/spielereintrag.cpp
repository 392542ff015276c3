#include "selection/spielereintrag.h"

#include "rosters/adresse.h"

namespace {

// Trims every code up to the blank, control characters included.
QString trimmen(const QString &text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang).unicode() <= u' ')
        ++anfang;
    while (ende > anfang && text.at(ende - 1).unicode() <= u' ')
        --ende;
    return text.mid(anfang, ende - anfang);
}

} // namespace

QString spieler_eintrag(const adresse &satz, bool doppel)
{
    const QString name = trimmen(satz.wert(adr::name));
    // Only the first name is required: a player without a surname must not drop out of the
    // doubles draw as an empty entry.
    if (doppel)
        return name.isEmpty() ? trimmen(satz.wert(adr::vorname)) : name;
    return trimmen(satz.wert(adr::vorname) + u' ' + name);
}

QStringList spieler_eintraege(const QString &adressen_pfad, bool doppel)
{
    QStringList eintraege;
    for (const adresse &satz : adressen_lesen(adressen_pfad))
        eintraege.append(spieler_eintrag(satz, doppel));
    return eintraege;
}
