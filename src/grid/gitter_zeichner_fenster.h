#pragma once

#include "grid/gitter_adapter_fenster.h"
#include "grid/gitter_zeichenflaeche.h"

// Draws every cell of a grid view itself: text with its margin and alignment, the fonts and
// colours of the column information, gradient backgrounds, the sort mark and the owner's hooks.
// The hooks get the painter as canvas: its brush is the cell background, its pen colour the
// font colour and its font the cell font.
class GitterZeichner : public GitterDelegate
{
    Q_OBJECT

public:
    GitterZeichner(GitterModell &modell, GitterZeichenflaeche &flaeche, QObject *eltern);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int zeichenzustand(const QStyleOptionViewItem &option, bool titel) const;

    GitterModell &m_modell;
    GitterZeichenflaeche &m_flaeche;
};
