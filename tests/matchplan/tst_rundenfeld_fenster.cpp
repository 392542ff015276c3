#include "gitter_tippen.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/planfarben.h"
#include "matchplan/rundenfeld_fenster.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/zuschauer_fenster.h"
#include "plan_testhilfe.h"
#include "shell/zusatz.h"
#include "storage/sichere_datei.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
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

    // A game typed ahead of its round, then the round's first game: both stay listed with
    // their results, the row entry's score first as beside its name, greyed.
    void gespielte_spiele_grau_mit_ergebnis()
    {
        Fenster f;
        f.plan->show();
        TFilterGrid *matrix = f.plan->FilterGrid2;
        const Rundenplan &plan = f.plan->spielplan().rundenplan();
        const Rundenspiel erstes = plan.runden[0][0];
        const Rundenspiel spaeter = plan.runden[1][0];
        QVERIFY(ergebnis_eintragen(matrix, spaeter.spalte, spaeter.zeile, u"2:7"_s));
        QVERIFY(ergebnis_eintragen(matrix, erstes.spalte, erstes.zeile, u"5:3"_s));
        QCOMPARE(f.titel(), u"Runde 1 von 5"_s);
        const GitterModell &namen = matrix->modell();
        const auto text = [&](const Rundenspiel &spiel, const QString &ergebnis) {
            return u"Tisch %1: %2 – %3 %4"_s.arg(spiel.tisch)
                .arg(namen.Cells(0, spiel.zeile), namen.Cells(spiel.spalte, 0), ergebnis);
        };
        QCOMPARE(f.spiele().first(), text(erstes, u"5:3"_s));
        const auto *liste = f.feld()->findChild<QListWidget *>("Rundenspiele");
        const QColor grau = f.feld()->palette().color(QPalette::Disabled, QPalette::Text);
        QCOMPARE(liste->item(0)->foreground().color(), grau);
        QVERIFY(liste->item(1)->foreground().style() == Qt::NoBrush);
        const auto *danach = f.feld()->findChild<QLabel *>("Danach");
        QCOMPARE(f.feld()->findChild<QLabel *>("Danach_Titel")->text(), u"Danach (Runde 2):"_s);
        QVERIFY2(danach->text().contains(u"color:%1\">%2</span>"_s.arg(
                     grau.name(), text(spaeter, u"2:7"_s).toHtmlEscaped())),
                 qPrintable(danach->text()));
    }

    // With the round panel beside them the grids still show "Ges." and "Platz", or scroll to
    // them, on a laptop's and on a wide screen.
    void tische_lassen_ges_und_platz_sehen_data()
    {
        QTest::addColumn<QSize>("bildschirm");
        QTest::newRow("1366 x 768") << QSize(1366, 728);
        QTest::newRow("1920 x 1080") << QSize(1920, 1040);
    }
    void tische_lassen_ges_und_platz_sehen()
    {
        QFETCH(QSize, bildschirm);
        TestOrdner ordner;
        TestPlattform plattform;
        plattform.arbeit = QRect(QPoint(0, 0), bildschirm);
        ordner.zustand.optionen_lesen();
        ordner.zustand.setze(opt::spieler_pro_mannschaft, 10);
        ordner.zustand.setze(opt::doppel_modus, 1);
        QStringList team1;
        QStringList team2;
        for (int i = 1; i <= 20; ++i) {
            team1 << u"Hans-Jürgen Müller-Lüdenscheidt %1"_s.arg(i);
            team2 << u"Ülkü Öztürk-Weißenbäcker %1"_s.arg(i);
        }
        TGruppe gruppe1;
        TGruppe gruppe2;
        for (int i = 0; i < 20; ++i) {
            gruppe1.setze_name(grp::erster_slot(Mannschaft::eins) + i, team1[i]);
            gruppe2.setze_name(grp::erster_slot(Mannschaft::zwei) + i, team2[i]);
        }
        speicher::datei_ersetzen(ordner.zustand.pfad(gruppe1_d_datei), gruppe1.bytes());
        speicher::datei_ersetzen(ordner.zustand.pfad(gruppe2_d_datei), gruppe2.bytes());
        TForm5 plan(ordner.zustand, plattform);
        plan.oeffnen();
        QVERIFY(QTest::qWaitForWindowExposed(&plan));
        auto *tische = plan.findChild<QSpinBox *>("Tische");
        tische->setValue(3);
        QVERIFY(plan.m_rundenfeld->isVisible());
        QCoreApplication::processEvents();
        for (TFilterGrid *gitter : {plan.FilterGrid1, plan.FilterGrid2}) {
            const int letzte = gitter->modell().ColCount() - 1;
            const int rechts = gitter->columnViewportPosition(letzte) + gitter->columnWidth(letzte);
            const bool sichtbar = rechts <= gitter->viewport()->width();
            const bool rollbar = gitter->horizontalScrollBar()->isVisible() &&
                                 gitter->horizontalScrollBar()->maximum() > 0;
            QVERIFY2(sichtbar || rollbar, qPrintable(u"%1: Spalte %2 endet bei %3, sichtbar %4"_s
                                                         .arg(gitter->objectName())
                                                         .arg(letzte)
                                                         .arg(rechts)
                                                         .arg(gitter->viewport()->width())));
        }
        QCOMPARE(plan.FilterGrid1->modell().Cells(12, 0), u"Platz"_s);
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

        // A played game of the round keeps its row with its result, greyed; "Danach" names its
        // round.
        const Rundenspiel erstes = f.plan->spielplan().rundenplan().runden[0][0];
        QVERIFY(ergebnis_eintragen(f.plan->FilterGrid2, erstes.spalte, erstes.zeile, u"5:3"_s));
        const Tafeltext *zeile = zuschauer.m_jetzt_zeilen[0];
        QCOMPARE(zeile->text(), f.plan->spielplan().runden().jetzt.first().text);
        QVERIFY(zeile->text().endsWith(u" 5:3"_s));
        QCOMPARE_NE(zeile->farbe(), zuschauer.m_jetzt_zeilen[1]->farbe());
        QCOMPARE(zuschauer.m_danach->text(), u"Danach – Runde 2"_s);
    }
};

QTEST_MAIN(TstRundenfeldFenster)
#include "tst_rundenfeld_fenster.moc"
