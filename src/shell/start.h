#pragma once

class Plattform;
struct Zustand;
class QString;

// The first start-up steps that need no window: seed the generator, German regional
// settings, data folder and version, options.
void programm_vorbereiten(Zustand &zustand, Plattform &plattform, const QString &programm_ordner);
