#include "grid/filterstand.h"

bool Filterstand::setze_text(const QString &text)
{
    const QString neu = text.trimmed();
    if (neu == m_text)
        return false;
    m_text = neu;
    return true;
}

bool Filterstand::setze_an(bool an)
{
    if (an == m_an)
        return false;
    m_an = an;
    return true;
}

std::vector<Filterstand::Zeile> Filterstand::zurueckgeben()
{
    std::vector<Zeile> zeilen;
    zeilen.swap(m_beiseite);
    return zeilen;
}
