#pragma once

#include "lineup/gruppe.h"
#include "rosters/adresse.h"
#include "storage/satzdatei.h"
#include "storage/sichere_datei.h"

#include <QList>
#include <QPair>
#include <QStringList>

// Rosters and stored slots for the selection tests.
using Spieler = QPair<QString, QString>; // first name, surname

inline bool kader_anlegen(const QString &pfad, const QList<Spieler> &spieler)
{
    QList<QByteArray> saetze;
    for (const auto &[vorname, name] : spieler) {
        adresse satz;
        satz.setze(adr::vorname, vorname);
        satz.setze(adr::name, name);
        saetze.append(satz.bytes());
    }
    return speicher::satzdatei_schreiben(pfad, saetze);
}

// Players "V<nn>" / "Spieler<nn>" with two-digit numbers, so that their order is the numbers'.
inline QList<Spieler> durchgezaehlt(int anzahl)
{
    using namespace Qt::StringLiterals;
    QList<Spieler> spieler;
    for (int i = 1; i <= anzahl; ++i) {
        const QString nr = u"%1"_s.arg(i, 2, 10, QLatin1Char('0'));
        spieler.append({u"V"_s + nr, u"Spieler"_s + nr});
    }
    return spieler;
}

inline QStringList gruppen_slots(const QString &pfad, int von, int bis)
{
    QByteArray inhalt;
    speicher::datei_lesen(pfad, inhalt);
    TGruppe gruppe;
    QStringList namen;
    if (!gruppe.von_bytes(inhalt))
        return namen;
    for (int slot = von; slot <= bis; ++slot)
        namen.append(gruppe.name(slot));
    return namen;
}

inline QStringList sortiert(QStringList liste)
{
    liste.sort();
    return liste;
}
