#include "matchplan/ergebniseingabe.h"
#include "plan_testhilfe.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstErgebniseingabe : public QObject
{
    Q_OBJECT

private slots:
    // Cell (2, 3) is team-1 entry 2 against team-2 entry 3: the left score goes to the
    // standings cell (2, 14), the right one to (3, 2). Both start at 9, "Ges." of team-2 entry
    // 3 stale: a text that does not count leaves the game open, and the ranking runs.
    void zelltext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("links");
        QTest::addColumn<QString>("rechts");
        QTest::addColumn<QString>("meldung");
        const QString nie_ganzzahl = u"'%1' ist kein gültiger Integerwert"_s;
        const QString negativ = u"'%1' ist kein gültiges Ergebnis: Ergebnisse sind ganze Zahlen "
                                u"ab 0."_s;
        const auto zaehlt = [](const char *name, const char *text, const char *links,
                               const char *rechts) {
            QTest::newRow(name) << text << links << rechts << QString();
        };
        const auto offen = [](const char *name, const char *text, const QString &meldung = {}) {
            QTest::newRow(name) << text << QString() << QString() << meldung;
        };
        zaehlt("3:2", "3:2", "3", "2");
        zaehlt("7 : 10", "7 : 10", "7", "10");
        zaehlt("10 : 8", "10 : 8", "10", "8");
        zaehlt("07:3 bleibt 07", "07:3", "07", "3");
        zaehlt("Bemerkung nach dem Ergebnis", "5:3 n.V.", "5", "3");
        zaehlt("Bemerkung nach Leerzeichen", "7 : 10  Abbruch", "7", "10");
        offen("leer", "");
        offen(":10", ":10");
        offen("10:", "10:");
        offen(" : ", " : ");
        offen(":5", ":5");
        offen("12", "12");
        offen("123 ohne Doppelpunkt", "123");
        offen("Minus allein wird noch getippt", "12:-");
        offen("Plus allein wird noch getippt", "+:3");
        offen("3:2x", "3:2x", nie_ganzzahl.arg("2x"));
        offen("nur Bemerkung", "5: n.V.", nie_ganzzahl.arg("n.V."));
        offen("9:x", "9:x", nie_ganzzahl.arg("x"));
        offen("zwei Zeichen ohne Meldung", "x:");
        offen("xy: links zuerst", "xy:", nie_ganzzahl.arg("xy"));
        offen("a : b", "a : b", nie_ganzzahl.arg("a"));
        offen("3:2:1", "3:2:1", nie_ganzzahl.arg("2:1"));
        offen("zu gross", "3:99999999999", nie_ganzzahl.arg("99999999999"));
        offen("-1:2", "-1:2", negativ.arg("-1"));
        offen("2:-0", "2:-0", negativ.arg("-0"));
        offen("12:-3", "12:-3", negativ.arg("-3"));
    }
    void zelltext()
    {
        QFETCH(QString, text);
        QFETCH(QString, links);
        QFETCH(QString, rechts);
        QFETCH(QString, meldung);
        PlanAufbau p(doppel_profil(), 4);
        p.tabelle.SetCells(2, 14, u"9"_s);
        p.tabelle.SetCells(3, 2, u"9"_s);
        p.tabelle.SetCells(plan::summen_spalte(4), 14, u"alt"_s);
        p.matrix.SetCells(2, 3, u"?"_s);

        p.ersetzen(2, 3, text);

        QCOMPARE(p.tabelle.Cells(2, 14), links);
        QCOMPARE(p.tabelle.Cells(3, 2), rechts);
        QCOMPARE(p.ges(Mannschaft::zwei, 3),
                 links.toInt() > 0 ? QString::number(links.toInt()) : QString());
        QCOMPARE(p.plattform.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(p.matrix.Cells(2, 3), text);
    }

    void jeder_tastendruck_wird_uebernommen()
    {
        PlanAufbau p(einzel_profil(), 3);
        const QList<QPair<QString, QString>> erwartet{{"", ""}, {"", ""}, {"", ""}, {"10", "7"}};
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

    // "9:x" typed over "8:3": the old result no longer counts, and the message comes once per
    // changed text, not again when the editor closes or the cell is clicked.
    void abgelehnter_text_laesst_das_spiel_offen()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.eintragen(1, 2, u"8:3"_s);
        p.tippen(1, 2, u"9:x"_s);
        QCOMPARE(p.plattform.texte(), QStringList{u"'x' ist kein gültiger Integerwert"_s});
        QCOMPARE(qMakePair(p.tabelle.Cells(1, 13), p.tabelle.Cells(2, 1)),
                 qMakePair(QString(), QString()));
        QCOMPARE(p.ges(Mannschaft::zwei, 2), QString());
        QCOMPARE(p.plan.laufende_wertung().offen, 9);
        QCOMPARE(p.plan.laufende_wertung().stand(Mannschaft::zwei).gewonnen, 0);

        p.matrix.editieren_endet();
        p.plan.zelle_erneut_uebernehmen();

        QCOMPARE(p.plattform.meldungen.size(), 1);
        QCOMPARE(p.tabelle.Cells(1, 13), QString());
        QCOMPARE(p.matrix.Cells(1, 2), u"9:x"_s);
        QCOMPARE(p.plan.mannschaftswertung().offen, 9);
    }

    // A sign alone is a number still being typed: a message then would take the next key.
    void minus_bleibt_und_wird_mit_der_zahl_gemeldet()
    {
        PlanAufbau p(einzel_profil(), 3);
        p.tippen(2, 1, u"12:-"_s);
        QVERIFY(p.plattform.meldungen.isEmpty());
        QCOMPARE(p.matrix.Cells(2, 1), u"12:-"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), QString());

        p.matrix.text_editiert(2, 1, u"12:-3"_s);

        QCOMPARE(p.plattform.texte(),
                 QStringList{u"'-3' ist kein gültiges Ergebnis: Ergebnisse sind ganze Zahlen "
                             u"ab 0."_s});
        QCOMPARE(p.matrix.Cells(2, 1), u"12:-3"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), QString());
    }

    void was_nicht_zaehlt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("grund");
        QTest::newRow("3:2") << "3:2"
                             << "";
        QTest::newRow("mit Bemerkung") << "5:3 n.V."
                                       << "";
        QTest::newRow("leer") << ""
                              << "";
        QTest::newRow("abc") << "abc"
                             << "Zählt nicht: \"abc\" ist kein Ergebnis.";
        QTest::newRow("3:") << "3:"
                            << "Zählt nicht: \"3:\" ist kein Ergebnis.";
        QTest::newRow(":3") << ":3"
                            << "Zählt nicht: \":3\" ist kein Ergebnis.";
        QTest::newRow("Minus allein") << "12:-"
                                      << "Zählt nicht: '-' ist kein gültiger Integerwert";
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
        p.plan.zelle_erneut_uebernehmen();
        QCOMPARE(p.tabelle.Cells(1, 12), u"3"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), u"3"_s);
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
