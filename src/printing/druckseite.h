#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QRect>
#include <QString>

class TOptionen;

// A printed page as the program lays it out. Coordinates are in 1/96 inch on a page of 816 x 1056
// (or 1056 x 816 in landscape) with margins of 96; texts are placed by their top-left corner.
namespace druck {
inline constexpr int seiten_breite = 816;
inline constexpr int seiten_hoehe = 1056;
inline constexpr int rand = 96;
inline constexpr int unterkante = seiten_hoehe - rand; // lines end above the bottom margin
inline constexpr int kleinste_groesse = 1;
inline constexpr int groesste_groesse = 100;
inline constexpr int grundgroesse = 10;          // an options file that never held a size
inline const QColor bandfarbe{0xE9, 0xE7, 0xE0}; // Windows colour value 0xE0E7E9
} // namespace druck

// Font name and size in points a page is printed with.
struct Druckschrift
{
    QString art;
    int groesse = druck::grundgroesse;
};

struct DruckText
{
    QString text;
    QString schriftart;
    int groesse = 0; // points
    bool fett = false;
    int x = 0;
    int y = 0;
    int breite = 0;     // the text is clipped to this width, so it never runs into the next column
    QColor hintergrund; // filled behind the text when valid
};

// A filled rectangle outlined in black.
struct DruckRechteck
{
    QRect flaeche;
    QColor fuellung;
};

struct DruckSeite
{
    int nummer = 1;
    bool quer = false; // landscape: 1056 wide and 816 high
    QList<DruckRechteck> rechtecke;
    QList<DruckText> texte;

    int breite() const { return quer ? druck::seiten_hoehe : druck::seiten_breite; }
    int hoehe() const { return quer ? druck::seiten_breite : druck::seiten_hoehe; }
};

// The options' font and size; an empty name gives the system's font, a size out of range the
// nearest allowed one (a size never set gives the basic size).
Druckschrift druckschrift_aus_optionen(const TOptionen &optionen);

// The font a text is measured with: its size in points taken at 96 dots per inch.
QFont druckschrift(const QString &art, int groesse, bool fett);
// The metrics of a font on the 1/96-inch page.
QFontMetrics seitenmasse(const QFont &schrift);
