#pragma once

#include "shell/mannschaft.h"

#include <QWidget>

class Plattform;
class QPushButton;
struct Zustand;

// "Teilnehmer erfassen": asks which team's roster window to open.
class TForm9 : public QWidget
{
    Q_OBJECT

public:
    TForm9(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // Shows the chooser in the middle of the desktop.
    void zeigen();

    QPushButton *Button1 = nullptr; // "Mannschaft 1 erfassen"
    QPushButton *Button2 = nullptr; // "Mannschaft 2 erfassen"
    QPushButton *Button3 = nullptr; // "Beenden"

signals:
    // Button1 or Button2: the team's roster window opens, then the chooser closes.
    void erfassen(Mannschaft mannschaft);
    void startseite_zeigen();
    void geschlossen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void Button3Click();

    Plattform &m_plattform;
};
