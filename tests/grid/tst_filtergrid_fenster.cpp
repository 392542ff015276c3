#include "grid/filtergrid_fenster.h"
#include "test_plattform.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void fuellen(TFilterGrid &gitter)
{
    GitterModell &modell = gitter.modell();
    modell.SetFixedCols(0);
    modell.SetColCount(3);
    modell.SetRowCount(4);
    const QStringList titel{u"Name"_s, u"Punkte"_s, u"Ort"_s};
    for (int c = 0; c < 3; ++c)
        modell.SetCells(c, 0, titel[c]);
    const QStringList namen{u"Bernd"_s, u"Anna"_s, u"Carla"_s};
    for (int r = 1; r < 4; ++r) {
        modell.SetCells(0, r, namen[r - 1]);
        modell.SetCells(1, r, QString::number(r * 3 % 4));
    }
}

QStringList spalte(const TFilterGrid &gitter, int c)
{
    return gitter.modell().Cols(c).mid(1);
}

} // namespace

class TstFilterGridFenster : public QObject
{
    Q_OBJECT

    void zeigen(TFilterGrid &gitter)
    {
        gitter.resize(400, 200);
        gitter.show();
        gitter.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&gitter));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void tippen_meldet_jeden_tastendruck()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        zeigen(gitter);
        int rueckrufe = 0;
        gitter.modell().setze_ereignisse({.OnChange = [&](GitterModell &) {
            ++rueckrufe;
        }});
        QSignalSpy signale(&gitter, &TFilterGrid::geaendert);
        gitter.setFocus();
        gitter.setCurrentIndex(gitter.model()->index(2, 1));
        QTest::keyClick(&gitter, Qt::Key_3);
        QTRY_COMPARE(gitter.modell().Cells(1, 2), u"3"_s);
        auto *editor = gitter.findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Colon, Qt::ShiftModifier);
        QTest::keyClick(editor, Qt::Key_1);
        QCOMPARE(gitter.modell().Cells(1, 2), u"3:1"_s);
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, u"ü"_s, Qt::NoModifier);
        QCOMPARE(gitter.modell().Cells(1, 2), u"3:1ü"_s);
        QCOMPARE(rueckrufe, 4);
        QCOMPARE(signale.count(), 4);
        QVERIFY(gitter.modell().ModifiedDaten());
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!gitter.findChild<QLineEdit *>() ||
                    !gitter.findChild<QLineEdit *>()->isVisible());
        QCOMPARE(gitter.modell().Cells(1, 2), u"3:1ü"_s);
        QCOMPARE(rueckrufe, 4); // committing sends nothing more
    }

    // The cell holds every keystroke; Escape gives it back the text its editor opened with, and
    // the end of the editing says that it was cancelled.
    void escape_stellt_den_text_wieder_her()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        zeigen(gitter);
        QList<bool> verworfen;
        gitter.modell().setze_ereignisse({.OnEditEnd = [&](GitterModell &modell) {
            verworfen << modell.editieren_verworfen();
        }});
        gitter.setFocus();
        gitter.setCurrentIndex(gitter.model()->index(1, 1));
        QTest::keyClick(&gitter, Qt::Key_7);
        QWidget *editor = gitter.indexWidget(gitter.currentIndex());
        QVERIFY(editor);
        QCOMPARE(gitter.modell().Cells(1, 1), u"7"_s);

        QTest::keyClick(editor, Qt::Key_Escape);

        QTRY_COMPARE(verworfen, QList<bool>{true});
        QCOMPARE(gitter.modell().Cells(1, 1), u"3"_s);
        QVERIFY(!gitter.modell().editieren_verworfen());

        QTRY_VERIFY(!gitter.indexWidget(gitter.currentIndex()));
        QTest::keyClick(&gitter, Qt::Key_5);
        editor = gitter.indexWidget(gitter.currentIndex());
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(verworfen, (QList<bool>{true, false}));
        QCOMPARE(gitter.modell().Cells(1, 1), u"5"_s);
    }

    void titelklick_sortiert_auf_und_ab()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().SortMouseEd = true;
        zeigen(gitter);
        const QPoint titel = gitter.visualRect(gitter.model()->index(0, 0)).center();
        QTest::mouseClick(gitter.viewport(), Qt::LeftButton, {}, titel);
        QCOMPARE(spalte(gitter, 0), (QStringList{u"Anna"_s, u"Bernd"_s, u"Carla"_s}));
        QTest::mouseClick(gitter.viewport(), Qt::LeftButton, {}, titel);
        QCOMPARE(spalte(gitter, 0), (QStringList{u"Carla"_s, u"Bernd"_s, u"Anna"_s}));
        QCOMPARE(gitter.modell().Cells(0, 0), u"Name"_s);
        gitter.modell().SortMouseEd = false;
        QTest::mouseClick(gitter.viewport(), Qt::LeftButton, {}, titel);
        QCOMPARE(spalte(gitter, 0), (QStringList{u"Carla"_s, u"Bernd"_s, u"Anna"_s}));
    }

    void zellwahl_haken_schaltet_bearbeitung_ab()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().setze_ereignisse(
            {.OnSelectCell = [](GitterModell &g, int aCol, int, bool &) {
                g.SetGoEditing(aCol != 2);
            }});
        zeigen(gitter);
        gitter.setFocus();
        gitter.setCurrentIndex(gitter.model()->index(1, 2));
        QCOMPARE(gitter.modell().Col(), 2);
        QTest::keyClick(&gitter, Qt::Key_7);
        QCOMPARE(gitter.modell().Cells(2, 1), QString());
        gitter.setCurrentIndex(gitter.model()->index(1, 1));
        QTest::keyClick(&gitter, Qt::Key_7);
        QTRY_COMPARE(gitter.modell().Cells(1, 1), u"7"_s);
    }

    void zellwahl_haken_kann_ablehnen()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().setze_ereignisse(
            {.OnSelectCell = [](GitterModell &, int, int aRow, bool &waehlbar) {
                waehlbar = aRow != 3;
            }});
        zeigen(gitter);
        gitter.setCurrentIndex(gitter.model()->index(2, 0));
        gitter.setCurrentIndex(gitter.model()->index(3, 0));
        QCOMPARE(gitter.modell().Row(), 2);
        QCOMPARE(gitter.currentIndex().row(), 2);
    }

    void pfeil_runter_haengt_zeile_an()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().RowAddAuto = true;
        zeigen(gitter);
        gitter.setFocus();
        gitter.setCurrentIndex(gitter.model()->index(3, 0));
        QTest::keyClick(&gitter, Qt::Key_Down);
        QCOMPARE(gitter.modell().RowCount(), 5);
        QCOMPARE(gitter.modell().Row(), 4);
        QCOMPARE(gitter.currentIndex().row(), 4);
    }

    void klick_rollt_nicht_seitwaerts()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().SetColCount(12);
        for (int c = 0; c < 12; ++c)
            gitter.modell().SetColWidths(c, 90);
        zeigen(gitter);
        gitter.horizontalScrollBar()->setValue(1);
        const QRect zelle = gitter.visualRect(gitter.model()->index(2, 5));
        QVERIFY(zelle.right() > gitter.viewport()->width()); // only partly visible
        QTest::mouseClick(gitter.viewport(), Qt::LeftButton, {},
                          QPoint(zelle.left() + 5, zelle.center().y()));
        QCOMPARE(gitter.modell().Row(), 2);
        QCOMPARE(gitter.modell().Col(), 5);
        QCOMPARE(gitter.horizontalScrollBar()->value(), 1);
    }

    void cursor_bleibt_in_den_daten_und_sichtbar()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().SetRowCount(60);
        zeigen(gitter);
        gitter.setFocus();
        gitter.setCurrentIndex(gitter.model()->index(1, 1));
        QTest::keyClick(&gitter, Qt::Key_Up);
        QCOMPARE(gitter.modell().Row(), 1);
        QCOMPARE(gitter.currentIndex().row(), 1);
        gitter.modell().RowScrollLast();
        QCOMPARE(gitter.currentIndex().row(), 59);
        QVERIFY(gitter.viewport()->rect().contains(gitter.visualRect(gitter.currentIndex())));
    }

    void filterfehler_erscheint_ueber_die_plattform_data()
    {
        QTest::addColumn<bool>("im_konstruktor");
        QTest::newRow("im konstruktor") << true;
        QTest::newRow("nachgereicht") << false;
    }
    void filterfehler_erscheint_ueber_die_plattform()
    {
        QFETCH(bool, im_konstruktor);
        TestPlattform plattform;
        auto gitter = im_konstruktor ? std::make_unique<TFilterGrid>(plattform)
                                     : std::make_unique<TFilterGrid>();
        if (!im_konstruktor)
            gitter->setze_plattform(&plattform);
        fuellen(*gitter);
        gitter->modell().SetFilterEd(true);
        gitter->modell().SetFilter(u"Name=Anna;Verein=Kicker"_s);
        QCOMPARE(plattform.texte(),
                 QStringList{u"Fehler beim Auflösen von Filter: Name=Anna;Verein=Kicker"_s});
        QCOMPARE(plattform.meldungen.front().art, TestPlattform::Meldung::Fehler);
        QCOMPARE(spalte(*gitter, 0), (QStringList{u"Bernd"_s, u"Anna"_s, u"Carla"_s}));
        QCOMPARE(gitter->modell().RowFind(u"Wohnort=Bonn"_s), -1);
        QCOMPARE(plattform.texte().last(), u"Fehler beim Auflösen von Filter: Wohnort=Bonn"_s);
        gitter->modell().SetFilter(u"Name=Anna"_s);
        QCOMPARE(plattform.meldungen.size(), 2);
        QCOMPARE(spalte(*gitter, 0), QStringList{u"Anna"_s});
    }

    void datum_ohne_jahr_folgt_der_uhr_der_plattform()
    {
        TestPlattform plattform;
        TFilterGrid gitter(plattform);
        fuellen(gitter);
        gitter.modell().SetCells(2, 1, u"1.3."_s);
        const QDate tag_null(1899, 12, 30);
        QCOMPARE(gitter.modell().GetAsDate(2, 1), double(tag_null.daysTo(QDate(2026, 3, 1))));
        plattform.uhrzeit = QDateTime(QDate(2031, 1, 2), QTime(8, 0));
        QCOMPARE(gitter.modell().GetAsDate(2, 1), double(tag_null.daysTo(QDate(2031, 3, 1))));
        gitter.setze_plattform(nullptr);
        QCOMPARE(gitter.modell().GetAsDate(2, 1), -2147483647.0);
    }

    void modell_aenderungen_erscheinen()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().RowAdd(99, {u"Dora"_s, u"2"_s});
        QCOMPARE(gitter.model()->rowCount(), 5);
        QCOMPARE(gitter.model()->index(4, 0).data().toString(), u"Dora"_s);
        gitter.modell().ParamStrToColInfo(1, u"Punkte\u00AB37\u00AB\u00AB-16777201\u00AB50"_s);
        gitter.modell().ColInfo_Set(1);
        QCOMPARE(gitter.columnWidth(1), 50);
        QCOMPARE(gitter.model()->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignHCenter | Qt::AlignVCenter);
        gitter.modell().SetRow(2);
        gitter.modell().SetGoRowSelect(true);
        QCOMPARE(gitter.selectionModel()->selectedIndexes().size(), 3);
        QVERIFY(gitter.selectionModel()->isRowSelected(2, {}));
        gitter.modell().CleanBlueCell();
        QVERIFY(!gitter.selectionModel()->hasSelection());
    }

    void zeilenhoehen_folgen_dem_modell()
    {
        TFilterGrid gitter;
        fuellen(gitter);
        gitter.modell().SetDefaultRowHeight(20);
        gitter.modell().SetRowHeights(2, 45);
        gitter.modell().SetColor(clBtnFace); // another change keeps the grown row
        QCOMPARE(gitter.rowHeight(1), 20);
        QCOMPARE(gitter.rowHeight(2), 45);
        gitter.modell().SetRowHeights(2, 20);
        QCOMPARE(gitter.rowHeight(2), 20);
        gitter.modell().SetRowHeights(3, 45);
        gitter.modell().SetDefaultRowHeight(30); // a new default sets every row, the grown one too
        for (int r = 0; r < 4; ++r)
            QCOMPARE(gitter.rowHeight(r), 30);
        gitter.modell().SetRowHeights(1, -5);
        QCOMPARE(gitter.rowHeight(1), 0);
    }
};

QTEST_MAIN(TstFilterGridFenster)
#include "tst_filtergrid_fenster.moc"
