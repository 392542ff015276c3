#pragma once

#include "printing/vorschau_leiste_fenster.h"
#include "shell/druck_modul.h"

// The print preview of pages the program laid out: one or two pages on screen, printing,
// another printer and saving as PDF. Part of the print module; it goes when closed.
class SeitenvorschauFenster : public VorschauLeisteFenster
{
    Q_OBJECT

public:
    SeitenvorschauFenster(const Seitenvorschau &vorschau, Plattform &plattform,
                          QWidget *eltern = nullptr);

private:
    bool ausgeben(QPrinter &drucker) override;

    Seitenvorschau m_vorschau;
};
