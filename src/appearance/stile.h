#pragma once

#include <QPalette>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>

// A built-in style: the colours of a palette over the Fusion style, and a style sheet only
// where a palette cannot say it (flat, glossy or rounded buttons).
struct Stil
{
    QStringView name;
    QRgb fenster;
    QRgb fenster_text;
    QRgb basis;
    QRgb basis_wechsel; // every other row of a list
    QRgb text;
    QRgb knopf;
    QRgb knopf_text;
    QRgb auswahl;
    QRgb auswahl_text;
    QRgb hinweis; // tool tips
    QRgb hinweis_text;
    QRgb verweis; // links
    QStringView blatt = {};
};

// The platform's own style and palette.
extern const QString system_stil_name;

std::span<const Stil> eingebaute_stile();
// The built-in style of that name, case ignored; nullptr for the system style or an unknown name.
const Stil *stil_suchen(QStringView name);
// The system style first, then every built-in name not yet there; sorted.
QStringList stil_namen();
QPalette stil_palette(const Stil &stil);

extern const QString style_dateiname;

// The first line of "Styledat.txt"; an empty or missing file means the system style.
QString style_name_lesen(const QString &daten_pfad);
// Writes the name alone, without a line end.
bool style_speichern(const QString &daten_pfad, const QString &name);
