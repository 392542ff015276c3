#include "shell/module.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

QObject *modul_laden(const QString &name)
{
    // Beside the program, else where the build put it (tests run from their own folders).
    for (const QString &ordner :
         {QCoreApplication::applicationDirPath(), QString::fromUtf8(VORLIX_MODUL_ORDNER)}) {
        QPluginLoader lader(QDir(ordner).filePath(name));
        if (QObject *wurzel = lader.instance())
            return wurzel;
    }
    qWarning("Modul %s nicht gefunden", qPrintable(name));
    return nullptr;
}
