#pragma once

#include "grid/filtergrid_fenster.h"

#include <QString>
#include <QtTest>

// Key by key, as a person types into the matrix: a click on the cell, the first key opens its
// editor, the others go to it, Return commits it. True once the editor has closed (without
// Return: while it is still open).
[[nodiscard]] inline bool ergebnis_eintragen(TFilterGrid *gitter, int c, int r, const QString &text,
                                             bool bestaetigen = true)
{
    const QRect zelle = gitter->visualRect(gitter->model()->index(r, c));
    QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, zelle.center());
    for (QChar zeichen : text) {
        QWidget *editor = gitter->indexWidget(gitter->currentIndex());
        QWidget *ziel = editor ? editor : gitter;
        QTest::sendKeyEvent(QTest::Press, ziel, Qt::Key_unknown, QString(zeichen), {});
        QTest::sendKeyEvent(QTest::Release, ziel, Qt::Key_unknown, QString(zeichen), {});
    }
    if (!bestaetigen)
        return gitter->indexWidget(gitter->currentIndex()) != nullptr;
    if (QWidget *editor = gitter->indexWidget(gitter->currentIndex()))
        QTest::keyClick(editor, Qt::Key_Return);
    // The view closes the editor through a queued call.
    return QTest::qWaitFor([gitter] { return !gitter->indexWidget(gitter->currentIndex()); });
}
