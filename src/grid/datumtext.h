#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Date and time texts as German users type them, and dates as day numbers counted from
// 30.12.1899 with the time of day as fraction.

inline constexpr double ungueltiges_datum = -2147483647.0;

// "8.12.2026", "08.12.26", "8.12." (in the year of `heute`; not a date when `heute` is not
// valid), optionally followed by "10:30" or "10:30:15"; a time alone gives that time on day 0.
std::optional<double> datum_zeit_lesen(const QString &text, QDate heute);
// Whole days; the text must begin with a date.
std::optional<double> datum_lesen(const QString &text, QDate heute);
std::optional<double> zeit_lesen(const QString &text);

double datum_zeit_zu_zahl(const QDateTime &zeitpunkt);
QDateTime zahl_zu_datum_zeit(double wert);

QString datum_text(double wert);      // dd.MM.yyyy
QString zeit_text(double wert);       // HH:mm:ss
QString datum_zeit_text(double wert); // date, and the time unless it is midnight
