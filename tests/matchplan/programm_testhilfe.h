#pragma once

#include "app/hauptfenster_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/spielplan_fenster.h"
#include "gitter_tippen.h"
#include "plan_testhilfe.h"
#include "shell/zustand.h"

#include <QFile>
#include <QToolButton>
#include <QtTest>
#include <memory>

// A data folder as the program finds it after a few match days: options of the game kind,
// both line-ups and the help file (so that no message greets the start).
inline void daten_vorbereiten(const QString &daten_pfad, bool doppel, const QStringList &team1,
                              const QStringList &team2)
{
    using namespace Qt::StringLiterals;
    Zustand zustand;
    zustand.daten_pfad = daten_pfad;
    QFile hilfe(zustand.pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
    hilfe.open(QIODevice::WriteOnly);
    zustand.optionen_lesen();
    zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
    zustand.optionen_speichern();
    aufstellungen_schreiben(zustand, team1, team2);
}

// One run of the program on a data folder, up to the question at start, which the platform
// answers from its prepared replies.
struct Lauf
{
    Zustand zustand;
    TestPlattform plattform;
    std::unique_ptr<TForm1> haupt;

    explicit Lauf(const QString &daten_pfad, const QList<bool> &antworten = {})
    {
        zustand.daten_pfad = daten_pfad;
        zustand.optionen_lesen();
        for (bool antwort : antworten)
            plattform.ja_nein_antworten.enqueue(antwort);
        haupt = std::make_unique<TForm1>(zustand, plattform);
        haupt->show();
        haupt->m_turnierplan->wiederherstellung_anbieten();
    }
    SpielplanFenster *plan(bool doppel) const
    {
        return haupt->findChild<SpielplanFenster *>(doppel ? "Form5" : "Form6");
    }
    // "Turnierplan anzeigen" on the tool bar.
    SpielplanFenster *oeffnen(bool doppel)
    {
        QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
        return plan(doppel);
    }
};

// Every cell of a grid, a row a line.
inline QStringList zellen(const GitterModell &gitter)
{
    QStringList alle;
    for (int r = 0; r < gitter.RowCount(); ++r)
        alle << gitter.Rows(r).join(u'\t');
    return alle;
}
