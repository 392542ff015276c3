#include "grid/gittermasse.h"

#include <algorithm>

Gittermasse::Gittermasse(int spalten, int zeilen)
{
    m_breiten.assign(size_t(spalten), m_standard_breite);
    m_hoehen.assign(size_t(zeilen), m_standard_hoehe);
}

int Gittermasse::breite(int aCol) const
{
    if (aCol < 0 || size_t(aCol) >= m_breiten.size())
        return m_standard_breite;
    return m_breiten[size_t(aCol)];
}

bool Gittermasse::setze_breite(int aCol, int breite)
{
    if (aCol < 0 || size_t(aCol) >= m_breiten.size() || m_breiten[size_t(aCol)] == breite)
        return false;
    m_breiten[size_t(aCol)] = breite;
    return true;
}

int Gittermasse::hoehe(int aRow) const
{
    if (aRow < 0 || size_t(aRow) >= m_hoehen.size())
        return m_standard_hoehe;
    return m_hoehen[size_t(aRow)];
}

bool Gittermasse::setze_hoehe(int aRow, int hoehe)
{
    if (aRow < 0 || size_t(aRow) >= m_hoehen.size() || m_hoehen[size_t(aRow)] == hoehe)
        return false;
    m_hoehen[size_t(aRow)] = hoehe;
    return true;
}

void Gittermasse::setze_standard_breite(int breite)
{
    m_standard_breite = breite;
    std::fill(m_breiten.begin(), m_breiten.end(), breite);
}

void Gittermasse::setze_standard_hoehe(int hoehe)
{
    m_standard_hoehe = hoehe;
    std::fill(m_hoehen.begin(), m_hoehen.end(), hoehe);
}

void Gittermasse::spalten(int anzahl)
{
    m_breiten.resize(size_t(anzahl), m_standard_breite);
}

void Gittermasse::zeilen(int anzahl)
{
    m_hoehen.resize(size_t(anzahl), m_standard_hoehe);
}

void Gittermasse::spalte_einfuegen(int aCol)
{
    const size_t anzahl = m_breiten.size();
    if (aCol < 0 || size_t(aCol) > anzahl)
        return;
    m_breiten.insert(m_breiten.begin() + aCol, m_standard_breite);
    m_breiten.resize(anzahl);
}

void Gittermasse::spalte_entfernen(int aCol)
{
    if (aCol < 0 || size_t(aCol) >= m_breiten.size())
        return;
    std::rotate(m_breiten.begin() + aCol, m_breiten.begin() + aCol + 1, m_breiten.end());
    m_breiten.back() = m_standard_breite;
}

void Gittermasse::spalten_tauschen(int c1, int c2)
{
    if (c1 < 0 || c2 < 0 || size_t(c1) >= m_breiten.size() || size_t(c2) >= m_breiten.size())
        return;
    std::swap(m_breiten[size_t(c1)], m_breiten[size_t(c2)]);
}
