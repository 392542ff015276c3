#pragma once

#include "grid/ausrichtung.h"
#include "storage/farbwert.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class GitterModell;

// A font as the grid stores it: the font and its colour.
struct Schrift
{
    QFont font;
    TColor Color = clWindowText;
};

using TGetCompProperty = std::function<QString(GitterModell &, QObject *)>;
using TSetCompProperty = std::function<void(GitterModell &, QObject *, const QString &)>;

// Everything a column knows besides its cells.
class TColInfo
{
public:
    QObject *Objekt = nullptr; // bound edit control
    TSetCompProperty CellToComp;
    TGetCompProperty CompToCell;
    QString Titel;
    qint32 TitAlign = ausrichtung_links_mittig;
    std::optional<Schrift> TitFont; // none: the grid font
    TColor TitColor = clBtnFace;
    qint32 Width = 64;
    QChar Typ = u' ';
    qint32 Dez = 0;
    qint32 DatAlign = ausrichtung_links_mittig;
    std::optional<Schrift> DatFont;
    TColor DatColor = clWindow;

    // Copies everything but the binding.
    void Assign(const TColInfo &quelle);
    bool zeilenumbruch() const { return (DatAlign & ausrichtung_umbruch) != 0; }
};

enum TSortIconSize { siSize_S, siSize_M, siSize_L };
enum TSortIconStyle { siStyle_Line, siStyle_Fill };

struct TSortIcon
{
    bool Show = true;
    TSortIconSize Size = siSize_M;
    TSortIconStyle Style = siStyle_Line;
};

// Fills `info` from a column parameter string whose fields `trenner` separates; a font field
// starts from `grundschrift`. Returns the message of the first malformed number (the fields
// before it are taken), else empty.
QString spalteninfo_lesen(TColInfo &info, const QString &param, QChar trenner,
                          const Schrift &grundschrift);

// "Arial*10*255*BU*": name, points, colour, style letters; ";" is read like "*".
QString schrift_zu_text(const Schrift &schrift);
// Numbers are read leniently (a malformed one counts as 0); an impossible size is skipped.
void text_zu_schrift(const QString &text, Schrift &schrift);
