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

    TForm9 *form9();
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
};
