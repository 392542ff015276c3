// The yardstick of the start-up benchmark: the smallest Qt Widgets program with a main window,
// as large as the program's own (the work area of the screen).
#include "erstes_bild.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QMainWindow fenster;
    fenster.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    nach_erstem_bild_beenden_wenn_verlangt(&fenster);
    fenster.show();
    return anwendung.exec();
}
