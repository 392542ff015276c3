#include "app/startbild_fenster.h"

#include "pictures/zeichnungen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// Screen readers announce the picture as a graphic, as they would an image.
QAccessibleInterface *als_grafik(const QString &klasse, QObject *objekt)
{
    if (klasse == u"Startbild"_s && objekt && objekt->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(objekt), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Startbild::Startbild(QWidget *eltern)
    : QWidget(eltern)
{
    static const bool angemeldet = [] {
        QAccessible::installFactory(als_grafik);
        return true;
    }();
    Q_UNUSED(angemeldet);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(u"Startbild"_s);
}

QSize Startbild::sizeHint() const
{
    return zeichnung::startbild().groesse.toSize();
}

void Startbild::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    zeichnung::zeichnen(maler, zeichnung::startbild(), rect());
}
