#pragma once

#include "rosters/adresse.h"

#include <QFontMetrics>
#include <QImage>
#include <QProcess>
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
