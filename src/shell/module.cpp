#include "shell/module.h"

#include "shell/plattform.h"
#include "shell/ton_modul.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QPluginLoader>

using namespace Qt::StringLiterals;

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

void ton_ueber_modul(const QString &modul_name, const QString &wav_datei, Plattform &plattform,
                     bool &gemeldet)
{
    if (auto *ton = modul<TonModul>(modul_name)) {
        ton_spielen(*ton, wav_datei, plattform, gemeldet);
        return;
    }
    if (gemeldet)
        return;
    gemeldet = true;
    plattform.fehler(u"Der Ton kann nicht abgespielt werden: Das Tonmodul \"%1\" konnte nicht "
                     u"geladen werden. Die Hupe bleibt stumm."_s.arg(modul_name));
}

void ton_spielen(TonModul &ton, const QString &wav_datei, Plattform &plattform, bool &gemeldet)
{
    if (ton.ausgabegeraet_vorhanden()) {
        ton.abspielen(wav_datei);
        return;
    }
    if (gemeldet)
        return;
    gemeldet = true;
    plattform.information(u"Kein Tonausgabegerät gefunden – die Hupe bleibt still."_s);
}

QObject *statisches_modul(const char *schnittstelle)
{
    for (const QStaticPlugin &modul : QPluginLoader::staticPlugins())
        if (modul.metaData().value(QLatin1StringView("IID")).toString() ==
            QLatin1StringView(schnittstelle))
            return modul.instance();
    return nullptr;
}
