#pragma once

#include <QDialog>

class Plattform;
class QLabel;
class Startbild;
class QPushButton;
struct Zustand;

// The advertising page shown once by the ordered exit; closing it in any way ends the program.
class TForm3 : public QDialog
{
    Q_OBJECT

public:
    TForm3(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    Startbild *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();

    Plattform &m_plattform;
};
