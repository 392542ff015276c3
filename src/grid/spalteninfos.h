#pragma once

#include "grid/spalteninfo.h"

#include <memory>
#include <vector>

// The column information of a grid by column number. A column may have none, and the table
// may be shorter or longer than the grid: information of columns hidden by a smaller column
// count stays and applies again when the grid grows.
class Spalteninfos
{
public:
    // None for a negative column or one beyond the table.
    TColInfo *holen(int spalte) const;
    // Lengthens the table as needed; a negative column stores nothing.
    void setzen(int spalte, std::unique_ptr<TColInfo> info);
    void tauschen(int c1, int c2);
    // An empty entry before `spalte`; the entries from there on move one column on.
    void einfuegen(int spalte);
    // The entry of `spalte` goes; the entries after it move one column back.
    void entfernen(int spalte);
    void leeren() { m_infos.clear(); }
    int groesse() const { return int(m_infos.size()); }

private:
    std::vector<std::unique_ptr<TColInfo>> m_infos;
};

// The column's parameter string: title, title alignment, title font, title colour, width,
// type letter, decimals, data alignment, data font, data colour, separated by `trenner`.
QString spalteninfo_text(const TColInfo &info, QChar trenner);
