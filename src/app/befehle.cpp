#include "app/befehle.h"

const QList<Bedienelement> &werkzeugleiste()
{
    // The Alt mnemonics of the tool bar and the menu bar share one window: no letter twice.
    static const QList<Bedienelement> knoepfe{
        {"SpeedButton1",
         {},
         "&Erfassen",
         "Daten eingeben",
         Befehl::teilnehmer_erfassen,
         "erfassen"},
        {"SpeedButton3", {}, "A&uswählen", "Auswählen", Befehl::mitspieler_festlegen, "auswaehlen"},
        {"SpeedButton4", {}, "G&ruppen", "Gruppen", Befehl::gruppen_mitspieler_anzeigen, "gruppen"},
        {"SpeedButton2",
         {},
         "&Turnierplan",
         "Turnierplan",
         Befehl::turnierplan_anzeigen,
         "turnierplan"},
        {"SpeedButton5", {}, "Tabe&lle", "Tabelle", Befehl::ergebnisse_ansehen, "tabelle"},
        {"SpeedButton6",
         {},
         "Ei&nstellungen",
         "Einstellungen",
         Befehl::einstellungen,
         "einstellungen"},
        {"SpeedButton7", {}, "Bac&kup", "Backup", Befehl::daten_sichern, "backup"},
        {"SpeedButton10", {}, "&Farben", "Bildschirmfarben einstellen", Befehl::farben, "farben"},
        {"SpeedButton11", {}, "&Beenden", "Programm beenden", Befehl::beenden, "beenden"},
    };
    return knoepfe;
}

const QList<Bedienelement> &hauptmenue()
{
    static const QList<Bedienelement> eintraege{
        {{},
         "&Spieler erfassen",
         "Spieler Gruppe &1 erfassen",
         {},
         Befehl::spieler_gruppe1_erfassen},
        {{},
         "&Spieler erfassen",
         "Spieler Gruppe &2 erfassen",
         {},
         Befehl::spieler_gruppe2_erfassen},
        {{}, "&Spieler erfassen", "Spieler &importieren…", {}, Befehl::spieler_importieren},
        {{}, "&Spieler erfassen", "Spieler e&xportieren…", {}, Befehl::spieler_exportieren},
        {{}, "&Anzeigen", "&Mitspieler festlegen", {}, Befehl::mitspieler_festlegen},
        {{}, "&Anzeigen", "&Gruppen Mitspieler anzeigen", {}, Befehl::gruppen_mitspieler_anzeigen},
        {{}, "&Anzeigen", "&Turnierplan anzeigen", {}, Befehl::turnierplan_anzeigen},
        {{}, "&Anzeigen", "&Ergebnisse ansehen", {}, Befehl::ergebnisse_ansehen},
        {{}, "&Anzeigen", "&Saisonübersicht", {}, Befehl::saisonuebersicht},
        {{}, "&Anzeigen", "&Zuschauer-Ansicht", {}, Befehl::zuschauer_ansicht},
        {{}, "&Anzeigen", "&Live-Seite im Hallennetz…", {}, Befehl::live_seite},
        {{}, "&Gruppen erstellen", "&Gruppen erstellen", {}, Befehl::gruppen_mitspieler_anzeigen},
        {{}, "&Drucken", "&Adressen drucken", {}, Befehl::adressen_drucken},
        {{}, "S&onstiges", "&Einstellungen", {}, Befehl::einstellungen},
        {{}, "S&onstiges", "&Daten sichern/Wiederherstellen", {}, Befehl::daten_sichern},
        {{}, {}, "&Hilfe", {}, Befehl::hilfe},
        {{}, "&Info", "&Über Vorlix Turnier-Quarel 2", {}, Befehl::ueber},
    };
    return eintraege;
}

bool startseite_aus(Befehl befehl)
{
    switch (befehl) {
    case Befehl::einstellungen:
    case Befehl::spieler_exportieren:
    case Befehl::zuschauer_ansicht: // a window beside the program, often on another screen
    case Befehl::live_seite:
    case Befehl::ueber:
    case Befehl::hilfe:
    case Befehl::beenden:
        return false;
    default:
        return true;
    }
}
