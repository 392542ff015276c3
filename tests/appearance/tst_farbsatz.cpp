#include "appearance/farbsatz.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstFarbsatz : public QObject
{
    Q_OBJECT

    static QByteArray inhalt(const QString &pfad)
    {
        QByteArray bytes;
        speicher::datei_lesen(pfad, bytes);
        return bytes;
    }
    static qint32 int32_bei(const QByteArray &bytes, int offset)
    {
        return qFromLittleEndian<qint32>(bytes.constData() + offset);
    }
    // A String[N] as stored: length byte, then the text.
    static QByteArray text_bei(const QByteArray &bytes, int offset)
    {
        return bytes.mid(offset + 1, quint8(bytes[offset]));
    }

private slots:
    void erster_start_schreibt_die_grundwerte_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<qint32>("zahl");
        QTest::addColumn<QByteArray>("text"); // a text field when not empty

        QTest::newRow("H_bs_hg") << 0 << 0xDBF2E4 << QByteArray();
        QTest::newRow("D_bs_pan_alarm") << 32 << 0x75BAFF << QByteArray();
        QTest::newRow("menuebar") << 60 << 0xC1E3E8 << QByteArray();
        QTest::newRow("form_umr") << 64 << 0xBADEE4 << QByteArray();
        QTest::newRow("String_box_ueb_Font") << 100 << 0x800000 << QByteArray();
        QTest::newRow("ue_chart_s") << 104 << 0 << QByteArray("Verdana");
        QTest::newRow("chart_s") << 135 << 0 << QByteArray("Verdana");
        QTest::newRow("ue_chart_g") << 168 << 10 << QByteArray();
        QTest::newRow("chart_g") << 172 << 8 << QByteArray();
        QTest::newRow("list_s") << 176 << 0 << QByteArray("Arial");
        QTest::newRow("grid_s leer") << 393 << 0 << QByteArray();
        QTest::newRow("grid_g") << 448 << 0 << QByteArray();
        QTest::newRow("list_g") << 452 << 8 << QByteArray();
        QTest::newRow("chart_Hg") << 460 << 0xDEC6A5 << QByteArray();
        QTest::newRow("chart_font_ueber") << 476 << 0x800000 << QByteArray();
        QTest::newRow("k800_fa1_s") << 480 << 0 << QByteArray("Arial");
        QTest::newRow("k800_sm_s leer") << 480 + 63 << 0 << QByteArray();
        QTest::newRow("k800_ueb_g") << 480 + 184 << 10 << QByteArray();
        QTest::newRow("k800_list_s") << 480 + 200 << 0 << QByteArray("Verdana");
        QTest::newRow("g800_da_g") << 708 + 196 << 6 << QByteArray();
        QTest::newRow("k1024_sm_s") << 936 + 63 << 0 << QByteArray("Book Antiqua");
        QTest::newRow("k1024_sm_g") << 936 + 96 << 40 << QByteArray();
        QTest::newRow("k1024_list_s") << 936 + 200 << 0 << QByteArray("Arial");
        QTest::newRow("g1024_ue_grid_g") << 1164 + 188 << 7 << QByteArray();
        QTest::newRow("g1280_sm_g") << 1620 + 96 << 0 << QByteArray();
        QTest::newRow("k1600_ue_grid_g") << 1848 + 188 << 13 << QByteArray();
        QTest::newRow("g1600_rue_g") << 2076 + 92 << 11 << QByteArray();
        QTest::newRow("g1600_da_g") << 2076 + 196 << 10 << QByteArray();
        QTest::newRow("g1600_list_g") << 2076 + 224 << 8 << QByteArray();
        QTest::newRow("D_bs_schrift leer") << 2337 << 0 << QByteArray();
        QTest::newRow("long10") << 2416 << 0 << QByteArray();
        QTest::newRow("str10 leer") << 3014 << 0 << QByteArray();
        QTest::newRow("end_gradient") << 3072 << 0 << QByteArray();
        QTest::newRow("end_gradient1") << 3076 << 0xE8E8FF << QByteArray();
        QTest::newRow("cell_style1") << 3124 << 0 << QByteArray();
    }
    void erster_start_schreibt_die_grundwerte()
    {
        QFETCH(int, offset);
        QFETCH(qint32, zahl);
        QFETCH(QByteArray, text);
        TestOrdner o;
        farben_lesen(o.zustand.farben, o.zustand.daten_pfad);
        const QByteArray datei = inhalt(o.pfad(u"farben.frb"_s));
        QCOMPARE(datei.size(), 3168);
        QCOMPARE(datei.left(4), QByteArray("\xE4\xF2\xDB\x00", 4));
        if (text.isEmpty())
            QCOMPARE(int32_bei(datei, offset), zahl);
        else
            QCOMPARE(text_bei(datei, offset), text);
        QCOMPARE(o.zustand.farben.bytes(), datei);
    }

    void grundwerte_lassen_den_rest_leer()
    {
        const QByteArray bytes = Tcolor1::grundwerte().bytes();
        // Block D is all zero but for end_gradient1.
        QByteArray block_d(3168 - 2304, '\0');
        block_d.replace(3076 - 2304, 4, QByteArray("\xFF\xE8\xE8\x00", 4));
        QCOMPARE(bytes.mid(2304), block_d);
        // After "Verdana" the rest of the 30 bytes of ue_chart_s stays zero.
        QCOMPARE(bytes.mid(104 + 8, 23), QByteArray(23, '\0'));
    }

    void unbekannte_felder_bleiben_beim_speichern_erhalten()
    {
        TestOrdner o;
        QByteArray zufall(3168, '\0');
        QRandomGenerator erzeuger(7);
        for (char &b : zufall)
            b = char(erzeuger.bounded(256));
        QVERIFY(speicher::datei_ersetzen(o.pfad(u"farben.frb"_s), zufall));
        Tcolor1 &farben = o.zustand.farben;
        farben_lesen(farben, o.zustand.daten_pfad);
        QCOMPARE(farben.bytes(), zufall);
        farben.setze(frb::menuebar, 0x123456);
        farben_speichern(farben, o.zustand.daten_pfad);
        QByteArray erwartet = zufall;
        erwartet.replace(60, 4, QByteArray("\x56\x34\x12\x00", 4));
        QCOMPARE(inhalt(o.pfad(u"farben.frb"_s)), erwartet);
    }

    void dateigroessen_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("gelesen");
        QTest::newRow("leer") << 0 << false;
        QTest::newRow("ein Byte zu kurz") << 3167 << false;
        QTest::newRow("genau") << 3168 << true;
        QTest::newRow("länger") << 4000 << true;
    }
    void dateigroessen()
    {
        QFETCH(int, groesse);
        QFETCH(bool, gelesen);
        TestOrdner o;
        const QByteArray eigene(groesse, '\x11');
        QVERIFY(speicher::datei_ersetzen(o.pfad(u"farben.frb"_s), eigene));
        farben_lesen(o.zustand.farben, o.zustand.daten_pfad);
        const QByteArray erwartet = gelesen ? eigene.left(3168) : Tcolor1::grundwerte().bytes();
        QCOMPARE(o.zustand.farben.bytes(), erwartet);
        // A file that could not be read is replaced; a longer one stays until the next save.
        QCOMPARE(inhalt(o.pfad(u"farben.frb"_s)), gelesen ? eigene : erwartet);
    }

    void speichern_ohne_datei_schreibt_nichts()
    {
        TestOrdner o;
        o.zustand.farben.setze(frb::H_bs_hg, 0x00FF00);
        farben_speichern(o.zustand.farben, o.zustand.daten_pfad);
        QVERIFY(!QFile::exists(o.pfad(u"farben.frb"_s)));
        QCOMPARE(o.zustand.farben.wert(frb::H_bs_hg), 0x00FF00);
    }

    void ohne_schreibbaren_ordner_gelten_die_grundwerte()
    {
        Tcolor1 farben;
        farben.setze(frb::listb, 0x0000FF);
        const QString fehlt = QDir::tempPath() + u"/gibt_es_nicht_4711/"_s;
        farben_lesen(farben, fehlt);
        QCOMPARE(farben.bytes(), Tcolor1::grundwerte().bytes());
        QVERIFY(!QFile::exists(fehlt + u"farben.frb"_s));
    }

    void schreibfehler_legt_die_grundwerte_an()
    {
        // A folder in the file's place cannot be replaced; memory falls back to the defaults.
        TestOrdner o;
        QVERIFY(QDir(o.ordner.path()).mkdir(u"farben.frb"_s));
        o.zustand.farben.setze(frb::listb, 0x0000FF);
        farben_speichern(o.zustand.farben, o.zustand.daten_pfad);
        QCOMPARE(o.zustand.farben.bytes(), Tcolor1::grundwerte().bytes());
    }
};

QTEST_GUILESS_MAIN(TstFarbsatz)
#include "tst_farbsatz.moc"
