#pragma once

#include <QDialog>

class Plattform;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
struct Zustand;

// "Über Vorlix Turnier-Quarel 2": version, the licences of the libraries used, and the data
// folder with a button that opens it in the file manager.
class UeberFenster : public QDialog
{
    Q_OBJECT

public:
    UeberFenster(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
    void zeigen();

    QLabel *m_version = nullptr;
    QTextBrowser *m_lizenzen = nullptr;
    QLineEdit *m_datenordner = nullptr;
    QPushButton *m_ordner_oeffnen = nullptr;
    QPushButton *m_schliessen = nullptr;

private:
    void oberflaeche_aufbauen();

    Zustand &m_zustand;
    Plattform &m_plattform;
};
