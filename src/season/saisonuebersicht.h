#pragma once

#include "grid/ausgabetabelle.h"
#include "season/saison.h"

#include <QDate>
#include <QObject>
#include <QString>

class GitterModell;
class TOptionen;
struct Zustand;

// What the season window shows, without the window: every stored day of the data folder in one
// list, the players in another, and the season totals. Both lists sort by a click on a title.
class Saisonuebersicht : public QObject
{
    Q_OBJECT

public:
    Saisonuebersicht(Zustand &zustand, GitterModell &tage, GitterModell &spieler,
                     QObject *eltern = nullptr);

    // Reads the folder again and fills both lists: the days by date, the players by team and
    // name.
    void laden();

    const Saison &saison() const { return m_saison; }
    // "Saisonübersicht <team 1> gegen <team 2>".
    QString ueberschrift() const;
    // The days won per team, the drawn and the damaged days, in one line.
    QString summen_text() const;
    // The three lists as shown, for the spreadsheet and the print.
    QList<Ausgabetabelle> tabellen() const;

signals:
    void geaendert();

private:
    void tage_fuellen();
    void spieler_fuellen();

    Zustand &m_zustand;
    GitterModell &m_tage;
    GitterModell &m_spieler;
    Saison m_saison;
};

// The team's name from the options, "Mannschaft 1" or "Mannschaft 2" when none is set.
QString mannschaftsname(const TOptionen &optionen, Mannschaft mannschaft);

// A rank average with two decimals and a decimal comma ("2,50").
QString durchschnitt_text(double wert);
