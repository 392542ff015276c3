#pragma once

#include "lineup/auslosungs_fenster.h"
#include "shell/mannschaft.h"

class QRadioButton;

// "Zufällige Gruppen erstellen": the doubles line-up of one team at a time, ten pairs.
class TForm7 : public AuslosungsFenster
{
    Q_OBJECT

public:
    TForm7(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // Checks the option of the team whose line-up the fields already show, without reading it
    // again.
    void mannschaft_zeigen(Mannschaft mannschaft);

    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button1 = nullptr;
    Nummernzeile m_nummernzeile; // serves the team on show

private:
    void oberflaeche_aufbauen();
    Mannschaft gewaehlte_mannschaft() const;
    void nummer_der_gezeigten();
    void RadioButton1Click();
    void RadioButton2Click();
    void Button3Click();
    void wiederholen();
    // A new draw of the chosen team, with the given number or a new one.
    void neu_mischen(std::optional<quint32> saat);
};
