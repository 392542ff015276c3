#pragma once

class QWidget;

// For start-up measurements: with VORLIX_NACH_ERSTEM_BILD_BEENDEN set, the program ends as
// soon as the given window has been painted once.
void nach_erstem_bild_beenden_wenn_verlangt(QWidget *fenster);
