#include "grid/spalteninfos.h"

#include <QStringList>

TColInfo *Spalteninfos::holen(int spalte) const
{
    if (spalte < 0 || size_t(spalte) >= m_infos.size())
        return nullptr;
    return m_infos[size_t(spalte)].get();
}

void Spalteninfos::setzen(int spalte, std::unique_ptr<TColInfo> info)
{
    if (spalte < 0)
        return;
    if (size_t(spalte) >= m_infos.size())
        m_infos.resize(size_t(spalte) + 1);
    m_infos[size_t(spalte)] = std::move(info);
}

void Spalteninfos::tauschen(int c1, int c2)
{
    if (c1 < 0 || c2 < 0)
        return;
    const size_t noetig = size_t(std::max(c1, c2)) + 1;
    if (m_infos.size() < noetig)
        m_infos.resize(noetig);
    std::swap(m_infos[size_t(c1)], m_infos[size_t(c2)]);
}

void Spalteninfos::einfuegen(int spalte)
{
    if (spalte < 0)
        return;
    if (size_t(spalte) > m_infos.size())
        m_infos.resize(size_t(spalte));
    m_infos.insert(m_infos.begin() + spalte, nullptr);
}

void Spalteninfos::entfernen(int spalte)
{
    if (spalte < 0 || size_t(spalte) >= m_infos.size())
        return;
    m_infos.erase(m_infos.begin() + spalte);
}

QString spalteninfo_text(const TColInfo &info, QChar trenner)
{
    const QStringList felder{info.Titel,
                             QString::number(info.TitAlign),
                             info.TitFont ? schrift_zu_text(*info.TitFont) : QString(),
                             QString::number(info.TitColor),
                             QString::number(info.Width),
                             QString(info.Typ),
                             QString::number(info.Dez),
                             QString::number(info.DatAlign),
                             info.DatFont ? schrift_zu_text(*info.DatFont) : QString(),
                             QString::number(info.DatColor)};
    return felder.join(trenner);
}
