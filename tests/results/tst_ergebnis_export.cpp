#include "ergebnis_testhilfe.h"
#include "results/ergebnis_export.h"
#include "results/ergebnis_profil.h"
#include "results/ergebnisliste.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstErgebnisExport : public QObject
{
    Q_OBJECT

    // A doubles list of a stored day over a fresh data folder.
    struct Export : TestOrdner
    {
        TestPlattform plattform;
        GitterModell gitter;
        Ergebnisliste liste{zustand, doppel_ergebnisprofil(), gitter};

        explicit Export(const TSpieltag &satz = spieltag_fuer(true, 2), int n = 2)
        {
            zustand.optionen_lesen();
            spieltag_ablegen(zustand, satz, true, n);
            liste.gruppen_ansehen();
        }
        // Exports under the name typed in the save dialog.
        void exportieren(const QString &name)
        {
            plattform.datei_antworten.enqueue(name);
            ergebnisse_exportieren(zustand, plattform, gitter);
        }
        QByteArray lesen(const QString &name) const
        {
            QByteArray inhalt;
            speicher::datei_lesen(pfad(name), inhalt);
            return inhalt;
        }
    };

    static QByteArray felder(const QList<QByteArray> &texte)
    {
        QByteArray zeile;
        for (const QByteArray &text : texte)
            zeile += text + '#';
        return zeile + QByteArray(20 - texte.size(), '#') + "\r\n";
    }

private slots:
    void datei_byte_fuer_byte_data()
    {
        QTest::addColumn<QString>("dateiart"); // empty: the dialog's first type
        QTest::addColumn<QByteArray>("erwartet");
        // Fields trimmed, Windows-1252, CR LF; no group labels.
        QTest::newRow("Raute") << QString()
                               << felder({"Spieler", "Spieler", "Spiel 1", "Spiel 2", "Gesamt",
                                          "Platz"}) +
                                      felder({"Anna", "Ben", "3", "5", "8", "2"}) +
                                      felder({"J\xFCrgen", "Wei\xDF", "5", "4", "9", "1"});
        // As the season export: ";", UTF-8 with a byte-order mark, CR LF, quoted where needed.
        QTest::newRow("Tabellenkalkulation")
            << u"Tabellenkalkulation (*.csv)"_s
            << QByteArray("\xEF\xBB\xBFSpieler;Spieler;Spiel 1;Spiel 2;Gesamt;Platz\r\n"
                          "Anna;\"Ben;B\";3;5;8;2\r\n") +
                   u"Jürgen;Weiß;5;4;9;1\r\n"_s.toUtf8();
    }
    void datei_byte_fuer_byte()
    {
        QFETCH(QString, dateiart);
        QFETCH(QByteArray, erwartet);
        TSpieltag satz;
        satz.setze(spt::doppel_name(Mannschaft::eins, 1, 1), u"Anna"_s);
        satz.setze(spt::doppel_name(Mannschaft::eins, 1, 2),
                   dateiart.isEmpty() ? u"Ben"_s : u"Ben;B"_s);
        satz.setze(spt::punkte(1, 1), u"3"_s);
        satz.setze(spt::punkte(1, 2), u"5"_s);
        satz.setze(spt::summe(1), u"8"_s);
        satz.setze(spt::platz(1), u"2"_s);
        satz.setze(spt::doppel_name(Mannschaft::zwei, 1, 1), u" Jürgen "_s);
        satz.setze(spt::doppel_name(Mannschaft::zwei, 1, 2), u"Weiß\t"_s);
        satz.setze(spt::punkte(12, 1), u"5"_s);
        satz.setze(spt::punkte(12, 2), u"4"_s);
        satz.setze(spt::summe(11), u"9"_s);
        satz.setze(spt::platz(12), u"1"_s);
        Export e(satz, 2);

        e.plattform.dateiart_antwort = dateiart;
        e.exportieren(e.pfad(u"Liste"_s));

        QCOMPARE(e.lesen(u"Liste.csv"_s), erwartet);
        QCOMPARE(e.plattform.texte(), QStringList{u" Die Daten wurden exportiert.  "_s});
        QCOMPARE(e.plattform.meldungen[0].art, TestPlattform::Meldung::Information);
        // The "#" file stays the first type, and so the default.
        QCOMPARE(e.plattform.speichern_filter,
                 QStringList{u"CSV-Dateien (*.csv);;Tabellenkalkulation (*.csv)"_s});
    }

    void immer_zwanzig_felder()
    {
        GitterModell gitter;
        gitter.SetColCount(4);
        gitter.SetRowCount(2);
        gitter.SetCells(0, 1, u"1/1"_s);
        gitter.SetCells(1, 1, u"a"_s);
        gitter.SetCells(3, 1, u"c"_s);
        // A cell the model keeps beyond its columns is no part of the list.
        gitter.SetCells(6, 1, u"alt"_s);

        QCOMPARE(export_zeilen(gitter),
                 (QStringList{QString(20, u'#'), u"a##c"_s + QString(18, u'#')}));
    }

    void in_sortierter_reihenfolge()
    {
        Export e(spieltag_fuer(true, 2), 2);
        const int platz = titel_spalte(e.gitter, u"Platz"_s);
        e.gitter.titel_klick_sortieren(platz);
        e.gitter.titel_klick_sortieren(platz);

        e.exportieren(e.pfad(u"Sortiert.csv"_s));

        QCOMPARE(e.lesen(u"Sortiert.csv"_s),
                 felder({"Spieler", "Spieler", "Spiel 1", "Spiel 2", "Gesamt", "Platz"}) +
                     felder({"B2", "Q2", "1301", "1302", "512", "4"}) +
                     felder({"A2", "P2", "201", "202", "502", "3"}) +
                     felder({"B1", "Q1", "1201", "1202", "511", "2"}) +
                     felder({"A1", "P1", "101", "102", "501", "1"}));
    }

    void dateiname_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("datei");
        QTest::newRow("ohne Endung") << "Liste"
                                     << "Liste.csv";
        QTest::newRow("mit Endung") << "Liste.csv"
                                    << "Liste.csv";
        QTest::newRow("grosse Endung") << "LISTE.CSV"
                                       << "LISTE.CSV.csv";
        QTest::newRow("Endung mittendrin") << "a.csv.txt"
                                           << "a.csv.txt";
        QTest::newRow("Umlaute") << "Ergebnisse März"
                                 << "Ergebnisse März.csv";
    }
    void dateiname()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, datei);
        Export e;
        QDir ordner(e.pfad(u"export"_s));
        QVERIFY(ordner.mkpath(u"."_s));

        e.exportieren(ordner.filePath(gewaehlt));

        QCOMPARE(ordner.entryList(QDir::Files), QStringList{datei});
        QCOMPARE(e.plattform.texte(), QStringList{u" Die Daten wurden exportiert.  "_s});
    }

    void kein_name_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::newRow("abgebrochen") << "";
        QTest::newRow("ein Blank") << " ";
    }
    void kein_name()
    {
        QFETCH(QString, gewaehlt);
        Export e;
        const QStringList vorher = QDir(e.zustand.daten_pfad).entryList(QDir::Files);

        e.exportieren(gewaehlt);

        QCOMPARE(QDir(e.zustand.daten_pfad).entryList(QDir::Files), vorher);
        QVERIFY(e.plattform.meldungen.isEmpty());
    }

    void schreiben_misslingt()
    {
        Export e;
        const QString datei = e.pfad(u"fehlt/Liste.csv"_s);

        e.exportieren(datei);

        QVERIFY(!QFile::exists(datei));
        QCOMPARE(e.plattform.meldungen.size(), 1);
        QCOMPARE(e.plattform.meldungen[0].art, TestPlattform::Meldung::Schreibfehler);
        QVERIFY(e.plattform.meldungen[0].text.contains(QDir::toNativeSeparators(datei)));
        QVERIFY(!e.plattform.texte().contains(u" Die Daten wurden exportiert.  "_s));
    }

    void ohne_satzdatei_nichts()
    {
        Export e;
        QVERIFY(QFile::remove(e.pfad(e.zustand.grp_datei)));

        e.exportieren(e.pfad(u"Liste"_s));

        QVERIFY(e.plattform.speichern_filter.isEmpty());
        QVERIFY(!QFile::exists(e.pfad(u"Liste.csv"_s)));
        QVERIFY(e.plattform.meldungen.isEmpty());
    }
};

QTEST_MAIN(TstErgebnisExport)
#include "tst_ergebnis_export.moc"
