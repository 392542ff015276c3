#pragma once

#include "lineup/gruppe.h"
#include "storage/sichere_datei.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Small helpers shared by the line-up tests: group files with names in given slots, and the
// bytes of a file.
using Belegung = QList<QPair<int, QString>>; // slot, name

inline TGruppe gruppe_mit(const Belegung &belegung)
{
    TGruppe gruppe;
    for (const auto &[slot, name] : belegung)
        gruppe.setze_name(slot, name);
    return gruppe;
}

inline bool gruppendatei_anlegen(const QString &pfad, const Belegung &belegung)
{
    return speicher::datei_ersetzen(pfad, gruppe_mit(belegung).bytes());
}

// Names in consecutive slots from a team's first slot on.
inline Belegung namen_ab(int erster_slot, const QStringList &namen)
{
    Belegung belegung;
    for (int i = 0; i < namen.size(); ++i)
        belegung.append({erster_slot + i, namen.at(i)});
    return belegung;
}

inline QStringList namen(const QString &stamm, int anzahl)
{
    QStringList ergebnis;
    for (int i = 1; i <= anzahl; ++i)
        ergebnis << stamm + QString::number(i);
    return ergebnis;
}

inline QByteArray dateiinhalt(const QString &pfad)
{
    QByteArray inhalt;
    speicher::datei_lesen(pfad, inhalt);
    return inhalt;
}

// The stored slot as bytes: length byte and text, as it stands at offset (slot - 1) * 51.
inline QByteArray slot_bytes(const QByteArray &datei, int slot)
{
    const int offset = (slot - 1) * 51;
    return datei.mid(offset + 1, quint8(datei.at(offset)));
}
