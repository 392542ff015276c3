#pragma once

#include <QList>
#include <QString>

// A library or font the program is built with, and the licence it is used under.
struct Bibliothek
{
    QString name;
    QString zweck;
    QString lizenz;
};

QList<Bibliothek> verwendete_bibliotheken();
