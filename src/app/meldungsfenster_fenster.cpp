#include "app/meldungsfenster_fenster.h"

#include "programm.h"

#include <QGridLayout>

namespace {

// Room for what a title bar holds beside its text: the icon, three buttons and the margins,
// which a window manager may draw in a larger font than the program's.
constexpr int titelleiste_rest = 160;

} // namespace

std::unique_ptr<QMessageBox> meldungsfenster(QMessageBox::Icon art, const QString &text,
                                             QWidget *eltern)
{
    auto box =
        std::make_unique<QMessageBox>(art, programm_name, text, QMessageBox::NoButton, eltern);
    QFont titelschrift = box->font();
    titelschrift.setBold(true);
    const int breite =
        QFontMetrics(titelschrift).horizontalAdvance(box->windowTitle()) + titelleiste_rest;
    if (auto *raster = qobject_cast<QGridLayout *>(box->layout()))
        raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                        raster->rowCount(), 0, 1, raster->columnCount());
    return box;
}
