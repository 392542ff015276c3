#include "matchplan/spieltag_namen.h"
#include "plan_testhilfe.h"
#include "shell/zustand.h"

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

    // The left score of a cell read '1:2' stays when the cell is typed back to '12' (two
    // characters take nothing over); computing the standings from the text would lose it.
    void rueckgaengig_stellt_her_was_stand_nicht_was_folgt()
    {
        PlanAufbau p(einzel_profil(), 2);
        p.eintragen(1, 1, u"12"_s);
        const QStringList vorher = p.gitter_zeilen();
        p.tippen(1, 1, u"1:2"_s);
        p.matrix.text_editiert(1, 1, u"1:"_s);
        p.matrix.text_editiert(1, 1, u"1"_s);
        p.matrix.text_editiert(1, 1, u"12"_s);
        p.matrix.editieren_endet();
        const QStringList nachher = p.gitter_zeilen();
        QVERIFY(nachher != vorher);
        QCOMPARE(p.matrix.Cells(1, 1), u"12"_s);

        p.plan.rueckgaengig();
        QCOMPARE(p.gitter_zeilen(), vorher);
        p.plan.wiederholen();
        QCOMPARE(p.gitter_zeilen(), nachher);
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
