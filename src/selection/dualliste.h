#pragma once

#include "selection/sortierte_liste.h"
#include "shell/mannschaft.h"

#include <QObject>
#include <QString>
#include <array>

class Namensfelder;
class Plattform;
struct Zustand;

// The rules of "Gruppen zusammenstellen": one team's roster players on the left, the chosen
// participants on the right, moved one by one or all at once up to the limit of the game kind.
// The window only mirrors this state and passes the person's actions in.
class DualListe : public QObject
{
    Q_OBJECT

public:
    enum class Seite { quelle, ziel };

    // Which controls are enabled.
    struct Knoepfe
    {
        bool hinzufuegen = true;      // ">"
        bool alle_hinzufuegen = true; // ">>"
        bool entfernen = true;        // "<"
        bool alle_entfernen = true;   // "<<"
        bool laden = true;            // "Auswahl laden"
        bool speichern = false;       // "Auswahl speichern"
    };

    static constexpr int grenze_einzel = 10;
    static constexpr int grenze_doppel = 20;

    // The draws of the hand-over show their line-ups in these name fields.
    DualListe(Zustand &zustand, Plattform &plattform, Namensfelder &einzel_felder,
              Namensfelder &doppel_felder, QObject *parent = nullptr);

    const SortierteListe &quelle() const { return m_quelle; }
    const SortierteListe &ziel() const { return m_ziel; }
    const Knoepfe &knoepfe() const { return m_knoepfe; }
    const QString &titel() const { return m_titel; }
    bool angehakt(Mannschaft mannschaft) const;
    bool doppel() const;

    // The opening state: singles, team 1 ticked, its roster in the source list.
    void oeffnen();

    // The person's selection in a list, before any of the actions below.
    void markieren(Seite seite, const QList<int> &indizes);

    void quelle_angeklickt();
    void ziel_angeklickt();
    void hinzufuegen();      // ">"
    void alle_hinzufuegen(); // ">>"
    void entfernen();        // "<"
    void alle_entfernen();   // "<<"
    // A click on a team's box, whether it sets or removes the tick.
    void mannschaft_angeklickt(Mannschaft mannschaft);
    void spielart_waehlen(bool doppel);
    void auswahl_laden();
    void auswahl_speichern();

    // Fills the source list from the roster of the current team.
    void daten_ansehen();

signals:
    void geaendert();

private:
    int grenze() const { return doppel() ? grenze_doppel : grenze_einzel; }
    void mannschaft_waehlen(Mannschaft mannschaft);
    void zurueckgeben();
    // Marks an entry near index and sets the move buttons.
    void SetItem(SortierteListe &liste, int index);
    // ">" and ">>" while the source has entries, "<" and "<<" while the destination has.
    void SetButtons();
    // At the limit: the title says so, ">>" is disabled and the message is shown.
    void grenze_melden();
    void speichern_freigeben() { m_knoepfe.speichern = !m_ziel.leer(); }

    Zustand &m_zustand;
    Plattform &m_plattform;
    Namensfelder &m_einzel_felder;
    Namensfelder &m_doppel_felder;
    SortierteListe m_quelle;
    SortierteListe m_ziel;
    Knoepfe m_knoepfe;
    QString m_titel;
    Mannschaft m_mannschaft = Mannschaft::eins;
    std::array<bool, 2> m_angehakt{true, false}; // CheckBox1, CheckBox2
};
