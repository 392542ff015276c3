#include "printing/druckwahl_fenster.h"

using namespace Qt::StringLiterals;

TForm15::TForm15(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : Mannschaftswahl({.titel = u"Teilnehmer drucken"_s,
                       .knopf1 = u"Teilnehmer Mannschaft &1 drucken"_s,
                       .knopf2 = u"Teilnehmer Mannschaft &2 drucken"_s},
                      zustand, plattform, parent)
{
    setObjectName("Form15");
}
