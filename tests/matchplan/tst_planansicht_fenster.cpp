#include "grid/filtergrid_fenster.h"
#include "matchplan/planfarben.h"
#include "matchplan/spielplan_fenster.h"
#include "plan_testhilfe.h"
#include "shell/optionen.h"

#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor gruppe1(255, 160, 160);
const QColor gruppe2(160, 160, 255);
const QColor sperre(90, 90, 90);
const QColor hintergrund(250, 240, 200);

// A plan of n entries per team in its window, the plan's colours set in the options.
struct PlanFenster : TestOrdner
{
    TestPlattform plattform;
    std::unique_ptr<SpielplanFenster> fenster;

    PlanFenster(bool doppel, int n, const QRect &arbeitsbereich = {0, 0, 1280, 984})
    {
        plattform.arbeit = arbeitsbereich;
        plattform.schirm = arbeitsbereich.adjusted(0, 0, 0, 30);
        zustand.optionen_lesen();
        zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
        zustand.optionen.setze(opt::farbe_gruppe1, qcolor_zu_farbe(gruppe1));
        zustand.optionen.setze(opt::farbe_gruppe2, qcolor_zu_farbe(gruppe2));
        zustand.optionen.setze(opt::sperrfarbe, qcolor_zu_farbe(sperre));
        zustand.optionen.setze(opt::hintergrundfarbe, qcolor_zu_farbe(hintergrund));
        const int namen = doppel ? 2 * n : n;
        aufstellungen_schreiben(zustand, aufstellung(u"A"_s, namen), aufstellung(u"B"_s, namen));
        if (doppel)
            fenster = std::make_unique<TForm5>(zustand, plattform);
        else
            fenster = std::make_unique<TForm6>(zustand, plattform);
        fenster->oeffnen();
    }
};

// The grid as it is shown, once rows and columns have grown to what their cells need.
QImage bild(TFilterGrid &gitter)
{
    gitter.grab();
    QCoreApplication::processEvents();
    return gitter.grab().toImage();
}

// The colour in the middle of a cell's top band, clear of its text and of the grid lines.
QColor zellfarbe(TFilterGrid &gitter, const QImage &bild, int aCol, int aRow)
{
    const QRect zelle = gitter.visualRect(gitter.model()->index(aRow, aCol));
    const QPoint punkt =
        gitter.viewport()->mapTo(&gitter, QPoint(zelle.center().x(), zelle.top() + 2));
    return bild.pixelColor(punkt);
}

// Beside the last column, where the grid shows no cell.
QColor ohne_zelle(TFilterGrid &gitter, const QImage &bild)
{
    const int rechts = gitter.columnViewportPosition(gitter.modell().ColCount() - 1) +
                       gitter.columnWidth(gitter.modell().ColCount() - 1);
    const QWidget *vp = gitter.viewport();
    return bild.pixelColor(
        vp->mapTo(&gitter, QPoint((rechts + vp->width()) / 2, vp->height() / 2)));
}

bool nah(const QColor &ist, const QColor &soll)
{
    return std::abs(ist.red() - soll.red()) <= 12 && std::abs(ist.green() - soll.green()) <= 12 &&
           std::abs(ist.blue() - soll.blue()) <= 12;
}

void profile_und_anzahl()
{
    QTest::addColumn<bool>("doppel");
    QTest::addColumn<int>("n");
    for (bool doppel : {true, false}) {
        for (int n : {1, 4, 10}) {
            QTest::addRow("%s, N = %d", doppel ? "Doppel" : "Einzel", n) << doppel << n;
        }
    }
}

} // namespace

