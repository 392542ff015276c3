#include "grid/ausgabetabelle.h"

#include "grid/filtergrid.h"
#include "grid/zahltext.h"

#include <algorithm>

Ausgabetabelle ausgabetabelle(const GitterModell &gitter, const QString &titel)
{
    Ausgabetabelle tabelle;
    tabelle.titel = titel;
    for (int spalte = 0; spalte < gitter.ColCount(); ++spalte) {
        // After a sort, empty cells hold a blank.
        tabelle.spalten << trimme_steuerzeichen(gitter.Cells(spalte, 0));
        const TColInfo *info = gitter.GetColInfo(spalte);
        const qint32 flags = info ? info->DatAlign : 0;
        tabelle.ausrichtung << ((flags & ausrichtung_mitte) ? Ausgabetabelle::Ausrichtung::mitte
                                : (flags & ausrichtung_rechts)
                                    ? Ausgabetabelle::Ausrichtung::rechts
                                    : Ausgabetabelle::Ausrichtung::links);
    }
    for (int zeile = std::max(1, gitter.FixedRows()); zeile < gitter.RowCount(); ++zeile) {
        QStringList texte;
        bool leer = true;
        for (int spalte = 0; spalte < gitter.ColCount(); ++spalte) {
            texte << trimme_steuerzeichen(gitter.Cells(spalte, zeile));
            leer = leer && texte.last().isEmpty();
        }
        // A grid keeps one data row even when it has nothing to show.
        if (!leer)
            tabelle.zeilen << texte;
    }
    return tabelle;
}
