#pragma once

#include <QList>
#include <QString>

// Every command of the main window; the tool bar and the menu only trigger these.
enum class Befehl {
    teilnehmer_erfassen,
    spieler_gruppe1_erfassen,
    spieler_gruppe2_erfassen,
    spieler_importieren,
    spieler_exportieren,
    mitspieler_festlegen,
    gruppen_mitspieler_anzeigen,
    turnierplan_anzeigen,
    ergebnisse_ansehen,
    saisonuebersicht,
    zuschauer_ansicht,
    live_seite,
    adressen_drucken,
    einstellungen,
    daten_sichern,
    farben,
    ueber,
    hilfe,
    beenden,
};

// One control of the main window that triggers a command.
struct Bedienelement
{
    QString objekt_name;  // e.g. "SpeedButton1"; empty for menu entries
    QString menue;        // the main menu it stands in; empty for tool buttons and top entries
    QString beschriftung; // with its Alt mnemonic, "&Erfassen"
    QString hinweis;
    Befehl befehl;
    QString symbol = {}; // name of a tool button's drawn symbol (pictures/zeichnungen.h)
};

// Whether the start page is hidden before the command's window is shown.
bool startseite_aus(Befehl befehl);

// The tool buttons from left to right.
const QList<Bedienelement> &werkzeugleiste();
// The menu entries in menu order; an entry without a menu stands on the menu bar itself.
const QList<Bedienelement> &hauptmenue();
