#include "gitter_hilfe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

} // namespace

class TstGitterdatei : public QObject
{
    Q_OBJECT

    QTemporaryDir ordner;
    QString pfad(const QString &name) const { return ordner.filePath(name); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(ordner.isValid());
    }

    void beispieldatei_byte_fuer_byte()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"Name"_s, u"Nr"_s}, {u"Anna"_s, u"7"_s}});
        gitter.SetColWidths(0, 80);
        gitter.SetColWidths(1, 40);
        gitter.SetRow(1);
        gitter.SetCol(1);
        gitter.ModiDaten_True();
        gitter.SetFileName(pfad(u"beispiel.Tab"_s));
        QVERIFY(gitter.SaveToFile(true, 0));
        QVERIFY(!gitter.ModifiedDaten());
        QCOMPARE(lesen(gitter.FileName()),
                 QByteArray("1\n2\n2\n\n\nName\nNr\nAnna\n7\n0\n80\n40\n1\n1\n1\n1\n"));

        GitterModell geladen;
        geladen.setze_ansichts_breite(900); // widths from the file are not stretched
        geladen.SetFileName(gitter.FileName());
        QVERIFY(geladen.LoadFromFile(true, true, -1, 0));
        QCOMPARE(geladen.FileIstVersion(), 1);
        QCOMPARE(geladen.Rows(1).mid(0, 2), (QStringList{u"Anna"_s, u"7"_s}));
        QCOMPARE(geladen.ColWidths(0), 80);
        QCOMPARE(geladen.ColWidths(1), 40);
        QCOMPARE(geladen.Selection(), (TGridRect{1, 1, 1, 1}));
        QCOMPARE(geladen.Row(), 1);
    }

    void besondere_zellen_kommen_unveraendert_zurueck()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s, u"C"_s},
                                {u" "_s, u"Zeile 1\u00AFZeile 2"_s, u"Müßig 5 €"_s}});
        gitter.FileParam = QStringList{u"Datum=08.12.2026"_s, u"Ort=Köln"_s};
        gitter.SetFileName(pfad(u"besonders.Tab"_s));
        QVERIFY(gitter.SaveToFile());
        QVERIFY(lesen(gitter.FileName()).contains("Zeile 1\xAFZeile 2\nM\xFC\xDFig 5 \x80\n"));
        QVERIFY(lesen(gitter.FileName()).contains("\nDatum=08.12.2026\xAFOrt=K\xF6ln\xAF\n"));
        GitterModell geladen;
        geladen.SetFileName(gitter.FileName());
        QVERIFY(geladen.LoadFromFile());
        QCOMPARE(geladen.Rows(1).mid(0, 3), gitter.Rows(1));
        QCOMPARE(geladen.FileParam, gitter.FileParam);
    }

    void zeilenumbruch_in_zelle_verschiebt_nichts()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s}, {u"eins\r\nzwei"_s, u"x"_s}});
        gitter.SetFileName(pfad(u"umbruch.Tab"_s));
        QVERIFY(gitter.SaveToFile());
        GitterModell geladen;
        geladen.SetFileName(gitter.FileName());
        QVERIFY(geladen.LoadFromFile());
        QCOMPARE(geladen.Rows(1).mid(0, 2), (QStringList{u"eins\u00AFzwei"_s, u"x"_s}));
    }

    void drei_von_siebzehn_spalten_mit_information()
    {
        GitterModell gitter;
        gitter.SetColCount(17);
        gitter.ColInfo_Create(2)->Titel = u"Zwei"_s;
        gitter.ColInfo_Create(5)->Typ = u'I';
        gitter.ColInfo_Create(9)->Width = 33;
        gitter.SetFileName(pfad(u"siebzehn.Tab"_s));
        QVERIFY(gitter.SaveToFile());
        const QList<QByteArray> zeilen = lesen(gitter.FileName()).split('\n');
        const int n_zeile = 5 + 17 * 5;
        QCOMPARE(zeilen[n_zeile], QByteArray("17"));
        const QList<QByteArray> parameter = zeilen.mid(n_zeile + 1, 17);
        QCOMPARE(parameter.count(QByteArray()), 14);
        QVERIFY(parameter[9].contains("\xAB"
                                      "33\xAB"));

        GitterModell geladen;
        geladen.SetColCount(17);
        for (int c = 0; c < 17; ++c)
            geladen.ColInfo_Create(c);
        geladen.SetFileName(gitter.FileName());
        QVERIFY(geladen.LoadFromFile());
        for (int c = 0; c < 17; ++c)
            QCOMPARE(geladen.GetColInfo(c) != nullptr, c == 2 || c == 5 || c == 9);
        QCOMPARE(geladen.Cells(2, 0), u"Zwei"_s);
        QCOMPARE(geladen.GetColInfo(5)->Typ, QChar(u'I'));
        QCOMPARE(geladen.ColWidths(9), 33);
    }

    void kuerzere_datei_laesst_alte_zellen()
    {
        GitterModell kurz;
        kurz.SetColCount(1);
        kurz.SetRowCount(10);
        for (int r = 0; r < 10; ++r)
            kurz.SetCells(0, r, u"neu"_s);
        kurz.SetFileName(pfad(u"kurz.Tab"_s));
        QVERIFY(kurz.SaveToFile());
        GitterModell gitter;
        gitter.SetColCount(1);
        gitter.SetRowCount(22);
        for (int r = 0; r < 22; ++r)
            gitter.SetCells(0, r, u"alt"_s);
        gitter.SetFileName(kurz.FileName());
        QVERIFY(gitter.LoadFromFile());
        QCOMPARE(gitter.RowCount(), 22);
        QCOMPARE(gitter.Cells(0, 9), u"neu"_s);
        QCOMPARE(gitter.Cells(0, 10), u"alt"_s);
        QCOMPARE(gitter.Cells(0, 21), u"alt"_s);
    }

    void andere_version_laedt_nichts()
    {
        schreiben(pfad(u"v2.Tab"_s), "2\n1\n2\n\n\nX\nY\n");
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s}, {u"a"_s}});
        gitter.ModiDaten_True();
        gitter.SetFileName(pfad(u"v2.Tab"_s));
        QVERIFY(!gitter.LoadFromFile());
        QCOMPARE(gitter.FileIstVersion(), 2);
        QCOMPARE(gitter.Cols(0), (QStringList{u"A"_s, u"a"_s}));
        QVERIFY(gitter.ModifiedDaten()); // unsaved work stays marked
        QVERIFY(gitter.letzter_fehler().contains(u"Version 2"_s));
        gitter.SetFileName(pfad(u"fehlt.Tab"_s));
        QVERIFY(!gitter.LoadFromFile());
        QCOMPARE(gitter.FileIstVersion(), -1);
    }

    void crlf_wird_gelesen()
    {
        schreiben(pfad(u"crlf.Tab"_s), "1\r\n2\r\n2\r\n\r\n\r\nA\r\nB\r\na\r\n \r\n");
        GitterModell gitter;
        gitter.SetFileName(pfad(u"crlf.Tab"_s));
        QVERIFY(gitter.LoadFromFile());
        QCOMPARE(gitter.Rows(1).mid(0, 2), (QStringList{u"a"_s, u" "_s}));
    }

    void kaputte_dateien_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("ergebnis");
        QTest::addColumn<int>("hoechstens_zeilen");
        QTest::newRow("anzahl keine zahl") << QByteArray("1\nzwei\n2\n") << false << 5;
        QTest::newRow("negative anzahl") << QByteArray("1\n2\n-4\n") << false << 5;
        QTest::newRow("riesige zeilenzahl")
            << QByteArray("1\n2\n2000000000\n\n\na\nb\nc\n") << false << 5;
        QTest::newRow("riesige spaltenzahl")
            << QByteArray("1\n2000000000\n3\n\n\na\nb\nc\n") << false << 5;
        QTest::newRow("abgeschnitten") << QByteArray("1\n3\n40") << true << 40;
        QTest::newRow("leer") << QByteArray() << false << 5;
        QTest::newRow("breite keine zahl")
            << QByteArray("1\n1\n1\n\n\na\n0\nbreit\n") << false << 5;
        QTest::newRow("parameter kaputt") << QByteArray("1\n1\n1\n\n\na\n1\nT\xAB"
                                                        "3x\n")
                                          << false << 5;
        QTest::newRow("infozahl riesig") << QByteArray("1\n1\n1\n\n\na\n2000000000\n\xAB"
                                                       "37\n")
                                         << true << 5;
    }
    void kaputte_dateien()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, ergebnis);
        QFETCH(int, hoechstens_zeilen);
        schreiben(pfad(u"kaputt.Tab"_s), inhalt);
        GitterModell gitter;
        gitter.SetFileName(pfad(u"kaputt.Tab"_s));
        QCOMPARE(gitter.LoadFromFile(true, true), ergebnis);
        QVERIFY(gitter.RowCount() <= hoechstens_zeilen);
        QVERIFY(gitter.ColCount() <= 10);
        QCOMPARE(gitter.letzter_fehler().isEmpty(), ergebnis);
    }

    // A file damaged after its cells is refused whole: the grid keeps its cells, header list,
    // sort columns, column information and modified flag, and the message names the file.
    void beschaedigte_datei_laesst_das_gitter_wie_es_war_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("breite keine zahl") << QByteArray("1\n1\n2\nP=1\xAF\n0\nneu\nneu\n0\nx\n");
        QTest::newRow("parameter kaputt") << QByteArray("1\n1\n2\nP=1\xAF\n0\nneu\nneu\n1\nT\xAB"
                                                        "3x\n");
        QTest::newRow("auswahl kaputt")
            << QByteArray("1\n1\n2\nP=1\xAF\n0\nneu\nneu\n0\n50\n1\nzwei\n");
    }
    void beschaedigte_datei_laesst_das_gitter_wie_es_war()
    {
        QFETCH(QByteArray, inhalt);
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"T"_s}, {u"alt"_s}});
        gitter.ColInfoC(0)->Titel = u"T"_s;
        gitter.FileParam = QStringList{u"Q=2"_s};
        gitter.SetFileName(u"kaputt.Tab"_s);
        gitter.ModiDaten_True();
        QVERIFY(!gitter.aus_bytes_laden(inhalt, true, true, 1));
        QCOMPARE(gitter.Cols(0), (QStringList{u"T"_s, u"alt"_s}));
        QCOMPARE(gitter.FileParam, QStringList{u"Q=2"_s});
        QVERIFY(gitter.SortierCols().isEmpty());
        QCOMPARE(gitter.GetColInfo(0)->Titel, u"T"_s);
        QVERIFY(gitter.ModifiedDaten());
        QVERIFY(gitter.letzter_fehler().startsWith(u"Die Datei kaputt.Tab ist beschädigt"_s));
    }

    // The free reader and writer: what is written is read back as it was, without a grid.
    void schreiben_und_lesen_ohne_gitter()
    {
        Gitterdatei datei;
        datei.spalten = 2;
        datei.zeilen = 2;
        datei.kopfliste = {u"A=1"_s, u"B=2"_s};
        datei.sortier_spalten = u"Name;"_s;
        datei.spalten_parameter = QStringList{u"Name\u00AB37"_s, QString()};
        datei.auswahl = TGridRect{1, 0, 1, 1};
        Zellen zellen;
        zellen.setzen(0, 0, u"Name"_s);
        zellen.setzen(0, 1, u"Zwei\nZeilen"_s);
        zellen.setzen(1, 1, u" "_s);
        zellen.setzen(5, 5, u"außerhalb"_s);
        std::vector<int> zeilen_je_zelle;
        const QByteArray bytes = gitterdatei_schreiben(
            datei, zellen, [&](int zeile) { zeilen_je_zelle.push_back(zeile); });
        QCOMPARE(zeilen_je_zelle, (std::vector<int>{0, 0, 1, 1}));
        QVERIFY(!bytes.contains("außerhalb"));

        const GitterdateiErgebnis ergebnis =
            gitterdatei_lesen(bytes, 1, true, true, u'\u00AB', u"x.Tab"_s);
        QVERIFY2(ergebnis.gelesen(), qPrintable(ergebnis.fehler));
        QCOMPARE(ergebnis.ist_version, 1);
        QCOMPARE(ergebnis.datei.kopfliste, datei.kopfliste);
        QCOMPARE(ergebnis.datei.sortier_spalten, datei.sortier_spalten);
        QCOMPARE(ergebnis.datei.spalten_parameter, datei.spalten_parameter);
        QVERIFY(!ergebnis.datei.breiten);
        QCOMPARE(ergebnis.datei.auswahl, datei.auswahl);
        QCOMPARE(ergebnis.zellen.zelle(0, 1), u"Zwei\u00AFZeilen"_s);
        QCOMPARE(ergebnis.zellen.zelle(1, 1), u" "_s);
        QCOMPARE(ergebnis.zellen.zeilen(), size_t(2));
    }

    void waechst_auf_die_angegebene_groesse_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("ergebnis");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("weniger zellen als zeilen")
            << QByteArray("1\n2\n6\n\n\nA\nB\na\nb\n") << true << 2 << 6;
        QTest::newRow("nur der kopf") << QByteArray("1\n3\n40") << true << 3 << 40;
        QTest::newRow("an der grenze") << QByteArray("1\n4\n25000\n") << true << 4 << 25000;
        QTest::newRow("ueber der grenze") << QByteArray("1\n4\n25001\n") << false << 1 << 2;
        QTest::newRow("zeilen ohne spalten") << QByteArray("1\n0\n2000000000\n") << false << 1 << 2;
        QTest::newRow("zu viele spalten") << QByteArray("1\n10001\n1\n") << false << 1 << 2;
    }
    void waechst_auf_die_angegebene_groesse()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, ergebnis);
        QFETCH(int, spalten);
        QFETCH(int, zeilen);
        GitterModell gitter;
        gitter.SetColCount(1);
        gitter.SetRowCount(2);
        gitter.SetCells(0, 1, u"alt"_s);
        QCOMPARE(gitter.aus_bytes_laden(inhalt, true, false, 1), ergebnis);
        QCOMPARE(gitter.ColCount(), spalten);
        QCOMPARE(gitter.RowCount(), zeilen);
        QCOMPARE(gitter.letzter_fehler().contains(u"zu viele"_s), !ergebnis);
        QCOMPARE(gitter.Cells(0, 1), inhalt.startsWith("1\n2\n6\n") ? u"a"_s : u"alt"_s);
    }

    void fortschritt_beim_speichern_je_zelle_beim_laden_je_zeile()
    {
        GitterModell gitter;
        gitter_fuellen(gitter, {{u"A"_s, u"B"_s}, {u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}});
        gitter.WaitStep = 2;
        QList<QList<int>> meldungen;
        gitter.setze_ereignisse({.OnWait = [&](int nachricht, int phase, int wert) {
            meldungen.append({nachricht, phase, wert});
        }});
        gitter.SetFileName(pfad(u"fortschritt.Tab"_s));
        QVERIFY(gitter.SaveToFile(true, 1024));
        const QList<QList<int>> je_zelle{{1024, 0, 3}, {1024, 1, 0}, {1024, 1, 0},
                                         {1024, 1, 2}, {1024, 1, 2}, {1024, 2, 0}};
        QCOMPARE(meldungen, je_zelle);
        meldungen.clear();
        QVERIFY(gitter.LoadFromFile(true, false, -1, 1024));
        const QList<QList<int>> je_zeile{{1024, 0, 3}, {1024, 1, 0}, {1024, 1, 2}, {1024, 2, 0}};
        QCOMPARE(meldungen, je_zeile);
    }

    void nicht_schreibbar_aendert_nichts()
    {
        GitterModell gitter;
        gitter.ModiDaten_True();
        gitter.SetFileName(pfad(u"fehlt/ordner/x.Tab"_s));
        QVERIFY(!gitter.SaveToFile());
        QVERIFY(gitter.ModifiedDaten());
        QVERIFY(!gitter.letzter_fehler().isEmpty());
    }

    void austausch_als_text()
    {
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(gitter, {{u"X"_s, u"Y"_s}, {u"a"_s, u" b"_s}, {u"c"_s, QString()}});
        const QString text = gitter.ExportToParamStr(1, 0);
        QCOMPARE(text, u"a\u00ACb\u00AC\u00ABc\u00AC\u00AC"_s);
        QStringList liste;
        gitter.ExportToList(liste, u"#"_s, 0, 1);
        QCOMPARE(liste, (QStringList{u"Y#"_s, u"b#"_s, u"#"_s}));

        GitterModell ziel;
        ziel.SetFixedCols(0);
        ziel.SetColCount(1);
        ziel.SetRowCount(2);
        ziel.ImportFromParamStr(text, 1, 0);
        QCOMPARE(ziel.RowCount(), 3);
        QCOMPARE(ziel.ColCount(), 2);
        QCOMPARE(ziel.Rows(1), (QStringList{u"a"_s, u"b"_s}));
        QCOMPARE(ziel.Rows(2), (QStringList{u"c"_s, QString()}));
        ziel.ImportFromList({u"z\u00AC"_s}, -1, 1);
        QCOMPARE(ziel.Rows(3), (QStringList{QString(), u"z"_s}));
    }

    void zusammenfuehrendes_speichern()
    {
        // Column 0 key, column 1 edit time; this grid was loaded at time 10.
        GitterModell datei;
        datei.SetFixedCols(0);
        gitter_fuellen(datei, {{u"K"_s, u"Zeit"_s, u"Wert"_s},
                               {u"a"_s, u"20"_s, u"datei-neuer"_s},
                               {u"b"_s, u"5"_s, u"datei-alt"_s},
                               {u"c"_s, u"15"_s, u"anderswo-neu"_s}});
        datei.SetFileName(pfad(u"server.Tab"_s));
        QVERIFY(datei.SaveToFile());

        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(gitter, {{u"K"_s, u"Zeit"_s, u"Wert"_s},
                                {u"a"_s, u"12"_s, u"hier"_s},
                                {u"b"_s, u"12"_s, u"hier"_s},
                                {u"d"_s, u"3"_s, u"anderswo-geloescht"_s}});
        gitter.SetFileName(datei.FileName());
        QVERIFY(gitter.SaveToServerFile(0, 1, 10.0));
        QCOMPARE(spalte_lesen(gitter, 2),
                 (QStringList{u"datei-neuer"_s, u"hier"_s, u"anderswo-neu"_s}));
    }
};

QTEST_MAIN(TstGitterdatei)
#include "tst_gitterdatei.moc"
