#pragma once

#include "matchplan/rundenplan.h"
#include "printing/rundenplan_druck.h"
#include "shell/druck_modul.h"

#include <QList>
#include <functional>

class GitterModell;
class Plattform;
class Spielplan;
struct Zustand;

// The address of a game's page for the phones (its matrix cell), or no function: the slips then
// carry no QR code.
using Zetteladresse = std::function<QString(int spalte, int zeile)>;

// The rounds with the entries' names from the matrix headings and the results the standings
// hold, each game in the order its result is typed.
QList<Druckrunde> druckrunden(const Rundenplan &plan, const GitterModell &tabelle,
                              const GitterModell &matrix, const Zetteladresse &adresse = {});
// The teams' names from the options over the entries, team 2's (the matrix rows) left.
Druckmannschaften druckmannschaften(const Spielplan &plan);

// "Rundenplan drucken" and "Spielzettel drucken" as print previews: the pages of today's date
// in the options' print font, and "Als PDF speichern" offering "Rundenplan.pdf" or
// "Spielzettel.pdf" in the data folder.
Seitenvorschau rundenplan_vorschau(const Zustand &zustand, Plattform &plattform,
                                   const Spielplan &plan);
Seitenvorschau spielzettel_vorschau(const Zustand &zustand, Plattform &plattform,
                                    const Spielplan &plan, const Zetteladresse &adresse = {});
