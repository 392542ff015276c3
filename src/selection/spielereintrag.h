#pragma once

#include <QString>
#include <QStringList>

class adresse;

// The text a roster player shows in the selection lists: first name, blank and surname in
// singles, the surname alone in doubles (the first name when there is no surname). Characters
// up to the blank are trimmed from the ends.
QString spieler_eintrag(const adresse &satz, bool doppel);

// One entry per complete record of the roster file, in storage order; a missing file gives none.
QStringList spieler_eintraege(const QString &adressen_pfad, bool doppel);
