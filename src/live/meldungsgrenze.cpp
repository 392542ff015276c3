#include "live/meldungsgrenze.h"

Meldungsgrenze::Meldungsgrenze(int hoechstens, qint64 fenster_ms, int adressen_hoechstens)
    : m_hoechstens(hoechstens)
    , m_fenster_ms(fenster_ms)
    , m_adressen_hoechstens(adressen_hoechstens)
{
}

int Meldungsgrenze::zaehlen(const QString &adresse, qint64 jetzt_ms) const
{
    const auto treffer = m_zeiten.constFind(adresse);
    if (treffer == m_zeiten.cend())
        return 0;
    int anzahl = 0;
    for (qint64 zeit : *treffer) {
        if (jetzt_ms - zeit < m_fenster_ms)
            ++anzahl;
    }
    return anzahl;
}

bool Meldungsgrenze::frei(const QString &adresse, qint64 jetzt_ms) const
{
    if (!m_zeiten.contains(adresse) && m_zeiten.size() >= m_adressen_hoechstens)
        return false;
    return zaehlen(adresse, jetzt_ms) < m_hoechstens;
}

void Meldungsgrenze::vergessen(qint64 jetzt_ms)
{
    for (auto it = m_zeiten.begin(); it != m_zeiten.end();) {
        it->removeIf([&](qint64 zeit) { return jetzt_ms - zeit >= m_fenster_ms; });
        it = it->isEmpty() ? m_zeiten.erase(it) : std::next(it);
    }
}

bool Meldungsgrenze::zulassen(const QString &adresse, qint64 jetzt_ms)
{
    if (!m_zeiten.contains(adresse) && m_zeiten.size() >= m_adressen_hoechstens)
        vergessen(jetzt_ms);
    if (!frei(adresse, jetzt_ms))
        return false;
    QList<qint64> &zeiten = m_zeiten[adresse];
    zeiten.removeIf([&](qint64 zeit) { return jetzt_ms - zeit >= m_fenster_ms; });
    zeiten << jetzt_ms;
    return true;
}
