#include "matchplan/schritte_fenster.h"

#include "grid/filtergrid_fenster.h"
#include "matchplan/spielplan.h"

#include <QAction>
#include <QKeyEvent>
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

// Delete reaches the matrix only while no cell editor is open; within an editor it deletes a
// character.
class EntfLeert : public QObject
{
public:
    EntfLeert(TFilterGrid &matrix, Spielplan &plan)
        : QObject(&matrix)
        , m_matrix(matrix)
        , m_plan(plan)
    {
        matrix.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (objekt != &m_matrix || ereignis->type() != QEvent::KeyPress)
            return false;
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->key() != Qt::Key_Delete ||
            (taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const GitterModell &gitter = m_matrix.modell();
        // A cell that takes no typing takes no clearing either.
        if (gitter.goEditing())
            m_plan.zelle_leeren(gitter.Selection().Left, gitter.Selection().Top);
        return true;
    }

private:
    TFilterGrid &m_matrix;
    Spielplan &m_plan;
};

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

    new EntfLeert(matrix, plan);

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
