#include "season/saisonuebersicht.h"

#include "grid/ausrichtung.h"
#include "grid/filtergrid.h"
#include "shell/zustand.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

struct Spalte
{
    QString titel;
    QChar typ; // the sort: "D" date, "I" whole number, "F" decimal, " " text
};

void gitter_einrichten(GitterModell &gitter)
{
    gitter.SetFixedRows(1);
    gitter.SetFixedCols(0);
    gitter.SetGoRowSelect(true);
    gitter.SetGoEditing(false);
    gitter.SortMouseEd = true;
    gitter.SortNewFocus = true;
    gitter.ShowSortIcon = {true, siSize_M, siStyle_Fill};
}

// Empties the grid and sizes it for the rows; a grid keeps one data row even without any.
void gitter_anlegen(GitterModell &gitter, const QList<Spalte> &spalten, qsizetype zeilen)
{
    gitter.SetColCount(int(spalten.size()));
    gitter.SetRowCount(int(std::max<qsizetype>(zeilen, 1)) + 1);
    gitter.ClearGrid(false);
    for (int c = 0; c < spalten.size(); ++c) {
        TColInfo *info = gitter.ColInfoC(c);
        info->Titel = spalten[c].titel;
        info->TitAlign = ausrichtung_zentriert;
        info->Width = 0;
        info->Typ = spalten[c].typ;
        info->DatAlign = spalten[c].typ == u' ' ? ausrichtung_links_mittig : ausrichtung_zentriert;
    }
}

void gitter_abschliessen(GitterModell &gitter)
{
    gitter.ColInfo_Set(-1);
    gitter.ColSetMaxWidths(false, false, true);
}

QString zahl(qint64 wert)
{
    return QString::number(wert);
}

QString spielart(const Saisontag &tag)
{
    return tag.doppel ? u"Doppel"_s : u"Einzel"_s;
}

} // namespace

QString mannschaftsname(const TOptionen &optionen, Mannschaft mannschaft)
{
    const QString name =
        optionen
            .wert(mannschaft == Mannschaft::eins ? opt::name_mannschaft1 : opt::name_mannschaft2)
            .trimmed();
    return name.isEmpty() ? u"Mannschaft %1"_s.arg(nummer(mannschaft)) : name;
}

QString durchschnitt_text(double wert)
{
    QLocale deutsch(QLocale::German, QLocale::Germany);
    deutsch.setNumberOptions(QLocale::OmitGroupSeparator);
    return deutsch.toString(wert, 'f', 2);
}

Saisonuebersicht::Saisonuebersicht(Zustand &zustand, GitterModell &tage, GitterModell &spieler,
                                   QObject *eltern)
    : QObject(eltern)
    , m_zustand(zustand)
    , m_tage(tage)
    , m_spieler(spieler)
{
    gitter_einrichten(m_tage);
    gitter_einrichten(m_spieler);
}

void Saisonuebersicht::laden()
{
    m_saison = saison_lesen(m_zustand.daten_pfad);
    tage_fuellen();
    spieler_fuellen();
    emit geaendert();
}

void Saisonuebersicht::tage_fuellen()
{
    const QString eins = mannschaftsname(m_zustand.optionen, Mannschaft::eins);
    const QString zwei = mannschaftsname(m_zustand.optionen, Mannschaft::zwei);
    gitter_anlegen(m_tage,
                   {{u"Datum"_s, u'D'},
                    {u"Spielart"_s, u' '},
                    {u"Einträge"_s, u'I'},
                    {u"Siege "_s + eins, u'I'},
                    {u"Punkte "_s + eins, u'I'},
                    {u"Siege "_s + zwei, u'I'},
                    {u"Punkte "_s + zwei, u'I'},
                    {u"Sieger"_s, u' '},
                    {u"Datei"_s, u' '}},
                   m_saison.tage.size());
    int zeile = 1;
    for (const Saisontag &tag : m_saison.tage) {
        QStringList zellen{tag.datum.toString(u"dd.MM.yyyy"_s), spielart(tag),
                           tag.anzahl > 0 ? zahl(tag.anzahl) : QString()};
        if (tag.beschaedigt) {
            zellen << QString() << QString() << QString() << QString() << u"beschädigt"_s;
        } else {
            zellen << zahl(tag.siege[0]) << zahl(tag.punkte[0]) << zahl(tag.siege[1])
                   << zahl(tag.punkte[1]);
            switch (tag.sieger()) {
            case Sieger::mannschaft1:
                zellen << eins;
                break;
            case Sieger::mannschaft2:
                zellen << zwei;
                break;
            case Sieger::unentschieden:
                zellen << u"unentschieden"_s;
                break;
            }
        }
        zellen << tag.datei;
        for (int c = 0; c < zellen.size(); ++c)
            m_tage.SetCells(c, zeile, zellen[c]);
        ++zeile;
    }
    gitter_abschliessen(m_tage);
}

