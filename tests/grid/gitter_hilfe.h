#pragma once

#include "grid/filtergrid.h"

#include <QStringList>
#include <initializer_list>

// Fills a grid row by row from row 0; the counts follow the table.
inline void gitter_fuellen(GitterModell &gitter, std::initializer_list<QStringList> zeilen)
{
    int spalten = 1;
    for (const QStringList &zeile : zeilen)
        spalten = std::max(spalten, int(zeile.size()));
    gitter.SetColCount(spalten);
    gitter.SetRowCount(std::max(2, int(zeilen.size())));
    int r = 0;
    for (const QStringList &zeile : zeilen) {
        for (int c = 0; c < zeile.size(); ++c)
            gitter.SetCells(c, r, zeile[c]);
        ++r;
    }
}

inline QStringList spalte_lesen(const GitterModell &gitter, int spalte)
{
    return gitter.Cols(spalte).mid(gitter.FixedRows());
}
