#include "matchplan/ergebniseingabe.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "shell/plattform.h"
#include "storage/ganzzahl.h"

#include <algorithm>
#include <utility>

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

bool nur_vorzeichen(const QString &teil)
{
    return teil == u"-"_s || teil == u"+"_s;
}

Ergebnisauswertung zaehlt_nicht_weil(QString grund, QString meldung = {})
{
    return {false, {}, {}, std::move(grund), std::move(meldung)};
}

} // namespace

Ergebnisauswertung ergebnis_auswerten(const QString &text)
{
    if (text.isEmpty())
        return {true, {}, {}, {}, {}};
    const QString kein_ergebnis =
        u"\"%1\" ist kein Ergebnis. Ergebnisse werden als \"3:2\" eingegeben."_s.arg(text);
    const qsizetype doppelpunkt = text.indexOf(u':');
    // Two characters are no result yet, whatever they are: no message while it is typed on.
    if (doppelpunkt < 0 || text.size() <= 2)
        return zaehlt_nicht_weil(kein_ergebnis);
    const QString links = text.left(doppelpunkt).trimmed();
    // A remark after the score ("5:3 n.V.") is allowed: the score is the first word.
    const QString nach_doppelpunkt = text.mid(doppelpunkt + 1).trimmed();
    const auto wortende = std::find_if(nach_doppelpunkt.cbegin(), nach_doppelpunkt.cend(),
                                       [](QChar zeichen) { return zeichen.isSpace(); });
    const QString rechts = nach_doppelpunkt.first(wortende - nach_doppelpunkt.cbegin());
    for (const QString &teil : {links, rechts}) {
        if (nur_vorzeichen(teil))
            return zaehlt_nicht_weil(kein_integer_meldung(teil));
        const QString meldung = punkte_pruefen(teil);
        if (!meldung.isEmpty())
            return zaehlt_nicht_weil(meldung, meldung);
    }
    if (links.isEmpty() || rechts.isEmpty())
        return zaehlt_nicht_weil(kein_ergebnis);
    return {true, links, rechts, {}, {}};
}

QString zaehlt_nicht(const QString &text)
{
    const Ergebnisauswertung ergebnis = ergebnis_auswerten(text);
    return ergebnis.zaehlt ? QString() : u"Zählt nicht: "_s + ergebnis.grund;
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
    const int zeile_links = plan::zeile(Mannschaft::zwei, aRow);
    const int zeile_rechts = plan::zeile(Mannschaft::eins, aCol);
    const bool geaendert = tabelle.Cells(aCol, zeile_links) != ergebnis.links ||
                           tabelle.Cells(aRow, zeile_rechts) != ergebnis.rechts;
    tabelle.SetCells(aCol, zeile_links, ergebnis.links);
    tabelle.SetCells(aRow, zeile_rechts, ergebnis.rechts);
    return geaendert;
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
