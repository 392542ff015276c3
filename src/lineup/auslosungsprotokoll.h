#pragma once

#include "shell/mannschaft.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// "Auslosungen.txt" in the data folder: one line for every draw, so that a disputed draw can be
// replayed from its number and compared.
extern const QString protokoll_datei;

struct Auslosung
{
    QDateTime zeitpunkt;
    bool doppel = false;
    Mannschaft mannschaft = Mannschaft::eins;
    quint32 nummer = 0;
    QStringList namen; // the drawn line-up in its order; in doubles two names form a pair
};

// "08.12.2026;10:30:00;Doppelspiel;Mannschaft 1;4711;Name 1;Name 2;..." without its line end.
// Line breaks and other control characters in a name become blanks, so that a line stays one.
QString protokollzeile(const Auslosung &auslosung);

// Appends the line in Windows-1252 with CR LF. The file is rewritten whole through a temporary
// one, so a failure at any point leaves every earlier line as it was; a file that exists but
// cannot be read is not touched at all. False when the line was not added.
bool protokoll_anhaengen(const QString &pfad, const QString &zeile);
