#include "storage/satzdatei.h"

#include "storage/sichere_datei.h"

namespace speicher {

bool satzdatei_lesen(const QString &pfad, int satzgroesse, QList<QByteArray> &saetze)
{
    saetze.clear();
    QByteArray inhalt;
    if (satzgroesse <= 0 || !datei_lesen(pfad, inhalt))
        return false;
    const qsizetype anzahl = inhalt.size() / satzgroesse;
    saetze.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        saetze.append(inhalt.mid(i * satzgroesse, satzgroesse));
    return true;
}

bool satzdatei_schreiben(const QString &pfad, const QList<QByteArray> &saetze)
{
    QByteArray inhalt;
    for (const QByteArray &satz : saetze)
        inhalt += satz;
    return datei_ersetzen(pfad, inhalt);
}

} // namespace speicher
