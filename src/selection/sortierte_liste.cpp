#include "selection/sortierte_liste.h"

#include <QLocale>
#include <algorithm>

SortierteListe::SortierteListe()
    : m_sortierung(QLocale(QLocale::German, QLocale::Germany))
{
    m_sortierung.setCaseSensitivity(Qt::CaseInsensitive);
}

QStringList SortierteListe::texte() const
{
    QStringList ergebnis;
    ergebnis.reserve(m_eintraege.size());
    for (const Eintrag &eintrag : m_eintraege)
        ergebnis.append(eintrag.text);
    return ergebnis;
}

void SortierteListe::einfuegen(const QString &text)
{
    const auto stelle = std::upper_bound(
        m_eintraege.begin(), m_eintraege.end(), text,
        [this](const QString &t, const Eintrag &e) { return m_sortierung.compare(t, e.text) < 0; });
    m_eintraege.insert(stelle, Eintrag{text, false});
}

void SortierteListe::markieren(const QList<int> &indizes)
{
    for (Eintrag &eintrag : m_eintraege)
        eintrag.markiert = false;
    for (int index : indizes) {
        if (index >= 0 && index < anzahl())
            m_eintraege[index].markiert = true;
    }
}

int SortierteListe::GetFirstSelection() const
{
    for (int i = 0; i < anzahl(); ++i) {
        if (m_eintraege.at(i).markiert)
            return i;
    }
    return -1;
}

void SortierteListe::markieren_nahe(int index)
{
    if (leer())
        return;
    m_eintraege[std::clamp(index, 0, anzahl() - 1)].markiert = true;
}

void SortierteListe::MoveSelected(SortierteListe &ziel)
{
    for (int i = anzahl() - 1; i >= 0; --i) {
        if (!m_eintraege.at(i).markiert)
            continue;
        ziel.einfuegen(m_eintraege.at(i).text);
        m_eintraege.removeAt(i);
    }
}

void SortierteListe::alle_verschieben(SortierteListe &ziel)
{
    for (const Eintrag &eintrag : std::as_const(m_eintraege))
        ziel.einfuegen(eintrag.text);
    m_eintraege.clear();
}
