#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The picture as a baseline JPEG image compressed by libjpeg, at the given quality (1..100)
// or, without one, at the library's default. Empty when the library refuses the picture
// (an empty one, or one larger than 65500 pixels in either direction).
QByteArray jpeg_komprimieren(const QImage &bild, std::optional<int> qualitaet = std::nullopt);

// The compressed picture as the file pfad, replaced whole. False when the picture could not be
// compressed or the file not written; an older file of that name stays as it was then.
bool jpeg_schreiben(const QImage &bild, const QString &pfad,
                    std::optional<int> qualitaet = std::nullopt);
