#include "live/tischseite.h"

using namespace Qt::StringLiterals;

namespace {

QString text(const QString &roh)
{
    return roh.toHtmlEscaped();
}

QString feld(const QString &id, const QString &name, const QString &mannschaft)
{
    return u"<p><label for=\"%1\">%2 <small>(%3)</small></label><br>"
           u"<input id=\"%1\" name=\"%1\" type=\"text\" inputmode=\"numeric\" "
           u"pattern=\"[0-9]{1,2}\" maxlength=\"2\" size=\"3\" required autocomplete=\"off\">"
           u"</p>\n"_s.arg(id, text(name), text(mannschaft));
}

QString tore(int eins, int zwei)
{
    return u"%1:%2"_s.arg(eins).arg(zwei);
}

QString lage_text(const Tischlage &lage, Tischhinweis hinweis)
{
    QString absatz;
    if (hinweis == Tischhinweis::ungueltig)
        absatz += u"<p class=\"fehler\">Bitte für jede Seite eine Zahl von 0 bis 99 "
                  u"eingeben.</p>\n"_s;
    switch (lage.ende) {
    case Tischlage::offen:
        absatz += u"<p class=\"gemeldet\">Gemeldet: %1. Der Turnierleiter trägt es gleich "
                  u"ein.</p>\n"_s.arg(tore(lage.tore1, lage.tore2));
        break;
    case Tischlage::uebernommen:
        absatz +=
            u"<p class=\"eingetragen\">eingetragen %1</p>\n"_s.arg(tore(lage.tore1, lage.tore2));
        break;
    case Tischlage::verworfen:
        absatz += u"<p class=\"abgelehnt\">abgelehnt – das Ergebnis kann neu gemeldet "
                  u"werden.</p>\n"_s;
        break;
    case Tischlage::keins:
        break;
    }
    if (!lage.steht.isEmpty() && lage.ende != Tischlage::uebernommen)
        absatz += u"<p>Im Plan steht %1. Eine neue Meldung gilt als Korrektur.</p>\n"_s.arg(
            text(lage.steht));
    return absatz;
}

} // namespace

QByteArray tischseite(const Tischlage &lage, Tischhinweis hinweis)
{
    const QString titel = lage.tisch > 0 ? u"Runde %1 · Tisch %2"_s.arg(lage.runde).arg(lage.tisch)
                                         : u"Ergebnis melden"_s;
    QString seite =
        u"<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\">"
        u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
        // Without a referrer a browser sends the form with "Origin: null", which is refused.
        u"<meta name=\"referrer\" content=\"same-origin\">"
        u"<title>%1</title><link rel=\"stylesheet\" href=\"/app.css\"></head>\n<body>\n"
        u"<main class=\"tischmeldung\">\n<h1>%1</h1>\n<p><strong>%2</strong> – "
        u"<strong>%3</strong></p>\n"_s.arg(titel, text(lage.name1), text(lage.name2));
    seite += lage_text(lage, hinweis);
    seite += u"<form method=\"post\">\n"_s;
    seite += feld(u"t1"_s, lage.name1, lage.mannschaft1);
    seite += feld(u"t2"_s, lage.name2, lage.mannschaft2);
    seite += u"<p><button type=\"submit\">Ergebnis melden</button></p>\n</form>\n"
             u"<p><a href=\"\">Stand neu laden</a></p>\n</main>\n</body></html>\n"_s;
    return seite.toUtf8();
}
