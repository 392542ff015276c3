#pragma once

struct Zustand;
class QString;

// The first start-up steps that need no window: German regional settings, data folder and
// version, options.
void programm_vorbereiten(Zustand &zustand, const QString &programm_ordner);
