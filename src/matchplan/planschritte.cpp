#include "matchplan/planschritte.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"

#include <utility>

std::vector<QString> zellen_lesen(const GitterModell &gitter, int spalten, int zeilen)
{
    std::vector<QString> zellen;
    zellen.reserve(size_t(spalten * zeilen));
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c)
            zellen.push_back(gitter.Cells(c, r));
    }
    return zellen;
}

void zellen_schreiben(GitterModell &gitter, int spalten, int zeilen,
                      const std::vector<QString> &zellen)
{
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const QString &text = zellen.at(size_t(r * spalten + c));
            if (gitter.Cells(c, r) != text)
                gitter.SetCells(c, r, text);
        }
    }
}

void zellen_kopieren(GitterModell &ziel, const GitterModell &quelle, int spalten, int zeilen)
{
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const QString text = quelle.Cells(c, r);
            if (ziel.Cells(c, r) != text)
                ziel.SetCells(c, r, text);
        }
    }
}

std::vector<QString> Planstand::namen() const
{
    std::vector<QString> namen;
    for (size_t i = 0; i < tabelle.size(); i += plan::max_tabellen_spalten)
        namen.push_back(tabelle[i]);
    return namen;
}

Planschritt::Planschritt(Herstellen herstellen, Planstand vorher, Planstand nachher)
    : m_herstellen(std::move(herstellen))
    , m_vorher(std::move(vorher))
    , m_nachher(std::move(nachher))
{
}

void Planschritt::undo()
{
    m_herstellen(m_vorher);
}

void Planschritt::redo()
{
    m_herstellen(m_nachher);
}