class TstPlanansichtFenster : public QObject
{
    Q_OBJECT

private slots:
    // On a laptop's screen neither grid shows all its rows; both open at their top row, with
    // team 1's names in the matrix heading, also when the plan is opened again after scrolling.
    void oeffnet_oben_data() { profile_und_anzahl(); }
    void oeffnet_oben()
    {
        QFETCH(bool, doppel);
        QFETCH(int, n);
        PlanFenster p(doppel, n, {0, 0, 1366, 738});
        SpielplanFenster &f = *p.fenster;
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int mal = 0; mal < 2; ++mal) {
            for (TFilterGrid *gitter : {f.FilterGrid1, f.FilterGrid2}) {
                QCOMPARE(gitter->rowViewportPosition(0), 0);
                const QRect aktuell = gitter->visualRect(gitter->currentIndex());
                QVERIFY(gitter->viewport()->rect().contains(aktuell.center()));
                gitter->verticalScrollBar()->setValue(gitter->verticalScrollBar()->maximum());
            }
            QVERIFY(f.FilterGrid2->verticalScrollBar()->maximum() > 0);
            f.close();
            f.oeffnen();
        }
    }

    void matrix_data() { profile_und_anzahl(); }

    void matrix()
    {
        QFETCH(bool, doppel);
        QFETCH(int, n);
        PlanFenster plan(doppel, n);
        TFilterGrid &gitter = *plan.fenster->FilterGrid2;
        QVERIFY(QTest::qWaitForWindowExposed(plan.fenster.get()));
        const QImage b = bild(gitter);
        const QColor fenster = farbe_zu_qcolor(clWindow);
        const QColor auswahl = farbe_zu_qcolor(matrix_auswahlfarbe);
        for (int c = 0; c <= 10; ++c) {
            for (int r = 0; r <= 10; ++r) {
                const QColor ist = zellfarbe(gitter, b, c, r);
                QColor soll = c > n || r > n ? sperre : fenster;
                if (c == 0 && r == 0)
                    soll = farbe_zu_qcolor(gitter.GradientStartColor);
                else if (r == 0)
                    soll = gruppe1;
                else if (c == 0)
                    soll = gruppe2;
                else if (c == 1 && r == 1)
                    soll = auswahl; // the cell the plan opens on
                QVERIFY2(nah(ist, soll),
                         qPrintable(u"Zelle (%1, %2): %3 statt %4"_s.arg(c).arg(r).arg(
                             ist.name(), soll.name())));
            }
        }
        QVERIFY2(nah(ohne_zelle(gitter, b), hintergrund), qPrintable(ohne_zelle(gitter, b).name()));
    }

    void tabelle_data() { profile_und_anzahl(); }

    void tabelle()
    {
        QFETCH(bool, doppel);
        QFETCH(int, n);
        PlanFenster plan(doppel, n);
        TFilterGrid &gitter = *plan.fenster->FilterGrid1;
        QVERIFY(QTest::qWaitForWindowExposed(plan.fenster.get()));
        gitter.modell().SelectCells(1, 3);
        const QImage b = bild(gitter);
        for (int r = 0; r <= 21; ++r) {
            const QColor ist = zellfarbe(gitter, b, 0, r);
            QVERIFY2(nah(ist, r <= 10 ? gruppe1 : gruppe2),
                     qPrintable(u"Zeile %1: %2"_s.arg(r).arg(ist.name())));
        }
        const QColor spiel = zellfarbe(gitter, b, 1, 5);
        QVERIFY2(nah(spiel, farbe_zu_qcolor(clWindow)), qPrintable(spiel.name()));
        const QColor gewaehlt = zellfarbe(gitter, b, 1, 3);
        QVERIFY2(nah(gewaehlt, farbe_zu_qcolor(tabelle_auswahlfarbe)), qPrintable(gewaehlt.name()));
        QVERIFY2(nah(ohne_zelle(gitter, b), hintergrund), qPrintable(ohne_zelle(gitter, b).name()));
    }

    // "Hntergrundfarbe" chosen while the plan is open shows at once in both grids, as a team
    // colour does.
    void hintergrund_gilt_sofort()
    {
        PlanFenster plan(false, 4);
        SpielplanFenster &f = *plan.fenster;
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QColor neu(40, 120, 60);
        const QColor team(10, 200, 240);
        plan.zustand.optionen.setze(opt::hintergrundfarbe, qcolor_zu_farbe(neu));
        plan.zustand.optionen.setze(opt::farbe_gruppe2, qcolor_zu_farbe(team));
        f.farben_lesen();
        for (TFilterGrid *gitter : {f.FilterGrid1, f.FilterGrid2}) {
            const QImage b = bild(*gitter);
            QVERIFY2(nah(ohne_zelle(*gitter, b), neu), qPrintable(ohne_zelle(*gitter, b).name()));
        }
        const QImage matrix = bild(*f.FilterGrid2);
        QVERIFY(nah(zellfarbe(*f.FilterGrid2, matrix, 0, 2), team));
    }
};

QTEST_MAIN(TstPlanansichtFenster)
#include "tst_planansicht_fenster.moc"
