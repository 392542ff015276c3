#include "appearance/stil_anwenden.h"

#include "appearance/kontrast.h"
#include "appearance/oberflaeche_fenster.h"
#include "appearance/stile.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/farbwert.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// A button whose size the window fixes keeps its caption whole: the style's padding, made for
// buttons that grow with their caption, would cut it.
QString feste_knoepfe_regel()
{
    return u" QPushButton[%1=\"true\"] { padding: 0px; min-width: 0px; min-height: 0px; }"_s.arg(
        QString::fromLatin1(feste_knopfgroesse_eigenschaft));
}

} // namespace

bool stil_anwenden(Zustand &zustand, const QString &name)
{
    const Stil *stil = stil_suchen(name);
    if (!stil && name.compare(system_stil_name, Qt::CaseInsensitive) != 0)
        return false;
    // The style sheet wraps the toolkit style; without it the style's own name shows.
    qApp->setStyleSheet(QString());
    if (zustand.plattform_stil.isEmpty())
        zustand.plattform_stil = stil_art();
    const QString art = stil ? u"Fusion"_s : zustand.plattform_stil;
    if (stil_art().compare(art, Qt::CaseInsensitive) != 0)
        stil_art_setzen(art);
    if (stil) {
        // A style of palette only keeps the plain style: a sheet of any kind would take over.
        if (!stil->blatt.isEmpty())
            qApp->setStyleSheet(stil->blatt.toString() + feste_knoepfe_regel());
        QApplication::setPalette(stil_palette(*stil));
    } else {
        // An empty palette falls back to the platform's own colours.
        QApplication::setPalette(QPalette());
    }
    zustand.stil_name = stil ? stil->name.toString() : system_stil_name;
    return true;
}

void style_lesen(Zustand &zustand, Plattform &plattform, QWidget &hauptfenster)
{
    stil_anwenden(zustand, style_name_lesen(zustand.daten_pfad));
    // Maximised is the work area, as far as the platform tells.
    const QRect arbeit = plattform.arbeitsbereich();
    hauptfenster.move(arbeit.topLeft());
    hauptfenster.resize(arbeit.size());
}

void flaeche_faerben(QWidget &flaeche, qint32 farbe)
{
    const QColor grund = farbe_zu_qcolor(farbe);
    const QColor schrift = lesbare_schrift(grund);
    // Only these roles are the surface's own; the others still follow the style. A flat button
    // on the surface raises in the surface's colour when the mouse is over it or it is pressed,
    // so its caption stays readable there too.
    QPalette palette;
    palette.setColor(QPalette::Window, grund);
    palette.setColor(QPalette::WindowText, schrift);
    palette.setColor(QPalette::ButtonText, schrift);
    const QPalette knopf(grund); // light, mid, dark and shadow follow from the colour
    for (const QPalette::ColorRole rolle : {QPalette::Button, QPalette::Light, QPalette::Midlight,
                                            QPalette::Mid, QPalette::Dark, QPalette::Shadow})
        palette.setColor(rolle, knopf.color(rolle));
    flaeche.setPalette(palette);
    flaeche.setAutoFillBackground(true);
}
