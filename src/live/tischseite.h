#pragma once

#include "shell/tischannahme.h"

#include <QByteArray>

// The phone's page of one game, "/e/<key>": German, a plain HTML form that works without any
// script, names inserted as text. The form posts to the page's own address, so the key appears
// nowhere in the page.
enum class Tischhinweis { keiner, gemeldet, ungueltig };

QByteArray tischseite(const Tischlage &lage, Tischhinweis hinweis);
