#pragma once

#include "shell/mannschaft.h"

#include <QObject>
#include <QString>

class Plattform;
class QWidget;
class TAdressen;
class TAdressen2;
class TForm9;
class AdressenFenster;
class Mannschaftswahl;
struct Zustand;

// The chooser and the two roster windows, each created on first use, and the entry picked
// last in either roster window, which both share.
class TeilnehmerErfassung : public QObject
{
    Q_OBJECT

public:
    TeilnehmerErfassung(Zustand &zustand, Plattform &plattform, QWidget *hauptfenster);

    // "Erfassen": shows the chooser.
    void teilnehmer_erfassen();
    // "Spieler Gruppe 1/2 erfassen" and the chooser's buttons; team 2 closes the chooser.
    void spieler_erfassen(Mannschaft mannschaft);
    // "Spieler importieren…": asks for the team, then imports in its roster window.
    void spieler_importieren();
    // "Spieler exportieren…": asks for the team, then exports its roster.
    void spieler_exportieren();

    TForm9 *form9();
    Mannschaftswahl *importwahl();
    Mannschaftswahl *exportwahl();
    AdressenFenster *adressen(Mannschaft mannschaft);

signals:
    void startseite_zeigen();

private:
    void verbinden(AdressenFenster *fenster);
    bool adressen_offen() const;

    Zustand &m_zustand;
    Plattform &m_plattform;
    QWidget *m_hauptfenster;
    QString m_gewaehlt;
    TForm9 *m_form9 = nullptr;
    TAdressen *m_adressen = nullptr;
    TAdressen2 *m_adressen2 = nullptr;
    Mannschaftswahl *m_importwahl = nullptr;
    Mannschaftswahl *m_exportwahl = nullptr;
};
