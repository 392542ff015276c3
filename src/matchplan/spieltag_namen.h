#pragma once

#include <QDate>
#include <QString>

// The names of a saved match day carry the game kind, the entries per team and the day:
// D_Tab1Gr08_14_03_2026.Tab (standings), D_Tab2Gr08_14_03_2026.Tub (result matrix) and
// D_Gr08_14_03_2026.grp (record); "E_" for singles. Readers take them apart by position.
struct Spieltagdateien
{
    QString tabelle;
    QString matrix;
    QString satz;
};

Spieltagdateien spieltag_dateinamen(bool doppel, int n, const QDate &tag);

// The result matrix file beside a standings file: characters 1..5, "2", characters 7..21 and
// ".Tub". A name of another form gives a name that no saved day has.
QString matrix_dateiname(const QString &tabellen_name);

// NN of a standings file name (characters 9..10) and of a record name (characters 5..6).
QString anzahl_text_tabelle(const QString &name);
QString anzahl_text_satz(const QString &name);

// The date of either kind of name as dd.mm.yyyy: characters 8..17 of a record name ("...grp"),
// 12..21 of any other, with the 3rd and 6th character made a ".".
QString datum_aus_dateiname(const QString &name);
