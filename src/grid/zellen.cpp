#include "grid/zellen.h"

#include <algorithm>

const QString &Zellen::zelle(int spalte, int zeile) const
{
    static const QString leer;
    if (zeile < 0 || spalte < 0 || size_t(zeile) >= m_zeilen.size())
        return leer;
    const Zeile &texte = m_zeilen[size_t(zeile)];
    return size_t(spalte) < texte.size() ? texte[size_t(spalte)] : leer;
}

bool Zellen::setzen(int spalte, int zeile, const QString &text)
{
    if (spalte < 0 || zeile < 0)
        return false;
    if (text.isEmpty() && this->zelle(spalte, zeile).isEmpty())
        return false;
    Zeile &texte = this->zeile(zeile);
    if (size_t(spalte) >= texte.size())
        texte.resize(size_t(spalte) + 1);
    if (texte[size_t(spalte)] == text)
        return false;
    texte[size_t(spalte)] = text;
    return true;
}

Zellen::Zeile &Zellen::zeile(int zeile)
{
    mindestens(size_t(zeile) + 1);
    return m_zeilen[size_t(zeile)];
}

const Zellen::Zeile &Zellen::zeile(int zeile) const
{
    static const Zeile leer;
    return zeile >= 0 && size_t(zeile) < m_zeilen.size() ? m_zeilen[size_t(zeile)] : leer;
}

void Zellen::mindestens(size_t anzahl)
{
    if (m_zeilen.size() < anzahl)
        m_zeilen.resize(anzahl);
}

void Zellen::leeren(int von, int bis, int spalten)
{
    for (int r = std::max(von, 0); r < bis && size_t(r) < m_zeilen.size(); ++r) {
        Zeile &texte = m_zeilen[size_t(r)];
        for (int c = 0; c < spalten && size_t(c) < texte.size(); ++c)
            texte[size_t(c)].clear();
    }
}

void Zellen::zeile_verschieben(int von, int nach)
{
    if (von < 0 || nach < 0 || von == nach)
        return;
    mindestens(size_t(std::max(von, nach)) + 1);
    const auto anfang = m_zeilen.begin();
    if (von < nach)
        std::rotate(anfang + von, anfang + von + 1, anfang + nach + 1);
    else
        std::rotate(anfang + nach, anfang + von, anfang + von + 1);
}

void Zellen::anordnen(int ab, const std::vector<int> &folge)
{
    mindestens(size_t(ab) + folge.size());
    std::vector<Zeile> neu(folge.size());
    for (size_t i = 0; i < folge.size(); ++i)
        neu[i] = std::move(m_zeilen[size_t(ab + folge[i])]);
    std::move(neu.begin(), neu.end(), m_zeilen.begin() + ab);
}

void Zellen::spalte_einfuegen(int spalte)
{
    for (Zeile &texte : m_zeilen) {
        if (size_t(spalte) < texte.size())
            texte.insert(texte.begin() + spalte, QString());
    }
}

void Zellen::spalte_entfernen(int spalte, int spalten)
{
    for (Zeile &texte : m_zeilen) {
        if (size_t(spalte) >= texte.size())
            continue;
        const auto ende = texte.begin() + std::min<qsizetype>(qsizetype(texte.size()), spalten);
        std::rotate(texte.begin() + spalte, texte.begin() + spalte + 1, ende);
        *(ende - 1) = QString();
    }
}

void Zellen::spalten_tauschen(int c1, int c2)
{
    const size_t noetig = size_t(std::max(c1, c2)) + 1;
    for (Zeile &texte : m_zeilen) {
        if (texte.size() < noetig && (size_t(c1) < texte.size() || size_t(c2) < texte.size()))
            texte.resize(noetig);
        if (texte.size() >= noetig)
            std::swap(texte[size_t(c1)], texte[size_t(c2)]);
    }
}
