#pragma once

#include <QString>
#include <vector>

// The texts of a grid, row by row. A row holds as many cells as were ever written to it, so
// a text written beyond the grid's counts stays and shows again when the grid grows.
class Zellen
{
public:
    using Zeile = std::vector<QString>;

    // Empty beyond what was written.
    const QString &zelle(int spalte, int zeile) const;
    // True when the text changed.
    bool setzen(int spalte, int zeile, const QString &text);
    // The row, created when missing.
    Zeile &zeile(int zeile);
    // The row, empty when missing.
    const Zeile &zeile(int zeile) const;
    size_t zeilen() const { return m_zeilen.size(); }
    // Holds at least `anzahl` rows.
    void mindestens(size_t anzahl);

    // Empties columns 0..spalten-1 of rows von..bis-1.
    void leeren(int von, int bis, int spalten);
    // The row at `von` moves to `nach`, the rows between move by one towards `von`.
    void zeile_verschieben(int von, int nach);
    // Row `ab` + i takes the former row `ab` + folge[i].
    void anordnen(int ab, const std::vector<int> &folge);
    // A cell inserted before column `spalte` in every row that reaches it.
    void spalte_einfuegen(int spalte);
    // Column `spalte` leaves the first `spalten` columns of each row; the last of them
    // becomes empty.
    void spalte_entfernen(int spalte, int spalten);
    void spalten_tauschen(int c1, int c2);

    void tauschen(Zellen &andere) noexcept { m_zeilen.swap(andere.m_zeilen); }

private:
    std::vector<Zeile> m_zeilen;
};
