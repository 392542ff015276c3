#include "pictures/png_bild.h"

#include <QImageReader>

QImage png_lesen(const QString &pfad)
{
    QImageReader leser(pfad, "png");
    leser.setAutoDetectImageFormat(false);
    return leser.read();
}
