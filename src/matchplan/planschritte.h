#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <vector>

class GitterModell;

// The results of a plan at one moment: its entry count and heading, and the text of every cell
// of the standings and the matrix within their fixed places, hidden columns too.
struct Planstand
{
    int anzahl = 1;
    QString ueberschrift;
    std::vector<QString> tabelle;
    std::vector<QString> matrix;

    // The first column of the standings: the entries' names.
    std::vector<QString> namen() const;
    bool operator==(const Planstand &) const = default;
};

// The cells of the first spalten x zeilen places of a grid, row by row, and back. Writing
// changes only the cells that differ, so that a view hears of each changed cell alone.
std::vector<QString> zellen_lesen(const GitterModell &gitter, int spalten, int zeilen);
void zellen_schreiben(GitterModell &gitter, int spalten, int zeilen,
                      const std::vector<QString> &zellen);
// The same from one grid straight into another.
void zellen_kopieren(GitterModell &ziel, const GitterModell &quelle, int spalten, int zeilen);

// One step of the results, a committed result or one "Ergebnis löschen": undo puts the plan
// back as it was before, redo as it was after. Totals and ranks come back as they stood, not
// computed again. `herstellen` puts a stand into the plan.
class Planschritt : public QUndoCommand
{
public:
    using Herstellen = std::function<void(const Planstand &)>;

    Planschritt(Herstellen herstellen, Planstand vorher, Planstand nachher);

    void undo() override;
    void redo() override;

private:
    Herstellen m_herstellen;
    Planstand m_vorher;
    Planstand m_nachher;
};
