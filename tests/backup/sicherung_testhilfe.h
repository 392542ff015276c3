#pragma once

#include "storage/sichere_datei.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// Small files for the backup tests, each holding its own name; missing folders are created.
inline void dateien_anlegen(const QString &ordner, const QStringList &namen)
{
    for (const QString &name : namen) {
        const QString pfad = QDir(ordner).filePath(name);
        QDir().mkpath(QFileInfo(pfad).path());
        speicher::datei_ersetzen(pfad, name.toUtf8());
    }
}

inline QByteArray inhalt(const QString &pfad)
{
    QByteArray bytes;
    speicher::datei_lesen(pfad, bytes);
    return bytes;
}

// Everything in a folder, hidden temporary files included, sorted by name.
inline QStringList eintraege(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}
