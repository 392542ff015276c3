#pragma once

#include "grid/filtergrid.h"
#include "lineup/namensfelder.h"
#include "matchplan/mannschaftswertung.h"
#include "matchplan/planfarben.h"
#include "matchplan/planschritte.h"
#include "matchplan/rundenanzeige.h"
#include "matchplan/rundenplan.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

class Plattform;
struct SpielplanProfil;
struct Zustand;

// What a match plan window shows and does, without the window: the standings ("Tabelle 1")
// and the result matrix as grid models, the heading, caption and date, result entry with its
// guard, totals and ranking, undo and redo of results, saving and loading a match day and the
// size settings. The window mirrors it.
class Spielplan : public QObject
{
    Q_OBJECT

public:
    Spielplan(Zustand &zustand, Plattform &plattform, const SpielplanProfil &profil,
              GitterModell &tabelle, GitterModell &matrix, QObject *eltern = nullptr);
    ~Spielplan() override;

    const SpielplanProfil &profil() const { return m_profil; }
    // The standings and the matrix as of the last closed editing: what the hall is shown. The
    // window's grids follow every keystroke; a result typed halfway is not the hall's yet.
    const GitterModell &tabelle() const { return m_halle_tabelle; }
    const GitterModell &matrix() const { return m_halle_matrix; }
    // Entries per team of the plan on show, 1..10. The plan keeps its own: plan_anzahl is
    // shared and may be changed meanwhile by a results list.
    int anzahl() const { return m_anzahl; }
    QString ueberschrift() const { return m_ueberschrift; }
    QString titel() const { return m_titel; }
    QDate datum() const { return m_datum; }
    // The grids' colours as the options held them when the plan last read them.
    const Planfarben &farben() const { return m_farben; }
    // The colours from the options as they stand: at opening and loading, and whenever the
    // settings change a colour while the plan is open.
    void farben_lesen();
    // The date typed in the heading; the hall's views show it.
    void setze_datum(const QDate &datum)
    {
        if (datum == m_datum)
            return;
        m_datum = datum;
        emit geaendert();
    }

    // "Turnierplan anzeigen" for this game kind, once the options are read: both line-ups,
    // emptied and refilled grids, heading, caption, today's date, matrix cell (1, 1) selected.
    void oeffnen();
    // Sizes, headings and entry texts from the line-ups and the options.
    void daten_ansehen();
    // Every changed keystroke: the current cell taken over, ranked, and a refused score
    // reported.
    void FilterGrid2Change();
    // A click in the matrix takes the current cell over again, without reporting it twice.
    void zelle_erneut_uebernehmen();
    void Sortieren();
    // Games won, points and open games per team, as of the last closed editing.
    const Mannschaftswertung &mannschaftswertung() const { return m_wertung; }
    QString mannschaftsname(Mannschaft mannschaft) const;
    QString mannschaft_zeile(Mannschaft mannschaft) const;
    // The same after every keystroke, for the window's own lines under the standings.
    const Mannschaftswertung &laufende_wertung() const { return m_laufende_wertung; }
    QString laufende_zeile(Mannschaft mannschaft) const;
    // "Speichern": the three files named after today, or after the stored day the plan came
    // from when the organiser wants that day corrected; a file that could not be written is
    // reported.
    void speichern();
    // Loads the saved day of a standings file name into the grids; false when the name holds
    // no entry count or one of the day's grid files is damaged, and the plan stays as it was
    // then. A damaged record does not keep the grids out; it is reported and written anew by
    // the next "Speichern". listen_datum is the day to show. The files lie in ordner (with a
    // trailing '/'), else in the data folder.
    bool laden(const QString &name, const QString &ordner = {});
    // Results typed, changed or taken back since the plan was opened, loaded or saved, or a
    // day taken back from its recovery set and not saved since, while the plan holds any
    // result.
    bool ungespeichert() const;

