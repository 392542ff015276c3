#include "app/hauptfenster_fenster.h"
#include "app/qt_plattform.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "appearance/oberflaeche_fenster.h"
#include "appearance/stil_anwenden.h"
#include "erstes_bild.h"
#include "pictures/png_bild.h"
#include "programm.h"
#include "shell/sprache.h"
#include "shell/start.h"
#include "shell/zustand.h"
#include "stopwatch/hupe.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    qt_deutsch_laden(anwendung);
    QApplication::setApplicationName(programm_name);
    QApplication::setApplicationVersion(programm_version);
    QApplication::setDesktopFileName(u"de.vorlix.turnierquarel"_s);
    // Read as PNG straight away: left to guess, the image reader loads every image-format plugin.
    QApplication::setWindowIcon(
        QPixmap::fromImage(png_lesen(u":/programmsymbol/programmsymbol_48.png"_s)));
    oberflaeche_einrichten();

    QtPlattform plattform;
    Zustand zustand;
    programm_vorbereiten(zustand, QCoreApplication::applicationDirPath());
    hupe_bereitstellen(zustand);
    // The program's theme until the main window loads the saved choice.
    stil_anwenden(zustand, u"Emerald Light Slate"_s);

    TForm1 hauptfenster(zustand, plattform);
    hauptfenster.titel_setzen();
    nach_erstem_bild_beenden_wenn_verlangt(&hauptfenster);
    hauptfenster.show();
    // Asked once the main window stands, so that the question has its window.
    QTimer::singleShot(0, &hauptfenster, [&hauptfenster] {
        hauptfenster.m_turnierplan->wiederherstellung_anbieten();
    });
    return anwendung.exec();
}
