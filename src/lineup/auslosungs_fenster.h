#pragma once

#include "lineup/namensfelder.h"
#include "shell/mannschaft.h"

#include <QDialog>
#include <array>
#include <optional>

class Plattform;
class QLabel;
class QLineEdit;
class QPushButton;
struct Zustand;

// What the two draw windows share: the twenty read-only name fields Edit1..Edit20 that show
// their model, the draw number rows, the placement at start-up, F1, Esc and the way back to the
// start page. Each window builds its own layout around these pieces. Both are modeless dialogs.
class AuslosungsFenster : public QDialog
{
    Q_OBJECT

public:
    Namensfelder &namensfelder() { return m_felder; }
    QLineEdit *namensfeld(int nr) const { return m_edits.at(nr - 1); }
    void zeigen();

    // A team's draw number: "Auslosung Nr. 48213" over the field "Nr." and its "Wiederholen",
    // which draws the same names again with the typed number.
    struct Nummernzeile
    {
        QLabel *anzeige = nullptr;
        QLabel *beschriftung = nullptr;
        QLineEdit *feld = nullptr;
        QPushButton *wiederholen = nullptr;
    };

signals:
    // The window was closed in any way (its buttons, Esc, the close box); the main window shows
    // its start page again.
    void startseite_zeigen();

protected:
    // What tells the twins apart for this base: name, caption and place on the screen.
    struct Profil
    {
        const char *objekt_name;
        QString titel;
        int versatz_unter_mitte; // pixels below the middle of the screen
    };

    AuslosungsFenster(Zustand &zustand, Plattform &plattform, const Profil &profil,
                      QWidget *parent);

    QLineEdit *namensfeld_anlegen(int nr, const QString &zugaenglicher_name);
    // Object names end in the suffix; the field's accessible name is vorsatz + "Nr.". The
    // captions carry their mnemonics.
    Nummernzeile nummernzeile_anlegen(const QString &suffix, const QString &vorsatz,
                                      const QString &nr_beschriftung,
                                      const QString &wiederholen_beschriftung);
    // The row shows the number of the team's draw in the name fields.
    void nummer_zeigen(const Nummernzeile &zeile, Mannschaft mannschaft);
    // The number typed into the row's field; for anything else the message, and none.
    std::optional<quint32> getippte_nummer(const Nummernzeile &zeile);
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
