#include "../printing/druck_testhilfe.h"
#include "../results/ergebnis_testhilfe.h"
#include "grid/ausgabetabelle.h"
#include "grid/filtergrid.h"
#include "printing/seitenausgabe.h"
#include "printing/tabellensatz.h"
#include "saison_testhilfe.h"
#include "season/saison_export.h"
#include "season/saisonuebersicht.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstSaisonuebersicht : public QObject
{
    Q_OBJECT

    // The season of the helper with named teams, loaded into two grid models.
    struct Aufbau : TestOrdner
    {
        TestPlattform plattform;
        GitterModell tage;
        GitterModell spieler;
        Saisonuebersicht uebersicht{zustand, tage, spieler};

        Aufbau()
        {
            zustand.optionen.setze(opt::name_mannschaft1, u"Bären Süd"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Füchse; Nord"_s);
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void listen_und_summen()
    {
        Aufbau a;
        QVERIFY(saison_anlegen(a.zustand));

        a.uebersicht.laden();

        QCOMPARE(zeile_text(a.tage, 0),
                 u"Datum|Spielart|Einträge|Siege Bären Süd|Punkte Bären Süd|Siege Füchse; Nord|"
                 u"Punkte Füchse; Nord|Sieger|Datei"_s);
        QCOMPARE(a.tage.RowCount(), 7);
        QCOMPARE(zeile_text(a.tage, 1),
                 u"14.03.2026|Doppel|2|2|32|1|28|Bären Süd|D_Gr02_14_03_2026.grp"_s);
        QCOMPARE(zeile_text(a.tage, 2),
                 u"21.03.2026|Einzel|2|1|17|2|29|Füchse; Nord|E_Gr02_21_03_2026.grp"_s);
        QCOMPARE(zeile_text(a.tage, 3),
                 u"28.03.2026|Einzel|1|0|6|0|6|unentschieden|E_Gr01_28_03_2026.grp"_s);
        QCOMPARE(zeile_text(a.tage, 5),
                 u"11.04.2026|Doppel|2|||||beschädigt|D_Gr02_11_04_2026.grp"_s);
        QCOMPARE(zeile_text(a.spieler, 0),
                 u"Spieler|Mannschaft|Spieltage|Siege|Platz im Schnitt|Bester Platz"_s);
        QCOMPARE(zeile_text(a.spieler, 2), u"Jörg|Bären Süd|3|1|2,33|1"_s);
        QCOMPARE(zeile_text(a.spieler, 8), u"Weiß|Füchse; Nord|3|2|2,67|2"_s);
        QCOMPARE(a.uebersicht.ueberschrift(), u"Saisonübersicht Bären Süd gegen Füchse; Nord"_s);
        QCOMPARE(a.uebersicht.summen_text(),
                 u"Gewonnene Spieltage: Bären Süd 2, Füchse; Nord 1, unentschieden 1; "
                 u"beschädigt und nicht gezählt: 2"_s);
    }

    void leerer_ordner()
    {
        Aufbau a;
        a.zustand.optionen.setze(opt::name_mannschaft1, u" "_s);

        a.uebersicht.laden();

        QCOMPARE(a.tage.Cells(3, 0), u"Siege Mannschaft 1"_s);
        QCOMPARE(a.uebersicht.summen_text(),
                 u"Gewonnene Spieltage: Mannschaft 1 0, Füchse; Nord 0, unentschieden 0"_s);
        const QList<Ausgabetabelle> tabellen = a.uebersicht.tabellen();
        QCOMPARE(tabellen.size(), 3);
        QVERIFY(tabellen[0].zeilen.isEmpty());
        QVERIFY(tabellen[2].zeilen.isEmpty());
    }

    // A click on a title sorts by its kind: numbers by value, dates by date; the lists taken
    // out follow the order shown.
    void sortieren_data()
    {
        QTest::addColumn<bool>("spielerliste");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("klicks");
        QTest::addColumn<QStringList>("erste_spalte");
        QTest::newRow("Platz im Schnitt")
            << true << "Platz im Schnitt" << 1
            << QStringList{"Käthe", "Björn", "Ülla", "Straß", "Öztürk", "Jörg", "Mäder", "Weiß"};
        QTest::newRow("Spieler absteigend")
            << true << "Spieler" << 2
            << QStringList{"Weiß", "Ülla", "Straß", "Öztürk", "Mäder", "Käthe", "Jörg", "Björn"};
        QTest::newRow("Datum absteigend")
            << false << "Datum" << 2 << QStringList{"18.04.2026", "11.04.2026", "04.04.2026",
                                                    "28.03.2026", "21.03.2026", "14.03.2026"};
        QTest::newRow("Punkte Füchse") << false << "Punkte Füchse; Nord" << 1
                                       << QStringList{"11.04.2026", "18.04.2026", "04.04.2026",
                                                      "28.03.2026", "14.03.2026", "21.03.2026"};
    }
    void sortieren()
    {
        QFETCH(bool, spielerliste);
        QFETCH(QString, titel);
        QFETCH(int, klicks);
        QFETCH(QStringList, erste_spalte);
        Aufbau a;
        QVERIFY(saison_anlegen(a.zustand));
        a.uebersicht.laden();
        GitterModell &gitter = spielerliste ? a.spieler : a.tage;

        for (int i = 0; i < klicks; ++i)
            gitter.titel_klick_sortieren(titel_spalte(gitter, titel));

        QCOMPARE(spalte_text(gitter, 0).mid(1), erste_spalte);
        const Ausgabetabelle tabelle = a.uebersicht.tabellen()[spielerliste ? 2 : 0];
        QStringList ausgabe;
        for (const QStringList &zeile : tabelle.zeilen)
            ausgabe << zeile[0];
        QCOMPARE(ausgabe, erste_spalte);
    }

    void csv_bytes_fuer_tabellenkalkulation()
    {
        Ausgabetabelle tabelle;
        tabelle.titel = u"Spieler"_s;
        tabelle.spalten = {u"Name"_s, u"Platz im Schnitt"_s};
        tabelle.zeilen = {{u"Jörg Weiß"_s, u"2,33"_s}, {u"A;B \"C\""_s, u""_s}};
        Ausgabetabelle summen;
        summen.titel = u"Saison"_s;
        summen.spalten = {u"Mannschaft"_s};

        const QByteArray csv = csv_bytes({tabelle, summen});

        QCOMPARE(csv, "\xEF\xBB\xBF"
                      "Spieler\r\n"
                      "Name;Platz im Schnitt\r\n"
                      "J\xC3\xB6rg Wei\xC3\x9F;2,33\r\n"
                      "\"A;B \"\"C\"\"\";\r\n"
                      "\r\n"
                      "Saison\r\n"
                      "Mannschaft\r\n");
    }

    void csv_export_data()
    {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Endung") << "Saison 2026"
                                     << "Saison 2026.csv"
                                     << "Die Saisonübersicht wurde exportiert.";
        QTest::newRow("mit Endung") << "saison.CSV"
                                    << "saison.CSV"
                                    << "Die Saisonübersicht wurde exportiert.";
        QTest::newRow("abgebrochen") << ""
                                     << ""
                                     << "";
        QTest::newRow("Ordner fehlt") << "fehlt/saison.csv"
                                      << ""
                                      << "Die Datei %1 konnte nicht geschrieben werden.\n"
                                         "Die Saisonübersicht wurde nicht exportiert.";
    }
    void csv_export()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        Aufbau a;
        QVERIFY(saison_anlegen(a.zustand));
        a.uebersicht.laden();
        if (!antwort.isEmpty())
            a.plattform.datei_antworten.enqueue(a.pfad(antwort));

        saison_exportieren(a.zustand, a.plattform, a.uebersicht.tabellen());

        QCOMPARE(a.plattform.texte(), meldung.isEmpty()
                                          ? QStringList()
                                          : QStringList{meldung.replace(u"%1"_s, a.pfad(antwort))});
        if (datei.isEmpty())
            return;
        QByteArray inhalt;
        QVERIFY(speicher::datei_lesen(a.pfad(datei), inhalt));
        QVERIFY(inhalt.startsWith("\xEF\xBB\xBFSpieltage\r\nDatum;Spielart;"));
        QVERIFY(inhalt.contains("\r\n14.03.2026;Doppel;2;2;32;1;28;B\xC3\xA4ren S\xC3\xBC"
                                "d;D_Gr02_14_03_2026.grp\r\n"));
        QVERIFY(inhalt.contains("\r\nSaison\r\nMannschaft;Gewonnene Spieltage\r\n"
                                "B\xC3\xA4ren S\xC3\xBC"
                                "d;2\r\n\"F\xC3\xBC"
                                "chse; Nord\";1\r\n"));
        QVERIFY(inhalt.endsWith("\r\nWei\xC3\x9F;\"F\xC3\xBC"
                                "chse; Nord\";3;2;2,67;2\r\n"));
    }

    // The print has the three lists in the order shown, under the heading and the date.
    void druckseiten()
    {
        Aufbau a;
        QVERIFY(saison_anlegen(a.zustand));
        a.uebersicht.laden();
        a.spieler.titel_klick_sortieren(3);
        a.spieler.titel_klick_sortieren(3);

        const QList<DruckSeite> seiten =
            tabellen_setzen(a.uebersicht.ueberschrift(), QDate(2026, 12, 8),
                            a.uebersicht.tabellen(), {u"DejaVu Sans"_s, 10});
        QVERIFY(seiten_als_pdf(seiten, a.pfad(u"saison.pdf"_s), QPageSize(QPageSize::A4),
                               a.uebersicht.ueberschrift()));

        const QString text = pdf_text(a.pfad(u"saison.pdf"_s));
        QVERIFY2(in_reihenfolge(text, {u"Saisonübersicht Bären Süd gegen Füchse; Nord"_s,
                                       u"Erstellt am: 08.12.2026"_s, u"Seite 1"_s, u"Spieltage"_s,
                                       u"14.03.2026"_s, u"beschädigt"_s, u"Saison"_s,
                                       u"unentschieden"_s, u"Spieler"_s, u"Björn"_s, u"Käthe"_s,
                                       u"Ülla"_s, u"Weiß"_s, u"Jörg"_s, u"Straß"_s, u"Öztürk"_s}),
                 qPrintable(text));
    }
};

QTEST_MAIN(TstSaisonuebersicht)
#include "tst_saisonuebersicht.moc"
