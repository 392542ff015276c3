#include "shell/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool qt_deutsch_laden(QCoreApplication &anwendung)
{
    auto *uebersetzung = new QTranslator(&anwendung);
    if (!uebersetzung->load(u"qtbase_de"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}
