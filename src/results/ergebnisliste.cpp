#include "results/ergebnisliste.h"

#include "grid/ausrichtung.h"
#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spieltag.h"
#include "results/ergebnis_profil.h"
#include "shell/kurztext.h"
#include "shell/zustand.h"

#include <QFont>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr TColor hintergrund = 0x00E2E2E2;
constexpr TColor auswahlfarbe = 0x008FE2E4;
const QColor dunkelrot(128, 0, 0);
// Stored row heights below this show too little; such a list uses 18.
constexpr int kleinste_zeilenhoehe = 8;

void schrift_setzen(GitterModell &gitter, int punkte)
{
    Schrift schrift = gitter.Font();
    schrift.font.setPointSize(liste_schriftgroesse(punkte).wert);
    gitter.SetFont(schrift);
}

} // namespace

Ergebnisliste::Ergebnisliste(Zustand &zustand, const ErgebnisProfil &profil, GitterModell &gitter,
                             QObject *eltern)
    : QObject(eltern)
    , m_zustand(zustand)
    , m_profil(profil)
    , m_gitter(gitter)
    , m_titel(u"Ergebnisliste"_s)
{
    m_gitter.SetFixedRows(1);
    m_gitter.SetFixedCols(1);
    m_gitter.SetGoRowSelect(true);
    m_gitter.SetGoEditing(false);
    m_gitter.SetColor(hintergrund);
    m_gitter.SelectRowColor = auswahlfarbe;
    GitterEreignisse ereignisse = m_gitter.ereignisse();
    ereignisse.RowColorProc = &FilterGrid1RowColorProc;
    m_gitter.setze_ereignisse(std::move(ereignisse));
    m_gitter.SetGradientToAllCells(true);
    m_gitter.Distance = 1;
    m_gitter.SortMouseEd = true;
    m_gitter.SetSortierenEd(true);
    m_gitter.SortDirection = sdAufsteigend;
    m_gitter.SortNewFocus = true;
    m_gitter.ShowSortIcon = {true, siSize_M, siStyle_Fill};
}

void Ergebnisliste::FilterGrid1RowColorProc(GitterModell &gitter, qint32 &, QPainter &maler, int,
                                            int aRow, int state)
{
    gitter.SelectRowColor = auswahlfarbe;
    if ((gitter.goRowSelect() && aRow == gitter.Row()) || (state & gdFocused))
        maler.setPen(dunkelrot);
}

void Ergebnisliste::gruppen_ansehen()
{
    spieltag_lesen(m_zustand);
    const int n = plan::anzahl_begrenzt(m_zustand.plan_anzahl);
    m_titel = u"Ergebnisliste vom "_s + m_zustand.listen_datum;

    const int spiel1 = m_profil.namensspalten + 1;
    m_gitter.SetColCount(spiel1 + n + 2);
    m_gitter.SetRowCount(2 * n + m_profil.zeilen_zusatz);
    // Emptied at the new size: a cell of an earlier, larger list must not show up again.
    m_gitter.ClearGrid(false);
    // Each list opened sorts ascending at its first click, whatever the one before did.
    m_gitter.titel_klick_vergessen();
    for (int spalte = 0; spalte < m_gitter.ColCount(); ++spalte)
        m_gitter.SetColWidths(spalte, 0);
    m_gitter.SetColWidths(0, m_profil.spalte0_breite);

    const qint32 hoehe = m_zustand.wert(m_profil.zeilenhoehe);
    m_gitter.SetDefaultRowHeight(liste_zeilenhoehe(hoehe).wert);
    schrift_setzen(m_gitter, m_zustand.wert(m_profil.schriftgroesse));

    m_gitter.SetCells(0, 0, u"Gruppe"_s);
    for (int spalte = 1; spalte < spiel1; ++spalte)
        m_gitter.SetCells(spalte, 0, u"Spieler"_s);
    for (int spiel = 1; spiel <= n; ++spiel)
        m_gitter.SetCells(spiel1 + spiel - 1, 0, u"Spiel %1"_s.arg(spiel));
    m_gitter.SetCells(spiel1 + n, 0, u"Gesamt"_s);
    m_gitter.SetCells(spiel1 + n + 1, 0, u"Platz"_s);
    for (int k = 1; k <= n; ++k) {
        m_gitter.SetCells(0, k, u"1/%1"_s.arg(k));
        m_gitter.SetCells(0, n + k, u"2/%1"_s.arg(k));
    }

    eintraege_schreiben(n);
    spalten_einrichten();
    m_gitter.RowDeleteEmpty(0);
    m_gitter.ColInfo_Set(-1);
    m_gitter.ColSetMaxWidths(false, false, true);
    emit geaendert();
}

