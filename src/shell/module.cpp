#include "shell/module.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
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

QObject *statisches_modul(const char *schnittstelle)
{
    for (const QStaticPlugin &modul : QPluginLoader::staticPlugins())
        if (modul.metaData().value(QLatin1StringView("IID")).toString() ==
            QLatin1StringView(schnittstelle))
            return modul.instance();
    return nullptr;
}
