#include "gitter_hilfe.h"

#include <QFontMetrics>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstGittermodell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void zellen_ausserhalb_bleiben_gespeichert()
    {
        GitterModell gitter;
        gitter.SetColCount(2);
        gitter.SetCells(4, 1, u"x"_s);
        QCOMPARE(gitter.Rows(1).size(), 2);
        gitter.SetColCount(5);
        QCOMPARE(gitter.Cells(4, 1), u"x"_s);
    }

    void zeilentext_haelt_leere_plaetze_mit_leerzeichen()
    {
        GitterModell gitter;
        gitter.SetRows(1, {u"a"_s, QString(), u"b"_s});
        QCOMPARE(gitter.Rows(1), (QStringList{u"a"_s, u" "_s, u"b"_s, QString(), QString()}));
        gitter.SetCols(0, {u"t"_s, QString()});
        QCOMPARE(gitter.Cols(0), (QStringList{u"t"_s, u" "_s, QString(), QString(), QString()}));
        gitter.AssignCols(2, {u"k"_s, QString()});
        QCOMPARE(gitter.Cells(2, 1), QString());
    }

    void cleargrid_leert_daten_samt_titelspalte()
    {
        GitterModell gitter;
        gitter_fuellen(gitter,
                       {{u"T"_s, u"A"_s}, {u"1"_s, u"x"_s}, {u"2"_s, u"y"_s}, {u"3"_s, u"z"_s}});
        gitter.Sortiere(u"1"_s, false, 0, true);
        gitter.ClearGrid(false);
        QCOMPARE(gitter.RowCount(), 4);
        QCOMPARE(gitter.Rows(0), (QStringList{u"T"_s, u"A"_s}));
        QVERIFY(gitter.EmptyGrid());
        QCOMPARE(gitter.Cells(0, 3), QString());
        QVERIFY(gitter.sort_felder().empty());
        gitter.ClearGrid(true);
        QCOMPARE(gitter.RowCount(), 2);
    }

    void colclear_behaelt_titel()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"T"_s, u"A"_s}, {u"1"_s, u"x"_s}, {QString(), u"y"_s}});
        gitter.ColClear(1);
        QCOMPARE(gitter.Cols(1), (QStringList{u"A"_s, QString(), QString()}));
        gitter.ColClear(0);
        QCOMPARE(gitter.Cols(0), (QStringList{u"T"_s, QString(), QString()}));
    }

    void leere_zeilen_loeschen_data()
    {
        QTest::addColumn<uint>("maske");
        QTest::addColumn<int>("geloescht");
        QTest::addColumn<QStringList>("titelspalte");
        QTest::newRow("alle datenspalten") << 0u << 2 << QStringList{u"Nr"_s, u"b"_s, u"d"_s};
        QTest::newRow("nur spalte 2") << 4u << 3 << QStringList{u"Nr"_s, u"d"_s};
        QTest::newRow("spalte fehlt")
            << (1u << 20) << 0 << QStringList{u"Nr"_s, u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    }
    void leere_zeilen_loeschen()
    {
        QFETCH(uint, maske);
        QFETCH(int, geloescht);
        QFETCH(QStringList, titelspalte);
        GitterModell gitter;
        // Titles in column 0 do not count; " " counts as empty.
        gitter_fuellen(gitter, {{u"Nr"_s, u"A"_s, u"B"_s},
                                {u"a"_s, QString(), u" "_s},
                                {u"b"_s, u"x"_s, QString()},
                                {u"c"_s, u" "_s, u"\t"_s},
                                {u"d"_s, u" "_s, u"y"_s}});
        QCOMPARE(gitter.RowDeleteEmpty(maske), geloescht);
        QCOMPARE(gitter.Cols(0), titelspalte);
        QCOMPARE(gitter.ModifiedDaten(), geloescht > 0);
    }

    void sortierte_leere_zeile_bleibt_leer()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"T"_s, u"A"_s, u"B"_s}, {u"x"_s, u"b"_s, QString()}, {u"y"_s}});
        gitter.Sortiere(u"1"_s, false, 0, true);
        QCOMPARE(gitter.Rows(1), (QStringList{u"y"_s, u" "_s, u" "_s}));
        QCOMPARE(gitter.Rows(2), (QStringList{u"x"_s, u"b"_s, u" "_s}));
        QCOMPARE(gitter.RowDeleteEmpty(0), 1);
        QCOMPARE(gitter.Cols(0), (QStringList{u"T"_s, u"x"_s}));
    }

    void spalteninfo_anlegen_verbreitert_und_setzt_vorgaben()
    {
        GitterModell gitter;
        gitter.SetColCount(3);
        gitter.SetDefaultColWidth(50);
        TColInfo *info = gitter.ColInfo_Create(6);
        QCOMPARE(gitter.ColCount(), 7);
        QCOMPARE(info->Width, 50);
        QCOMPARE(info->TitColor, gitter.FixedColor());
        QCOMPARE(info->DatColor, gitter.Color());
        QCOMPARE(gitter.ColInfo_Create(0)->DatColor, gitter.FixedColor());
        QCOMPARE(gitter.ColInfo_Create(-1), nullptr);
        QCOMPARE(gitter.GetColInfo(4), nullptr);
        QCOMPARE(gitter.GetColInfo(99), nullptr);
        gitter.SetColCount(2);
        QVERIFY(gitter.GetColInfo(6)); // kept for when the grid grows again
    }

    void assign_kopiert_ohne_bindung()
    {
        TColInfo quelle;
        quelle.Titel = u"Name"_s;
        quelle.Typ = u'I';
        quelle.DatFont = Schrift{QFont(u"Liberation Sans"_s, 10), 255};
        QObject objekt;
        quelle.Objekt = &objekt;
        TColInfo ziel;
        ziel.TitFont = Schrift{};
        ziel.Assign(quelle);
        QCOMPARE(ziel.Titel, u"Name"_s);
        QCOMPARE(ziel.Typ, QChar(u'I'));
        QCOMPARE(ziel.DatFont->Color, 255);
        QVERIFY(!ziel.TitFont);
        QCOMPARE(ziel.Objekt, nullptr);
    }

    void breiten_verteilen_freie_pixel()
    {
        GitterModell gitter;
        gitter_fuellen(gitter,
                       {{u"T"_s, u"Name"_s, u"Punkte"_s}, {u"1"_s, u"Anna Maier"_s, u"7"_s}});
        gitter.SetColWidths(0, 30);
        gitter.setze_ansichts_breite(500);
        const QFontMetrics metrik(gitter.Font().font);
        const int name = metrik.horizontalAdvance(u"Anna Maier "_s);
        const int punkte = metrik.horizontalAdvance(u"Punkte "_s);
        const int frei = 500 - 8 - 30 - name - punkte;
        QCOMPARE(gitter.ColSetMaxWidths(false, false, true), name + punkte + 2 * (frei / 2));
        QCOMPARE(gitter.ColWidths(0), 30);
        QCOMPARE(gitter.ColWidths(1), name + frei / 2);
        QCOMPARE(gitter.ColWidths(2), punkte + frei / 2);
        gitter.setze_senkrechter_rollbalken(true);
        gitter.ColSetMaxWidths(false, false, true);
        QCOMPARE(gitter.ColWidths(1), name + (frei - 19) / 2);
    }

    void breiten_messen_laesst_auswahl_und_cursor()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"T"_s, u"Name"_s}, {u"1"_s, u"Anna"_s}, {u"2"_s, u"Jörg"_s}});
        gitter.SetRow(2);
        gitter.SetCol(1);
        const TGridRect niemand{-1, -1, -1, -1};
        gitter.SetSelection(niemand);
        gitter.ColSetMaxWidths(true, false, true);
        QCOMPARE(gitter.Row(), 2);
        QCOMPARE(gitter.Col(), 1);
        QCOMPARE(gitter.Selection(), niemand);
    }

    void bearbeiten_meldet_jede_abweichung()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s}, {u"3"_s, QString()}});
        int meldungen = 0;
        gitter.setze_ereignisse({.OnChange = [&](GitterModell &) {
            ++meldungen;
        }});
        gitter.editieren_beginnt(0, 1);
        gitter.text_editiert(0, 1, u"3:"_s);
        gitter.text_editiert(0, 1, u"3:1"_s);
        QCOMPARE(meldungen, 2);
        QVERIFY(gitter.ModifiedDaten());
        gitter.ModiDaten_False();
        gitter.text_editiert(0, 1, u"3"_s); // back to the text editing started with
        QCOMPARE(meldungen, 2);
        QVERIFY(!gitter.ModifiedDaten());
    }

    void zeile_verlassen_setzt_geaendert()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s}, {u"x"_s}, {QString()}});
        gitter.SetRow(2);
        gitter.SetRow(1);
        gitter.SetCells(0, 1, u"y"_s);
        QVERIFY(!gitter.ModifiedDaten());
        gitter.SetRow(2);
        QVERIFY(gitter.ModifiedDaten());
        gitter.ModiDaten_False();
        gitter.SetCells(0, 2, u"neu"_s); // the row was blank when entered
        gitter.SetRow(1);
        QVERIFY(!gitter.ModifiedDaten());
    }

    void zeile_einfuegen_und_loeschen()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s}, {u"1"_s}, {u"2"_s}});
        int meldungen = 0;
        gitter.setze_ereignisse({.OnChange = [&](GitterModell &) {
            ++meldungen;
        }});
        QCOMPARE(gitter.RowAdd(2), 2);
        QCOMPARE(gitter.Cols(0), (QStringList{u"A"_s, u"1"_s, QString(), u"2"_s}));
        QCOMPARE(gitter.RowAdd(-1, {u"0"_s}), 1); // never above the title row
        QCOMPARE(gitter.RowAdd(99, {u"9"_s}), 5);
        QCOMPARE(gitter.Cols(0), (QStringList{u"A"_s, u"0"_s, u"1"_s, QString(), u"2"_s, u"9"_s}));
        gitter.RowDelete(99);
        gitter.RowDelete(0); // clamped to the first data row
        QCOMPARE(gitter.Cols(0), (QStringList{u"A"_s, u"1"_s, QString(), u"2"_s}));
        QCOMPARE(meldungen, 3);
        QVERIFY(gitter.ModifiedDaten());
        while (gitter.RowCount() > 2)
            gitter.RowDelete(1);
        gitter.RowDelete(1);
        QCOMPARE(gitter.RowCount(), 2);
        QCOMPARE(gitter.Cells(0, 1), QString());
    }

    void markierte_zeilen_loeschen_data()
    {
        QTest::addColumn<int>("oben");
        QTest::addColumn<int>("unten");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("mitte") << 2 << 3 << QStringList{u"A"_s, u"1"_s, u"4"_s};
        // A damaged file can bring any selection; the work stays bounded by the rows there are.
        QTest::newRow("weit ueber das ende") << 1 << 2000000000 << QStringList{u"A"_s, QString()};
    }
    void markierte_zeilen_loeschen()
    {
        QFETCH(int, oben);
        QFETCH(int, unten);
        QFETCH(QStringList, rest);
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s}, {u"1"_s}, {u"2"_s}, {u"3"_s}, {u"4"_s}});
        gitter.SetSelection({0, oben, 0, unten});
        QCOMPARE(gitter.RowMarkDelete(), unten - oben + 1);
        QCOMPARE(gitter.Cols(0), rest);
    }

    void erste_leere_datenzeile_wird_gefuellt()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s}, {u"Kopf"_s, QString()}});
        gitter.SetFixedCols(1);
        QCOMPARE(gitter.RowAdd(1, {u"x"_s, u"y"_s}), 1);
        QCOMPARE(gitter.RowCount(), 2);
        QCOMPARE(gitter.Rows(1), (QStringList{u"x"_s, u"y"_s}));
    }

    void spalten_einfuegen_loeschen_tauschen()
    {
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s}, {u"a"_s, u"b"_s}});
        gitter.ColInfo_Create(1)->Typ = u'I';
        gitter.Sortiere(u"1"_s, false, 0, true);
        QCOMPARE(gitter.ColAdd(1, {u"N"_s, u"n"_s}), 1);
        QCOMPARE(gitter.Rows(0), (QStringList{u"A"_s, u"N"_s, u"B"_s}));
        QCOMPARE(gitter.GetColInfo(1)->Typ, QChar(u'I')); // from its right neighbour
        QCOMPARE(gitter.GetColInfo(1)->Titel, u"N"_s);
        QVERIFY(gitter.sort_felder().empty());
        gitter.ColSwap(0, 2);
        QCOMPARE(gitter.Rows(1), (QStringList{u"b"_s, u"n"_s, u"a"_s}));
        QVERIFY(gitter.GetColInfo(0));
        QVERIFY(!gitter.GetColInfo(2));
        gitter.ColDelete(1);
        QCOMPARE(gitter.ColCount(), 2);
        QCOMPARE(gitter.Rows(1), (QStringList{u"b"_s, u"a"_s}));
        QVERIFY(!gitter.GetColInfo(1));
    }

    void kopie_mit_bedingung()
    {
        GitterModell quelle;
        quelle.SetFixedCols(0);
        gitter_fuellen(
            quelle, {{u"Nr"_s, u"Name"_s}, {u"3"_s, u"a"_s}, {u"8"_s, u"b"_s}, {u"5"_s, u"c"_s}});
        quelle.ColInfo_Create(0)->Typ = u'I';
        GitterModell ziel;
        QCOMPARE(ziel.CopyFromGrid(quelle, u"Nr>=5"_s, true, true), 3);
        QCOMPARE(ziel.RowCount(), 3);
        QCOMPARE(ziel.FixedCols(), 0);
        QCOMPARE(ziel.Cols(1), (QStringList{u"Name"_s, u"b"_s, u"c"_s}));
        QCOMPARE(ziel.GetColInfo(0)->Typ, QChar(u'I'));
    }

    void bindung_in_beide_richtungen()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s}, {u"alt"_s, u"b"_s}});
        QObject feld;
        QString angezeigt;
        QString eingabe = u"neu"_s;
        gitter.ColInfo_AddComp(
            0, &feld, [&](GitterModell &, QObject *) { return eingabe; },
            [&](GitterModell &, QObject *, const QString &text) { angezeigt = text; });
        gitter.SetRow(1);
        gitter.CellsToComp();
        QCOMPARE(angezeigt, u"alt"_s);
        int meldungen = 0;
        gitter.setze_ereignisse({.OnChange = [&](GitterModell &g) {
            ++meldungen;
            g.CompToCells(); // ignored inside the change handling
        }});
        gitter.CompToCells(&feld);
        QCOMPARE(gitter.Cells(0, 1), u"neu"_s);
        QCOMPARE(meldungen, 1);
        QVERIFY(gitter.ModifiedDaten());
        gitter.CompToCells();
        QCOMPARE(meldungen, 1);
    }

    void maus_in_zeile_ohne_seitwaertsrollen()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s, u"C"_s}, {u"1"_s}, {u"2"_s}, {u"3"_s}});
        gitter.SetLeftCol(1);
        gitter.maus_gedrueckt(2, 3, true, false);
        gitter.SetLeftCol(2); // the base grid scrolled to the clicked cell
        gitter.maus_losgelassen();
        QCOMPARE(gitter.Row(), 3);
        QCOMPARE(gitter.LeftCol(), 1);
        gitter.NoInherited = true;
        gitter.maus_gedrueckt(1, 2, true, false);
        gitter.maus_losgelassen();
        QCOMPARE(gitter.Row(), 3);
        QVERIFY(!gitter.NoInherited);
    }

    void zeile_automatisch_anhaengen()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s}, {u"1"_s}});
        gitter.SetRow(1);
        QVERIFY(!gitter.taste_runter());
        gitter.RowAddAuto = true;
        int gerufen = 0;
        gitter.setze_ereignisse({.OnRowAddAuto = [&](GitterModell &) {
            ++gerufen;
        }});
        QVERIFY(gitter.taste_runter());
        QCOMPARE(gitter.RowCount(), 3);
        QCOMPARE(gerufen, 1);
    }
};

QTEST_MAIN(TstGittermodell)
#include "tst_gittermodell.moc"