void Ergebnisliste::eintraege_schreiben(int n)
{
    const TSpieltag &satz = m_zustand.spieltag;
    const bool doppel = m_profil.namensspalten == 2;
    const int spiel1 = m_profil.namensspalten + 1;
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (int k = 1; k <= plan::max_eintraege; ++k) {
            const QString erster = doppel ? satz.wert(spt::doppel_name(mannschaft, k, 1))
                                          : satz.wert(spt::einzel_name(mannschaft, k));
            const bool immer = mannschaft == Mannschaft::eins && k == 1;
            if (erster.isEmpty() && !immer)
                continue;
            const int zeile = mannschaft == Mannschaft::eins ? k : n + k;
            const int stand = plan::zeile(mannschaft, k);
            const int t = mannschaft == Mannschaft::eins ? k : plan::max_eintraege + k;
            m_gitter.SetCells(1, zeile, erster);
            if (doppel)
                m_gitter.SetCells(2, zeile, satz.wert(spt::doppel_name(mannschaft, k, 2)));
            for (int spiel = 1; spiel <= n; ++spiel)
                m_gitter.SetCells(spiel1 + spiel - 1, zeile, satz.wert(spt::punkte(stand, spiel)));
            m_gitter.SetCells(spiel1 + n, zeile, satz.wert(spt::summe(t)));
            m_gitter.SetCells(spiel1 + n + 1, zeile, satz.wert(spt::platz(stand)));
        }
    }
}

void Ergebnisliste::spalten_einrichten()
{
    for (int spalte = 0; spalte < m_gitter.ColCount(); ++spalte) {
        TColInfo *info = m_gitter.ColInfoC(spalte);
        const bool name = spalte >= 1 && spalte <= m_profil.namensspalten;
        info->Titel.clear();
        info->TitAlign = ausrichtung_zentriert;
        info->TitColor = clBtnFace;
        info->Width = 0;
        info->Typ = spalte == 0 ? m_profil.spalte0_typ : name ? u' ' : u'I';
        info->DatAlign = name ? ausrichtung_links_mittig : ausrichtung_zentriert;
        info->DatColor = spalte == 0 ? clBtnFace : clWindow;
    }
}

void Ergebnisliste::zeilenhoehe_geaendert(int wert)
{
    m_zustand.setze(m_profil.zeilenhoehe, wert);
    m_gitter.SetDefaultRowHeight(wert);
}

void Ergebnisliste::schriftgroesse_geaendert(int wert)
{
    schrift_setzen(m_gitter, wert);
    m_zustand.setze(m_profil.schriftgroesse, wert);
}

Listengroesse liste_schriftgroesse(qint32 gespeichert)
{
    // The regular size of the desktop, as a font without a size has it.
    if (gespeichert <= 0)
        return {QFont().pointSize(), true};
    return {gespeichert, false};
}

Listengroesse liste_zeilenhoehe(qint32 gespeichert)
{
    if (gespeichert < kleinste_zeilenhoehe)
        return {18, true};
    return {gespeichert, false};
}

QString ergebnis_ueberschrift(const ErgebnisProfil &profil, const QString &name1,
                              const QString &name2, const QString &datum)
{
    const std::array<int, 4> &grenze = profil.ueberschrift_grenzen;
    return kurz_verketten({{profil.ueberschrift_anfang + name1, grenze[0]},
                           {profil.ueberschrift_mitte, grenze[1]},
                           {name2, grenze[2]},
                           {u" vom "_s, grenze[3]}}) +
           datum;
}

std::array<int, 3> ergebnis_knopfreihe(int fensterbreite, int knopfbreite)
{
    const int m = fensterbreite / 2;
    return {m - knopfbreite * 3 / 2 - 15, m - knopfbreite / 2 - 10, m + knopfbreite / 2 - 5};
}
