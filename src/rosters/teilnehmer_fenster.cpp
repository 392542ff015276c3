#include "rosters/teilnehmer_fenster.h"

using namespace Qt::StringLiterals;

TForm9::TForm9(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : Mannschaftswahl({.titel = u"Teilnehmer erfassen"_s,
                       .knopf1 = u"Mannschaft &1 erfassen"_s,
                       .knopf2 = u"Mannschaft &2 erfassen"_s},
                      zustand, plattform, parent)
{
    setObjectName("Form9");
}
