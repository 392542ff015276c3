#include "matchplan/dateiwahl.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstDateiwahl : public QObject
{
    Q_OBJECT

    static void dateien_anlegen(const TestOrdner &t, const QStringList &namen)
    {
        for (const QString &name : namen)
            QVERIFY(speicher::datei_ersetzen(t.pfad(name), "x"));
    }

private slots:
    void auswahl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("zweck");
        QTest::addColumn<int>("doppel_modus");
        QTest::addColumn<QString>("listen_datum");
        QTest::addColumn<int>("plan_anzahl");
        QTest::addColumn<int>("spieler");
        QTest::addColumn<QString>("grp_datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Doppel Ergebnisliste") << "D_Gr08_14_03_2026.grp" << 1 << 1 << "14.03.2026"
                                              << 8 << 8 << "D_Gr08_14_03_2026.grp"
                                              << "";
        QTest::newRow("Einzel Ergebnisliste") << "E_Gr10_01_05_2026.grp" << 1 << 0 << "01.05.2026"
                                              << 10 << 10 << "E_Gr10_01_05_2026.grp"
                                              << "";
        QTest::newRow("zu viele Einträge im Namen")
            << "E_Gr99_01_05_2026.grp" << 1 << 0 << "01.05.2026" << 10 << 10
            << "E_Gr99_01_05_2026.grp"
            << "";
        QTest::newRow("Laden") << "E_Tab1Gr10_01_05_2026.Tab" << 2 << 0 << "01.05.2026" << 3 << 3
                               << "alt.grp"
                               << "";
        QTest::newRow("keine Zahl")
            << "D_Grxx_14_03_2026.grp" << 1 << 1 << "alt" << 3 << 3 << "alt.grp"
            << "'xx' ist kein gültiger Integerwert";
        QTest::newRow("nichts gewählt") << "" << 1 << 1 << "" << 3 << 3 << "alt.grp"
                                        << "'' ist kein gültiger Integerwert";
    }
    void auswahl()
    {
        QFETCH(QString, name);
        QFETCH(int, zweck);
        QFETCH(int, doppel_modus);
        QFETCH(QString, listen_datum);
        QFETCH(int, plan_anzahl);
        QFETCH(int, spieler);
        QFETCH(QString, grp_datei);
        QFETCH(QString, meldung);
        TestOrdner t;
        TestPlattform plattform;
        Zustand &z = t.zustand;
        z.optionen_lesen();
        z.setze(opt::doppel_modus, doppel_modus);
        z.setze(opt::spieler_pro_mannschaft, 3);
        z.optionen_speichern();
        z.plan_anzahl = 3;
        z.listen_datum = u"alt"_s;
        z.grp_datei = u"alt.grp"_s;
        z.dateiwahl_zweck = zweck;

        const bool gelungen =
            auswahl_auswerten(z, plattform, name) &&
            (zweck != zweck_ergebnisliste || ergebnisliste_vorbereiten(z, plattform, name));

        QCOMPARE(gelungen, meldung.isEmpty());
        QCOMPARE(plattform.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(z.listen_datum, listen_datum);
        QCOMPARE(z.plan_anzahl, plan_anzahl);
        QCOMPARE(z.wert(opt::spieler_pro_mannschaft), spieler);
        QCOMPARE(z.grp_datei, grp_datei);
    }

    void muster_und_liste()
    {
        TestOrdner t;
        dateien_anlegen(t,
                        {"E_Gr02_01_05_2026.grp", "D_Gr08_14_03_2026.grp", "d_gr01_02_01_2026.GRP",
                         "D_Tab1Gr08_14_03_2026.Tab", "D_Tab2Gr08_14_03_2026.Tub"});
        QCOMPARE(dateiwahl_muster(true, zweck_ergebnisliste), u"D*.grp"_s);
        QCOMPARE(dateiwahl_muster(false, zweck_laden), u"E*.Tab"_s);
        QCOMPARE(dateiwahl_dateien(t.zustand, dateiwahl_muster(true, zweck_ergebnisliste)),
                 (QStringList{"D_Gr08_14_03_2026.grp", "d_gr01_02_01_2026.GRP"}));
        QCOMPARE(dateiwahl_dateien(t.zustand, dateiwahl_muster(true, zweck_laden)),
                 QStringList{"D_Tab1Gr08_14_03_2026.Tab"});
        QCOMPARE(dateiwahl_dateien(t.zustand, dateiwahl_muster(false, zweck_laden)), QStringList());
    }

    // Newest first by the date in the name, not by the name; the same day and names without a
    // date in name order.
    void liste_nach_datum_data()
    {
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("Jahreswechsel")
            << QStringList{"D_Gr08_11_12_2026.grp", "D_Gr08_08_01_2027.grp",
                           "D_Gr08_31_12_2026.grp"}
            << "D*.grp"
            << QStringList{"D_Gr08_08_01_2027.grp", "D_Gr08_31_12_2026.grp",
                           "D_Gr08_11_12_2026.grp"};
        QTest::newRow("Tabellen")
            << QStringList{"E_Tab1Gr04_01_02_2025.Tab", "E_Tab1Gr10_15_06_2026.Tab",
                           "E_Tab1Gr06_15_06_2026.Tab"}
            << "E*.Tab"
            << QStringList{"E_Tab1Gr06_15_06_2026.Tab", "E_Tab1Gr10_15_06_2026.Tab",
                           "E_Tab1Gr04_01_02_2025.Tab"};
        QTest::newRow("ohne Datum zuletzt")
            << QStringList{"D_Gr08_xx_12_2026.grp", "D_Gr08_31_02_2026.grp", "D.grp",
                           "D_Gr08_01_01_2020.grp"}
            << "D*.grp"
            << QStringList{"D_Gr08_01_01_2020.grp", "D.grp", "D_Gr08_31_02_2026.grp",
                           "D_Gr08_xx_12_2026.grp"};
    }
    void liste_nach_datum()
    {
        QFETCH(QStringList, dateien);
        QFETCH(QString, muster);
        QFETCH(QStringList, liste);
        TestOrdner t;
        dateien_anlegen(t, dateien);
        QCOMPARE(dateiwahl_dateien(t.zustand, muster), liste);
    }

    void loeschen_nimmt_die_matrix_mit()
    {
        TestOrdner t;
        dateien_anlegen(t, {"D_Tab1Gr08_14_03_2026.Tab", "D_Tab2Gr08_14_03_2026.Tub",
                            "D_Gr08_14_03_2026.grp", "D_Tab2Gr07_14_03_2026.Tub"});
        dateiwahl_loeschen(t.zustand, u"D_Tab1Gr08_14_03_2026.Tab"_s);
        QCOMPARE(dateiwahl_dateien(t.zustand, u"D*"_s),
                 (QStringList{"D_Gr08_14_03_2026.grp", "D_Tab2Gr07_14_03_2026.Tub"}));
        dateiwahl_loeschen(t.zustand, u"D_Gr08_14_03_2026.grp"_s);
        QCOMPARE(dateiwahl_dateien(t.zustand, u"D*"_s), QStringList{"D_Tab2Gr07_14_03_2026.Tub"});
    }

    void loeschen_frage()
    {
        QCOMPARE(::loeschen_frage(u"D_Gr08_14_03_2026.grp"_s),
                 u"              Möchten Sie die Datei               \n"
                 u"    >D_Gr08_14_03_2026.grp< \n"
                 u"               wirklich löschen ??               \n"_s);
    }

    void knopfreihe() { QCOMPARE(dreier_knopfreihe(420, 90), (std::array<int, 3>{60, 155, 250})); }
};

QTEST_MAIN(TstDateiwahl)
#include "tst_dateiwahl.moc"
