#pragma once

#include "matchplan/zuschauer_ansicht.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class QDate;
class Spielplan;
struct Zeitanzeige;

// What the live page shows of a running match day: exactly what the audience view shows, so
// nothing of the rosters (addresses, phone numbers) can reach a phone.

// One table of a round: who plays whom, and the result once there is one, in the order it is
// typed into the matrix: the left entry (team 2, the matrix row) scores the first number.
struct LiveTisch
{
    int nummer = 0;
    QString links;
    QString rechts;
    QString ergebnis; // empty while open

    bool operator==(const LiveTisch &) const = default;
};

struct LiveRunde
{
    int nummer = 0;
    QList<LiveTisch> tische;

    bool operator==(const LiveRunde &) const = default;
};

// The round plan's current and next round, when the round plan is on.
struct LiveRunden
{
    std::optional<LiveRunde> aktuell;
    std::optional<LiveRunde> naechste;

    bool operator==(const LiveRunden &) const = default;
};

struct LiveMannschaft
{
    QString name;
    QString zeile; // "… hat den Spieltag gewonnen", "…: 3 Spiele gewonnen, …"
    bool sieger = false;

    bool operator==(const LiveMannschaft &) const = default;
};

struct Tagesstand
{
    bool plan_offen = false;
    std::array<LiveMannschaft, 2> mannschaften;
    struct Eintrag
    {
        Zuschauerzeile zeile;
        QString mannschaft; // the team's name
    };
    QList<Eintrag> rangliste;
    QString uhr_text;
    QString uhr_farbe; // "#rrggbb" while a game runs, else empty
    bool uhr_laeuft = false;
    QString datum; // "Dienstag, 8. Dezember 2026"
    std::optional<LiveRunden> runden;
};

// The state of the plan on show (none: no plan open) with its date and its round plan, the
// stopwatch display that plan shows and whether the stopwatch runs; today's date while no plan
// is open.
Tagesstand tagesstand(const Spielplan *plan, const Zeitanzeige &uhr, bool uhr_laeuft,
                      const QDate &heute);

// The snapshot as a JSON object, and as the document sent to the phones with its running
// number, by which a phone sees that it missed nothing.
QJsonObject stand_objekt(const Tagesstand &stand);
QByteArray stand_dokument(const QJsonObject &stand, qint64 fassung);
