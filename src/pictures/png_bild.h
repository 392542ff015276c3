#pragma once

#include <QImage>
#include <QString>

// A PNG picture of the resources, read by Qt's built-in PNG reader. Left to guess, the image
// reader loads every image-format plugin first to ask it about the file, which costs start-up.
QImage png_lesen(const QString &pfad);
