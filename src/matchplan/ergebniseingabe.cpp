#include "matchplan/ergebniseingabe.h"

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "shell/plattform.h"
#include "storage/ganzzahl.h"

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
    const QString rechts = text.mid(doppelpunkt + 1).trimmed();
    for (const QString &teil : {links, rechts}) {
        const QString meldung = punkte_pruefen(teil);
        if (!meldung.isEmpty())
            return {Ergebnisauswertung::abgelehnt, {}, {}, meldung};
    }
    return {Ergebnisauswertung::uebernehmen, links, rechts, {}};
}

bool ergebnis_uebernehmen(GitterModell &tabelle, const GitterModell &matrix, int n,
                          Plattform &plattform)
{
    const int c = matrix.Selection().Left;
    const int r = matrix.Selection().Top;
    // Only the N x N block holds games; anything else would score an entry that does not play.
    if (c < 1 || c > n || r < 1 || r > n)
        return true;
    const Ergebnisauswertung ergebnis = ergebnis_auswerten(matrix.Cells(c, r));
    switch (ergebnis.art) {
    case Ergebnisauswertung::nichts:
        return true;
    case Ergebnisauswertung::abgelehnt:
        plattform.fehler(ergebnis.meldung);
        return false;
    case Ergebnisauswertung::uebernehmen:
        tabelle.SetCells(c, plan::zeile(Mannschaft::zwei, r), ergebnis.links);
        tabelle.SetCells(r, plan::zeile(Mannschaft::eins, c), ergebnis.rechts);
        return true;
    }
    return true;
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
