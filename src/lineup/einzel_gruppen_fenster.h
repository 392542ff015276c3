#pragma once

#include "lineup/auslosungs_fenster.h"
#include "shell/mannschaft.h"

// "Einzelspiel Gruppen erstellen": the singles line-ups of both teams side by side, team 1 in
// name fields 1..10 and team 2 in 11..20.
class TForm8 : public AuslosungsFenster
{
    Q_OBJECT

public:
    TForm8(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // The re-draw buttons, "Wiederholen" too, are enabled again each time the main window opens
    // the window.
    void mischen_erlauben();

    QPushButton *Button3 = nullptr;              // "Gruppen neu mischen", team 1
    QPushButton *Button4 = nullptr;              // "Gruppe neu mischen", team 2
    QPushButton *Button1 = nullptr;              // "Speichern"
    QPushButton *Button2 = nullptr;              // "Beenden"
    QPushButton *Button5 = nullptr;              // "Löschen"
    QPushButton *Button6 = nullptr;              // "Neu auswählen"
    std::array<Nummernzeile, 2> m_nummernzeilen; // team 1, team 2

signals:
    // "Neu auswählen": the main window runs "Mitspieler festlegen".
    void neu_auswaehlen();

private:
    void oberflaeche_aufbauen();
    Nummernzeile &zeile(Mannschaft mannschaft)
    {
        return m_nummernzeilen.at(nummer(mannschaft) - 1);
    }
    void mischen_freigeben(bool frei);
    // A new draw of the team, with the given number or a new one.
    void neu_mischen(Mannschaft mannschaft, std::optional<quint32> saat = std::nullopt);
    void wiederholen(Mannschaft mannschaft);
    void Button1Click();
    void Button5Click();
    void Button6Click();
};
