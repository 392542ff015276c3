#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// What the live page's server may ask of the plan on show about a slip's key: the page of its
// game, and a proposed score. The server holds no plan; the wiring answers for the plan shown.

// The record of every proposal in the data folder; both backups take it.
inline constexpr auto tischmeldungen_dateiname = u"Tischmeldungen.txt";

// What a phone's page shows of its game.
struct Tischlage
{
    int runde = 0; // counted from 1; 0 without a round plan
    int tisch = 0;
    QString name1; // team 1's entry
    QString mannschaft1;
    QString name2;
    QString mannschaft2;
    QString steht; // the result in the plan, team 1's score first; empty while open
    // How the last proposal for the game ended.
    enum Ende { keins, offen, uebernommen, verworfen } ende = keins;
    int tore1 = 0;
    int tore2 = 0;
};

class Tischannahme
{
public:
    virtual ~Tischannahme() = default;
    // The game of the key in the plan shown; none when the key opens nothing.
    virtual std::optional<Tischlage> lage(QByteArrayView schluessel) = 0;
    // A proposal for the key's game from the phone at adresse; false when the key opens nothing.
    // It only waits for the organiser: nothing of the plan changes.
    virtual bool melden(QByteArrayView schluessel, int tore1, int tore2,
                        const QString &adresse) = 0;
};
