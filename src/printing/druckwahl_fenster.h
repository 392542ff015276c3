#pragma once

#include "shell/mannschaft.h"

#include <QWidget>

class Plattform;
class QPushButton;
struct Zustand;

// "Teilnehmer drucken": asks which team's roster to print.
class TForm15 : public QWidget
{
    Q_OBJECT

public:
    TForm15(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // Shows the chooser in the middle of the desktop.
    void zeigen();

    QPushButton *Button1 = nullptr; // "Teilnehmer Mannschaft 1 drucken"
    QPushButton *Button2 = nullptr; // "Teilnehmer Mannschaft 2 drucken"
    QPushButton *Button3 = nullptr; // "Beenden"

signals:
    // Button1 or Button2: the print window opens, then the chooser closes.
    void drucken(Mannschaft mannschaft);
    void startseite_zeigen();
    void geschlossen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    Plattform &m_plattform;
};
