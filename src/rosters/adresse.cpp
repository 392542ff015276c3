#include "rosters/adresse.h"

#include "storage/satzdatei.h"

using namespace Qt::StringLiterals;

QString adressen_dateiname(Mannschaft mannschaft)
{
    return u"Adressen%1.adr"_s.arg(nummer(mannschaft));
}

QList<adresse> adressen_lesen(const QString &pfad)
{
    QList<QByteArray> saetze;
    speicher::satzdatei_lesen(pfad, adr::groesse, saetze);
    QList<adresse> liste;
    liste.reserve(saetze.size());
    for (const QByteArray &bytes : saetze) {
        adresse satz;
        satz.von_bytes(bytes);
        liste.append(satz);
    }
    return liste;
}
