#include "printing/seitenausgabe.h"

#include "printing/adressliste.h"
#include "programm.h"
#include "storage/sichere_datei.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

void text_zeichnen(QPainter &maler, const DruckText &text)
{
    QFont schrift = druckschrift(text.schriftart, text.groesse, text.fett);
    // The page unit is 1/96 inch whatever the device's resolution; the painter's scale does
    // the rest.
    schrift.setPointSizeF(text.groesse * 96.0 / maler.device()->logicalDpiY());
    maler.setFont(schrift);
    const QFontMetricsF masse(schrift, maler.device());
    const QRectF kasten(text.x, text.y, text.breite, masse.height());
    if (text.hintergrund.isValid()) {
        const qreal breite = qMin(masse.horizontalAdvance(text.text), kasten.width());
        maler.fillRect(QRectF(kasten.topLeft(), QSizeF(breite, kasten.height())), text.hintergrund);
    }
    maler.save();
    maler.setClipRect(kasten, Qt::IntersectClip);
    maler.drawText(kasten, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.text);
    maler.restore();
}

} // namespace

void seite_zeichnen(QPainter &maler, const DruckSeite &seite, const QRectF &ziel)
{
    // One scale for both axes: a page of another shape (A4) must not stretch the text.
    const qreal mass = qMin(ziel.width() / seite.breite(), ziel.height() / seite.hoehe());
    maler.save();
    maler.translate(ziel.left() + (ziel.width() - seite.breite() * mass) / 2, ziel.top());
    maler.scale(mass, mass);
    maler.setPen(QPen(Qt::black, 1));
    for (const DruckRechteck &rechteck : seite.rechtecke) {
        maler.setBrush(rechteck.fuellung);
        maler.drawRect(rechteck.flaeche);
    }
    maler.setBrush(Qt::NoBrush);
    for (const DruckText &text : seite.texte)
        text_zeichnen(maler, text);
    maler.restore();
}

bool seiten_ausgeben(QPagedPaintDevice &geraet, const QList<DruckSeite> &seiten)
{
    QPainter maler;
    if (!maler.begin(&geraet))
        return false;
    const QRectF ziel(0, 0, geraet.width(), geraet.height());
    for (qsizetype i = 0; i < seiten.size(); ++i) {
        if (i > 0 && !geraet.newPage())
            return false;
        seite_zeichnen(maler, seiten[i], ziel);
    }
    return maler.end();
}

bool adressliste_als_pdf(const QList<DruckSeite> &seiten, const QString &pfad,
                         const QPageSize &format)
{
    return seiten_als_pdf(seiten, pfad, format, druck::titel);
}

bool seiten_als_pdf(const QList<DruckSeite> &seiten, const QString &pfad, const QPageSize &format,
                    const QString &titel)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(programm_name);
        pdf.setTitle(titel);
        pdf.setPageSize(format);
        if (!seiten.isEmpty() && seiten.first().quer)
            pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!seiten_ausgeben(pdf, seiten))
            return false;
    }
    return speicher::datei_ersetzen(pfad, puffer.data());
}
