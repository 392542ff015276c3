#include "grid/filtergrid_fenster.h"
#include "matchplan/planfarben.h"
#include "matchplan/rundenfeld_fenster.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/zuschauer_fenster.h"
#include "gitter_tippen.h"
#include "plan_testhilfe.h"
#include "shell/zusatz.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

class TstRundenfeldFenster : public QObject
{
    Q_OBJECT

    // A singles plan of three entries a team on a hall with two tables.
    struct Fenster : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<SpielplanFenster> plan;

        Fenster()
        {
            zustand.optionen_lesen();
            zusatz_tische_setzen(zustand.daten_pfad, 2);
            aufstellungen_schreiben(zustand, {u"Müller"_s, u"Özil"_s, u"Groß"_s},
                                    {u"Schäfer"_s, u"Ülkü"_s, u"Weiß"_s});
            plan = std::make_unique<TForm6>(zustand, plattform);
            plan->oeffnen();
        }
        Rundenfeld *feld() const { return plan->findChild<Rundenfeld *>(); }
        QString titel() const { return feld()->findChild<QLabel *>("Rundentitel")->text(); }
        QStringList spiele() const
        {
            QStringList texte;
            const auto *liste = feld()->findChild<QListWidget *>("Rundenspiele");
            for (int i = 0; i < liste->count(); ++i)
                texte << liste->item(i)->text();
            return texte;
        }
    };

private slots:
    void runde_folgt_den_ergebnissen()
    {
        Fenster f;
        TFilterGrid *matrix = f.plan->FilterGrid2;
        const Rundenplan &plan = f.plan->spielplan().rundenplan();
        QCOMPARE(plan.runden.size(), 5);
        QVERIFY(f.feld()->isVisibleTo(f.plan.get()));
        QCOMPARE(f.titel(), u"Runde 1 von 5"_s);
        QCOMPARE(f.spiele().size(), 2);
        for (const QString &spiel : f.spiele())
            QVERIFY2(spiel.startsWith(u"Tisch "_s) && spiel.contains(u" – "_s), qPrintable(spiel));

        // The current round's games are marked in the matrix.
        const Rundenspiel erstes = plan.runden[0][0];
        const Zellfarben farben = matrix_zellfarben(
            f.plan->spielplan().farben(), 3, erstes.spalte, erstes.zeile, false, {},
            in_der_runde(f.plan->spielplan().runden(), erstes.spalte, erstes.zeile));
        QCOMPARE(farben.hintergrund, runden_farbe);

        for (const Rundenspiel &spiel : plan.runden[0])
            QVERIFY(ergebnis_eintragen(matrix, spiel.spalte, spiel.zeile, u"2:1"_s));
        QCOMPARE(f.titel(), u"Runde 2 von 5"_s);
        const QString zweites = f.spiele().first();
        QVERIFY(zweites.contains(matrix->modell().Cells(plan.runden[1][0].spalte, 0)));

        QTest::keyClick(matrix, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.titel(), u"Runde 1 von 5"_s);
        QTest::keyClick(matrix, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.titel(), u"Runde 2 von 5"_s);

        // A click on a game of the panel selects its cell.
        auto *liste = f.feld()->findChild<QListWidget *>("Rundenspiele");
        const Rundenspiel ziel = plan.runden[1][1];
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        QCOMPARE(matrix->modell().Selection(),
                 (TGridRect{ziel.spalte, ziel.zeile, ziel.spalte, ziel.zeile}));
    }

    void keine_tische_kein_rundenplan()
    {
        Fenster f;
        auto *tische = f.plan->findChild<QSpinBox *>("Tische");
        QVERIFY(tische);
        QCOMPARE(tische->value(), 2);
        QCOMPARE(f.plan->findChild<QLabel *>("Tische_Text")->buddy(), tische);
        tische->setValue(0);
        QVERIFY(!f.feld()->isVisibleTo(f.plan.get()));
        QCOMPARE(zusatz_tische(f.zustand.daten_pfad), 0);
        tische->setValue(3);
        QVERIFY(f.feld()->isVisibleTo(f.plan.get()));
        QCOMPARE(f.titel(), u"Runde 1 von 3"_s);
        QCOMPARE(zusatz_tische(f.zustand.daten_pfad), 3);
    }

    void zuschauer_sehen_jetzt_und_danach()
    {
        Fenster f;
        ZuschauerFenster zuschauer(f.plattform);
        zuschauer.plan_setzen(&f.plan->spielplan());
        zuschauer.show();
        const auto *jetzt = zuschauer.findChild<Tafeltext *>("Jetzt");
        QVERIFY(jetzt && jetzt->isVisible());
        QCOMPARE(jetzt->text(), u"Jetzt – Runde 1 von 5"_s);
        QStringList zeilen;
        for (const Tafeltext *zeile : zuschauer.findChildren<Tafeltext *>("Runde")) {
            if (zeile->isVisible())
                zeilen << zeile->text();
        }
        const Rundenanzeige &runden = f.plan->spielplan().runden();
        QStringList erwartet;
        for (const Rundenzeile &zeile : runden.jetzt + runden.danach)
            erwartet << zeile.text;
        QCOMPARE(zeilen, erwartet);
        QVERIFY(zeilen.join(u'|').contains(u"Müller"_s));
    }
};

QTEST_MAIN(TstRundenfeldFenster)
#include "tst_rundenfeld_fenster.moc"
