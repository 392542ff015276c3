#include "grid/gitterzeiger.h"

#include <algorithm>

void Gitterzeiger::setze_oberste_zeile(int aRow, int erste, int letzte)
{
    m_oberste_zeile = std::clamp(aRow, erste, std::max(erste, letzte));
}

void Gitterzeiger::setze_linke_spalte(int aCol, int erste, int letzte)
{
    m_linke_spalte = std::clamp(aCol, erste, std::max(erste, letzte));
}

TGridRect Gitterzeiger::auswahl_fuer(int aCol, int aRow, int erste_spalte, int letzte_spalte) const
{
    if (m_zeilenwahl)
        return {erste_spalte, aRow, letzte_spalte, aRow};
    return {aCol, aRow, aCol, aRow};
}
