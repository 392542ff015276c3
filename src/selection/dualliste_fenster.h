#pragma once

#include "selection/dualliste.h"

#include <QDialog>

class Namensfelder;
class Plattform;
class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
struct Zustand;

// "Gruppen zusammenstellen": mirrors the two-list selection and passes every action to it.
// Opened window-modal; finished() tells the main window to show its start page again.
class TDualListDlg : public QDialog
{
    Q_OBJECT

public:
    TDualListDlg(Zustand &zustand, Plattform &plattform, Namensfelder &einzel_felder,
                 Namensfelder &doppel_felder, QWidget *parent = nullptr);

    // Opens in the opening state: singles, team 1, its roster on the left.
    void oeffnen();

    QLabel *Label3 = nullptr;
    QLabel *Label6 = nullptr;
    QListWidget *SrcList = nullptr;
    QListWidget *DstList = nullptr;
    QPushButton *Button4 = nullptr; // ">"
    QPushButton *Button5 = nullptr; // ">>"
    QPushButton *Button6 = nullptr; // "<"
    QPushButton *Button7 = nullptr; // "<<"
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QPushButton *Button1 = nullptr; // "Auswahl laden"
    QPushButton *Button2 = nullptr; // "Auswahl speichern"
    QPushButton *Button3 = nullptr; // "Beenden"

private:
    void oberflaeche_aufbauen();
    void listen_aufbauen(QGridLayout *raster);
    QVBoxLayout *verschiebeknoepfe_aufbauen();
    QWidget *spielart_aufbauen();
    QHBoxLayout *mannschaften_aufbauen();
    void verbinden();
    QListWidget *liste(const char *objekt_name, QLabel *beschriftung);
    void spiegeln();
    void markierung_uebernehmen(DualListe::Seite seite, QListWidget *liste);
    void spielart_angeklickt(bool doppel);

    DualListe m_liste;
};
