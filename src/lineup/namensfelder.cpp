#include "lineup/namensfelder.h"

void Namensfelder::setze(int nr, const QString &text)
{
    QString &feld = m_texte.at(nr - 1);
    if (feld == text)
        return;
    feld = text;
    emit geaendert(nr, text);
}

void Namensfelder::leeren(int von, int bis)
{
    for (int nr = von; nr <= bis; ++nr)
        setze(nr, QString());
}

void Namensfelder::setze_auslosung(Mannschaft mannschaft, std::optional<quint32> nr)
{
    std::optional<quint32> &auslosung = m_auslosungen.at(nummer(mannschaft) - 1);
    if (auslosung == nr)
        return;
    auslosung = nr;
    emit auslosung_geaendert(mannschaft);
}
