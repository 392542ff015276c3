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
