#pragma once

#include "matchplan/rundenplan.h"
#include "printing/rundenplan_druck.h"
#include "shell/druck_modul.h"

#include <QList>
#include <functional>

class GitterModell;
class Plattform;
struct Zustand;

// The address of a game's page for the phones (its matrix cell), or no function: the slips then
// carry no QR code.
using Zetteladresse = std::function<QString(int spalte, int zeile)>;

// The rounds with the entries' names from the matrix headings, for printing.
QList<Druckrunde> druckrunden(const Rundenplan &plan, const GitterModell &matrix,
                              const Zetteladresse &adresse = {});

// "Rundenplan drucken" and "Spielzettel drucken" as print previews: the pages of today's date
// in the options' print font, and "Als PDF speichern" offering "Rundenplan.pdf" or
// "Spielzettel.pdf" in the data folder.
Seitenvorschau rundenplan_vorschau(const Zustand &zustand, Plattform &plattform,
                                   const Rundenplan &plan, const GitterModell &matrix);
Seitenvorschau spielzettel_vorschau(const Zustand &zustand, Plattform &plattform,
                                    const Rundenplan &plan, const GitterModell &matrix,
                                    const Zetteladresse &adresse = {});
