#pragma once

#include "lineup/namensfelder.h"

#include <QDialog>
#include <array>

class Plattform;
class QLineEdit;
class QPushButton;
struct Zustand;

// What the two draw windows share: the twenty read-only name fields Edit1..Edit20 that show
// their model, the placement at start-up, F1, Esc and the way back to the start page. Each
// window builds its own layout around these pieces. Both are modeless dialogs.
class AuslosungsFenster : public QDialog
{
    Q_OBJECT

public:
    Namensfelder &namensfelder() { return m_felder; }
    QLineEdit *namensfeld(int nr) const { return m_edits.at(nr - 1); }
    void zeigen();

signals:
    // The window was closed in any way (its buttons, Esc, the close box); the main window shows
    // its start page again.
    void startseite_zeigen();

protected:
    // The documented differences of the twins that this base takes care of.
    struct Profil
    {
        const char *objekt_name;
        QString titel;
        int versatz_unter_mitte; // pixels below the middle of the screen
    };

    AuslosungsFenster(Zustand &zustand, Plattform &plattform, const Profil &profil,
                      QWidget *parent);

    QLineEdit *namensfeld_anlegen(int nr, const QString &zugaenglicher_name);
    // The caption carries its Alt mnemonic ("&Beenden").
    QPushButton *knopf_anlegen(const char *objekt_name, const QString &beschriftung);
    // Once the window's layout stands: fixed to its layout's size, centred, shifted down by the
    // profile's offset.
    void platzieren();

    Zustand &m_zustand;
    Plattform &m_plattform;

private:
    Namensfelder m_felder;
    std::array<QLineEdit *, Namensfelder::anzahl> m_edits{};
    int m_versatz;
};
