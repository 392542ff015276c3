#pragma once

#include <QWidget>

class Plattform;
class QFrame;
class QLabel;
class QLineEdit;
struct Zustand;

// "Automatische Datensicherung": shown without waiting for input while the automatic backup
// at the end of the program copies the data files.
class TDatensicherung : public QWidget
{
    Q_OBJECT

public:
    TDatensicherung(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // Runs the automatic backup with this window shown; false when a copy failed, and the
    // program must not end.
    bool Lesen();

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Edit2 = nullptr;

private:
    void oberflaeche_aufbauen();
    void farben_anwenden();
    void mittig_zeigen();

    Zustand &m_zustand;
    Plattform &m_plattform;
};
