#include "backup/auto_sicherung.h"
#include "backup/kopieren.h"
#include "sicherung_testhilfe.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A data folder as the program leaves it, with letter cases as they come and a subfolder.
const QStringList datenbestand{
    u"Vorlixn.opt"_s,
    u"Adressen1.adr"_s,
    u"ADRESSEN2.ADR"_s,
    u"aktuelle_Liste1.akt"_s,
    u"x.Dat"_s,
    u"y.stm"_s,
    u"farben.frb"_s,
    u"Gruppe1_E.gr1"_s,
    u"Gruppe2_E.gr2"_s,
    u"farb.txt"_s,
    u"Styledat.txt"_s,
    u"D_Tab1Gr08_14_03_2026.Tab"_s,
    u"D_Tab2Gr08_14_03_2026.Tub"_s,
    u"D_Gr08_14_03_2026.grp"_s,
    u"alt.erg"_s,
    u"Auslosungen.txt"_s,
    u"Tischmeldungen.txt"_s,
    u"Vorlix_Zusatz.ini"_s,
    u"Auslosungen.txt.alt"_s,
};

} // namespace

class TstKopieren : public QObject
{
    Q_OBJECT

    QTemporaryDir m_heim;

    static void bestand_anlegen(const QString &ordner)
    {
        dateien_anlegen(ordner, datenbestand);
        dateien_anlegen(ordner + u"/unter"_s, {u"tief.opt"_s});
        QDir().mkpath(ordner + u"/ordner.opt"_s);
    }

private slots:
    void initTestCase() { qputenv("HOME", m_heim.path().toLocal8Bit()); }

    void muster_waehlen_data()
    {
        QTest::addColumn<QStringList>("muster");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("von hand") << muster_manuell()
                                  << QStringList{u"Vorlixn.opt"_s,
                                                 u"aktuelle_Liste1.akt"_s,
                                                 u"x.Dat"_s,
                                                 u"y.stm"_s,
                                                 u"farben.frb"_s,
                                                 u"Auslosungen.txt"_s,
                                                 u"Tischmeldungen.txt"_s,
                                                 u"Vorlix_Zusatz.ini"_s};
        QTest::newRow("automatisch") << muster_automatisch()
                                     << QStringList{u"Vorlixn.opt"_s,
                                                    u"Adressen1.adr"_s,
                                                    u"ADRESSEN2.ADR"_s,
                                                    u"aktuelle_Liste1.akt"_s,
                                                    u"x.Dat"_s,
                                                    u"D_Gr08_14_03_2026.grp"_s,
                                                    u"D_Tab1Gr08_14_03_2026.Tab"_s,
                                                    u"D_Tab2Gr08_14_03_2026.Tub"_s,
                                                    u"alt.erg"_s,
                                                    u"y.stm"_s,
                                                    u"farben.frb"_s,
                                                    u"Auslosungen.txt"_s,
                                                    u"Tischmeldungen.txt"_s,
                                                    u"Vorlix_Zusatz.ini"_s};
    }
    void muster_waehlen()
    {
        QFETCH(QStringList, muster);
        QFETCH(QStringList, erwartet);
        QTemporaryDir quelle;
        QTemporaryDir ziel;
        bestand_anlegen(quelle.path());
        QCOMPARE(passende_dateien(quelle.path(), muster), erwartet);

        QList<Kopierschritt> schritte;
        const Kopierergebnis ergebnis =
            Dir_lesen(quelle.path(), muster, ziel.path(),
                      [&](const Kopierschritt &schritt) { schritte.append(schritt); });
        QVERIFY2(ergebnis.ok(), qPrintable(ergebnis.fehler));
        QCOMPARE(ergebnis.kopiert.size(), erwartet.size());
        QCOMPARE(schritte.size(), erwartet.size());
        QCOMPARE(schritte.last().quelle, quelle.filePath(erwartet.last()));
        QCOMPARE(schritte.last().ziel, ziel.filePath(erwartet.last()));
        QCOMPARE(schritte.last().kopiert, erwartet.size() - 1);
        QCOMPARE(schritte.last().gesamt, erwartet.size());

        QStringList sortiert = erwartet;
        sortiert.sort(Qt::CaseInsensitive);
        QCOMPARE(eintraege(ziel.path()), sortiert);
        for (const QString &name : erwartet)
            QCOMPARE(inhalt(ziel.filePath(name)), name.toUtf8());
    }

