#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

// A cell text converted by its column's type letter, for filter comparisons.
using Vergleichswert = std::variant<double, QString>;

enum class TFiltOp {
    cOpNot,
    cOpUngleich,
    cOpGrGleich,
    cOpKlGleich,
    cOpGleich,
    cOpPos,
    cOpGroesser,
    cOpKleiner
};

struct TFiltRec
{
    int spalte = 0;
    TFiltOp op = TFiltOp::cOpGleich;
    bool verneint = false;
    Vergleichswert wert;
};

// The column of a title, -1 for none.
using SpalteZuTitel = std::function<int(const QString &titel)>;
// A text read by the type of a column; none, with the message in `fehler`, when it cannot be.
using Umwandlung =
    std::function<std::optional<Vergleichswert>(int spalte, const QString &text, QString *fehler)>;
// The cell of a column in the row under test, read by its type; none when it cannot be.
using Zellwert = std::function<std::optional<Vergleichswert>(int spalte)>;

// Reads conditions "title op value" separated by `trenner`; "not" turns one round, the
// operators are <>, >=, <=, =, ~ (contains), > and <, and a piece without one is skipped.
// Empty when the string was read, else the message, and no condition stays then.
QString filter_lesen(const QString &text, QChar trenner, const SpalteZuTitel &spalte_zu,
                     const Umwandlung &umwandeln, std::vector<TFiltRec> &bedingungen);

// True when every condition holds; no condition holds for nothing.
bool bedingungen_erfuellt(const std::vector<TFiltRec> &bedingungen, const Zellwert &zelle);
