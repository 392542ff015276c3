#pragma once

#include <QFontMetrics>
#include <QString>
#include <QStringList>

// Breaking a text into the lines of a table cell. A line may break wherever the Unicode line
// breaking rules allow it (after a hyphen, for instance), after every blank, and in an e-mail
// address before its "@" and its dots; what lies between two such places is a piece that stays
// whole on its line.

// The text in lines no wider than the width, each as full as the pieces allow; a piece wider
// than the width stands on a line of its own, shortened with "…".
QStringList umbrochen(const QFontMetrics &masse, const QString &text, int weite);

// The narrowest width at which the text takes at most two lines without a piece shortened.
int zweizeilige_breite(const QFontMetrics &masse, const QString &text);

// The width of the text's widest piece.
int breitestes_stueck(const QFontMetrics &masse, const QString &text);
