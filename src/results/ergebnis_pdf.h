#pragma once

#include "printing/druckseite.h"

#include <QDate>
#include <QList>
#include <QString>

class GitterModell;
class Plattform;
struct Zustand;

// The pages of a results list as shown: the heading, the date they were made and every row in
// the list's current order.
QList<DruckSeite> ergebnis_seiten(const GitterModell &gitter, const QString &ueberschrift,
                                  const QDate &heute, const Druckschrift &schrift);

// "Als PDF speichern": asks for the file and writes the list in the print font of the options;
// a file that could not be written is reported.
void ergebnisse_als_pdf(const Zustand &zustand, Plattform &plattform, const GitterModell &gitter,
                        const QString &ueberschrift);
