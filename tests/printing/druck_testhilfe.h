#pragma once

#include "rosters/adresse.h"

#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// A roster of players with German names, "Bär1", "Öz2", ..., each name different.
inline QList<adresse> testkader(int anzahl)
{
    using namespace Qt::StringLiterals;
    static const QStringList staemme{u"Bär"_s, u"Öz"_s, u"Süß"_s, u"Groß"_s, u"Weiß"_s, u"Übel"_s};
    QList<adresse> kader;
    for (int i = 1; i <= anzahl; ++i) {
        adresse satz;
        satz.setze(adr::name, staemme[i % staemme.size()] + QString::number(i));
        satz.setze(adr::vorname, u"Jörg"_s);
        kader.append(satz);
    }
    return kader;
}

// The height of a font at the given points on a page of 96 dots per inch, measured here
// independently of the layout.
inline int hoehe_bei_96_dpi(const QString &art, int punkte, bool fett)
{
    QImage bild(1, 1, QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    QFont schrift(art);
    schrift.setPointSize(punkte);
    schrift.setBold(fett);
    return QFontMetrics(schrift, &bild).height();
}

// Runs a tool of poppler-utils on a PDF file and gives its output.
inline QString poppler(const QString &werkzeug, const QStringList &argumente)
{
    QProcess prozess;
    prozess.start(werkzeug, argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0)
        return {};
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

inline int pdf_seiten(const QString &pfad)
{
    using namespace Qt::StringLiterals;
    const QString info = poppler(u"pdfinfo"_s, {pfad});
    for (const QString &zeile : info.split(u'\n'))
        if (zeile.startsWith(u"Pages:"))
            return zeile.mid(6).trimmed().toInt();
    return -1;
}

inline QString pdf_text(const QString &pfad)
{
    using namespace Qt::StringLiterals;
    return poppler(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pfad, u"-"_s});
}

// True when every text stands in the given text in this order.
inline bool in_reihenfolge(const QString &text, const QStringList &teile)
{
    qsizetype ab = 0;
    for (const QString &teil : teile) {
        ab = text.indexOf(teil, ab);
        if (ab < 0)
            return false;
        ab += teil.size();
    }
    return true;
}

// A word of a PDF page as poppler reads it, in points from the page's top left corner.
struct PdfWort
{
    int seite = 0;
    QString text;
    QRectF rahmen;
};

inline QList<PdfWort> pdf_woerter(const QString &pfad)
{
    using namespace Qt::StringLiterals;
    static const QRegularExpression wort(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        u"yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    QList<PdfWort> woerter;
    int seite = 0;
    const QString xml = poppler(u"pdftotext"_s, {u"-bbox"_s, u"-enc"_s, u"UTF-8"_s, pfad, u"-"_s});
    for (const QString &zeile : xml.split(u'\n')) {
        if (zeile.contains(u"<page "))
            ++seite;
        const QRegularExpressionMatch m = wort.match(zeile);
        if (m.hasMatch())
            woerter << PdfWort{seite, QString(m.captured(5)).replace(u"&amp;"_s, u"&"_s),
                               QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                      QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))};
    }
    return woerter;
}

// The words of an A4 page (upright or in landscape) closer than 15 mm to one of its edges.
inline QStringList ausserhalb_des_randes(const QList<PdfWort> &woerter, bool quer = false)
{
    using namespace Qt::StringLiterals;
    constexpr double rand = 15.0 / 25.4 * 72;
    const QSizeF seite = quer ? QSizeF(841.89, 595.28) : QSizeF(595.28, 841.89);
    const QRectF innen(rand, rand, seite.width() - 2 * rand, seite.height() - 2 * rand);
    QStringList draussen;
    for (const PdfWort &w : woerter)
        if (!innen.contains(w.rahmen))
            draussen << u"S. %1 \"%2\" bei %3, %4"_s.arg(w.seite)
                            .arg(w.text)
                            .arg(w.rahmen.left())
                            .arg(w.rahmen.top());
    return draussen;
}

// Pairs of words on a page that run into each other.
inline QStringList ueberlappende_woerter(const QList<PdfWort> &woerter)
{
    using namespace Qt::StringLiterals;
    constexpr double spiel = 0.3; // poppler's boxes are rounded
    QStringList paare;
    for (qsizetype i = 0; i < woerter.size(); ++i)
        for (qsizetype j = i + 1; j < woerter.size() && woerter[j].seite == woerter[i].seite; ++j)
            if (woerter[i]
                    .rahmen.adjusted(spiel, spiel, -spiel, -spiel)
                    .intersects(woerter[j].rahmen.adjusted(spiel, spiel, -spiel, -spiel)))
                paare << woerter[i].text + u" / "_s + woerter[j].text;
    return paare;
}
