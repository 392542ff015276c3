#include "gitter_hilfe.h"
#include "grid/sortierschluessel.h"
#include "test_plattform.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// A grid with one title row, no title column and the given column of data.
void spalte_fuellen(GitterModell &gitter, QChar typ, const QStringList &werte)
{
    gitter.SetFixedCols(0);
    gitter.SetColCount(2);
    gitter.SetRowCount(int(werte.size()) + 1);
    gitter.SetCells(0, 0, u"Wert"_qs);
    gitter.SetCells(1, 0, u"Nr"_qs);
    for (int i = 0; i < werte.size(); ++i) {
        gitter.SetCells(0, i + 1, werte[i]);
        gitter.SetCells(1, i + 1, QString::number(i + 1));
    }
    gitter.ColInfoC(0)->Typ = typ;
}

QStringList werte_nach_sortierung(const GitterModell &gitter, int spalte = 0)
{
    QStringList werte;
    for (int r = gitter.FixedRows(); r < gitter.RowCount(); ++r)
        werte << gitter.Cells(spalte, r);
    return werte;
}

} // namespace

class TstSortierung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void schluessel_data()
    {
        QTest::addColumn<QString>("zelle");
        QTest::addColumn<QChar>("typ");
        QTest::addColumn<QString>("schluessel");
        QTest::newRow("zahl") << u"12,5"_qs << QChar(u'I') << u"0000000012,5000"_qs;
        QTest::newRow("negativ") << u"-3"_qs << QChar(u'F') << u" 999999997,0000"_qs;
        QTest::newRow("leer zahl") << QString() << QChar(u'C') << u"0000000000,0000"_qs;
        QTest::newRow("datum") << u"8.12.2026 9:05"_qs << QChar(u'd') << u"20261208090500"_qs;
        QTest::newRow("datum leer") << QString() << QChar(u'D') << u"00000000000000"_qs;
        QTest::newRow("zeit leer") << u" "_qs << QChar(u'T') << u"00000000000000"_qs;
        QTest::newRow("datum kaputt") << u" morgen "_qs << QChar(u'D') << u"morgen"_qs;
        QTest::newRow("marke") << u"\t"_qs << QChar(u'M') << u"J              "_qs;
        QTest::newRow("keine marke") << u"x"_qs << QChar(u'M') << u"N              "_qs;
        QTest::newRow("text") << u" Anna "_qs << QChar(u' ') << u"Anna           "_qs;
        QTest::newRow("langer text")
            << u"Maximilian-Alexander"_qs << QChar(u'x') << u"Maximilian-Alexander"_qs;
    }
    void schluessel()
    {
        QFETCH(QString, zelle);
        QFETCH(QChar, typ);
        QFETCH(QString, schluessel);
        QCOMPARE(sortierschluessel(zelle, typ), schluessel);
    }

    void zahlenschluessel_ordnen_wie_die_kollation()
    {
        std::vector<QString> schluessel;
        QRandomGenerator zufall(17);
        for (int i = 0; i < 400; ++i)
            schluessel.push_back(sortierschluessel(
                QString::number(zufall.bounded(-5000, 5000) / 7.0, 'f', 3).replace(u'.', u','),
                u'F'));
        const std::vector<int> folge = schluessel_ordnen(schluessel);
        QCollator kollator{QLocale()};
        kollator.setCaseSensitivity(Qt::CaseInsensitive);
        for (size_t i = 1; i < folge.size(); ++i) {
            const QString &vorher = schluessel[size_t(folge[i - 1])];
            const QString &nachher = schluessel[size_t(folge[i])];
            QVERIFY2(kollator.compare(vorher, nachher) <= 0,
                     qPrintable(vorher + u" > "_qs + nachher));
        }
    }

    void sortieren_nach_typ_data()
    {
        QTest::addColumn<QChar>("typ");
        QTest::addColumn<QStringList>("werte");
        QTest::addColumn<bool>("aufsteigend");
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("ganzzahl") << QChar(u'I')
                                  << QStringList{u"10"_qs, u"9"_qs, QString(), u"-3"_qs} << true
                                  << QStringList{u"-3"_qs, u" "_qs, u"9"_qs, u"10"_qs};
        QTest::newRow("kommazahlen")
            << QChar(u'F')
            << QStringList{u"2,5"_qs, u"-0,5"_qs, u"1.000"_qs, QString(), u"10,25"_qs} << true
            << QStringList{u"-0,5"_qs, u" "_qs, u"2,5"_qs, u"10,25"_qs, u"1.000"_qs};
        QTest::newRow("grosse zahlen")
            << QChar(u'I')
            << QStringList{u"1000000000000"_qs, u"90000000000"_qs, u"-2000000000"_qs, u"-5"_qs}
            << true
            << QStringList{u"-2000000000"_qs, u"-5"_qs, u"90000000000"_qs, u"1000000000000"_qs};
        QTest::newRow("text stabil") << QChar(u' ') << QStringList{u"b"_qs, u"A"_qs, u"a"_qs}
                                     << true << QStringList{u"A"_qs, u"a"_qs, u"b"_qs};
        QTest::newRow("text absteigend") << QChar(u' ') << QStringList{u"b"_qs, u"A"_qs, u"a"_qs}
                                         << false << QStringList{u"b"_qs, u"a"_qs, u"A"_qs};
        QTest::newRow("umlaute") << QChar(u' ')
                                 << QStringList{u"Zander"_qs, u"Öztürk"_qs, u"Otto"_qs} << true
                                 << QStringList{u"Otto"_qs, u"Öztürk"_qs, u"Zander"_qs};
        QTest::newRow("datum") << QChar(u'D')
                               << QStringList{u"01.02.2026"_qs, u"31.12.2025"_qs, QString()} << true
                               << QStringList{u" "_qs, u"31.12.2025"_qs, u"01.02.2026"_qs};
        QTest::newRow("marke") << QChar(u'M') << QStringList{u"\t"_qs, QString(), u"\t"_qs} << false
                               << QStringList{u" "_qs, u"\t"_qs, u"\t"_qs};
    }
    void sortieren_nach_typ()
    {
        QFETCH(QChar, typ);
        QFETCH(QStringList, werte);
        QFETCH(bool, aufsteigend);
        QFETCH(QStringList, ergebnis);
        GitterModell gitter;
        spalte_fuellen(gitter, typ, werte);
        gitter.Sortiere(u"0;"_qs, false, 0, aufsteigend);
        QCOMPARE(werte_nach_sortierung(gitter), ergebnis);
        QCOMPARE(gitter.sort_felder().size(), size_t(1));
        QCOMPARE(gitter.sort_felder().front().aufsteigend, aufsteigend);
    }

    void leeres_datum_vor_jedem_datum_auch_vor_weiterem_feld()
    {
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(
            gitter, {{u"Datum"_qs, u"Name"_qs}, {u"01.02.2026"_qs, u"a"_qs}, {QString(), u"b"_qs}});
        gitter.ColInfoC(0)->Typ = u'D';
        gitter.Sortiere(u"0;1;"_qs, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter, 1), (QStringList{u"b"_qs, u"a"_qs}));
    }

    void ohne_spaltennummern_bleibt_die_reihenfolge()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u'I', {u"3"_qs, QString(), u"1"_qs});
        gitter.Sortiere(QString(), false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"3"_qs, u" "_qs, u"1"_qs}));
        QVERIFY(gitter.sort_felder().empty());
    }

    void gleiche_schluessel_absteigend_umgekehrt()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u'I', {u"1"_qs, u"2"_qs, u"1"_qs, u"2"_qs});
        gitter.Sortiere(u"0"_qs, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter, 1),
                 (QStringList{u"1"_qs, u"3"_qs, u"2"_qs, u"4"_qs}));
        gitter.Sortiere(u"0"_qs, false, 0, false);
        QCOMPARE(werte_nach_sortierung(gitter, 1),
                 (QStringList{u"4"_qs, u"2"_qs, u"3"_qs, u"1"_qs}));
    }

    void aktuelle_zeile_folgt_ihrem_inhalt()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"c"_qs, u"a"_qs, u"b"_qs});
        gitter.SetRow(1);
        gitter.Sortiere(u"0"_qs, true, 0, true);
        QCOMPARE(gitter.Row(), 3);
        QCOMPARE(gitter.Cells(0, gitter.Row()), u"c"_qs);
    }

    void umbruchspalten_bleiben_mehrzeilig()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"b\nzwei"_qs, u"a"_qs});
        gitter.ColInfoC(0)->DatAlign = 36 | ausrichtung_umbruch;
        gitter.Sortiere(u"0"_qs, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"a"_qs, u"b\nzwei"_qs}));
    }

    void konfigurierte_sortierung()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u'I', {u"3"_qs, u"1"_qs, u"2"_qs});
        int meldungen = 0;
        QStringList gesehen;
        gitter.OnChange = [&](GitterModell &) {
            ++meldungen;
        };
        gitter.OnSort = [&](GitterModell &, QString &spalten) {
            gesehen << spalten;
        };
        gitter.SetSortierCols(u"fehlt;wert;"_qs);
        QCOMPARE(meldungen, 0); // sorting is off
        gitter.SortDirection = sdAbsteigend;
        gitter.SetSortierenEd(true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"3"_qs, u"2"_qs, u"1"_qs}));
        QCOMPARE(gesehen, QStringList{u"0;"_qs});
        QCOMPARE(meldungen, 1);
        gitter.SetSortierCols(u"fehlt;"_qs);
        QCOMPARE(gesehen.size(), 1);
        QCOMPARE(meldungen, 2);
        gitter.OnSort = [](GitterModell &, QString &spalten) {
            spalten.clear();
        };
        gitter.SetSortierCols(u"Nr;"_qs);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"3"_qs, u"2"_qs, u"1"_qs}));
    }

    void titelklick_wechselt_richtung()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"b"_qs, u"c"_qs, u"a"_qs});
        int meldungen = 0;
        gitter.OnChange = [&](GitterModell &) {
            ++meldungen;
        };
        gitter.titel_klick_sortieren(0);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs}));
        gitter.titel_klick_sortieren(0);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"c"_qs, u"b"_qs, u"a"_qs}));
        QVERIFY(!gitter.sort_felder().front().aufsteigend);
        gitter.titel_klick_sortieren(0);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs}));
        gitter.ClearGrid(false);
        gitter.SetCells(0, 1, u"y"_qs);
        gitter.SetCells(0, 2, u"x"_qs);
        gitter.titel_klick_sortieren(0); // the alternation goes on after ClearGrid
        QCOMPARE(werte_nach_sortierung(gitter).mid(0, 2), (QStringList{u"y"_qs, u"x"_qs}));
        QCOMPARE(meldungen, 0);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("groesser gleich") << u"Nr.>=5"_qs << QStringList{u"Meier"_qs, u"Meiser"_qs};
        QTest::newRow("enthaelt und nicht")
            << u"Name~Mei;not Ort=Berlin"_qs << QStringList{u"Meier"_qs, u"Meiser"_qs};
        QTest::newRow("ungleich") << u"Ort<>Berlin"_qs
                                  << QStringList{u"Meier"_qs, u"Meiser"_qs, u"Kahn"_qs};
        QTest::newRow("kleiner") << u" nr. < 5 "_qs << QStringList{u"Meinert"_qs, u"Kahn"_qs};
        QTest::newRow("ohne operator")
            << u"Name"_qs << QStringList{u"Meinert"_qs, u"Meier"_qs, u"Meiser"_qs, u"Kahn"_qs};
    }
    void filter()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, namen);
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(gitter, {{u"Nr."_qs, u"Name"_qs, u"Ort"_qs},
                                {u"4"_qs, u"Meinert"_qs, u"Berlin"_qs},
                                {u"5"_qs, u"Meier"_qs, u"Bonn"_qs},
                                {u"12"_qs, u"Meiser"_qs, u"Köln"_qs},
                                {u"1"_qs, u"Kahn"_qs, u"Essen"_qs}});
        gitter.ColInfoC(0)->Typ = u'I';
        gitter.SetFilterEd(true);
        gitter.SetFilter(filter);
        const QStringList alle = {u"Meinert"_qs, u"Meier"_qs, u"Meiser"_qs, u"Kahn"_qs};
        // A condition string without any condition lets every row stay.
        QCOMPARE(werte_nach_sortierung(gitter, 1), namen);
        gitter.SetFilter(QString());
        QStringList zurueck = werte_nach_sortierung(gitter, 1);
        QCOMPARE(zurueck.size(), 4);
        QCOMPARE(QSet<QString>(zurueck.begin(), zurueck.end()),
                 QSet<QString>(alle.begin(), alle.end()));
        QCOMPARE(zurueck.mid(0, namen.size()), namen); // the others come back at the end
    }

    void unbekannte_spalte_meldet_und_filtert_nicht()
    {
        TestPlattform plattform;
        GitterModell gitter;
        gitter.setze_plattform(&plattform);
        spalte_fuellen(gitter, u'I', {u"1"_qs, u"2"_qs});
        gitter.SetFilterEd(true);
        gitter.SetFilter(u"Wert>1;Ort=Bonn"_qs);
        QCOMPARE(plattform.texte(),
                 QStringList{u"Fehler beim Auflösen von Filter: Wert>1;Ort=Bonn"_qs});
        QCOMPARE(plattform.meldungen.front().art, TestPlattform::Meldung::Fehler);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"1"_qs, u"2"_qs}));
        QCOMPARE(gitter.RowFind(u"Wert=2"_qs), 2);
        QCOMPARE(gitter.RowFind(u"Wert=2"_qs, 3), -1);
        QCOMPARE(gitter.RowFind(u"Wert"_qs), -1);
    }
};

QTEST_MAIN(TstSortierung)
#include "tst_sortierung.moc"
