#include "storage/csv_leser.h"
#include "storage/csv_schreiben.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Zeilen = QList<QStringList>;

class TstCsvLeser : public QObject
{
    Q_OBJECT

private slots:
    void liest_wie_tabellenprogramme_schreiben_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Zeilen>("zeilen");
        QTest::addColumn<char>("trenner");
        QTest::addColumn<bool>("utf8");

        QTest::newRow("BOM, Semikolon, CR LF")
            << QByteArray("\xEF\xBB\xBFName;Vorname\r\nM\xC3\xBCller;J\xC3\xBCrgen\r\n")
            << Zeilen{{u"Name"_s, u"Vorname"_s}, {u"Müller"_s, u"Jürgen"_s}} << ';' << true;
        QTest::newRow("UTF-8 ohne BOM")
            << QByteArray("Stra\xC3\x9F"
                          "e;Ort\n\xE2\x82\xAC;x")
            << Zeilen{{u"Straße"_s, u"Ort"_s}, {u"€"_s, u"x"_s}} << ';' << true;
        QTest::newRow("Windows-1252")
            << QByteArray("Stra\xDF"
                          "e;Ort\n\x80;G\xF6ttingen\n")
            << Zeilen{{u"Straße"_s, u"Ort"_s}, {u"€"_s, u"Göttingen"_s}} << ';' << false;
        // A valid start in the first line does not make a later Windows byte UTF-8.
        QTest::newRow("Windows-1252 spät")
            << QByteArray("\xC3\xA4;b\nK\xF6ln;c\n")
            << Zeilen{{u"Ã¤"_s, u"b"_s}, {u"Köln"_s, u"c"_s}} << ';' << false;
        QTest::newRow("Komma, Anführungszeichen")
            << QByteArray("a,\"b, c\",\"d \"\"e\"\"\"\r\n\"x\r\ny\",,z\r\n")
            << Zeilen{{u"a"_s, u"b, c"_s, u"d \"e\""_s}, {u"x\r\ny"_s, {}, u"z"_s}} << ',' << true;
        QTest::newRow("Tabulator")
            << QByteArray("a\tb, c\tz\n1\t2\t3")
            << Zeilen{{u"a"_s, u"b, c"_s, u"z"_s}, {u"1"_s, u"2"_s, u"3"_s}} << '\t' << true;
        // Commas in names, but the same number of semicolons in every row.
        QTest::newRow("Semikolon trotz Kommas")
            << QByteArray("Meier, Hans;Weg 1, 2\nAbel, Anna;Ring 3\n")
            << Zeilen{{u"Meier, Hans"_s, u"Weg 1, 2"_s}, {u"Abel, Anna"_s, u"Ring 3"_s}} << ';'
            << true;
        QTest::newRow("nur CR, leere Zeilen")
            << QByteArray("a;b\r\r\n;\r\nc;d\r") << Zeilen{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}
            << ';' << true;
        QTest::newRow("Trenner am Ende")
            << QByteArray("a;b;\nc;d;") << Zeilen{{u"a"_s, u"b"_s, {}}, {u"c"_s, u"d"_s, {}}} << ';'
            << true;
        QTest::newRow("offenes Anführungszeichen")
            << QByteArray("a;\"b;c\nd") << Zeilen{{u"a"_s, u"b;c\nd"_s}} << ';' << true;
        QTest::newRow("Text nach Anführungszeichen")
            << QByteArray("\"a\"b;c\"d\"") << Zeilen{{u"ab"_s, u"c\"d\""_s}} << ';' << true;
        QTest::newRow("eine Spalte")
            << QByteArray("Anna\nBernd\n") << Zeilen{{u"Anna"_s}, {u"Bernd"_s}} << ';' << true;
    }
    void liest_wie_tabellenprogramme_schreiben()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Zeilen, zeilen);
        QFETCH(char, trenner);
        QFETCH(bool, utf8);
        speicher::CsvTabelle tabelle;
        QVERIFY(!speicher::csv_lesen(bytes, tabelle));
        QCOMPARE(tabelle.zeilen, zeilen);
        QCOMPARE(tabelle.trenner, trenner);
        QCOMPARE(tabelle.kodierung == speicher::CsvKodierung::utf8, utf8);
        QVERIFY(!tabelle.abgeschnitten);

        // Only the first rows when fewer are asked for.
        speicher::CsvTabelle anfang;
        QVERIFY(!speicher::csv_lesen(bytes, anfang, 1));
        QCOMPARE(anfang.zeilen, zeilen.mid(0, 1));
        QCOMPARE(anfang.abgeschnitten, zeilen.size() > 1);
    }

    void zu_viele_spalten_werden_weggelassen()
    {
        const QByteArray bytes = "a" + QByteArray(1500, ';') + "z\nb;c\n";
        speicher::CsvTabelle tabelle;
        QVERIFY(!speicher::csv_lesen(bytes, tabelle));
        QCOMPARE(tabelle.zeilen.size(), 2);
        QCOMPARE(tabelle.zeilen[0].size(), speicher::csv_hoechste_spaltenzahl);
        QCOMPARE(tabelle.zeilen[0].constFirst(), u"a"_s);
        QVERIFY(!tabelle.zeilen[0].contains(u"z"_s));
        QCOMPARE(tabelle.zeilen[1], (QStringList{u"b"_s, u"c"_s}));
    }

    void geschriebenes_wird_gleich_gelesen()
    {
        const Zeilen zeilen{{u"Größe; \"Gr\""_s, u"a\r\nb"_s, u""_s, u"€ ß"_s},
                            {u" Leer "_s, u"x,y"_s, u"\"\""_s, u"Ł"_s}};
        QString text;
        for (const QStringList &z : zeilen)
            text += speicher::csv_zeile(z);
        const QByteArray datei = speicher::csv_datei(text);
        QVERIFY(datei.startsWith("\xEF\xBB\xBF"));
        QVERIFY(datei.endsWith("\r\n"));
        speicher::CsvTabelle tabelle;
        QVERIFY(!speicher::csv_lesen(datei, tabelle));
        QCOMPARE(tabelle.zeilen, zeilen);
    }
};

QTEST_GUILESS_MAIN(TstCsvLeser)
#include "tst_csv_leser.moc"
