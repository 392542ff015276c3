#include "matchplan/ergebniseingabe.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "shell/plattform.h"
#include "storage/ganzzahl.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Empty, or a whole number from 0 up; else the message that refuses it.
QString punkte_pruefen(const QString &teil)
{
    if (teil.isEmpty())
        return {};
    const std::optional<qint32> wert = ganzzahl_lesen(teil);
    if (!wert)
        return kein_integer_meldung(teil);
    if (*wert < 0 || teil.startsWith(u'-'))
        return u"'%1' ist kein gültiges Ergebnis: Ergebnisse sind ganze Zahlen ab 0."_s.arg(teil);
    return {};
}

} // namespace

Ergebnisauswertung ergebnis_auswerten(const QString &text)
{
    if (text.isEmpty())
        return {Ergebnisauswertung::uebernehmen, {}, {}, {}};
    const qsizetype doppelpunkt = text.indexOf(u':');
    if (text.size() <= 2 || doppelpunkt < 0)
        return {};
    const QString links = text.left(doppelpunkt).trimmed();
    // A remark after the score ("5:3 n.V.") is allowed: the score is the first word.
    const QString nach_doppelpunkt = text.mid(doppelpunkt + 1).trimmed();
    const auto wortende = std::find_if(nach_doppelpunkt.cbegin(), nach_doppelpunkt.cend(),
                                       [](QChar zeichen) { return zeichen.isSpace(); });
    const QString rechts = nach_doppelpunkt.first(wortende - nach_doppelpunkt.cbegin());
    for (const QString &teil : {links, rechts}) {
        const QString meldung = punkte_pruefen(teil);
        if (!meldung.isEmpty())
            return {Ergebnisauswertung::abgelehnt, {}, {}, meldung};
    }
    return {Ergebnisauswertung::uebernehmen, links, rechts, {}};
}

QString zaehlt_nicht(const QString &text)
{
    const Ergebnisauswertung ergebnis = ergebnis_auswerten(text);
    switch (ergebnis.art) {
    case Ergebnisauswertung::uebernehmen:
        return {};
    case Ergebnisauswertung::abgelehnt:
        return u"Zählt nicht: "_s + ergebnis.meldung;
    case Ergebnisauswertung::nichts:
        break;
    }
    return u"Zählt nicht: \"%1\" ist kein Ergebnis. Ergebnisse werden als \"3:2\" eingegeben."_s
        .arg(text);
}

bool zelle_uebernehmen(GitterModell &tabelle, const GitterModell &matrix, int aCol, int aRow, int n,
                       QString *meldung)
{
    // Only the N x N block holds games; anything else would score an entry that does not play.
    if (aCol < 1 || aCol > n || aRow < 1 || aRow > n)
        return false;
    const Ergebnisauswertung ergebnis = ergebnis_auswerten(matrix.Cells(aCol, aRow));
    if (meldung)
        *meldung = ergebnis.meldung;
    if (ergebnis.art != Ergebnisauswertung::uebernehmen)
        return false;
    const int zeile_links = plan::zeile(Mannschaft::zwei, aRow);
    const int zeile_rechts = plan::zeile(Mannschaft::eins, aCol);
    const bool geaendert = tabelle.Cells(aCol, zeile_links) != ergebnis.links ||
                           tabelle.Cells(aRow, zeile_rechts) != ergebnis.rechts;
    tabelle.SetCells(aCol, zeile_links, ergebnis.links);
    tabelle.SetCells(aRow, zeile_rechts, ergebnis.rechts);
    return geaendert;
}

bool ergebnis_uebernehmen(GitterModell &tabelle, const GitterModell &matrix, int n,
                          Plattform &plattform)
{
    QString meldung;
    zelle_uebernehmen(tabelle, matrix, matrix.Selection().Left, matrix.Selection().Top, n,
                      &meldung);
    if (meldung.isEmpty())
        return true;
    if (ist_kein_integer_meldung(meldung))
        plattform.umwandlungsfehler(meldung);
    else
        plattform.fehler(meldung);
    return false;
}

int sperr_richtungen(int aCol, int aRow, int n)
{
    return int(aCol > n) + int(aRow > n);
}

void matrixzelle_pruefen(GitterModell &matrix, int aCol, int aRow, int n, Plattform &plattform)
{
    const int richtungen = sperr_richtungen(aCol, aRow, n);
    for (int i = 0; i < richtungen; ++i)
        plattform.information(u"Hier keine Eingabe möglich."_s);
    matrix.SetGoEditing(richtungen == 0);
}
