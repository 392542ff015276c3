#include "shell/titel.h"

#include <QLocale>

QString titel_text(const QString &version_text, const QDate &heute)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return QStringLiteral("Vorlix Turnier-Quarel 2   V") + u' ' + version_text +
           QStringLiteral("      -      ") + QStringLiteral("Heute ist ") + u' ' +
           deutsch.toString(heute, QStringLiteral("dddd")) + u' ' + QStringLiteral("der") +
           QStringLiteral("  ") + heute.toString(QStringLiteral("dd.MM.yyyy"));
}

QString info_zeile(const QString &version_text)
{
    return QStringLiteral("Vorlix Turnier-Quarel 2, Version %1 – Tischfußball-Turniere zweier "
                          "Mannschaften")
        .arg(version_text);
}
