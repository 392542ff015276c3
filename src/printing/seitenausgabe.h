#pragma once

#include "printing/druckseite.h"

#include <QPageSize>
#include <QRectF>

class QPagedPaintDevice;
class QPainter;

// Draws a page into the target rectangle of the painter's device, stretched to fill it.
void seite_zeichnen(QPainter &maler, const DruckSeite &seite, const QRectF &ziel);

// Every page onto a printer or PDF device, each stretched over the device page's printable
// area; false when the device cannot be drawn on.
bool seiten_ausgeben(QPagedPaintDevice &geraet, const QList<DruckSeite> &seiten);

// Writes the pages as a PDF file, each filling a page of the given size, turned to landscape
// when the pages are. The file is replaced
// whole, so a failure leaves any old file as it was; false when it cannot be written.
bool seiten_als_pdf(const QList<DruckSeite> &seiten, const QString &pfad, const QPageSize &format,
                    const QString &titel);
// The address list's pages so, under its title.
bool adressliste_als_pdf(const QList<DruckSeite> &seiten, const QString &pfad,
                         const QPageSize &format);
