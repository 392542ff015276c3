#include "matchplan/spieltag_namen.h"
#include "plan_testhilfe.h"
#include "shell/zustand.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(const SpielplanProfil *)

// Undo and redo of results without a window: each step is one committed result or one
// "Ergebnis löschen", and each brings back both grids, totals and ranks as they stood.
class TstPlanschritte : public QObject
{
    Q_OBJECT

    static void profile_als_daten()
    {
        QTest::addColumn<const SpielplanProfil *>("profil");
        QTest::newRow("Doppel") << &doppel_profil();
        QTest::newRow("Einzel") << &einzel_profil();
    }

private slots:
    void fuenf_ergebnisse_und_loeschen_hin_und_zurueck_data() { profile_als_daten(); }
    void fuenf_ergebnisse_und_loeschen_hin_und_zurueck()
    {
        QFETCH(const SpielplanProfil *, profil);
        PlanAufbau p(*profil, 4);
        QList<QStringList> staende{p.gitter_zeilen()};
        QStringList plaetze;
        const auto merken = [&] {
            staende << p.gitter_zeilen();
            plaetze << p.platz(Mannschaft::eins, 1) + p.platz(Mannschaft::zwei, 3);
        };
        p.eintragen(1, 1, u"3:2"_s);
        merken();
        p.eintragen(2, 3, u"7 : 10"_s);
        merken();
        p.eintragen(3, 2, u"2:3"_s);
        merken();
        p.eintragen(1, 2, u"0:9"_s);
        merken();
        p.eintragen(1, 1, u"1:4"_s); // a result typed over
        merken();
        QCOMPARE(p.platz(Mannschaft::eins, 1), u"1"_s);
        p.plan.ergebnis_loeschen([&p] { p.plan.oeffnen(); });
        merken();
        QCOMPARE(p.matrix.Cells(1, 1), QString());
        QCOMPARE(p.platz(Mannschaft::eins, 1), QString());
        QCOMPARE(p.plan.schritte().count(), 6);

        for (int i = 5; i >= 0; --i) {
            p.plan.rueckgaengig();
            QCOMPARE(p.gitter_zeilen(), staende.at(i));
            if (i > 0)
                QCOMPARE(p.platz(Mannschaft::eins, 1) + p.platz(Mannschaft::zwei, 3),
                         plaetze.at(i - 1));
        }
        QVERIFY(!p.plan.schritte().canUndo());
        for (int i = 1; i <= 6; ++i) {
            p.plan.wiederholen();
            QCOMPARE(p.gitter_zeilen(), staende.at(i));
        }
        QVERIFY(!p.plan.schritte().canRedo());
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    // A typo over a result leaves the game open; undo brings the result back as it stood.
    void rueckgaengig_bringt_das_ergebnis_vor_dem_tippfehler_zurueck()
    {
        PlanAufbau p(einzel_profil(), 2);
        p.eintragen(1, 1, u"8:3"_s);
        const QStringList vorher = p.gitter_zeilen();
        p.eintragen(1, 1, u"9:x"_s);
        const QStringList nachher = p.gitter_zeilen();
        QVERIFY(nachher != vorher);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), QString());

