#include "erstes_bild.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class ErstesBild : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::Paint) {
            objekt->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }
};

} // namespace

void nach_erstem_bild_beenden_wenn_verlangt(QWidget *fenster)
{
    if (qEnvironmentVariableIsSet("VORLIX_NACH_ERSTEM_BILD_BEENDEN"))
        fenster->installEventFilter(new ErstesBild(fenster));
}
