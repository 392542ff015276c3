#pragma once

#include <vector>

// The column widths and row heights of a grid, as many of each as it has columns and rows.
// Outside of them every column has the default width and every row the default height.
class Gittermasse
{
public:
    Gittermasse(int spalten, int zeilen);

    int breite(int aCol) const;
    // False when the column is outside or has that width already.
    bool setze_breite(int aCol, int breite);
    int hoehe(int aRow) const;
    bool setze_hoehe(int aRow, int hoehe);
    const std::vector<int> &breiten() const { return m_breiten; }

    // A new default applies to every column (row) there is, and to those to come.
    int standard_breite() const { return m_standard_breite; }
    void setze_standard_breite(int breite);
    int standard_hoehe() const { return m_standard_hoehe; }
    void setze_standard_hoehe(int hoehe);

    // New columns and rows come with the default size.
    void spalten(int anzahl);
    void zeilen(int anzahl);
    // A column of default width before aCol; the last width drops, the count stays.
    void spalte_einfuegen(int aCol);
    // The widths after aCol move one to the left; the last column gets the default width.
    void spalte_entfernen(int aCol);
    void spalten_tauschen(int c1, int c2);

private:
    std::vector<int> m_breiten;
    std::vector<int> m_hoehen;
    int m_standard_breite = 64;
    int m_standard_hoehe = 24;
};
