#include "gitter_hilfe.h"
#include "grid/sortierschluessel.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>
#include <numeric>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// A grid with one title row, no title column and the given column of data.
void spalte_fuellen(GitterModell &gitter, QChar typ, const QStringList &werte)
{
    gitter.SetFixedCols(0);
    gitter.SetColCount(2);
    gitter.SetRowCount(int(werte.size()) + 1);
    gitter.SetCells(0, 0, u"Wert"_s);
    gitter.SetCells(1, 0, u"Nr"_s);
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
        QTest::newRow("zahl") << u"12,5"_s << QChar(u'I') << u"0000000012,5000"_s;
        QTest::newRow("negativ") << u"-3"_s << QChar(u'F') << u" 999999997,0000"_s;
        QTest::newRow("leer zahl") << QString() << QChar(u'C') << u"0000000000,0000"_s;
        QTest::newRow("datum") << u"8.12.2026 9:05"_s << QChar(u'd') << u"20261208090500"_s;
        QTest::newRow("datum leer") << QString() << QChar(u'D') << u"00000000000000"_s;
        QTest::newRow("zeit leer") << u" "_s << QChar(u'T') << u"00000000000000"_s;
        QTest::newRow("datum kaputt") << u" morgen "_s << QChar(u'D') << u"morgen"_s;
        QTest::newRow("marke") << u"\t"_s << QChar(u'M') << u"J              "_s;
        QTest::newRow("keine marke") << u"x"_s << QChar(u'M') << u"N              "_s;
        QTest::newRow("text") << u" Anna "_s << QChar(u' ') << u"Anna           "_s;
        QTest::newRow("langer text")
            << u"Maximilian-Alexander"_s << QChar(u'x') << u"Maximilian-Alexander"_s;
    }
    void schluessel()
    {
        QFETCH(QString, zelle);
        QFETCH(QChar, typ);
        QFETCH(QString, schluessel);
        QCOMPARE(sortierschluessel(zelle, typ), schluessel);
    }

    void raenge_folgen_der_kollation_data()
    {
        QTest::addColumn<QChar>("typ");
        QTest::newRow("zahlen") << QChar(u'F');
        QTest::newRow("texte") << QChar(u' ');
    }
    void raenge_folgen_der_kollation()
    {
        QFETCH(QChar, typ);
        std::vector<QString> schluessel;
        QRandomGenerator zufall(17);
        const QStringList woerter{u"a"_s, u"A"_s,      u"ä"_s,       u"Ä"_s,
                                  u"b"_s, u"Müller"_s, u"mueller"_s, u"Muller"_s,
                                  u"ß"_s, u"ss"_s,     u"Zander"_s,  QString()};
        for (int i = 0; i < 300; ++i) {
            const QString zelle =
                typ == u'F'
                    ? QString::number(zufall.bounded(-5000, 5000) / 7.0, 'f', 3).replace(u'.', u',')
                    : woerter[zufall.bounded(int(woerter.size()))];
            schluessel.push_back(sortierschluessel(zelle, typ));
        }
        const std::vector<int> raenge = schluessel_raenge(schluessel);
        QCollator kollator{QLocale()};
        kollator.setCaseSensitivity(Qt::CaseInsensitive);
        for (size_t i = 0; i < schluessel.size(); ++i) {
            for (size_t j = 0; j < schluessel.size(); ++j) {
                const int vergleich = kollator.compare(schluessel[i], schluessel[j]);
                const int rang = raenge[i] - raenge[j];
                QVERIFY2((vergleich > 0) - (vergleich < 0) == (rang > 0) - (rang < 0),
                         qPrintable(schluessel[i] + u" : "_s + schluessel[j]));
            }
        }
        QCOMPARE(*std::max_element(raenge.begin(), raenge.end()) + 1,
                 int(std::set<int>(raenge.begin(), raenge.end()).size()));
    }

    // Keys kept from earlier sorts rank as keys built afresh, while texts come and go, and no
    // more are kept than allowed.
    void behaltene_kollationen_ranken_wie_neue()
    {
        const QStringList woerter{u"a"_s, u"Ä"_s, u"Müller"_s, u"mueller"_s, u"ß"_s, u"ss"_s};
        QRandomGenerator zufall(5);
        Kollationen kollationen;
        for (int runde = 0; runde < 30; ++runde) {
            std::vector<QString> schluessel;
            for (int i = 0; i < 40; ++i) {
                const QString text = woerter[zufall.bounded(int(woerter.size()))] +
                                     QString::number(zufall.bounded(runde + 2));
                schluessel.push_back(sortierschluessel(text, u' '));
            }
            QCOMPARE(kollationen.raenge(schluessel, 60), schluessel_raenge(schluessel));
            QVERIFY(kollationen.anzahl() <= 60);
        }
    }

    // A cell keeps its key while its text stays; a text changed, also in place and to the same
    // length, sorts by its new value, and no more keys are kept than allowed.
    void behaltene_zellschluessel_folgen_dem_text()
    {
        const QStringList woerter{u"a"_s, u"Ä"_s, u"Müller"_s, u"mueller"_s, u"ß"_s, u"ss"_s};
        QRandomGenerator zufall(9);
        QCollator kollator{QLocale()};
        kollator.setCaseSensitivity(Qt::CaseInsensitive);
        const std::vector<SortFeld> felder{{1, u' ', true}};
        constexpr int zeilen = 40;
        Zellen zellen;
        Kollationen kollationen;
        for (int runde = 0; runde < 30; ++runde) {
            for (int i = 0; i < 8; ++i)
                zellen.setzen(1, zufall.bounded(zeilen),
                              woerter[zufall.bounded(int(woerter.size()))] +
                                  QString::number(zufall.bounded(3)));
            Zellen::Zeile &vor_ort = zellen.zeile(zufall.bounded(zeilen));
            if (vor_ort.size() > 1 && !vor_ort[1].isEmpty())
                vor_ort[1][0] = u'z';

            std::vector<int> erwartet(zeilen);
            std::iota(erwartet.begin(), erwartet.end(), 0);
            std::stable_sort(erwartet.begin(), erwartet.end(), [&](int a, int b) {
                return kollator.compare(sortierschluessel(zellen.zelle(1, a), u' '),
                                        sortierschluessel(zellen.zelle(1, b), u' ')) < 0;
            });
            QCOMPARE(zeilen_ordnen(zellen, 0, zeilen, felder, {}, kollationen, 60), erwartet);
            // Descending: equal keys in row order all the same.
            std::sort(erwartet.begin(), erwartet.end(), [&](int a, int b) {
                const int vergleich = kollator.compare(sortierschluessel(zellen.zelle(1, a), u' '),
                                                       sortierschluessel(zellen.zelle(1, b), u' '));
                return vergleich != 0 ? vergleich > 0 : a < b;
            });
            QCOMPARE(zeilen_ordnen(zellen, 0, zeilen, felder, {}, kollationen, 60, false),
                     erwartet);
            QVERIFY(kollationen.anzahl() <= 60);
        }
    }

    void geaenderter_text_sortiert_nach_seinem_neuen_wert()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"Cäsar"_s, u"Anton"_s, u"Berta"_s});
        gitter.Sortiere(u"0;"_s, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"Anton"_s, u"Berta"_s, u"Cäsar"_s}));
        gitter.SetCells(0, 1, u"Ödön"_s);
        gitter.Sortiere(u"0;"_s, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"Berta"_s, u"Cäsar"_s, u"Ödön"_s}));
    }

    void sortieren_nach_typ_data()
    {
        QTest::addColumn<QChar>("typ");
        QTest::addColumn<QStringList>("werte");
        QTest::addColumn<bool>("aufsteigend");
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("ganzzahl") << QChar(u'I') << QStringList{u"10"_s, u"9"_s, QString(), u"-3"_s}
                                  << true << QStringList{u"-3"_s, u" "_s, u"9"_s, u"10"_s};
        QTest::newRow("kommazahlen")
            << QChar(u'F') << QStringList{u"2,5"_s, u"-0,5"_s, u"1.000"_s, QString(), u"10,25"_s}
            << true << QStringList{u"-0,5"_s, u" "_s, u"2,5"_s, u"10,25"_s, u"1.000"_s};
        QTest::newRow("grosse zahlen")
            << QChar(u'I')
            << QStringList{u"1000000000000"_s, u"90000000000"_s, u"-2000000000"_s, u"-5"_s} << true
            << QStringList{u"-2000000000"_s, u"-5"_s, u"90000000000"_s, u"1000000000000"_s};
        QTest::newRow("text stabil") << QChar(u' ') << QStringList{u"b"_s, u"A"_s, u"a"_s} << true
                                     << QStringList{u"A"_s, u"a"_s, u"b"_s};
        QTest::newRow("text absteigend") << QChar(u' ') << QStringList{u"b"_s, u"A"_s, u"a"_s}
                                         << false << QStringList{u"b"_s, u"A"_s, u"a"_s};
        QTest::newRow("umlaute") << QChar(u' ') << QStringList{u"Zander"_s, u"Öztürk"_s, u"Otto"_s}
                                 << true << QStringList{u"Otto"_s, u"Öztürk"_s, u"Zander"_s};
        QTest::newRow("datum") << QChar(u'D')
                               << QStringList{u"01.02.2026"_s, u"31.12.2025"_s, QString()} << true
                               << QStringList{u" "_s, u"31.12.2025"_s, u"01.02.2026"_s};
        QTest::newRow("marke") << QChar(u'M') << QStringList{u"\t"_s, QString(), u"\t"_s} << false
                               << QStringList{u" "_s, u"\t"_s, u"\t"_s};
    }
    void sortieren_nach_typ()
    {
        QFETCH(QChar, typ);
        QFETCH(QStringList, werte);
        QFETCH(bool, aufsteigend);
        QFETCH(QStringList, ergebnis);
        GitterModell gitter;
        spalte_fuellen(gitter, typ, werte);
        gitter.Sortiere(u"0;"_s, false, 0, aufsteigend);
        QCOMPARE(werte_nach_sortierung(gitter), ergebnis);
        QCOMPARE(gitter.sort_felder().size(), size_t(1));
        QCOMPARE(gitter.sort_felder().front().aufsteigend, aufsteigend);
    }

    // Against the rule itself: the key texts of all fields joined, compared by the collation,
    // rows with equal keys in their order before (turned round when descending).
    void sortiert_wie_die_schluesseltexte_data()
    {
        QTest::addColumn<QString>("typen");
        QTest::addColumn<QString>("spalten");
        QTest::addColumn<bool>("aufsteigend");
        QTest::newRow("text") << u"   "_s << u"0"_s << true;
        QTest::newRow("text absteigend") << u"   "_s << u"0"_s << false;
        QTest::newRow("zwei texte") << u"   "_s << u"1;0;"_s << true;
        QTest::newRow("zahl und text") << u"I  "_s << u"0;1;"_s << true;
        QTest::newRow("zwei zahlen") << u"IF "_s << u"1;0;"_s << false;
        QTest::newRow("datum zahl text") << u"DI "_s << u"0;1;2;"_s << true;
        QTest::newRow("spalte ausserhalb") << u"   "_s << u"7;0"_s << true;
    }
    void sortiert_wie_die_schluesseltexte()
    {
        QFETCH(QString, typen);
        QFETCH(QString, spalten);
        QFETCH(bool, aufsteigend);
        const QStringList texte{u"a"_s,       u"A"_s, u"ä"_s,  u"b"_s,    u"Müller"_s,
                                u"mueller"_s, u"ß"_s, u"ss"_s, QString(), u" x"_s};
        const QStringList daten{u"1.2.2026"_s, u"01.02.2026"_s, u"31.12.2025 10:00"_s, u"morgen"_s,
                                QString()};
        QRandomGenerator zufall(4711);
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter.SetColCount(4);
        gitter.SetRowCount(301);
        for (int c = 0; c < 3; ++c) {
            gitter.ColInfoC(c)->Typ = typen[c];
            for (int r = 1; r < gitter.RowCount(); ++r) {
                const QChar typ = typen[c];
                gitter.SetCells(c, r,
                                typ == u'D'   ? daten[zufall.bounded(int(daten.size()))]
                                : typ == u' ' ? texte[zufall.bounded(int(texte.size()))]
                                              : QString::number(zufall.bounded(-3, 4)));
            }
        }
        for (int r = 1; r < gitter.RowCount(); ++r)
            gitter.SetCells(3, r, QString::number(r));

        QCollator kollator{QLocale()};
        kollator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<std::pair<QString, QStringList>> zeilen;
        for (int r = 1; r < gitter.RowCount(); ++r) {
            QString schluessel;
            for (const QString &spalte : spalten.split(u';', Qt::SkipEmptyParts)) {
                const int c = spalte.toInt();
                schluessel += sortierschluessel(gitter.Cells(c, r), c < 3 ? typen[c] : QChar(u' '));
            }
            zeilen.emplace_back(schluessel, gitter.Rows(r));
        }
        std::stable_sort(zeilen.begin(), zeilen.end(), [&](const auto &a, const auto &b) {
            const int vergleich = kollator.compare(a.first, b.first);
            return aufsteigend ? vergleich < 0 : vergleich > 0;
        });

        gitter.Sortiere(spalten, false, 0, aufsteigend);
        for (int r = 1; r < gitter.RowCount(); ++r) {
            QStringList erwartet = zeilen[size_t(r - 1)].second;
            for (QString &zelle : erwartet) {
                if (zelle.isEmpty())
                    zelle = u" "_s;
            }
            QCOMPARE(gitter.Rows(r), erwartet);
        }
    }

    void leeres_datum_vor_jedem_datum_auch_vor_weiterem_feld()
    {
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(gitter,
                       {{u"Datum"_s, u"Name"_s}, {u"01.02.2026"_s, u"a"_s}, {QString(), u"b"_s}});
        gitter.ColInfoC(0)->Typ = u'D';
        gitter.Sortiere(u"0;1;"_s, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter, 1), (QStringList{u"b"_s, u"a"_s}));
    }

    void datum_ohne_jahr_sortiert_im_jahr_von_heute_data()
    {
        QTest::addColumn<int>("jahr");
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("danach") << 2031 << QStringList{u"1.6.2030"_s, u"1.3."_s};
        QTest::newRow("davor") << 2029 << QStringList{u"1.3."_s, u"1.6.2030"_s};
    }
    void datum_ohne_jahr_sortiert_im_jahr_von_heute()
    {
        QFETCH(int, jahr);
        QFETCH(QStringList, ergebnis);
        GitterModell gitter;
        gitter.setze_heute([jahr] { return QDate(jahr, 7, 1); });
        spalte_fuellen(gitter, u'D', {u"1.3."_s, u"1.6.2030"_s});
        gitter.Sortiere(u"0"_s, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), ergebnis);
    }

    void ohne_spaltennummern_bleibt_die_reihenfolge()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u'I', {u"3"_s, QString(), u"1"_s});
        gitter.Sortiere(QString(), false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"3"_s, u" "_s, u"1"_s}));
        QVERIFY(gitter.sort_felder().empty());
    }

    // Rows with equal keys keep the order they had, whichever way and however often it sorts.
    void gleiche_schluessel_bleiben_in_ihrer_folge_data()
    {
        QTest::addColumn<QChar>("typ");
        QTest::addColumn<QList<bool>>("richtungen");
        QTest::addColumn<QStringList>("zeilen");
        const QStringList auf{u"1"_s, u"3"_s, u"2"_s, u"4"_s};
        const QStringList ab{u"2"_s, u"4"_s, u"1"_s, u"3"_s};
        QTest::newRow("auf") << QChar(u'I') << QList<bool>{true} << auf;
        QTest::newRow("ab") << QChar(u'I') << QList<bool>{false} << ab;
        QTest::newRow("auf, ab") << QChar(u'I') << QList<bool>{true, false} << ab;
        QTest::newRow("auf, ab, auf") << QChar(u'I') << QList<bool>{true, false, true} << auf;
        QTest::newRow("ab, ab") << QChar(u'I') << QList<bool>{false, false} << ab;
        QTest::newRow("text ab, auf") << QChar(u' ') << QList<bool>{false, true} << auf;
    }
    void gleiche_schluessel_bleiben_in_ihrer_folge()
    {
        QFETCH(QChar, typ);
        QFETCH(QList<bool>, richtungen);
        QFETCH(QStringList, zeilen);
        GitterModell gitter;
        spalte_fuellen(gitter, typ, {u"1"_s, u"2"_s, u"1"_s, u"2"_s});
        for (bool aufsteigend : richtungen)
            gitter.Sortiere(u"0"_s, false, 0, aufsteigend);
        QCOMPARE(werte_nach_sortierung(gitter, 1), zeilen);
    }

    void aktuelle_zeile_folgt_ihrem_inhalt()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"c"_s, u"a"_s, u"b"_s});
        gitter.SetRow(1);
        gitter.Sortiere(u"0"_s, true, 0, true);
        QCOMPARE(gitter.Row(), 3);
        QCOMPARE(gitter.Cells(0, gitter.Row()), u"c"_s);
    }

    void umbruchspalten_bleiben_mehrzeilig()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"b\nzwei"_s, u"a"_s});
        gitter.ColInfoC(0)->DatAlign = 36 | ausrichtung_umbruch;
        gitter.Sortiere(u"0"_s, false, 0, true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"a"_s, u"b\nzwei"_s}));
    }

    void konfigurierte_sortierung()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u'I', {u"3"_s, u"1"_s, u"2"_s});
        int meldungen = 0;
        QStringList gesehen;
        gitter.setze_ereignisse(
            {.OnSort = [&](GitterModell &, QString &spalten) { gesehen << spalten; },
             .OnChange =
                 [&](GitterModell &) {
                     ++meldungen;
                 }});
        gitter.SetSortierCols(u"fehlt;wert;"_s);
        QCOMPARE(meldungen, 0); // sorting is off
        gitter.SortDirection = sdAbsteigend;
        gitter.SetSortierenEd(true);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"3"_s, u"2"_s, u"1"_s}));
        QCOMPARE(gesehen, QStringList{u"0;"_s});
        QCOMPARE(meldungen, 1);
        gitter.SetSortierCols(u"fehlt;"_s);
        QCOMPARE(gesehen.size(), 1);
        QCOMPARE(meldungen, 2);
        GitterEreignisse ereignisse = gitter.ereignisse();
        ereignisse.OnSort = [](GitterModell &, QString &spalten) {
            spalten.clear();
        };
        gitter.setze_ereignisse(std::move(ereignisse));
        gitter.SetSortierCols(u"Nr;"_s);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"3"_s, u"2"_s, u"1"_s}));
    }

    void titelklick_wechselt_richtung()
    {
        GitterModell gitter;
        spalte_fuellen(gitter, u' ', {u"b"_s, u"c"_s, u"a"_s});
        int meldungen = 0;
        gitter.setze_ereignisse({.OnChange = [&](GitterModell &) {
            ++meldungen;
        }});
        gitter.titel_klick_sortieren(0);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
        gitter.titel_klick_sortieren(0);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"c"_s, u"b"_s, u"a"_s}));
        QVERIFY(!gitter.sort_felder().front().aufsteigend);
        gitter.titel_klick_sortieren(0);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
        gitter.ClearGrid(false);
        gitter.SetCells(0, 1, u"y"_s);
        gitter.SetCells(0, 2, u"x"_s);
        gitter.titel_klick_sortieren(0); // the alternation goes on after ClearGrid
        QCOMPARE(werte_nach_sortierung(gitter).mid(0, 2), (QStringList{u"y"_s, u"x"_s}));
        QCOMPARE(meldungen, 0);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("groesser gleich") << u"Nr.>=5"_s << QStringList{u"Meier"_s, u"Meiser"_s};
        QTest::newRow("enthaelt und nicht")
            << u"Name~Mei;not Ort=Berlin"_s << QStringList{u"Meier"_s, u"Meiser"_s};
        QTest::newRow("ungleich") << u"Ort<>Berlin"_s
                                  << QStringList{u"Meier"_s, u"Meiser"_s, u"Kahn"_s};
        QTest::newRow("kleiner") << u" nr. < 5 "_s << QStringList{u"Meinert"_s, u"Kahn"_s};
        QTest::newRow("ohne operator")
            << u"Name"_s << QStringList{u"Meinert"_s, u"Meier"_s, u"Meiser"_s, u"Kahn"_s};
    }
    void filter()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, namen);
        GitterModell gitter;
        gitter.SetFixedCols(0);
        gitter_fuellen(gitter, {{u"Nr."_s, u"Name"_s, u"Ort"_s},
                                {u"4"_s, u"Meinert"_s, u"Berlin"_s},
                                {u"5"_s, u"Meier"_s, u"Bonn"_s},
                                {u"12"_s, u"Meiser"_s, u"Köln"_s},
                                {u"1"_s, u"Kahn"_s, u"Essen"_s}});
        gitter.ColInfoC(0)->Typ = u'I';
        gitter.SetFilterEd(true);
        gitter.SetFilter(filter);
        const QStringList alle = {u"Meinert"_s, u"Meier"_s, u"Meiser"_s, u"Kahn"_s};
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
        GitterModell gitter;
        spalte_fuellen(gitter, u'I', {u"1"_s, u"2"_s});
        QCOMPARE(gitter.SetFilterEd(true), QString());
        QCOMPARE(gitter.SetFilter(u"Wert>1;Ort=Bonn"_s),
                 u"Fehler beim Auflösen von Filter: Wert>1;Ort=Bonn"_s);
        QCOMPARE(werte_nach_sortierung(gitter), (QStringList{u"1"_s, u"2"_s}));
        QCOMPARE(gitter.RowFind(u"Wert=2"_s), 2);
        QCOMPARE(gitter.RowFind(u"Wert=2"_s, 3), -1);
        QCOMPARE(gitter.RowFind(u"Wert"_s), -1);
        QCOMPARE(gitter.SetFilter(u"Wert>1"_s), QString());
        QCOMPARE(werte_nach_sortierung(gitter), QStringList{u"2"_s});
    }
};

QTEST_MAIN(TstSortierung)
#include "tst_sortierung.moc"