    // Undo and redo: each step is one committed result (the matrix cell's editing from its
    // opening to its closing) or one "Ergebnis löschen". Opening or loading a plan empties the
    // stack.
    QUndoStack &schritte() { return m_schritte; }
    void rueckgaengig();
    void wiederholen();
    // Delete on a game cell that is not being edited: the cell emptied as one step.
    void zelle_leeren(int aCol, int aRow);
    // "Ergebnis löschen": oeffnen_lassen runs the opening command, which opens this plan
    // anew; the clearing becomes one step.
    void ergebnis_loeschen(const std::function<void()> &oeffnen_lassen);
    // Puts text into the matrix cell of a game as if it had been typed there and committed:
    // the same rules, ranking and one undo step. False when the cell holds no game or the text
    // was refused; the plan is then as it was.
    bool ergebnis_eintragen(int spalte, int zeile, const QString &text);
    // The results as they stand, and putting such a state back; a step holds two of them.
    Planstand stand() const;
    void stand_herstellen(const Planstand &stand);

    // Size controls: the grids' row height and font size as used, and their changes.
    int zeilenhoehe() const;
    int schriftgroesse() const;
    void tabellenhoehe_geaendert(int wert);
    void zeilenhoehe_schritt(int schritte, int wert);
    void zeilenhoehe_geaendert(int wert);
    void schriftgroesse_geaendert(int wert);

    // The round plan over the hall's tables (0: none), kept in the additional settings file;
    // the rounds follow every ranking.
    int tische() const { return m_tische; }
    void tische_geaendert(int tische);
    const Rundenplan &rundenplan() const { return m_rundenplan; }
    const Rundenanzeige &runden() const { return m_runden; }

signals:
    // Heading, caption, date or sizes changed.
    void geaendert();
    // The results as the hall sees them changed: a cell's editing closed (committed or
    // cancelled), an undo, a redo, a clearing, an opening or a loading; never a keystroke.
    void ergebnisse_geaendert();
    // Totals, ranks or the team score in the window changed: after every ranking.
    void laufend_gewertet();
    // A committed result, a clearing, an undo or a redo changed the day's results.
    void tag_geaendert();
    // "Speichern" wrote all three files.
    void gespeichert();
    // A step taken back or done again brought other entries: their columns need new widths.
    void eintraege_geaendert();

private:
    // Puts one step of the results on the undo stack.
    void schritt_ablegen(Planstand vorher, Planstand nachher);
    void FilterGrid2SelectCell(int aCol, int aRow, bool &CanSelect);
    void leeren();
    void eingabe_beginnt();
    // Pushes the step of the editing that began last, if it changed anything.
    void eingabe_endet();
    void mannschaften_werten_neu();
    // The plan as it stands becomes the hall's.
    void festhalten();
    void rundenplan_neu();

    Zustand &m_zustand;
    Plattform &m_plattform;
    const SpielplanProfil &m_profil;
    GitterModell &m_tabelle;
    GitterModell &m_matrix;
    // The line-up readers fill name fields; the plan takes its names from the records.
    Namensfelder m_lesefelder;
    int m_anzahl = 1;
    QString m_ueberschrift;
    QString m_titel;
    QDate m_datum;
    // The stored day this plan loaded or saved last (invalid: none); saving over another day
    // asks first, and saving it on a later day asks whether that day is meant.
    QDate m_eigener_tag;
    bool m_wiederhergestellt = false; // loaded from a recovery set, not saved since
    Planfarben m_farben;
    QUndoStack m_schritte;
    std::optional<Planstand> m_vor_eingabe; // while a matrix cell is being edited
    bool m_loeschen_laeuft = false;
    Mannschaftswertung m_wertung;
    Mannschaftswertung m_laufende_wertung;
    GitterModell m_halle_tabelle;
    GitterModell m_halle_matrix;
    int m_tische = 0;
    Rundenplan m_rundenplan;
    Rundenanzeige m_runden;
};
