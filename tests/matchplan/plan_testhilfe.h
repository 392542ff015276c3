#pragma once

#include "grid/filtergrid.h"
#include "lineup/gruppendateien.h"
#include "matchplan/plan_profil.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spielplan.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QStringList>

// Line-up names: team 1 "A1", "A2", ..., team 2 "B1", ...; in doubles every entry has two.
inline QStringList aufstellung(const QString &stamm, int anzahl)
{
    QStringList namen;
    for (int i = 1; i <= anzahl; ++i)
        namen << stamm + QString::number(i);
    return namen;
}

// Both line-up files with the given names from each team's first slot on.
inline void aufstellungen_schreiben(Zustand &zustand, const QStringList &team1,
                                    const QStringList &team2)
{
    TGruppe gruppe1;
    TGruppe gruppe2;
    for (int i = 0; i < team1.size(); ++i)
        gruppe1.setze_name(grp::erster_slot(Mannschaft::eins) + i, team1[i]);
    for (int i = 0; i < team2.size(); ++i)
        gruppe2.setze_name(grp::erster_slot(Mannschaft::zwei) + i, team2[i]);
    speicher::datei_ersetzen(zustand.pfad(gruppe1_e_datei), gruppe1.bytes());
    speicher::datei_ersetzen(zustand.pfad(gruppe2_e_datei), gruppe2.bytes());
}

// A plan on two grid models over a fresh data folder, opened on line-ups of n entries per
// team, as "Turnierplan anzeigen" opens it.
struct PlanAufbau : TestOrdner
{
    TestPlattform plattform;
    GitterModell tabelle;
    GitterModell matrix;
    Spielplan plan;

    PlanAufbau(const SpielplanProfil &profil, int n)
        : PlanAufbau(profil, aufstellung(QString(u'A'), profil.doppel ? 2 * n : n),
                     aufstellung(QString(u'B'), profil.doppel ? 2 * n : n))
    {
    }
    PlanAufbau(const SpielplanProfil &profil, const QStringList &team1, const QStringList &team2)
        : plan(zustand, plattform, profil, tabelle, matrix)
    {
        zustand.optionen_lesen();
        aufstellungen_schreiben(zustand, team1, team2);
        plan.oeffnen();
    }

    // A person chooses the cell and types the text key by key; every keystroke arrives as the
    // cell's new text.
    void tippen(int c, int r, const QString &text)
    {
        waehlen(c, r);
        for (qsizetype i = 1; i <= text.size(); ++i)
            matrix.text_editiert(c, r, text.left(i));
    }
    // A committed result: typed, then the cell's editor closes.
    void eintragen(int c, int r, const QString &text)
    {
        tippen(c, r, text);
        matrix.editieren_endet();
    }
    // The cell's text replaced at once, for instance emptied.
    void ersetzen(int c, int r, const QString &text)
    {
        waehlen(c, r);
        matrix.text_editiert(c, r, text);
    }
    void waehlen(int c, int r)
    {
        matrix.zelle_waehlbar(c, r);
        matrix.SetCol(c);
        matrix.SetRow(r);
        matrix.editieren_beginnt(c, r);
    }

    QString ges(Mannschaft mannschaft, int k) const
    {
        return tabelle.Cells(plan::summen_spalte(plan.anzahl()), plan::zeile(mannschaft, k));
    }
    QString platz(Mannschaft mannschaft, int k) const
    {
        return tabelle.Cells(plan::platz_spalte(plan.anzahl()), plan::zeile(mannschaft, k));
    }
    // Every row of both grids as the window shows them.
    QStringList gitter_zeilen() const
    {
        QStringList zeilen;
        for (const GitterModell *gitter : {&tabelle, &matrix}) {
            for (int r = 0; r < gitter->RowCount(); ++r)
                zeilen << gitter->Rows(r).join(u'|');
        }
        return zeilen;
    }
};
