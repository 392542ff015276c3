#pragma once

#include "rosters/adresse.h"

#include <QPointer>
#include <QWidget>
#include <array>

class Plattform;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class SpielerimportFenster;
struct Zustand;

// The roster window of a team: enter, change and delete its players. Both teams' windows are
// this one implementation; the profile holds what differs between them.
class AdressenFenster : public QWidget
{
    Q_OBJECT

public:
    struct Profil
    {
        Mannschaft mannschaft; // roster file, and list entries trimmed for team 2
        const char *objekt_name;
        QString titel;
        bool fokus_nach_speichern_auf_name;
    };

    // The picked entry is shared by both roster windows; it enables "Löschen".
    AdressenFenster(Zustand &zustand, Plattform &plattform, QString &gewaehlter_eintrag,
                    const Profil &profil, QWidget *parent);

    // Empties the fields, loads the list, shows the window with the cursor in "Name".
    void oeffnen();
    // "Spieler importieren…": asks for a member list and opens its preview.
    void spieler_importieren();
    // "Spieler exportieren…": asks for the file and its kind, writes the roster and confirms.
    void spieler_exportieren();

    QGroupBox *GroupBox1 = nullptr; // "Personendaten"
    QGroupBox *GroupBox2 = nullptr; // "Bereits N vorhandene Namen"
    QLineEdit *Edit3 = nullptr;     // "Name"
    QLineEdit *Edit4 = nullptr;     // "Vorname"
    QLineEdit *Edit5 = nullptr;     // "Strasse"
    QLineEdit *Edit6 = nullptr;     // "Plz/Ort"
    QLineEdit *Edit7 = nullptr;     // "Telefon"
    QLineEdit *Edit8 = nullptr;     // "Fax"
    QLineEdit *Edit9 = nullptr;     // "Mobil"
    QLineEdit *Edit10 = nullptr;    // "Email"
    QListWidget *ListBox1 = nullptr;
    QPushButton *Button1 = nullptr; // "Speichern >>"
    QPushButton *Button2 = nullptr; // "Beenden"
    QPushButton *Button3 = nullptr; // "Löschen"
    QPushButton *Button4 = nullptr; // "Hilfe"

    // "Spieler importieren…" and "Spieler exportieren…".
    QPushButton *m_importieren = nullptr;
    QPushButton *m_exportieren = nullptr;
    // The preview of the import while it is open.
    QPointer<SpielerimportFenster> m_import;

signals:
    // The window was closed in any way; the main window shows its start page again.
    void startseite_zeigen();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    QPushButton *knopf_anlegen(const char *objekt_name, const QString &text);
    void platzieren();
    void felder_leeren();
    void liste_laden();
    Adresstexte texte() const;
    void Edit4Change();
    void ListBox1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    Zustand &m_zustand;
    Plattform &m_plattform;
    QString &m_gewaehlt;
    const Profil m_profil;
    // Edit3..Edit10 in the order of adr::eingabefelder.
    std::array<QLineEdit *, adr::feldanzahl> m_felder{};
};

class TAdressen : public AdressenFenster
{
    Q_OBJECT

public:
    TAdressen(Zustand &zustand, Plattform &plattform, QString &gewaehlter_eintrag,
              QWidget *parent = nullptr);
};

class TAdressen2 : public AdressenFenster
{
    Q_OBJECT

public:
    TAdressen2(Zustand &zustand, Plattform &plattform, QString &gewaehlter_eintrag,
               QWidget *parent = nullptr);
};
