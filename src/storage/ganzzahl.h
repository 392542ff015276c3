#pragma once

#include <QString>
#include <optional>

// The strict whole-number reading where typed or loaded text must be a number: decimal digits
// with an optional sign, blanks around them allowed. Out of the int32 range is no number.
std::optional<qint32> ganzzahl_lesen(const QString &text);

// The conversion failure as the user sees it: "'x' ist kein gültiger Integerwert".
QString kein_integer_meldung(const QString &text);
// Whether a message is that conversion failure, which keeps the framework's "Abbrechen" button.
bool ist_kein_integer_meldung(const QString &meldung);
