#include "matchplan/planaufbau.h"

#include "grid/ausrichtung.h"
#include "grid/filtergrid.h"
#include "matchplan/plan_profil.h"
#include "shell/kurztext.h"
#include "shell/zustand.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

void spalte_einrichten(GitterModell &gitter, int spalte, qint32 titel_ausrichtung,
                       qint32 daten_ausrichtung, TColor daten_farbe)
{
    TColInfo *info = gitter.ColInfo_Create(spalte);
    info->Titel.clear();
    info->Width = 0;
    info->Typ = u' ';
    info->TitColor = clBtnFace;
    info->TitAlign = titel_ausrichtung;
    info->DatAlign = daten_ausrichtung;
    info->DatColor = daten_farbe;
}

void form_setzen(GitterModell &gitter, int spalten, int zeilen, bool editierbar)
{
    gitter.SetColCount(spalten);
    gitter.SetRowCount(zeilen);
    gitter.SetFixedRows(1);
    gitter.SetFixedCols(0);
    gitter.SetGoEditing(editierbar);
}

} // namespace

namespace plan {

int anzahl_begrenzt(qint32 anzahl)
{
    return std::clamp<qint32>(anzahl, 1, max_eintraege);
}

int eingetragene_spiele(const GitterModell &matrix, int n)
{
    int spiele = 0;
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r)
            spiele += matrix.Cells(c, r).trimmed().isEmpty() ? 0 : 1;
    }
    return spiele;
}

int zeilenhoehe_wirksam(qint32 gespeichert)
{
    return gespeichert < kleinste_zeilenhoehe ? 18 : gespeichert;
}

int schriftgroesse_wirksam(qint32 gespeichert)
{
    return gespeichert < kleinste_schriftgroesse ? 10 : gespeichert;
}

} // namespace plan

QString eintrag_text(const Zustand &zustand, bool doppel, Mannschaft mannschaft, int eintrag)
{
    const TGruppe &gruppe = mannschaft == Mannschaft::eins ? zustand.gruppe1 : zustand.gruppe2;
    const int erster = grp::erster_slot(mannschaft);
    if (!doppel)
        return gruppe.name(erster + eintrag - 1);
    const int slot = erster + 2 * eintrag - 2;
    return gruppe.name(slot) + u'/' + gruppe.name(slot + 1);
}

void plan_gitter_einrichten(GitterModell &tabelle, GitterModell &matrix,
                            const SpielplanProfil &profil)
{
    form_setzen(tabelle, plan::max_tabellen_spalten, plan::tabellen_zeilen, false);
    form_setzen(matrix, plan::matrix_zellen, plan::matrix_zellen, true);
    matrix.SetDefaultColWidth(profil.matrix_spaltenbreite);
    matrix.SetColWidths(0, 6);
    plan_spalten_einrichten(tabelle, matrix, profil);
}

void plan_spalten_einrichten(GitterModell &tabelle, GitterModell &matrix,
                             const SpielplanProfil &profil)
{
    // The largest plan uses 13 columns; smaller ones keep the information of the rest unused.
    spalte_einrichten(tabelle, 0, ausrichtung_zentriert, ausrichtung_links_mittig, clWindow);
    for (int spalte = 1; spalte < plan::max_tabellen_spalten; ++spalte)
        spalte_einrichten(tabelle, spalte, ausrichtung_zentriert, ausrichtung_zentriert, clWindow);
    spalte_einrichten(matrix, 0, ausrichtung_zentriert, ausrichtung_links_mittig, clBtnFace);
    for (int spalte = 1; spalte < plan::matrix_zellen; ++spalte)
        spalte_einrichten(matrix, spalte, profil.matrix_titel_ausrichtung, ausrichtung_zentriert,
                          clWindow);
}

void plan_beschriften(GitterModell &tabelle, GitterModell &matrix, const Zustand &zustand,
                      const SpielplanProfil &profil, int n)
{
    tabelle.SetColCount(n + 3);
    for (GitterModell *gitter : {&tabelle, &matrix}) {
        for (int spalte = 0; spalte < gitter->ColCount(); ++spalte)
            gitter->SetColWidths(spalte, 0);
    }

    tabelle.SetCells(0, 0, u"Gruppe 1"_s);
    for (int spiel = 1; spiel <= plan::max_eintraege; ++spiel)
        tabelle.SetCells(spiel, 0, u"Spiel %1"_s.arg(spiel));
    tabelle.SetCells(plan::summen_spalte(n), 0, u"Ges."_s);
    tabelle.SetCells(plan::platz_spalte(n), 0, u"Platz"_s);
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (int k = 1; k <= plan::max_eintraege; ++k)
            tabelle.SetCells(0, plan::zeile(mannschaft, k),
                             eintrag_text(zustand, profil.doppel, mannschaft, k));
    }
    tabelle.SetCells(0, plan::trennzeile, profil.trenner);

    matrix.SetCells(0, 0, profil.matrix_ecke);
    for (int k = 1; k <= plan::max_eintraege; ++k) {
        matrix.SetCells(k, 0, eintrag_text(zustand, profil.doppel, Mannschaft::eins, k));
        matrix.SetCells(0, k, eintrag_text(zustand, profil.doppel, Mannschaft::zwei, k));
    }
}

QString plan_ueberschrift(const SpielplanProfil &profil, int n)
{
    return profil.doppel ? u"Turnierplan für %1 Doppelspieler pro Mannschaft"_s.arg(n)
                         : u"Spielplan für %1 Spieler pro Mannschaft"_s.arg(n);
}

QString plan_fenstertitel(const QString &name1, const QString &name2)
{
    return kurz_verketten({{u"Turnier zwischen "_s + name1, 117}, {u" und "_s, 122}, {name2, 222}});
}

std::array<int, 6> plan_knopfreihe(int fensterbreite, int knopfbreite)
{
    const int m = int(std::lround(fensterbreite / 2.0));
    const int w = knopfbreite;
    std::array<int, 6> links{};
    for (int i = 0; i < 3; ++i)
        links[size_t(i)] = m + 5 * i - w * (3 - i) - 20;
    links[3] = m - 5;
    links[4] = m + w;
    links[5] = m + 2 * w + 6;
    return links;
}
