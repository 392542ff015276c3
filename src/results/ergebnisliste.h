#pragma once

#include <QObject>
#include <QString>
#include <array>

class GitterModell;
class QPainter;
struct ErgebnisProfil;
struct Zustand;

// What a results list window shows and does, without the window: the list of a stored match
// day in a grid model, the window caption and the two size settings. The window mirrors it.
class Ergebnisliste : public QObject
{
    Q_OBJECT

public:
    // Sets the grid up for the list: title row and column, whole-row selection,
    // sorting by a click on a title.
    Ergebnisliste(Zustand &zustand, const ErgebnisProfil &profil, GitterModell &gitter,
                  QObject *eltern = nullptr);

    QString titel() const { return m_titel; }

    // Every cell drawn: the current row and the focused cell in dark red on the selection
    // colour, so that the row stays readable.
    static void FilterGrid1RowColorProc(GitterModell &gitter, qint32 &ausr, QPainter &maler,
                                        int aCol, int aRow, int state);

    // Reads the record of daten_pfad + grp_datei and fills the list for plan_anzahl entries
    // per team: one row per entry with a name, in entry order.
    void gruppen_ansehen();

    // The spin edits: the value is stored as the list's setting and used at once.
    void zeilenhoehe_geaendert(int wert);
    void schriftgroesse_geaendert(int wert);

signals:
    void geaendert();

private:
    void eintraege_schreiben(int n);
    void spalten_einrichten();

    Zustand &m_zustand;
    const ErgebnisProfil &m_profil;
    GitterModell &m_gitter;
    QString m_titel;
};

// The heading the file choice gives the list: "Ergebnisse für <team 1> gegen <team 2> vom
// <date>" in doubles, "Ergebnisse für Spiele zwischen <team 1> und <team 2> vom <date>" in
// singles, every part but the date cut at its limit.
QString ergebnis_ueberschrift(const ErgebnisProfil &profil, const QString &name1,
                              const QString &name2, const QString &datum);

// A size setting of the list as it is drawn: a stored value that was never set (a font size of
// 0, a row height below 8) is drawn at the default, marked as such.
struct Listengroesse
{
    int wert;
    bool vorgabe;
};
// Font size: 0 is the regular size of the desktop.
Listengroesse liste_schriftgroesse(qint32 gespeichert);
// Row height: below 8 rows are 18 pixels high.
Listengroesse liste_zeilenhoehe(qint32 gespeichert);

// Left edges of "Beenden", "Export" and "Screenshot" around the middle of the window.
std::array<int, 3> ergebnis_knopfreihe(int fensterbreite, int knopfbreite);
