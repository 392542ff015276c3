#pragma once

#include "grid/filterbedingung.h"

#include <QString>
#include <vector>

// The filter of a grid: its condition string, whether it is switched on, the conditions read
// from it, and the rows it set aside because they failed them.
class Filterstand
{
public:
    using Zeile = std::vector<QString>;

    const QString &text() const { return m_text; }
    // Stores the text without surrounding blanks; true when that changed it.
    bool setze_text(const QString &text);
    bool an() const { return m_an; }
    bool setze_an(bool an);
    // A filter is in force when it is switched on and has a text.
    bool wirkt() const { return m_an && !m_text.isEmpty(); }

    // The conditions read last, for the rows to be tested against.
    std::vector<TFiltRec> &bedingungen() { return m_bedingungen; }

    // Rows set aside keep their order; zurueckgeben hands them all back and keeps none.
    void beiseitelegen(Zeile zeile) { m_beiseite.push_back(std::move(zeile)); }
    std::vector<Zeile> zurueckgeben();
    int beiseite() const { return int(m_beiseite.size()); }
    // The rows set aside belong to content that is gone.
    void beiseite_vergessen() { m_beiseite.clear(); }

private:
    QString m_text;
    bool m_an = false;
    std::vector<TFiltRec> m_bedingungen;
    std::vector<Zeile> m_beiseite;
};
