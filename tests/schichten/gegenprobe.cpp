// A logic-like object that breaks the layer rule: the layer check must find it.
#include <QWidget>

int gegenprobe_breite(const QWidget &fenster)
{
    return fenster.width();
}
