#include "printing/zeilenumbruch.h"

#include <QTextBoundaryFinder>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The text cut where a line may break; each piece keeps the blanks after it.
QStringList stuecke(const QString &text)
{
    QList<qsizetype> stellen;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    for (qsizetype stelle = finder.toNextBoundary(); stelle > 0 && stelle < text.size();
         stelle = finder.toNextBoundary())
        stellen << stelle;
    // After every blank, also between numbers, which the Unicode rules keep together.
    for (qsizetype stelle = 1; stelle < text.size(); ++stelle) {
        if (text[stelle - 1].isSpace() && !text[stelle].isSpace())
            stellen << stelle;
    }
    // An e-mail address before its "@" and before each of its dots.
    if (text.contains(u'@')) {
        for (qsizetype stelle = 1; stelle < text.size(); ++stelle) {
            if ((text[stelle] == u'@' || text[stelle] == u'.') && !text[stelle - 1].isSpace())
                stellen << stelle;
        }
    }
    std::sort(stellen.begin(), stellen.end());
    stellen.erase(std::unique(stellen.begin(), stellen.end()), stellen.end());
    QStringList teile;
    qsizetype von = 0;
    for (qsizetype stelle : stellen) {
        teile << text.mid(von, stelle - von);
        von = stelle;
    }
    teile << text.mid(von);
    return teile;
}

int breite(const QFontMetrics &masse, const QString &zeile)
{
    return masse.horizontalAdvance(zeile.trimmed());
}

} // namespace

QStringList umbrochen(const QFontMetrics &masse, const QString &text, int weite)
{
    QStringList zeilen;
    QString zeile;
    for (const QString &stueck : stuecke(text.trimmed())) {
        if (!zeile.isEmpty() && breite(masse, zeile + stueck) > weite) {
            zeilen << zeile.trimmed();
            zeile = stueck;
        } else {
            zeile += stueck;
        }
    }
    zeilen << zeile.trimmed();
    for (QString &z : zeilen) {
        if (masse.horizontalAdvance(z) > weite) {
            const QString kurz = masse.elidedText(z, Qt::ElideRight, weite);
            z = kurz.isEmpty() ? u"…"_s : kurz;
        }
    }
    return zeilen;
}

int zweizeilige_breite(const QFontMetrics &masse, const QString &text)
{
    const QString ganz = text.trimmed();
    const QStringList teile = stuecke(ganz);
    int beste = breite(masse, ganz);
    QString links;
    qsizetype laenge = 0;
    for (qsizetype i = 0; i + 1 < teile.size(); ++i) {
        links += teile[i];
        laenge += teile[i].size();
        const int weite = std::max(breite(masse, links), breite(masse, ganz.mid(laenge)));
        beste = std::min(beste, weite);
    }
    return beste;
}

int breitestes_stueck(const QFontMetrics &masse, const QString &text)
{
    int weite = 0;
    for (const QString &stueck : stuecke(text.trimmed()))
        weite = std::max(weite, breite(masse, stueck));
    return weite;
}
