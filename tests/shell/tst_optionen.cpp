#include "optionen_erstdatei.h"
#include "shell/daten_ordner.h"
#include "shell/start.h"
#include "shell/titel.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstOptionen : public QObject
{
    Q_OBJECT

    static QByteArray datei(const TestOrdner &t)
    {
        QByteArray inhalt;
        speicher::datei_lesen(t.pfad(optionen_dateiname), inhalt);
        return inhalt;
    }

private slots:
    void erster_start_schreibt_grundwerte()
    {
        TestOrdner t;
        t.zustand.optionen_lesen();
        QCOMPARE(datei(t), optionen_erstdatei());
        QCOMPARE(t.zustand.wert(opt::mannschaft_nr), 1);
        QCOMPARE(t.zustand.wert(opt::zeilenhoehe_d), 18);
    }

    void zuruecksetzen_behaelt_und_leert()
    {
        TestOrdner t;
        TOptionen &o = t.zustand.optionen;
        o.setze(opt::doppel_modus, 1);
        o.setze(opt::spielart_text, u"Doppelspiel"_s);
        o.setze(opt::farbe_gruppe1, 0x112233);
        o.setze(opt::farbe_gruppe2, 0x445566);
        o.setze(opt::zeilenhoehe_d, 30);
        o.setze(opt::zeilenhoehe_e, 31);
        o.setze(opt::schriftgroesse_liste_e, 14);
        o.setze(opt::tabelle1_hoehe_e, 250);
        o.setze(opt::turnier_datum, u"08.12.2026"_s);
        o.setze(opt::sperrfarbe, 0xFF);
        o.setze(opt::hintergrundfarbe, 0xFF00);
        o.setze(opt::name_mannschaft1, u"Blau"_s);
        o.setze(opt::name_mannschaft2, u"Rot"_s);
        o.setze(opt::sicherungs_pfad, u"/tmp/sicher"_s);
        o.setze(opt::wav_datei, u"hupe.wav"_s);
        o.setze(opt::auto_sicherung, 1);
        o.setze(opt::mannschaft_nr, 2);

        optionen_anlegen(o, t.zustand.daten_pfad);

        QCOMPARE(o.wert(opt::doppel_modus), 1);
        QCOMPARE(o.wert(opt::spielart_text), u"Doppelspiel"_s);
        QCOMPARE(o.wert(opt::farbe_gruppe1), 0x112233);
        QCOMPARE(o.wert(opt::farbe_gruppe2), 0x445566);
        QCOMPARE(o.wert(opt::zeilenhoehe_e), 31);
        QCOMPARE(o.wert(opt::schriftgroesse_liste_e), 14);
        QCOMPARE(o.wert(opt::tabelle1_hoehe_e), 250);
        QCOMPARE(o.wert(opt::turnier_datum), u"08.12.2026"_s);
        QCOMPARE(o.wert(opt::zeilenhoehe_d), 18);
        QCOMPARE(o.wert(opt::sperrfarbe), 0);
        QCOMPARE(o.wert(opt::hintergrundfarbe), 0);
        QCOMPARE(o.wert(opt::name_mannschaft1), QString());
        QCOMPARE(o.wert(opt::name_mannschaft2), QString());
        QCOMPARE(o.wert(opt::sicherungs_pfad), QString());
        QCOMPARE(o.wert(opt::wav_datei), QString());
        QCOMPARE(o.wert(opt::auto_sicherung), 0);
        QCOMPARE(o.wert(opt::mannschaft_nr), 1);
        QCOMPARE(datei(t), o.bytes());
    }

    // Every byte of the record after a reset over a record filled with 0x5A: kept areas and
    // the bytes behind an emptied text keep 0x5A.
    void zuruecksetzen_byte_fuer_byte()
    {
        TOptionen o;
        o.setze_bytes(0, QByteArray(opt::groesse, '\x5A'));
        o.auf_grundwerte_setzen();

        QByteArray erwartet(opt::groesse, '\x5A');
        const auto zahl = [&erwartet](int offset, quint32 wert) {
            qToLittleEndian<quint32>(wert, erwartet.data() + offset);
        };
        for (int offset :
             {8, 12, 180, 184, 188, 192, 204, 208, 1104, 1108, 1112, 1116, 1120, 1124, 1208})
            zahl(offset, 0);
        for (int offset = 248; offset < 280; offset += 4)
            zahl(offset, 0);
        zahl(0, 1);
        zahl(212, 18);
        zahl(1100, 5);
        zahl(1128, 0x00B3B3FF);
        zahl(1132, 0x00B3B3FF);
        for (int offset : {16, 98, 291, 392, 493, 594, 695, 796, 878, 919, 960, 1001})
            erwartet[offset] = 0;
        erwartet[1042] = 1;
        erwartet[1043] = char(0x80);
        QCOMPARE(o.bytes(), erwartet);
    }

    void kurze_datei_wird_neu_geschrieben()
    {
        TestOrdner t;
        QVERIFY(speicher::datei_ersetzen(t.pfad(optionen_dateiname), QByteArray(1223, '\x07')));
        t.zustand.optionen_lesen();
        QCOMPARE(datei(t), optionen_erstdatei());
    }

    void lange_datei_wird_aus_den_ersten_bytes_gelesen()
    {
        TestOrdner t;
        QByteArray lang = optionen_erstdatei() + QByteArray(76, 'x');
        lang[4] = 1; // doppel_modus
        QVERIFY(speicher::datei_ersetzen(t.pfad(optionen_dateiname), lang));
        t.zustand.optionen_lesen();
        QCOMPARE(t.zustand.wert(opt::doppel_modus), 1);
        QCOMPARE(datei(t).size(), 1300); // reading leaves the file alone
        t.zustand.optionen_speichern();
        QCOMPARE(datei(t), lang.left(1224));
    }

    void geloeschte_datei_setzt_beim_speichern_zurueck()
    {
        TestOrdner t;
        t.zustand.optionen_lesen();
        QVERIFY(QFile::remove(t.pfad(optionen_dateiname)));
        t.zustand.optionen.setze(opt::zeilenhoehe_d, 40);
        t.zustand.optionen_speichern();
        QCOMPARE(t.zustand.wert(opt::zeilenhoehe_d), 18);
        QCOMPARE(datei(t), optionen_erstdatei());
    }

    void ungeschriebener_ordner_behaelt_speicher()
    {
        TestOrdner t;
        t.zustand.daten_pfad = t.ordner.path() + u"/fehlt/"_s;
        t.zustand.optionen.setze(opt::zeilenhoehe_d, 40);
        t.zustand.optionen_lesen();
        QCOMPARE(t.zustand.wert(opt::zeilenhoehe_d), 40);
    }

    void mannschaftsname_wird_bei_100_bytes_gekuerzt()
    {
        TestOrdner t;
        t.zustand.optionen_lesen();
        const QString name = u"Müßigäöü"_s.repeated(15); // 120 characters
        t.zustand.optionen.setze(opt::name_mannschaft1, name);
        t.zustand.optionen_speichern();
        const QByteArray bytes = datei(t);
        QCOMPARE(quint8(bytes[291]), quint8(100));
        TOptionen gelesen;
        optionen_lesen(gelesen, t.zustand.daten_pfad);
        QCOMPARE(gelesen.wert(opt::name_mannschaft1), name.left(100));
        QCOMPARE(gelesen.wert(opt::name_mannschaft2), QString());
    }

    void titel_am_dienstag()
    {
        QCOMPARE(
            titel_text(u"1.15"_s, QDate(2026, 12, 8)),
            u"Vorlix Turnier-Quarel 2   V 1.15      -      Heute ist  Dienstag der  08.12.2026"_s);
    }

    void start_nimmt_den_datenordner_der_umgebung()
    {
        QTemporaryDir ordner;
        qputenv(daten_umgebungsvariable, (ordner.path() + u"/daten"_s).toUtf8());
        Zustand zustand;
        programm_vorbereiten(zustand, QCoreApplication::applicationDirPath());
        qunsetenv(daten_umgebungsvariable);
        QCOMPARE(zustand.daten_pfad, ordner.path() + u"/daten/"_s);
        QVERIFY(QFile::exists(zustand.pfad(optionen_dateiname)));
        QCOMPARE(QLocale().decimalPoint(), u","_s);
    }

    void datenordner_wahl_data()
    {
        QTest::addColumn<bool>("umgebung");
        QTest::addColumn<bool>("optionen_beim_programm");
        QTest::addColumn<QString>("erwartet"); // "umgebung", "programm" or "benutzer"
        QTest::newRow("Umgebung geht vor") << true << true << u"umgebung"_s;
        QTest::newRow("tragbar mit Vorlixn.opt") << false << true << u"programm"_s;
        QTest::newRow("Bauordner ohne Vorlixn.opt") << false << false << u"benutzer"_s;
    }
    void datenordner_wahl()
    {
        QFETCH(bool, umgebung);
        QFETCH(bool, optionen_beim_programm);
        QFETCH(QString, erwartet);
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir programm, daten;
        if (optionen_beim_programm)
            QVERIFY(speicher::datei_ersetzen(programm.filePath(optionen_dateiname), "x"));
        if (umgebung)
            qputenv(daten_umgebungsvariable, daten.path().toUtf8());
        const QString pfad = daten_pfad_bestimmen(programm.path());
        qunsetenv(daten_umgebungsvariable);

        const QString benutzer = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QHash<QString, QString> ordner{{u"umgebung"_s, daten.path()},
                                             {u"programm"_s, programm.path()},
                                             {u"benutzer"_s, benutzer}};
        QCOMPARE(pfad, ordner.value(erwartet) + u'/');
        QVERIFY(QFileInfo(pfad).isDir());
        QVERIFY(!benutzer.startsWith(programm.path()));
    }
};

QTEST_GUILESS_MAIN(TstOptionen)
#include "tst_optionen.moc"
