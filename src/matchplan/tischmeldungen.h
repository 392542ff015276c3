#pragma once

#include "matchplan/tischschluessel.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The scores proposed from the tables' phones, until the organiser takes or drops them. Nothing
// here changes the plan; a proposal only waits.

struct Tischmeldung
{
    Tischspiel spiel;
    int runde = 0; // counted from 1; 0 when the game is in no round
    int tisch = 0;
    int tore1 = 0; // team 1's entry
    int tore2 = 0; // team 2's entry
    QString steht; // the game's result as it stood, team 1's score first; empty when none
    QDateTime zeitpunkt;
    QString adresse; // the phone's
};

// How a game's last proposal ended, for the phone's page.
struct Meldungsende
{
    enum Art { keins, offen, uebernommen, verworfen } art = keins;
    int tore1 = 0;
    int tore2 = 0;
};

class Tischmeldungen
{
public:
    // Lists a proposal after the others; an open one for the same game goes and is returned,
    // so that it can be recorded as replaced.
    std::optional<Tischmeldung> melden(const Tischmeldung &meldung);
    // Takes the proposal at `index` out, ended as `art` (uebernommen or verworfen).
    std::optional<Tischmeldung> beenden(int index, Meldungsende::Art art);
    const QList<Tischmeldung> &offen() const { return m_offen; }
    Meldungsende ende(const Tischspiel &spiel) const;
    // A new day or plan: no proposal and no end is left.
    void leeren();

private:
    QList<Tischmeldung> m_offen; // oldest first
    QHash<QString, Meldungsende> m_enden;
};

// What the matrix cell of the game gets: team 2's score first, as a cell is typed ("2:3").
QString meldung_zellentext(const Tischmeldung &meldung);
// "3:2", team 1's score first.
QString meldung_tore(const Tischmeldung &meldung);
// The result of a matrix cell, team 1's score first; empty unless it holds two scores.
QString stand_aus_zelle(const QString &zelle);

// "Tisch 2 · Runde 3: Müller – Schäfer 3:2 (vor 20 s, von 192.168.1.23)"; a correction of a
// game that holds a result reads "… Müller – Schäfer: steht 2:3, gemeldet 3:2 (…)".
QString meldungstext(const Tischmeldung &meldung, const QDateTime &jetzt);

// "Tischmeldungen.txt" in the data folder: one line for every proposal when it comes and one
// when it ends, in Windows-1252 with CR LF.
extern const QString tischmeldungen_datei;
// "11.12.2026;14:03:05;192.168.1.23;Einzelspiel;3;2;Müller;Schäfer;3:2;übernommen" at zeitpunkt,
// with "gemeldet", "übernommen", "verworfen" or "ersetzt" last. A phone's key is never part of it.
QString meldungszeile(const Tischmeldung &meldung, const QDateTime &zeitpunkt,
                      const QString &ausgang);
// Appends the line to the file at pfad; false when it could not be added.
bool meldungszeile_anhaengen(const QString &pfad, const QString &zeile);
