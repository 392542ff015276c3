#include "shell/module.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

QObject *modul_laden(const QString &name)
{
    // Beside the program, where an installation puts them, else where the build put them (tests
    // run from their own folders).
    const QString programm = QCoreApplication::applicationDirPath();
    for (const QString &ordner :
         {programm, QDir(programm).filePath(QString::fromUtf8(VORLIX_MODUL_RELATIV)),
          QString::fromUtf8(VORLIX_MODUL_ORDNER)}) {
        QPluginLoader lader(QDir(ordner).filePath(name));
        if (QObject *wurzel = lader.instance())
            return wurzel;
    }
    qWarning("Modul %s nicht gefunden", qPrintable(name));
    return nullptr;
}
