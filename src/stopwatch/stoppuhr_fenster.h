#pragma once

#include "stopwatch/stoppuhr.h"

#include <QWidget>

class Plattform;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
struct Zustand;

// The stopwatch window: takes the game length and starts, stops and resets the countdown.
// The running time itself is shown in the plan windows. Closing it leaves a running count on.
class TForm19 : public QWidget
{
    Q_OBJECT

public:
    TForm19(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    Stoppuhr &stoppuhr() { return m_uhr; }
    void zeigen();
    // A plan window's stopwatch button: length 0, tick off, that plan's display in the
    // button face colour, then the window is shown.
    void aus_plan_oeffnen(Planfenster fenster);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QSpinBox *RxSpinEdit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QTimer *Timer1 = nullptr;
    // Shown while no horn is chosen, with the way to choose one.
    QLabel *m_keine_hupe = nullptr;
    QPushButton *m_hupe_waehlen = nullptr;

signals:
    // The organiser wants to choose the horn in the settings.
    void hupe_waehlen_verlangt();

protected:
    void changeEvent(QEvent *ereignis) override;
    void showEvent(QShowEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    void verbinden();
    void spiegeln();
    void platzieren();
    void hupe_hinweis_zeigen();

    Zustand &m_zustand;
    Plattform &m_plattform;
    Stoppuhr m_uhr;
};
