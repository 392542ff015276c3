#pragma once

#include "grid/gitterauswahl.h"

// Where a grid's cursor stands and what is selected: the current cell, the first row and
// column scrolled into view, the selected rectangle and how the cursor selects.
class Gitterzeiger
{
public:
    int zeile() const { return m_zeile; }
    void setze_zeile(int aRow) { m_zeile = aRow; }
    int spalte() const { return m_spalte; }
    void setze_spalte(int aCol) { m_spalte = aCol; }
    int oberste_zeile() const { return m_oberste_zeile; }
    // Scrolling stays within erste..letzte, and at erste when that range is empty.
    void setze_oberste_zeile(int aRow, int erste, int letzte);
    int linke_spalte() const { return m_linke_spalte; }
    void setze_linke_spalte(int aCol, int erste, int letzte);

    const TGridRect &auswahl() const { return m_auswahl; }
    void setze_auswahl(const TGridRect &auswahl) { m_auswahl = auswahl; }
    // The selection of a cursor on (aCol, aRow): its cell, or with row select its row from
    // erste_spalte to letzte_spalte.
    TGridRect auswahl_fuer(int aCol, int aRow, int erste_spalte, int letzte_spalte) const;
    int ausgewaehlte_spalten() const { return m_auswahl.Right - m_auswahl.Left + 1; }
    int ausgewaehlte_zeilen() const { return m_auswahl.Bottom - m_auswahl.Top + 1; }
    // Selected rows, none when nothing is selected.
    int markierte_zeilen() const { return m_auswahl.Top < 0 ? 0 : ausgewaehlte_zeilen(); }

    bool zeilenwahl() const { return m_zeilenwahl; }
    void setze_zeilenwahl(bool an) { m_zeilenwahl = an; }
    bool editieren() const { return m_editieren; }
    void setze_editieren(bool an) { m_editieren = an; }

private:
    int m_zeile = 1;
    int m_spalte = 1;
    int m_oberste_zeile = 1;
    int m_linke_spalte = 1;
    TGridRect m_auswahl{1, 1, 1, 1};
    bool m_zeilenwahl = false;
    bool m_editieren = true;
};
