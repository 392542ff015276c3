#include "selection/listen_satz.h"

#include "storage/satzdatei.h"

using namespace Qt::StringLiterals;

Auswahldateien auswahl_dateinamen(Mannschaft mannschaft, bool doppel)
{
    if (mannschaft == Mannschaft::zwei)
        return {u"aktuelle_Liste11.akt"_s, u"aktuelle_Liste22.akt"_s};
    if (doppel)
        return {u"aktuelle_Liste1D.akt"_s, u"aktuelle_Liste2D.akt"_s};
    return {u"aktuelle_Liste1.akt"_s, u"aktuelle_Liste2.akt"_s};
}

QStringList listen_datei_lesen(const QString &pfad)
{
    QList<QByteArray> saetze;
    speicher::satzdatei_lesen(pfad, lst::groesse, saetze);
    QStringList eintraege;
    eintraege.reserve(saetze.size());
    for (const QByteArray &bytes : saetze) {
        listen_satz satz;
        satz.von_bytes(bytes);
        eintraege.append(satz.wert(lst::eintrag));
    }
    return eintraege;
}

bool listen_datei_schreiben(const QString &pfad, const QStringList &eintraege, bool nummerieren)
{
    QList<QByteArray> saetze;
    saetze.reserve(eintraege.size());
    for (qsizetype k = 0; k < eintraege.size(); ++k) {
        listen_satz satz;
        satz.setze(lst::eintrag, eintraege.at(k));
        if (nummerieren)
            satz.setze(lst::zaehler1, qint32(k + 1));
        saetze.append(satz.bytes());
    }
    return speicher::satzdatei_schreiben(pfad, saetze);
}
