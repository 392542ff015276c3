#pragma once

#include <QObject>
#include <functional>

namespace wiederherstellung {
struct Satz;
}
class Plattform;
class SpielplanFenster;
class TForm1;
class TForm12;
class TForm19;
struct Zustand;

// "Turnierplan anzeigen" and "Ergebnisse ansehen" of the main window: the plan windows of both
// game kinds, the stopwatch that counts in them and the file choice, each created when first
// needed and kept from then on.
class TurnierplanAnbindung : public QObject
{
    Q_OBJECT

public:
    TurnierplanAnbindung(TForm1 &hauptfenster, Zustand &zustand, Plattform &plattform);

    SpielplanFenster &spielplan_fenster(bool doppel);
    // The plan window of the game kind now set, if it was ever opened, else none.
    SpielplanFenster *vorhandener_spielplan() const;
    // At start: a match day left unsaved by a crash is offered, a singles day and a doubles day
    // each on its own; "Ja" opens its plan with it, "Nein" removes it. What cannot be loaded is
    // reported and removed.
    void wiederherstellung_anbieten();
    TForm12 &dateiwahl();
    TForm19 &stoppuhr();
    // A plan colour changed in the settings: every plan window shows it at once.
    void farben_neu_lesen();

    // What the file choice does with a chosen results day; handed to it when it is built.
    std::function<void(const QString &name)> ergebnisliste_zeigen;

signals:
    // A plan window was just created and wired.
    void spielplan_erzeugt(SpielplanFenster *fenster);

private:
    void satz_anbieten(const wiederherstellung::Satz &satz);
    void satz_laden(const wiederherstellung::Satz &satz);
    // Before a fresh plan of the kind: its day left unsaved ("Beenden" of the plan, replaced by
    // "Laden") is offered; true when it was taken back into the plan.
    bool ungespeicherten_tag_anbieten(bool doppel);
    // At the end of the program, however it ends: every change waiting for its set is written,
    // so that the next start offers a day that was not saved.
    void offene_tage_sichern();
    void turnierplan_anzeigen();
    void ergebnisse_ansehen();

    TForm1 &m_hauptfenster;
    Zustand &m_zustand;
    Plattform &m_plattform;
    SpielplanFenster *m_form5 = nullptr;
    SpielplanFenster *m_form6 = nullptr;
    TForm12 *m_form12 = nullptr;
    TForm19 *m_form19 = nullptr;
    // "Ergebnis löschen" runs the opening command to start its plan afresh, without an offer.
    bool m_neu_ohne_angebot = false;
};
