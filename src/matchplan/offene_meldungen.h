#pragma once

#include "matchplan/tischmeldungen.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The open proposals kept in the recovery set, so that they come back after a crash: JSON in
// UTF-8, the phone's key not among it.
extern const QString offene_meldungen_datei;
inline constexpr int offene_meldungen_hoechstens = 1000;

QByteArray offene_meldungen_schreiben(const QList<Tischmeldung> &meldungen);
// Whatever the bytes: the whole proposals among them, at most offene_meldungen_hoechstens;
// damaged ones are left out.
QList<Tischmeldung> offene_meldungen_lesen(const QByteArray &bytes);
