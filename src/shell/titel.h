#pragma once

#include <QDate>
#include <QString>

// The main window's caption, e.g. for Tuesday 08.12.2026 and version 1.15:
// "Vorlix Turnier-Quarel 2   V 1.15      -      Heute ist  Dienstag der  08.12.2026".
QString titel_text(const QString &version_text, const QDate &heute);

// The about line of the status bar.
QString info_zeile(const QString &version_text);