        p.plan.rueckgaengig();
        QCOMPARE(p.gitter_zeilen(), vorher);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), u"8"_s);
        p.plan.wiederholen();
        QCOMPARE(p.gitter_zeilen(), nachher);
    }

    // Escape while editing: the cell and the standings as they were when editing began, and no
    // step.
    void abgebrochene_eingabe_stellt_alles_wieder_her_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::newRow("anderes Ergebnis") << "6:4";
        QTest::newRow("Tippfehler") << "9:x";
        QTest::newRow("halb getippt") << "6";
        QTest::newRow("geleert") << "";
    }
    void abgebrochene_eingabe_stellt_alles_wieder_her()
    {
        QFETCH(QString, getippt);
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(2, 1, u"8:3"_s);
        const QStringList vorher = p.gitter_zeilen();
        p.ersetzen(2, 1, getippt);
        QVERIFY(p.gitter_zeilen() != vorher);

        p.matrix.editieren_endet(true);

        QCOMPARE(p.gitter_zeilen(), vorher);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), u"8"_s);
        QCOMPARE(p.plan.schritte().count(), 1);
        QCOMPARE(p.plan.tabelle().Cells(2, plan::zeile(Mannschaft::zwei, 1)), u"8"_s);
        QCOMPARE(p.plan.matrix().Cells(2, 1), u"8:3"_s);
        QCOMPARE(p.plan.laufende_wertung(), p.plan.mannschaftswertung());
    }

    // Delete on a game cell empties it and its game's standings cells as one step.
    void entfernen_leert_die_zelle_in_einem_schritt()
    {
        PlanAufbau p(doppel_profil(), 3);
        p.eintragen(2, 1, u"4:1"_s);
        p.eintragen(1, 1, u"2:2"_s);
        const QStringList vorher = p.gitter_zeilen();
        QSignalSpy halle(&p.plan, &Spielplan::ergebnisse_geaendert);

        p.plan.zelle_leeren(2, 1);

        QCOMPARE(p.matrix.Cells(2, 1), QString());
        QCOMPARE(p.tabelle.Cells(2, plan::zeile(Mannschaft::zwei, 1)), QString());
        QCOMPARE(p.tabelle.Cells(1, plan::zeile(Mannschaft::eins, 2)), QString());
        QCOMPARE(p.ges(Mannschaft::zwei, 1), u"2"_s);
        QCOMPARE(p.plan.tabelle().Cells(2, plan::zeile(Mannschaft::zwei, 1)), QString());
        QVERIFY(halle.count() >= 1);
        QCOMPARE(p.plan.schritte().count(), 3);
        p.plan.rueckgaengig();
        QCOMPARE(p.gitter_zeilen(), vorher);

        // An empty cell and a cell beyond the block are no step.
        p.plan.zelle_leeren(3, 3);
        p.plan.zelle_leeren(4, 1);
        QCOMPARE(p.plan.schritte().count(), 3);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    // The hall follows a result when its cell's editor closes, never a keystroke on the way:
    // "10:1" on the way to "10:12" counts in the window's standings only.
    void die_halle_sieht_nur_geschlossene_eingaben()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(1, 1, u"2:0"_s);
        QSignalSpy halle(&p.plan, &Spielplan::ergebnisse_geaendert);
        const int links = plan::zeile(Mannschaft::zwei, 2);

        p.tippen(1, 2, u"10:1"_s);
        QCOMPARE(p.tabelle.Cells(1, links), u"10"_s);
        QCOMPARE(p.plan.laufende_wertung().stand(Mannschaft::zwei).gewonnen, 2);
        QCOMPARE(halle.count(), 0);
        QCOMPARE(p.plan.tabelle().Cells(1, links), QString());
        QCOMPARE(p.plan.matrix().Cells(1, 2), QString());
        QCOMPARE(p.plan.mannschaftswertung().stand(Mannschaft::zwei).gewonnen, 1);

        p.matrix.text_editiert(1, 2, u"10:12"_s);
        p.matrix.editieren_endet();
        QVERIFY(halle.count() >= 1);
        QCOMPARE(p.plan.tabelle().Cells(1, links), u"10"_s);
        QCOMPARE(p.plan.matrix().Cells(1, 2), u"10:12"_s);
        QCOMPARE(p.plan.mannschaftswertung(), p.plan.laufende_wertung());

        for (const auto schritt : {&Spielplan::rueckgaengig, &Spielplan::wiederholen}) {
            halle.clear();
            (p.plan.*schritt)();
            QVERIFY(halle.count() >= 1);
            QCOMPARE(p.plan.tabelle().Cells(1, links), p.tabelle.Cells(1, links));
        }
    }

    void eingabe_ohne_aenderung_ist_kein_schritt()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(2, 2, u"4:4"_s);
        p.waehlen(2, 2);
        p.matrix.editieren_endet();
        p.eintragen(3, 3, QString());
        QCOMPARE(p.plan.schritte().count(), 1);
    }

    // Undo while a cell is still being typed takes back that typing first.
    void rueckgaengig_mitten_in_der_eingabe()
    {
        PlanAufbau p(doppel_profil(), 3);
        p.eintragen(1, 1, u"2:0"_s);
        const QStringList vorher = p.gitter_zeilen();
        p.tippen(2, 2, u"5:1"_s);
        p.plan.rueckgaengig();
        QCOMPARE(p.gitter_zeilen(), vorher);
        QCOMPARE(p.plan.schritte().count(), 2);
        p.plan.rueckgaengig();
        QCOMPARE(p.matrix.Cells(1, 1), QString());
        QCOMPARE(p.ges(Mannschaft::eins, 1), QString());
    }

    // "Ergebnis löschen" may open the other game kind's plan instead; this one keeps its steps.
    void loeschen_das_diesen_plan_nicht_oeffnet_ist_kein_schritt()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(1, 1, u"2:0"_s);
        p.plan.ergebnis_loeschen([] {});
        QCOMPARE(p.plan.schritte().count(), 1);
        QCOMPARE(p.matrix.Cells(1, 1), u"2:0"_s);
    }

    void oeffnen_und_laden_leeren_den_stapel()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(1, 1, u"2:0"_s);
        p.plan.oeffnen();
        QCOMPARE(p.plan.schritte().count(), 0);

        p.eintragen(2, 1, u"3:1"_s);
        p.plan.speichern();
        p.plan.ergebnis_loeschen([&p] { p.plan.oeffnen(); });
        QCOMPARE(p.plan.schritte().count(), 2);
        p.zustand.listen_datum = u"08.12.2026"_s;
        QVERIFY(p.plan.laden(spieltag_dateinamen(false, 3, QDate(2026, 12, 8)).tabelle));
        QCOMPARE(p.plan.schritte().count(), 0);
        QCOMPARE(p.matrix.Cells(2, 1), u"3:1"_s);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }
};

QTEST_MAIN(TstPlanschritte)
#include "tst_planschritte.moc"