    void datumsordner_data()
    {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<QString>("name");
        QTest::newRow("dezember") << QDate(2026, 12, 8) << u"08_12_2026"_s;
        QTest::newRow("neujahr") << QDate(2027, 1, 1) << u"01_01_2027"_s;
    }
    void datumsordner()
    {
        QFETCH(QDate, datum);
        QFETCH(QString, name);
        QCOMPARE(datumsordner_name(datum), name);
    }

    void fehler_beim_dritten_haelt_an()
    {
        QTemporaryDir quelle;
        QTemporaryDir ziel;
        dateien_anlegen(quelle.path(), {u"a.opt"_s, u"b.opt"_s, u"c.opt"_s, u"d.opt"_s});
        speicher::datei_ersetzen(ziel.filePath(u"c.opt"_s), "alt");
        // The third file vanishes as its turn comes.
        const Kopierergebnis ergebnis =
            Dir_lesen(quelle.path(), {u"*.opt"_s}, ziel.path(), [&](const Kopierschritt &s) {
                if (s.kopiert == 2)
                    QFile::remove(s.quelle);
            });
        QCOMPARE(ergebnis.kopiert,
                 (QStringList{ziel.filePath(u"a.opt"_s), ziel.filePath(u"b.opt"_s)}));
        QVERIFY(ergebnis.fehler.startsWith(u"Die Datei "_s + quelle.filePath(u"c.opt"_s)));
        QFile fehlt(quelle.filePath(u"c.opt"_s));
        QVERIFY(!fehlt.open(QIODevice::ReadOnly));
        QVERIFY(ergebnis.fehler.endsWith(u'\n' + fehlt.errorString()));
        QCOMPARE(inhalt(ziel.filePath(u"c.opt"_s)), QByteArray("alt"));
        QCOMPARE(eintraege(ziel.path()), (QStringList{u"a.opt"_s, u"b.opt"_s, u"c.opt"_s}));
    }

    void verz_anl_legt_eltern_an()
    {
        QTemporaryDir ordner;
        QVERIFY(verz_anl(ordner.filePath(u"a/b/c"_s)));
        QVERIFY(QFileInfo(ordner.filePath(u"a/b/c"_s)).isDir());
        speicher::datei_ersetzen(ordner.filePath(u"datei"_s), "x");
        QVERIFY(!verz_anl(ordner.filePath(u"datei/unter"_s)));
    }

    void auto_sicherung_in_den_tagesordner()
    {
        TestOrdner daten;
        TestPlattform plattform;
        QTemporaryDir sicherung;
        bestand_anlegen(daten.ordner.path());
        daten.zustand.optionen.setze(opt::sicherungs_pfad, sicherung.filePath(u"basis"_s));

        QVERIFY(Lesen(daten.zustand, plattform, {}));
        QVERIFY(plattform.meldungen.isEmpty());
        const QString tag1 = sicherung.filePath(u"basis/08_12_2026"_s);
        QCOMPARE(eintraege(tag1).size(), 14);
        QCOMPARE(inhalt(tag1 + u"/D_Tab2Gr08_14_03_2026.Tub"_s), "D_Tab2Gr08_14_03_2026.Tub");
        QCOMPARE(inhalt(tag1 + u"/Auslosungen.txt"_s), "Auslosungen.txt");
        QCOMPARE(inhalt(tag1 + u"/Tischmeldungen.txt"_s), "Tischmeldungen.txt");
        QCOMPARE(inhalt(tag1 + u"/Vorlix_Zusatz.ini"_s), "Vorlix_Zusatz.ini");

        // The same day again overwrites that day's folder.
        speicher::datei_ersetzen(daten.pfad(u"Adressen1.adr"_s), "neu");
        QVERIFY(Lesen(daten.zustand, plattform, {}));
        QCOMPARE(inhalt(tag1 + u"/Adressen1.adr"_s), "neu");
        QCOMPARE(eintraege(tag1).size(), 14);

        // Another day gets its own folder; the first stays as it was.
        plattform.uhrzeit = plattform.uhrzeit.addDays(1);
        speicher::datei_ersetzen(daten.pfad(u"Adressen1.adr"_s), "morgen");
        QVERIFY(Lesen(daten.zustand, plattform, {}));
        QCOMPARE(inhalt(sicherung.filePath(u"basis/09_12_2026/Adressen1.adr"_s)), "morgen");
        QCOMPARE(inhalt(tag1 + u"/Adressen1.adr"_s), "neu");
        QCOMPARE(eintraege(sicherung.filePath(u"basis"_s)),
                 (QStringList{u"08_12_2026"_s, u"09_12_2026"_s}));
    }

