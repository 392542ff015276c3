#include "shell/titel.h"

#include "programm.h"

#include <QLocale>

QString titel_text(const QString &version_text, const QDate &heute)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return programm_name + QStringLiteral("   V") + u' ' + version_text +
           QStringLiteral("      -      ") + QStringLiteral("Heute ist ") + u' ' +
           deutsch.toString(heute, QStringLiteral("dddd")) + u' ' + QStringLiteral("der") +
           QStringLiteral("  ") + heute.toString(QStringLiteral("dd.MM.yyyy"));
}

QString info_zeile(const QString &version_text)
{
    return programm_name +
           QStringLiteral(", Version %1 – Tischfußball-Turniere zweier Mannschaften")
               .arg(version_text);
}
