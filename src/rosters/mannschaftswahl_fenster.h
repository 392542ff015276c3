#pragma once

#include "shell/mannschaft.h"

#include <QString>
#include <QWidget>

class Plattform;
class QPushButton;
struct Zustand;

// Everything that tells the two team choosers apart; the rest they share.
struct WahlProfil
{
    QString titel;
    QString knopf1; // chooses team 1
    QString knopf2; // chooses team 2
};

// A small window that asks for a team: two buttons choose it, "Beenden" goes back to the
// start page. Stays on top and opens in the middle of the desktop.
class Mannschaftswahl : public QWidget
{
    Q_OBJECT

public:
    Mannschaftswahl(const WahlProfil &profil, Zustand &zustand, Plattform &plattform,
                    QWidget *parent);

    // Shows the chooser in the middle of the desktop.
    void zeigen();

    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr; // "Beenden"

signals:
    // Button1 or Button2: the owner opens the team's window, then the chooser closes.
    void gewaehlt(Mannschaft mannschaft);
    void startseite_zeigen();
    void geschlossen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void Button3Click();

    Plattform &m_plattform;
};