void Saisonuebersicht::spieler_fuellen()
{
    gitter_anlegen(m_spieler,
                   {{u"Spieler"_s, u' '},
                    {u"Mannschaft"_s, u' '},
                    {u"Spieltage"_s, u'I'},
                    {u"Siege"_s, u'I'},
                    {u"Platz im Schnitt"_s, u'F'},
                    {u"Bester Platz"_s, u'I'}},
                   m_saison.spieler.size());
    int zeile = 1;
    for (const Spielerbilanz &bilanz : m_saison.spieler) {
        const std::optional<double> schnitt = bilanz.durchschnitt();
        const QStringList zellen{
            bilanz.name,
            mannschaftsname(m_zustand.optionen, bilanz.mannschaft),
            zahl(bilanz.spieltage),
            zahl(bilanz.siege),
            schnitt ? durchschnitt_text(*schnitt) : QString(),
            bilanz.bester_platz ? zahl(*bilanz.bester_platz) : QString(),
        };
        for (int c = 0; c < zellen.size(); ++c)
            m_spieler.SetCells(c, zeile, zellen[c]);
        ++zeile;
    }
    gitter_abschliessen(m_spieler);
}

QString Saisonuebersicht::ueberschrift() const
{
    return u"Saisonübersicht %1 gegen %2"_s.arg(
        mannschaftsname(m_zustand.optionen, Mannschaft::eins),
        mannschaftsname(m_zustand.optionen, Mannschaft::zwei));
}

QString Saisonuebersicht::summen_text() const
{
    QString text = u"Gewonnene Spieltage: %1 %2, %3 %4, unentschieden %5"_s
                       .arg(mannschaftsname(m_zustand.optionen, Mannschaft::eins))
                       .arg(m_saison.gewonnen(Mannschaft::eins))
                       .arg(mannschaftsname(m_zustand.optionen, Mannschaft::zwei))
                       .arg(m_saison.gewonnen(Mannschaft::zwei))
                       .arg(m_saison.unentschieden);
    if (m_saison.beschaedigt > 0)
        text += u"; beschädigt und nicht gezählt: %1"_s.arg(m_saison.beschaedigt);
    return text;
}

QList<Ausgabetabelle> Saisonuebersicht::tabellen() const
{
    Ausgabetabelle summen;
    summen.titel = u"Saison"_s;
    summen.spalten = {u"Mannschaft"_s, u"Gewonnene Spieltage"_s};
    summen.ausrichtung = {Ausgabetabelle::Ausrichtung::links, Ausgabetabelle::Ausrichtung::mitte};
    summen.zeilen = {{mannschaftsname(m_zustand.optionen, Mannschaft::eins),
                      zahl(m_saison.gewonnen(Mannschaft::eins))},
                     {mannschaftsname(m_zustand.optionen, Mannschaft::zwei),
                      zahl(m_saison.gewonnen(Mannschaft::zwei))},
                     {u"unentschieden"_s, zahl(m_saison.unentschieden)}};
    if (m_saison.beschaedigt > 0)
        summen.zeilen.append({u"beschädigt, nicht gezählt"_s, zahl(m_saison.beschaedigt)});
    return {ausgabetabelle(m_tage, u"Spieltage"_s), summen,
            ausgabetabelle(m_spieler, u"Spieler"_s)};
}
