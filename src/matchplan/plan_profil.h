#pragma once

#include "shell/optionen.h"

#include <QSize>
#include <QString>

// Everything that tells the doubles plan window from the singles one; the rest they share.
struct SpielplanProfil
{
    bool doppel;         // an entry is a pair: two slots joined by "/"; else one slot
    QString matrix_ecke; // cell (0, 0) of the result matrix
    QString trenner;     // row 11 of the standings
    // The window's settings in the options record.
    speicher::Int32Feld tabelle1_hoehe;
    speicher::Int32Feld zeilenhoehe;
    speicher::Int32Feld schriftgroesse;
    QSize client_groesse;               // the start size, before the window takes the work area
    int matrix_spaltenbreite;           // fixed width of the matrix columns 1..10
    qint32 matrix_titel_ausrichtung;    // title alignment of the matrix columns 1..10
    bool zeilenhoehe_getippt_speichern; // RxSpinEdit2: a typed value is stored and saved
    bool zeigen_passt_breiten_an;       // showing the window also fits the column widths
    bool beenden_setzt_uhr_zurueck;
    bool uhr_mit_sekunden;
};

const SpielplanProfil &doppel_profil();
const SpielplanProfil &einzel_profil();
