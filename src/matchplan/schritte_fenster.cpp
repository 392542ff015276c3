#include "matchplan/schritte_fenster.h"

#include "grid/filtergrid_fenster.h"
#include "matchplan/spielplan.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

QAction *aktion(QWidget &fenster, const char *name, const QString &text, const QKeySequence &taste)
{
    auto *aktion = new QAction(text, &fenster);
    aktion->setObjectName(name);
    aktion->setShortcut(taste);
    fenster.addAction(aktion);
    return aktion;
}

} // namespace

void schritte_anbinden(QWidget &fenster, TFilterGrid &matrix, Spielplan &plan)
{
    QUndoStack &schritte = plan.schritte();
    QAction *zurueck = aktion(fenster, "Rueckgaengig", u"&Rückgängig"_s, QKeySequence::Undo);
    QAction *vor =
        aktion(fenster, "Wiederholen", u"&Wiederholen"_s, QKeySequence(Qt::CTRL | Qt::Key_Y));
    zurueck->setEnabled(schritte.canUndo());
    vor->setEnabled(schritte.canRedo());
    QObject::connect(&schritte, &QUndoStack::canUndoChanged, zurueck, &QAction::setEnabled);
    QObject::connect(&schritte, &QUndoStack::canRedoChanged, vor, &QAction::setEnabled);
    QObject::connect(zurueck, &QAction::triggered, &fenster, [&matrix, &plan] {
        matrix.editor_schliessen();
        plan.rueckgaengig();
    });
    QObject::connect(vor, &QAction::triggered, &fenster, [&matrix, &plan] {
        matrix.editor_schliessen();
        plan.wiederholen();
    });

    auto *menue = new QMenu(&matrix);
    menue->setObjectName("Ergebnismenue");
    menue->addAction(zurueck);
    menue->addAction(vor);
    matrix.setContextMenuPolicy(Qt::CustomContextMenu);
    // Shown without waiting on it, so that nothing runs a nested event loop.
    QObject::connect(
        &matrix, &QWidget::customContextMenuRequested, menue,
        [&matrix, menue](const QPoint &ort) { menue->popup(matrix.viewport()->mapToGlobal(ort)); });
}
