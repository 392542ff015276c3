#pragma once
// Included by exactly one source of each fuzz target.

#include <QGuiApplication>
#include <QLocale>

// Fontconfig keeps its caches until the process ends; that is not a leak of the grid.
extern "C" __attribute__((used)) const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// Text measuring needs a GUI application; the fuzz targets run without a screen.
inline void fuzz_qt_starten()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
