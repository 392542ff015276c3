#include "matchplan/ergebniseingabe.h"
#include "matchplan/planfarben.h"
#include "plan_testhilfe.h"
#include "shell/optionen.h"

#include <QPainter>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Farbe = std::optional<TColor>;

constexpr TColor gruppe1 = 0x00C0C0FF;
constexpr TColor gruppe2 = 0x00FFC0C0;
constexpr TColor sperre = 0x00606060;
const Planfarben farben{0x00E0E0E0, gruppe1, gruppe2, sperre};
const Farbe keine;

} // namespace

Q_DECLARE_METATYPE(Planfarben)

class TstPlanfarben : public QObject
{
    Q_OBJECT

private slots:
    void tabelle_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<bool>("markiert");
        QTest::addColumn<Farbe>("hintergrund");
        QTest::addColumn<Farbe>("schrift");
        QTest::newRow("Überschrift Gruppe 1") << 0 << 0 << false << Farbe(gruppe1) << keine;
        QTest::newRow("letzter von Mannschaft 1") << 0 << 10 << false << Farbe(gruppe1) << keine;
        QTest::newRow("Trennzeile Gruppe 2") << 0 << 11 << false << Farbe(gruppe2) << keine;
        QTest::newRow("letzter von Mannschaft 2") << 0 << 21 << false << Farbe(gruppe2) << keine;
        QTest::newRow("Spielspalte") << 1 << 3 << false << keine << keine;
        QTest::newRow("markiert") << 4 << 3 << true << keine << Farbe(tabelle_markiert_schrift);
        QTest::newRow("markierter Name")
            << 0 << 12 << true << Farbe(gruppe2) << Farbe(tabelle_markiert_schrift);
    }

    void tabelle()
    {
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(bool, markiert);
        QFETCH(Farbe, hintergrund);
        QFETCH(Farbe, schrift);
        const Zellfarben zelle = tabellen_zellfarben(farben, spalte, zeile, markiert);
        QCOMPARE(zelle.hintergrund, hintergrund);
        QCOMPARE(zelle.schrift, schrift);
    }

    void matrix_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<Farbe>("hintergrund");
        QTest::newRow("Ecke bleibt") << 4 << 0 << 0 << keine;
        QTest::newRow("Kopf Mannschaft 1") << 4 << 1 << 0 << Farbe(gruppe1);
        QTest::newRow("Kopf jenseits von N") << 4 << 10 << 0 << Farbe(gruppe1);
        QTest::newRow("Spalte Mannschaft 2") << 4 << 0 << 1 << Farbe(gruppe2);
        QTest::newRow("Spalte jenseits von N") << 4 << 0 << 10 << Farbe(gruppe2);
        QTest::newRow("letzte Spielzelle") << 4 << 4 << 4 << keine;
        QTest::newRow("Spalte über N") << 4 << 5 << 1 << Farbe(sperre);
        QTest::newRow("Zeile über N") << 4 << 1 << 5 << Farbe(sperre);
        QTest::newRow("beides über N") << 4 << 10 << 10 << Farbe(sperre);
        QTest::newRow("N = 1, einzige Spielzelle") << 1 << 1 << 1 << keine;
        QTest::newRow("N = 1, daneben") << 1 << 2 << 1 << Farbe(sperre);
        QTest::newRow("N = 10, nichts gesperrt") << 10 << 10 << 10 << keine;
    }

    void matrix()
    {
        QFETCH(int, n);
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(Farbe, hintergrund);
        QCOMPARE(matrix_zellfarben(farben, n, spalte, zeile, false).hintergrund, hintergrund);
        QCOMPARE(matrix_zellfarben(farben, n, spalte, zeile, false).schrift, keine);
        const Zellfarben markiert = matrix_zellfarben(farben, n, spalte, zeile, true);
        QCOMPARE(markiert.hintergrund, hintergrund);
        QCOMPARE(markiert.schrift, Farbe(matrix_markiert_schrift));
    }

    // The lock colour marks exactly the result cells where entry is refused.
    void gesperrt_wo_die_eingabe_abgewiesen_wird()
    {
        GitterModell matrix;
        matrix.SetColCount(11);
        matrix.SetRowCount(11);
        TestPlattform plattform;
        for (int n = 1; n <= 10; ++n) {
            for (int c = 1; c <= 10; ++c) {
                for (int r = 1; r <= 10; ++r) {
                    plattform.meldungen.clear();
                    matrixzelle_pruefen(matrix, c, r, n, plattform);
                    const bool gesperrt =
                        matrix_zellfarben(farben, n, c, r, false).hintergrund == sperre;
                    QVERIFY2(gesperrt == !plattform.meldungen.isEmpty(),
                             qPrintable(u"N %1, Zelle (%2, %3)"_s.arg(n).arg(c).arg(r)));
                }
            }
        }
    }

    void markiert_data()
    {
        QTest::addColumn<bool>("zeilenauswahl");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("zustand");
        QTest::addColumn<bool>("markiert");
        QTest::newRow("aktuelle Zeile der Zeilenauswahl") << true << 2 << 0 << true;
        QTest::newRow("andere Zeile der Zeilenauswahl") << true << 3 << int(gdSelected) << false;
        QTest::newRow("aktuelle Zeile ohne Zeilenauswahl")
            << false << 2 << int(gdSelected) << false;
        QTest::newRow("Zelle mit Fokus") << false << 3 << int(gdFocused | gdSelected) << true;
    }

    void markiert()
    {
        QFETCH(bool, zeilenauswahl);
        QFETCH(int, zeile);
        QFETCH(int, zustand);
        QFETCH(bool, markiert);
        GitterModell gitter;
        gitter.SetRowCount(5);
        gitter.SetGoRowSelect(zeilenauswahl);
        gitter.SetRow(2);
        QCOMPARE(zelle_markiert(gitter, zeile, zustand), markiert);
    }

    void anwenden_data()
    {
        QTest::addColumn<QColor>("pinsel");
        QTest::addColumn<QColor>("stift");
        QTest::addColumn<Farbe>("hintergrund");
        QTest::addColumn<Farbe>("schrift");
        QTest::addColumn<QColor>("neuer_pinsel");
        QTest::addColumn<QColor>("neuer_stift");
        const QColor weiss(Qt::white);
        const QColor schwarz(Qt::black);
        const QColor dunkelrot(128, 0, 0);
        const QColor auswahl(192, 220, 192);
        QTest::newRow("nichts geändert") << weiss << schwarz << keine << keine << weiss << schwarz;
        QTest::newRow("Mannschaftsfarbe")
            << weiss << schwarz << Farbe(gruppe1) << keine << QColor(255, 192, 192) << schwarz;
        QTest::newRow("markierte Schrift")
            << weiss << schwarz << keine << Farbe(tabelle_markiert_schrift) << weiss << dunkelrot;
        QTest::newRow("schwarze Sperrfarbe, schwarze Schrift")
            << weiss << schwarz << Farbe(clBlack) << keine << schwarz << weiss;
        QTest::newRow("markiert auf dunkler Sperrfarbe")
            << weiss << schwarz << Farbe(0x00200000) << Farbe(matrix_markiert_schrift)
            << QColor(0, 0, 32) << weiss;
        QTest::newRow("Fensterfarbe auf der Auswahlfarbe")
            << auswahl << weiss << keine << keine << auswahl << schwarz;
    }

    void anwenden()
    {
        QFETCH(QColor, pinsel);
        QFETCH(QColor, stift);
        QFETCH(Farbe, hintergrund);
        QFETCH(Farbe, schrift);
        QFETCH(QColor, neuer_pinsel);
        QFETCH(QColor, neuer_stift);
        QImage bild(4, 4, QImage::Format_RGB32);
        QPainter maler(&bild);
        maler.setBrush(pinsel);
        maler.setPen(stift);
        zellfarben_anwenden(maler, {hintergrund, schrift});
        QCOMPARE(maler.brush().color(), neuer_pinsel);
        QCOMPARE(maler.pen().color(), neuer_stift);
    }

    // A fresh options file holds black for every plan colour; the plan is drawn readable
    // until colours are chosen, and the stored bytes stay.
    void nie_gewaehlte_farben_sind_lesbar()
    {
        PlanAufbau p(einzel_profil(), 4);
        QCOMPARE(p.zustand.optionen.wert(opt::hintergrundfarbe), 0);
        QCOMPARE(p.plan.farben().hintergrund, planfarben_vorgabe.hintergrund);
        QCOMPARE(p.plan.farben().sperre, planfarben_vorgabe.sperre);
        QCOMPARE(p.matrix.Color(), planfarben_vorgabe.hintergrund);
        QCOMPARE(p.zustand.optionen.wert(opt::sperrfarbe), 0);
        for (TColor farbe : {planfarben_vorgabe.hintergrund, planfarben_vorgabe.gruppe1,
                             planfarben_vorgabe.gruppe2, planfarben_vorgabe.sperre})
            QVERIFY(qGray(farbe_zu_qcolor(farbe).rgb()) > 180);
    }

    // One colour chosen: the three never chosen keep their own defaults.
    void eine_farbe_gewaehlt_data()
    {
        QTest::addColumn<int>("feld"); // offset of the options field
        QTest::addColumn<TColor>("gewaehlt");
        QTest::addColumn<Planfarben>("erwartet");
        const Planfarben v = planfarben_vorgabe;
        QTest::newRow("Farbe Gruppe 1") << opt::farbe_gruppe1.offset << TColor(0x00204080)
                                        << Planfarben{v.hintergrund, 0x00204080, v.gruppe2, v.sperre};
        QTest::newRow("Farbe Gruppe 2") << opt::farbe_gruppe2.offset << TColor(0x00208040)
                                        << Planfarben{v.hintergrund, v.gruppe1, 0x00208040, v.sperre};
        QTest::newRow("Hntergrundfarbe") << opt::hintergrundfarbe.offset << TColor(0x00C0FFC0)
                                         << Planfarben{0x00C0FFC0, v.gruppe1, v.gruppe2, v.sperre};
        QTest::newRow("Sperrfarbe") << opt::sperrfarbe.offset << TColor(0x00404040)
                                    << Planfarben{v.hintergrund, v.gruppe1, v.gruppe2, 0x00404040};
        QTest::newRow("schwarz gewählt")
            << opt::sperrfarbe.offset << farbe_zum_speichern(0)
            << Planfarben{v.hintergrund, v.gruppe1, v.gruppe2, beinahe_schwarz};
    }
    void eine_farbe_gewaehlt()
    {
        QFETCH(int, feld);
        QFETCH(TColor, gewaehlt);
        QFETCH(Planfarben, erwartet);
        PlanAufbau p(einzel_profil(), 4);
        p.zustand.optionen.setze(speicher::FarbeFeld{feld}, gewaehlt);
        p.plan.oeffnen();
        const Planfarben f = p.plan.farben();
        QCOMPARE(f.hintergrund, erwartet.hintergrund);
        QCOMPARE(f.gruppe1, erwartet.gruppe1);
        QCOMPARE(f.gruppe2, erwartet.gruppe2);
        QCOMPARE(f.sperre, erwartet.sperre);
        QCOMPARE(p.matrix.Color(), erwartet.hintergrund);
        QVERIFY(!planfarbe_nie_gewaehlt(p.zustand.optionen.wert(speicher::FarbeFeld{feld})));
        // Locked cells and team 2's names in the colour in effect, never black by accident.
        QCOMPARE(matrix_zellfarben(f, 4, 5, 2, false).hintergrund, Farbe(erwartet.sperre));
        QCOMPARE(tabellen_zellfarben(f, 0, plan::trennzeile + 1, false).hintergrund,
                 Farbe(erwartet.gruppe2));
    }

    void was_nicht_zaehlt_ist_rot_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("markiert");
        QTest::addColumn<Farbe>("schrift");
        QTest::newRow("Ergebnis") << 2 << 3 << "3:2" << false << keine;
        QTest::newRow("Tippfehler") << 2 << 3 << "3:x" << false << Farbe(zaehlt_nicht_schrift);
        QTest::newRow("ohne Doppelpunkt") << 1 << 1 << "12" << false << Farbe(zaehlt_nicht_schrift);
        QTest::newRow("eine Seite leer") << 1 << 2 << "10:" << false << Farbe(zaehlt_nicht_schrift);
        QTest::newRow("Minus allein") << 3 << 1 << "12:-" << false << Farbe(zaehlt_nicht_schrift);
        QTest::newRow("markierter Tippfehler")
            << 4 << 4 << "abc" << true << Farbe(zaehlt_nicht_schrift);
        QTest::newRow("gesperrte Zelle") << 5 << 2 << "abc" << false << keine;
        QTest::newRow("Name") << 0 << 2 << "abc" << false << keine;
    }
    void was_nicht_zaehlt_ist_rot()
    {
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(QString, text);
        QFETCH(bool, markiert);
        QFETCH(Farbe, schrift);
        const Zellfarben zelle = matrix_zellfarben(farben, 4, spalte, zeile, markiert, text);
        if (markiert && !schrift)
            schrift = matrix_markiert_schrift;
        QCOMPARE(zelle.schrift, schrift);
    }

    // A change in the settings shows in the open plan as soon as it reads the options, and
    // leaves the results standing.
    void farben_ohne_neues_oeffnen()
    {
        PlanAufbau p(einzel_profil(), 4);
        p.zustand.optionen.setze(opt::hintergrundfarbe, 0x00102030);
        p.zustand.optionen.setze(opt::farbe_gruppe1, gruppe1);
        p.zustand.optionen.setze(opt::farbe_gruppe2, gruppe2);
        p.zustand.optionen.setze(opt::sperrfarbe, sperre);
        p.plan.oeffnen();
        QCOMPARE(p.plan.farben().gruppe1, gruppe1);
        QCOMPARE(p.plan.farben().gruppe2, gruppe2);
        QCOMPARE(p.plan.farben().sperre, sperre);
        QCOMPARE(p.tabelle.Color(), 0x00102030);
        QCOMPARE(p.matrix.Color(), 0x00102030);

        p.matrix.SetCells(1, 1, u"3:1"_s);
        p.plan.FilterGrid2Change();
        const Planstand vorher = p.plan.stand();
        p.zustand.optionen.setze(opt::sperrfarbe, 0x00445566);
        p.zustand.optionen.setze(opt::hintergrundfarbe, 0x00FFFFFF);
        p.plan.farben_lesen();
        QCOMPARE(p.plan.farben().sperre, 0x00445566);
        QCOMPARE(p.plan.farben().gruppe1, gruppe1);
        QCOMPARE(p.matrix.Color(), 0x00FFFFFF);
        QCOMPARE(p.tabelle.Color(), 0x00FFFFFF);
        QVERIFY(p.plan.stand() == vorher);
        QCOMPARE(p.matrix.Cells(1, 1), u"3:1"_s);
    }
};

QTEST_MAIN(TstPlanfarben)
#include "tst_planfarben.moc"
