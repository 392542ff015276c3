#pragma once

#include <QString>
#include <optional>

// The number of a draw is the seed its order was drawn with; typed into "Nr." it replays it.

// "Auslosung Nr. 48213"; empty without a number.
QString auslosung_text(std::optional<quint32> nummer);

// Decimal digits with blanks around them, 0..4294967295; anything else is no number.
std::optional<quint32> auslosungsnummer_lesen(const QString &text);

// Why a typed text is no draw number, in German.
QString auslosungsnummer_meldung(const QString &text);
