#include "shell/arbeitsbereich_fenster.h"

#include "shell/plattform.h"

#include <QEvent>
#include <QMargins>
#include <QWidget>

namespace {

class Einpasser : public QObject
{
public:
    Einpasser(QWidget &fenster, Plattform &plattform)
        : QObject(&fenster)
        , m_fenster(fenster)
        , m_plattform(plattform)
    {
        fenster.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (objekt == &m_fenster &&
            (ereignis->type() == QEvent::Move || ereignis->type() == QEvent::Resize))
            einpassen();
        return false;
    }

private:
    void einpassen()
    {
        const QRect aussen = m_fenster.frameGeometry();
        const QRect innen = m_fenster.geometry();
        const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                              aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
        // Only a newly reported frame: the user may move and size the window afterwards.
        if (rahmen.isNull() || rahmen == m_rahmen)
            return;
        m_rahmen = rahmen;
        const QRect arbeit = m_plattform.arbeitsbereich();
        m_fenster.move(arbeit.topLeft());
        m_fenster.resize(arbeit.size().shrunkBy(rahmen));
    }

    QWidget &m_fenster;
    Plattform &m_plattform;
    QMargins m_rahmen; // as the window manager last reported it
};

} // namespace

void arbeitsbereich_fuellen(QWidget &fenster, Plattform &plattform)
{
    const QRect arbeit = plattform.arbeitsbereich();
    fenster.move(arbeit.topLeft());
    fenster.resize(arbeit.size());
    new Einpasser(fenster, plattform);
}

void mittig_platzieren(QWidget &fenster, const QRect &bereich, int nach_unten)
{
    fenster.adjustSize();
    fenster.move(bereich.x() + (bereich.width() - fenster.width()) / 2,
                 bereich.y() + (bereich.height() - fenster.height()) / 2 + nach_unten);
}
