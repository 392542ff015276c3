#pragma once

#include <QList>

class Zufall;

// A random order of the pool positions 0..anzahl-1, each exactly once and every order
// equally likely: a position is drawn again until it has not been drawn before.
QList<int> auslosen(int anzahl, Zufall &zufall);
