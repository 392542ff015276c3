#pragma once

#include "shell/mannschaft.h"

#include <QList>
#include <QString>

class GitterModell;
class QDate;
class QScreen;

// What the audience view shows of a plan, without the window.

// One entry in the hall's ranking.
struct Zuschauerzeile
{
    QString platz; // empty while the entry has no total
    QString name;
    Mannschaft mannschaft;
    QString ges;
    int gespielt = 0; // games with both scores

    bool operator==(const Zuschauerzeile &) const = default;
};

// All entries of both teams by "Platz"; equal places and the entries without one keep the
// plan's order (team 1 first), those without one at the end.
QList<Zuschauerzeile> zuschauer_rangliste(const GitterModell &tabelle, int n);

// The view is laid out in rows of one height: two for the clock bar, the ranking's title row,
// room for 20 entries and the two team lines.
inline constexpr int zuschauer_platz_fuer = 20;
inline constexpr int zuschauer_einheiten = 2 + 1 + zuschauer_platz_fuer + 2;
int zuschauer_zeilenhoehe(int hoehe);

// "Dienstag, 8. Dezember 2026".
QString zuschauer_datum(const QDate &tag);

// The screen for the audience: the first one besides the primary screen; none with one screen.
QScreen *zuschauer_bildschirm(const QList<QScreen *> &schirme, const QScreen *primaer);
