#pragma once

#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>
#include <utility>

// Reading numbers out of texts that people typed ("1.234,56", "12,-", "-,50", "12,50 EUR").
// None of these functions throws: a text that cannot be read gives "0" or 0.

QString NormalizeNumberText(const QString &text, int decimals);
double StrToFloatNorm(const QString &text);
qint32 StrToIntNorm(const QString &text);
double StrToCurrNorm(const QString &text);

// (piece before the first separator, rest after it); without separator (whole text, "").
std::pair<QString, QString> CutToken(QChar separator, const QString &text);
QString RemoveChars(const QString &text, const QString &set);
QString ReplaceChars(const QString &text, const QString &set, QChar c);
// Edges included: left <= x <= right and top <= y <= bottom.
bool PointInRect(int x, int y, const QRect &rect);

// A separated list read like lines: an empty text has none, and a separator at the very end
// opens no further item.
QStringList in_zeilen(const QString &text, QChar trenner);
// The message of a failed integer conversion of `text`.
QString kein_integer(const QString &text);
// Trim of spaces and control characters at both ends.
QString trimme_steuerzeichen(const QString &text);
// The regional number format without thousands separators.
QLocale zahlen_locale();
