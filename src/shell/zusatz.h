#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

// Settings beyond the fixed-size options file, kept as INI in "Vorlix_Zusatz.ini" in the data
// folder. Missing or unreadable values give their defaults; the options file stays untouched.
inline constexpr auto zusatz_dateiname = u"Vorlix_Zusatz.ini";

inline constexpr int tische_hoechstens = 10;
inline constexpr int live_port_vorgabe = 8080;

// Tables of the hall for the round plan: 0 (no round plan) to 10.
int zusatz_tische(const QString &daten_pfad);
// Setting a value gives std::nullopt, or the German message when the file could not be written.
std::optional<QString> zusatz_tische_setzen(const QString &daten_pfad, int tische);

// Port of the live page: 1024..65535, else the default 8080.
int zusatz_live_port(const QString &daten_pfad);
std::optional<QString> zusatz_live_port_setzen(const QString &daten_pfad, int port);

// "Ergebnisse von den Tischen annehmen": off unless set.
bool zusatz_tischmeldungen(const QString &daten_pfad);
std::optional<QString> zusatz_tischmeldungen_setzen(const QString &daten_pfad, bool an);

// The secret of the day the slips' keys are made with, and the day it belongs to; empty when
// none is kept or it is not of that day.
QByteArray zusatz_tagesgeheimnis(const QString &daten_pfad, const QDate &tag);
std::optional<QString> zusatz_tagesgeheimnis_setzen(const QString &daten_pfad, const QDate &tag,
                                                    const QByteArray &geheimnis);
