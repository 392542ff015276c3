#pragma once

#include "shell/mannschaft.h"

#include <QObject>

class Plattform;
class QWidget;
class TForm14;
class TForm15;
struct Zustand;

// "Adressen drucken": the chooser and the print window, each created on first use.
class Adressdruck : public QObject
{
    Q_OBJECT

public:
    Adressdruck(Zustand &zustand, Plattform &plattform, QWidget *hauptfenster);

    // Shows the chooser.
    void adressen_drucken();

    TForm15 *form15();
    TForm14 *form14();

signals:
    void startseite_zeigen();

private:
    void drucken(Mannschaft mannschaft);

    Zustand &m_zustand;
    Plattform &m_plattform;
    QWidget *m_hauptfenster;
    TForm15 *m_form15 = nullptr;
    TForm14 *m_form14 = nullptr;
};
