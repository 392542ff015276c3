#include "matchplan/ergebniseingabe.h"
#include "plan_testhilfe.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstErgebniseingabe : public QObject
{
    Q_OBJECT

private slots:
    // Cell (2, 3) is team-1 entry 2 against team-2 entry 3: the left score goes to the
    // standings cell (2, 14), the right one to (3, 2). Both start at 9; "Ges." of team-2
    // entry 3 starts stale, so it shows whether the ranking ran.
    void zelltext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("links");
        QTest::addColumn<QString>("rechts");
        QTest::addColumn<QString>("ges");
        QTest::addColumn<QString>("meldung");
        const QString nie_ganzzahl = u"'%1' ist kein gültiger Integerwert"_s;
        const QString negativ = u"'%1' ist kein gültiges Ergebnis: Ergebnisse sind ganze Zahlen "
                                u"ab 0."_s;
        QTest::newRow("3:2") << "3:2"
                             << "3"
                             << "2"
                             << "3"
                             << "";
        QTest::newRow("7 : 10") << "7 : 10"
                                << "7"
                                << "10"
                                << "7"
                                << "";
        QTest::newRow("10 : 8") << "10 : 8"
                                << "10"
                                << "8"
                                << "10"
                                << "";
        QTest::newRow("07:3 bleibt 07") << "07:3"
                                        << "07"
                                        << "3"
                                        << "7"
                                        << "";
        QTest::newRow("Bemerkung nach dem Ergebnis") << "5:3 n.V."
                                                     << "5"
                                                     << "3"
                                                     << "5"
                                                     << "";
        QTest::newRow("Bemerkung nach Leerzeichen") << "7 : 10  Abbruch"
                                                    << "7"
                                                    << "10"
                                                    << "7"
                                                    << "";
        QTest::newRow("3:2x") << "3:2x"
                              << "9"
                              << "9"
                              << "alt" << nie_ganzzahl.arg("2x");
        QTest::newRow("nur Bemerkung") << "5: n.V."
                                       << "9"
                                       << "9"
                                       << "alt" << nie_ganzzahl.arg("n.V.");
        QTest::newRow(":10") << ":10"
                             << ""
                             << "10"
                             << ""
                             << "";
        QTest::newRow("10:") << "10:"
                             << "10"
                             << ""
                             << "10"
                             << "";
        QTest::newRow(" : leert beide") << " : "
                                        << ""
                                        << ""
                                        << ""
                                        << "";
        QTest::newRow("leer") << ""
                              << ""
                              << ""
                              << ""
                              << "";
        QTest::newRow(":5") << ":5"
                            << "9"
                            << "9"
                            << "9"
                            << "";
        QTest::newRow("12") << "12"
                            << "9"
                            << "9"
                            << "9"
                            << "";
        QTest::newRow("123 ohne Doppelpunkt") << "123"
                                              << "9"
                                              << "9"
                                              << "9"
                                              << "";
        QTest::newRow("a : b") << "a : b"
                               << "9"
                               << "9"
                               << "alt" << nie_ganzzahl.arg("a");
        QTest::newRow("3 : x") << "3 : x"
                               << "9"
                               << "9"
                               << "alt" << nie_ganzzahl.arg("x");
        QTest::newRow("3:2:1") << "3:2:1"
                               << "9"
                               << "9"
                               << "alt" << nie_ganzzahl.arg("2:1");
        QTest::newRow("zu gross") << "3:99999999999"
                                  << "9"
                                  << "9"
                                  << "alt" << nie_ganzzahl.arg("99999999999");
        QTest::newRow("-1:2") << "-1:2"
                              << "9"
                              << "9"
                              << "alt" << negativ.arg("-1");
        QTest::newRow("2:-0") << "2:-0"
                              << "9"
                              << "9"
                              << "alt" << negativ.arg("-0");
    }
    void zelltext()
    {
        QFETCH(QString, text);
        QFETCH(QString, links);
        QFETCH(QString, rechts);
        QFETCH(QString, ges);
        QFETCH(QString, meldung);
        PlanAufbau p(doppel_profil(), 4);
        p.tabelle.SetCells(2, 14, u"9"_s);
        p.tabelle.SetCells(3, 2, u"9"_s);
        p.tabelle.SetCells(plan::summen_spalte(4), 14, u"alt"_s);
        p.matrix.SetCells(2, 3, u"?"_s);

        p.ersetzen(2, 3, text);

        QCOMPARE(p.tabelle.Cells(2, 14), links);
        QCOMPARE(p.tabelle.Cells(3, 2), rechts);
        QCOMPARE(p.ges(Mannschaft::zwei, 3), ges);
        QCOMPARE(p.plattform.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(p.matrix.Cells(2, 3), text);
    }

    void jeder_tastendruck_wird_uebernommen()
    {
        PlanAufbau p(einzel_profil(), 3);
        const QList<QPair<QString, QString>> erwartet{{"", ""}, {"", ""}, {"10", ""}, {"10", "7"}};
        const QString text = u"10:7"_s;
        p.waehlen(1, 2);
        for (qsizetype i = 0; i < text.size(); ++i) {
            p.matrix.text_editiert(1, 2, text.left(i + 1));
            QCOMPARE(qMakePair(p.tabelle.Cells(1, 13), p.tabelle.Cells(2, 1)), erwartet[i]);
        }
        QCOMPARE(p.ges(Mannschaft::zwei, 2), u"10"_s);
        QCOMPARE(p.platz(Mannschaft::eins, 1), u"2"_s);
    }

    // The cell holds "10:7"; the organiser types it again key by key, or deletes the "7" and
    // types it again. The last keystroke brings back the text editing began with.
    void neu_getipptes_ergebnis_zaehlt_data()
    {
        QTest::addColumn<QStringList>("tasten");
        QTest::newRow("ganz neu getippt") << QStringList{"1", "10", "10:", "10:7"};
        QTest::newRow("7 gelöscht und neu") << QStringList{"10:", "10:7"};
    }
    void neu_getipptes_ergebnis_zaehlt()
    {
        QFETCH(QStringList, tasten);
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(1, 2, u"10:7"_s);

        p.waehlen(1, 2);
        for (const QString &text : tasten)
            p.matrix.text_editiert(1, 2, text);
        p.matrix.editieren_endet();

        QCOMPARE(qMakePair(p.tabelle.Cells(1, 13), p.tabelle.Cells(2, 1)),
                 qMakePair(u"10"_s, u"7"_s));
        QCOMPARE(p.ges(Mannschaft::zwei, 2), u"10"_s);
        QCOMPARE(p.ges(Mannschaft::eins, 1), u"7"_s);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    void abgelehnter_text_wird_beim_schliessen_nicht_noch_einmal_gemeldet()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(1, 2, u"3:2"_s);
        p.tippen(1, 2, u"3:x"_s);
        QCOMPARE(p.plattform.meldungen.size(), 1);

        p.matrix.editieren_endet();

        QCOMPARE(p.plattform.meldungen.size(), 1);
        QCOMPARE(qMakePair(p.tabelle.Cells(1, 13), p.tabelle.Cells(2, 1)),
                 qMakePair(u"3"_s, u"2"_s));
        QCOMPARE(p.matrix.Cells(1, 2), u"3:x"_s);
    }

    void was_nicht_zaehlt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("grund");
        QTest::newRow("3:2") << "3:2"
                             << "";
        QTest::newRow("mit Bemerkung") << "5:3 n.V."
                                       << "";
        QTest::newRow("halb") << "10:"
                              << "";
        QTest::newRow("leer") << ""
                              << "";
        QTest::newRow("abc") << "abc"
                             << "Zählt nicht: \"abc\" ist kein Ergebnis.";
        QTest::newRow("3:") << "3:"
                            << "Zählt nicht: \"3:\" ist kein Ergebnis.";
        QTest::newRow("12") << "12"
                            << "Zählt nicht: \"12\" ist kein Ergebnis.";
        QTest::newRow("negativ") << "-1:2"
                                 << "Zählt nicht: '-1' ist kein gültiges Ergebnis";
        QTest::newRow("3:2x") << "3:2x"
                              << "Zählt nicht: '2x' ist kein gültiger Integerwert";
    }
    void was_nicht_zaehlt()
    {
        QFETCH(QString, text);
        QFETCH(QString, grund);
        const QString hinweis = zaehlt_nicht(text);
        if (grund.isEmpty())
            QCOMPARE(hinweis, QString());
        else
            QVERIFY2(hinweis.startsWith(grund), qPrintable(hinweis));
    }

    void jede_zelle_des_blocks_gehoert_zu_ihrem_spiel()
    {
        PlanAufbau p(einzel_profil(), 10);
        for (int c = 1; c <= 10; ++c) {
            for (int r = 1; r <= 10; ++r) {
                p.tippen(c, r, u"%1:%2"_s.arg(r).arg(c));
                QCOMPARE(p.tabelle.Cells(c, 11 + r), QString::number(r));
                QCOMPARE(p.tabelle.Cells(r, c), QString::number(c));
                p.ersetzen(c, r, QString());
                QCOMPARE(p.tabelle.Cells(c, 11 + r), QString());
                QCOMPARE(p.tabelle.Cells(r, c), QString());
            }
        }
    }

    void ein_klick_nimmt_die_zelle_erneut_auf()
    {
        PlanAufbau p(doppel_profil(), 2);
        p.tippen(1, 1, u"3:2"_s);
        p.tabelle.SetCells(1, 12, QString());
        p.plan.FilterGrid2Change();
        QCOMPARE(p.tabelle.Cells(1, 12), u"3"_s);
    }

    // Only the N x N block holds games: text standing beyond it (a renamed file can bring
    // some) must not score an entry that does not play.
    void ausserhalb_des_blocks_wird_nichts_gewertet()
    {
        PlanAufbau p(doppel_profil(), 4);
        p.matrix.SetCells(5, 1, u"3:2"_s);
        p.matrix.SetCells(1, 6, u"4:1"_s);
        p.waehlen(5, 1);
        p.plan.FilterGrid2Change();
        p.waehlen(1, 6);
        p.plan.FilterGrid2Change();
        for (int r = 1; r <= 21; ++r) {
            for (int c = 1; c <= 10; ++c)
                QVERIFY2(p.tabelle.Cells(c, r).isEmpty(), qPrintable(u"(%1, %2)"_s.arg(c).arg(r)));
        }
    }

    void waechter_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("N4 Spalte zu weit") << 4 << 6 << 2 << 1;
        QTest::newRow("N4 Zeile zu weit") << 4 << 2 << 5 << 1;
        QTest::newRow("N4 beides zu weit") << 4 << 6 << 6 << 2;
        QTest::newRow("N4 im Block") << 4 << 3 << 3 << 0;
        QTest::newRow("N4 Namensspalte") << 4 << 0 << 2 << 0;
        QTest::newRow("N4 Namensspalte zu weit") << 4 << 0 << 7 << 1;
        QTest::newRow("N1 daneben") << 1 << 2 << 1 << 1;
        QTest::newRow("N1 diagonal") << 1 << 2 << 2 << 2;
        QTest::newRow("N1 die eine Zelle") << 1 << 1 << 1 << 0;
        QTest::newRow("N10 letzte Zelle") << 10 << 10 << 10 << 0;
    }
    void waechter()
    {
        QFETCH(int, n);
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(int, meldungen);
        PlanAufbau p(einzel_profil(), n);
        // Start from the opposite editing state, so that the switch shows.
        p.matrix.SetGoEditing(meldungen == 0 ? false : true);

        QVERIFY(p.matrix.zelle_waehlbar(spalte, zeile));

        QCOMPARE(p.plattform.texte(),
                 QStringList(qsizetype(meldungen), u"Hier keine Eingabe möglich."_s));
        for (const TestPlattform::Meldung &m : p.plattform.meldungen)
            QCOMPARE(m.art, TestPlattform::Meldung::Information);
        QCOMPARE(p.matrix.goEditing(), meldungen == 0);
    }
};

QTEST_MAIN(TstErgebniseingabe)
#include "tst_ergebniseingabe.moc"