    void auto_sicherung_ohne_ordner_nimmt_den_vorschlag()
    {
        TestOrdner daten;
        TestPlattform plattform;
        dateien_anlegen(daten.ordner.path(), {u"Vorlixn.opt"_s});
        QVERIFY(Lesen(daten.zustand, plattform, {}));
        QVERIFY(QFile::exists(m_heim.filePath(u"Vorlix_Quarel_Backup/08_12_2026/Vorlixn.opt"_s)));
    }

    void auto_sicherung_fehler_data()
    {
        QTest::addColumn<QString>("basis");      // under the backup folder
        QTest::addColumn<QString>("datei_dort"); // a plain file standing in the way
        QTest::addColumn<QString>("meldung");    // %1: the backup folder
        QTest::addColumn<int>("signaltoene");
        QTest::newRow("basis nicht anlegbar")
            << "datei/basis"
            << "datei"
            << "Beim Anlegen von %1/datei/basis/ ist ein Fehler aufgetreten!" << 0;
        QTest::newRow("tagesordner nicht anlegbar")
            << "basis"
            << "basis/08_12_2026"
            << "Verzeichnis %1/basis/08_12_2026/ kann nicht erstellt werden. \n\n"
               "Lesen Sie bitte die Hilfedatei über Datensicherung.\n"
            << 1;
    }
    // A folder that cannot be created copies nothing but lets the program end.
    void auto_sicherung_fehler()
    {
        QFETCH(QString, basis);
        QFETCH(QString, datei_dort);
        QFETCH(QString, meldung);
        QFETCH(int, signaltoene);
        TestOrdner daten;
        TestPlattform plattform;
        QTemporaryDir sicherung;
        bestand_anlegen(daten.ordner.path());
        dateien_anlegen(sicherung.path(), {datei_dort});
        daten.zustand.optionen.setze(opt::sicherungs_pfad, sicherung.filePath(basis));

        QVERIFY(Lesen(daten.zustand, plattform, {}));
        QCOMPARE(plattform.texte(), QStringList{meldung.arg(sicherung.path())});
        QCOMPARE(eintraege(sicherung.path()), QStringList{datei_dort.section(u'/', 0, 0)});
        QCOMPARE(plattform.meldungen.first().art, TestPlattform::Meldung::Information);
        QCOMPARE(plattform.signaltoene, signaltoene);
    }

    void auto_sicherung_kopierfehler_meldet_und_haelt_an()
    {
        TestOrdner daten;
        TestPlattform plattform;
        QTemporaryDir sicherung;
        dateien_anlegen(daten.ordner.path(), {u"a.opt"_s, u"b.adr"_s, u"c.akt"_s});
        daten.zustand.optionen.setze(opt::sicherungs_pfad, sicherung.path());
        QVERIFY(!Lesen(daten.zustand, plattform, [](const Kopierschritt &s) {
            if (s.kopiert == 1)
                QFile::remove(s.quelle);
        }));
        QCOMPARE(plattform.meldungen.size(), 1);
        QCOMPARE(plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
        QVERIFY(plattform.texte().first().contains(daten.pfad(u"b.adr"_s)));
        QCOMPARE(eintraege(sicherung.filePath(u"08_12_2026"_s)), QStringList{u"a.opt"_s});
    }
};

QTEST_GUILESS_MAIN(TstKopieren)
#include "tst_kopieren.moc"
