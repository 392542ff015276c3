#pragma once

#include "shell/zustand.h"

#include <QTemporaryDir>

// A shared state on a fresh temporary data folder, as the program has it after start-up.
struct TestOrdner
{
    QTemporaryDir ordner;
    Zustand zustand;

    TestOrdner() { zustand.daten_pfad = ordner.path() + u'/'; }
    QString pfad(const QString &dateiname) const { return zustand.pfad(dateiname); }
};
