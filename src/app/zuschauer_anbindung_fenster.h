#pragma once

#include <QObject>

class Plattform;
class SpielplanFenster;
class TForm1;
class TurnierplanAnbindung;
class ZuschauerFenster;

// "Zuschauer-Ansicht" from the main menu and F11 in the plan windows: the audience view
// follows a plan window's results and its stopwatch display. From the menu it follows the plan
// of the current game kind, if that was ever opened; F11 follows the plan it is pressed in and
// closes the view again. A plan shown anew while the view is open is followed from then on.
class ZuschauerAnbindung : public QObject
{
    Q_OBJECT

public:
    ZuschauerAnbindung(TForm1 &hauptfenster, TurnierplanAnbindung &turnierplan,
                       Plattform &plattform);

    // Created at its first opening; nullptr until then.
    ZuschauerFenster *fenster() const { return m_fenster; }

private:
    ZuschauerFenster &zuschauer();
    void aus_menue_oeffnen();
    void plan_anbinden(SpielplanFenster *plan);
    void umschalten(SpielplanFenster *plan);
    void folgen(SpielplanFenster *plan);
    void zeit_zeigen();

    TForm1 &m_hauptfenster;
    TurnierplanAnbindung &m_turnierplan;
    Plattform &m_plattform;
    ZuschauerFenster *m_fenster = nullptr;
    SpielplanFenster *m_gefolgt = nullptr;
};
