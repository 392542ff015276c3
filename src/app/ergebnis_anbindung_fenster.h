#pragma once

#include <QObject>

class ErgebnislisteFenster;
class Plattform;
class TForm1;
class TurnierplanAnbindung;
struct Zustand;

// The end of "Ergebnisse ansehen": the day chosen in the file choice is shown in the results
// list of the game kind, each list window created when first needed and kept from then on.
class ErgebnisAnbindung : public QObject
{
    Q_OBJECT

public:
    ErgebnisAnbindung(TForm1 &hauptfenster, TurnierplanAnbindung &turnierplan, Zustand &zustand,
                      Plattform &plattform);

    ErgebnislisteFenster &ergebnisliste(bool doppel);

private:
    TForm1 &m_hauptfenster;
    Zustand &m_zustand;
    Plattform &m_plattform;
    ErgebnislisteFenster *m_form11 = nullptr;
    ErgebnislisteFenster *m_form13 = nullptr;
};
