#include "ergebnis_testhilfe.h"
#include "results/ergebnis_profil.h"
#include "results/ergebnisliste.h"
#include "test_ordner.h"

#include <QPainter>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstErgebnisliste : public QObject
{
    Q_OBJECT

    // A results list on a grid model over a fresh data folder.
    struct Liste : TestOrdner
    {
        bool doppel;
        GitterModell gitter;
        Ergebnisliste liste;

        explicit Liste(bool doppel_)
            : doppel(doppel_)
            , liste(zustand, doppel ? doppel_ergebnisprofil() : einzel_ergebnisprofil(), gitter)
        {
            zustand.optionen_lesen();
        }
        void zeigen(const TSpieltag &satz, int n)
        {
            spieltag_ablegen(zustand, satz, doppel, n);
            liste.gruppen_ansehen();
        }
        void zeigen(int n) { zeigen(spieltag_fuer(doppel, n), n); }
        void titel_klicken(const QString &titel)
        {
            gitter.maus_gedrueckt(titel_spalte(gitter, titel), 0, true, true);
            gitter.maus_losgelassen();
        }
    };

private slots:
    void aufbau_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("gruppen");
        QTest::newRow("Doppel N=3")
            << true << 3 << "Gruppe|Spieler|Spieler|Spiel 1|Spiel 2|Spiel 3|Gesamt|Platz"
            << QStringList{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"};
        QTest::newRow("Einzel N=10")
            << false << 10
            << "Gruppe|Spieler|Spiel 1|Spiel 2|Spiel 3|Spiel 4|Spiel 5|"
               "Spiel 6|Spiel 7|Spiel 8|Spiel 9|Spiel 10|Gesamt|Platz"
            << QStringList{"Gruppe", "1/1", "1/2", "1/3",  "1/4", "1/5", "1/6",
                           "1/7",    "1/8", "1/9", "1/10", "2/1", "2/2", "2/3",
                           "2/4",    "2/5", "2/6", "2/7",  "2/8", "2/9", "2/10"};
        QTest::newRow("Einzel N=1") << false << 1 << "Gruppe|Spieler|Spiel 1|Gesamt|Platz"
                                    << QStringList{"Gruppe", "1/1", "2/1"};
    }
    void aufbau()
    {
        QFETCH(bool, doppel);
        QFETCH(int, n);
        QFETCH(QString, titel);
        QFETCH(QStringList, gruppen);
        Liste l(doppel);

        l.zeigen(n);

        QCOMPARE(zeile_text(l.gitter, 0), titel);
        // The empty rows after the entries are gone.
        QCOMPARE(spalte_text(l.gitter, 0), gruppen);
        QCOMPARE(l.liste.titel(), u"Ergebnisliste vom 14.03.2026"_s);
        QCOMPARE(l.gitter.FixedRows(), 1);
        QCOMPARE(l.gitter.FixedCols(), 1);
        QVERIFY(l.gitter.goRowSelect());
        for (int spalte = 0; spalte < l.gitter.ColCount(); ++spalte)
            QVERIFY(l.gitter.ColWidths(spalte) > 0);
    }

    void eintrag_an_seinem_platz_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("inhalt");
        // Team 2's first entry: standings row 12, total 511, rank 2.
        QTest::newRow("Doppel N=2, 2/1") << true << 2 << 3 << "2/1|B1|Q1|1201|1202|511|2";
        QTest::newRow("Doppel N=8, 2/7")
            << true << 8 << 15 << "2/7|B7|Q7|1801|1802|1803|1804|1805|1806|1807|1808|517|14";
        QTest::newRow("Einzel N=10, 2/7") << false << 10 << 17
                                          << "2/7|B7|1801|1802|1803|1804|1805|1806|1807|1808|"
                                             "1809|1810|517|14";
        QTest::newRow("Einzel N=3, 1/3") << false << 3 << 3 << "1/3|A3|301|302|303|503|5";
    }
    void eintrag_an_seinem_platz()
    {
        QFETCH(bool, doppel);
        QFETCH(int, n);
        QFETCH(int, zeile);
        QFETCH(QString, inhalt);
        Liste l(doppel);

        l.zeigen(n);

        QCOMPARE(zeile_text(l.gitter, zeile), inhalt);
    }

    void spalteninformation_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("typen");
        QTest::addColumn<QList<qint32>>("ausrichtungen");
        QTest::newRow("Doppel") << true << "I  IIII" << QList<qint32>{37, 36, 36, 37, 37, 37, 37};
        QTest::newRow("Einzel") << false << "  IIII" << QList<qint32>{37, 36, 37, 37, 37, 37};
    }
    void spalteninformation()
    {
        QFETCH(bool, doppel);
        QFETCH(QString, typen);
        QFETCH(QList<qint32>, ausrichtungen);
        Liste l(doppel);

        l.zeigen(2);

        QCOMPARE(l.gitter.ColCount(), typen.size());
        for (int spalte = 0; spalte < l.gitter.ColCount(); ++spalte) {
            const TColInfo *info = l.gitter.GetColInfo(spalte);
            QVERIFY(info);
            QCOMPARE(info->Typ, typen.at(spalte));
            QCOMPARE(info->DatAlign, ausrichtungen.at(spalte));
            QCOMPARE(info->TitAlign, 37);
        }
    }

    void leerer_name_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("leer");
        QTest::addColumn<QStringList>("gruppen");
        QTest::addColumn<QString>("zweite_zeile");
        // The label goes with the row; the rows below move up.
        QTest::newRow("Doppel, 1/2")
            << true << 2 << QStringList{"Gruppe", "1/1", "1/3", "2/1", "2/2", "2/3"}
            << "1/3|A3|P3|301|302|303|503|5";
        QTest::newRow("Einzel, 1/2")
            << false << 2 << QStringList{"Gruppe", "1/1", "1/3", "2/1", "2/2", "2/3"}
            << "1/3|A3|301|302|303|503|5";
        // Team 1's first entry is written all the same; its scores keep the row.
        QTest::newRow("Einzel, 1/1")
            << false << 1 << QStringList{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"}
            << "1/2|A2|201|202|203|502|3";
    }
    void leerer_name()
    {
        QFETCH(bool, doppel);
        QFETCH(int, leer);
        QFETCH(QStringList, gruppen);
        QFETCH(QString, zweite_zeile);
        Liste l(doppel);
        TSpieltag satz = spieltag_fuer(doppel, 3);
        if (doppel)
            satz.setze(spt::doppel_name(Mannschaft::eins, leer, 1), QString());
        else
            satz.setze(spt::einzel_name(Mannschaft::eins, leer), QString());

        l.zeigen(satz, 3);

        QCOMPARE(spalte_text(l.gitter, 0), gruppen);
        QCOMPARE(zeile_text(l.gitter, 2), zweite_zeile);
    }

    void zeilenhoehe_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<int>("hoehe");
        QTest::newRow("0") << true << 0 << 18;
        QTest::newRow("5") << false << 5 << 18;
        QTest::newRow("8") << true << 8 << 8;
        QTest::newRow("30") << false << 30 << 30;
    }
    void zeilenhoehe()
    {
        QFETCH(bool, doppel);
        QFETCH(int, gespeichert);
        QFETCH(int, hoehe);
        Liste l(doppel);
        // Only the setting of the list's own game kind counts.
        l.zustand.setze(doppel ? opt::zeilenhoehe_liste_d : opt::zeilenhoehe_liste_e, gespeichert);
        l.zustand.setze(doppel ? opt::zeilenhoehe_liste_e : opt::zeilenhoehe_liste_d, 40);
        l.zustand.setze(doppel ? opt::schriftgroesse_liste_d : opt::schriftgroesse_liste_e, 13);

        l.zeigen(2);

        QCOMPARE(l.gitter.DefaultRowHeight(), hoehe);
        QCOMPARE(l.gitter.RowHeights(l.gitter.RowCount() - 1), hoehe);
        QCOMPARE(l.gitter.Font().font.pointSize(), 13);
    }

    void groessen_aendern()
    {
        Liste l(false);
        l.zeigen(2);

        l.liste.zeilenhoehe_geaendert(25);
        l.liste.schriftgroesse_geaendert(14);
        QCOMPARE(l.gitter.DefaultRowHeight(), 25);
        QCOMPARE(l.gitter.Font().font.pointSize(), 14);
        QCOMPARE(l.zustand.wert(opt::zeilenhoehe_liste_e), 25);
        QCOMPARE(l.zustand.wert(opt::schriftgroesse_liste_e), 14);
        QCOMPARE(l.zustand.wert(opt::zeilenhoehe_liste_d), 0);

        // Size 0 is the desktop's regular size.
        l.liste.schriftgroesse_geaendert(0);
        QCOMPARE(l.gitter.Font().font.pointSize(), QFont().pointSize());
        QCOMPARE(l.zustand.wert(opt::schriftgroesse_liste_e), 0);
    }

    void titelklick_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("klicks");
        QTest::addColumn<QStringList>("gruppen");
        // Ranks: 1/k has 2k - 1, 2/k has 2k; 2/3 has none.
        QTest::newRow("Platz einmal")
            << true << 3 << "Platz" << 1
            << QStringList{"Gruppe", "2/3", "1/1", "2/1", "1/2", "2/2", "1/3"};
        QTest::newRow("Platz zweimal")
            << true << 3 << "Platz" << 2
            << QStringList{"Gruppe", "1/3", "2/2", "1/2", "2/1", "1/1", "2/3"};
        QTest::newRow("Platz dreimal")
            << false << 3 << "Platz" << 3
            << QStringList{"Gruppe", "2/3", "1/1", "2/1", "1/2", "2/2", "1/3"};
        // In doubles every label reads as the number 0.
        QTest::newRow("Doppel Gruppe einmal")
            << true << 3 << "Gruppe" << 1
            << QStringList{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"};
        // Equal keys keep their order, descending too.
        QTest::newRow("Doppel Gruppe zweimal")
            << true << 3 << "Gruppe" << 2
            << QStringList{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"};
        QTest::newRow("Einzel Gruppe als Text")
            << false << 10 << "Gruppe" << 1
            << QStringList{"Gruppe", "1/1", "1/10", "1/2", "1/3", "1/4",  "1/5",
                           "1/6",    "1/7", "1/8",  "1/9", "2/1", "2/10", "2/2",
                           "2/3",    "2/4", "2/5",  "2/6", "2/7", "2/8",  "2/9"};
    }
    void titelklick()
    {
        QFETCH(bool, doppel);
        QFETCH(int, n);
        QFETCH(QString, titel);
        QFETCH(int, klicks);
        QFETCH(QStringList, gruppen);
        Liste l(doppel);
        TSpieltag satz = spieltag_fuer(doppel, n);
        satz.setze(spt::platz(plan::zeile(Mannschaft::zwei, 3)), QString());
        l.zeigen(satz, n);

        for (int i = 0; i < klicks; ++i)
            l.titel_klicken(titel);

        QCOMPARE(spalte_text(l.gitter, 0), gruppen);
        // Rows move whole.
        const int zeile = int(gruppen.indexOf(u"1/2"_s));
        QCOMPARE(l.gitter.Cells(1, zeile), u"A2"_s);
        QCOMPARE(l.gitter.Cells(titel_spalte(l.gitter, u"Gesamt"_s), zeile), u"502"_s);
        QCOMPARE(l.gitter.sort_felder().size(), size_t(1));
    }

    // Entries of equal rank keep the order they had, however often and whichever way the list
    // sorts; the click before decides which order that is.
    void gleiche_plaetze_bleiben_in_ihrer_folge_data()
    {
        QTest::addColumn<QStringList>("titel");
        QTest::addColumn<QStringList>("gruppen");
        const QStringList eintraege{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"};
        // Ranks: 1/k and 2/k both have k.
        const QStringList nach_platz{"Gruppe", "1/1", "2/1", "1/2", "2/2", "1/3", "2/3"};
        const QStringList nach_platz_ab{"Gruppe", "1/3", "2/3", "1/2", "2/2", "1/1", "2/1"};
        QTest::newRow("Platz") << QStringList{"Platz"} << nach_platz;
        QTest::newRow("Platz zweimal") << QStringList{"Platz", "Platz"} << nach_platz_ab;
        QTest::newRow("Platz dreimal") << QStringList{"Platz", "Platz", "Platz"} << nach_platz;
        QTest::newRow("Gesamt, dann Platz") << QStringList{"Gesamt", "Platz"} << nach_platz;
        QTest::newRow("Gesamt ab, dann Platz")
            << QStringList{"Gesamt", "Gesamt", "Platz"}
            << QStringList{"Gruppe", "2/1", "1/1", "2/2", "1/2", "2/3", "1/3"};
        QTest::newRow("Spiel 1 gleich") << QStringList{"Spiel 1", "Spiel 1"} << eintraege;
    }
    void gleiche_plaetze_bleiben_in_ihrer_folge()
    {
        QFETCH(QStringList, titel);
        QFETCH(QStringList, gruppen);
        Liste l(false);
        TSpieltag satz = spieltag_fuer(false, 3);
        for (int k = 1; k <= 3; ++k) {
            for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
                const int zeile = plan::zeile(mannschaft, k);
                satz.setze(spt::platz(zeile), QString::number(k));
                satz.setze(spt::punkte(zeile, 1), u"7"_s);
            }
        }
        l.zeigen(satz, 3);

        for (const QString &t : titel)
            l.titel_klicken(t);

        QCOMPARE(spalte_text(l.gitter, 0), gruppen);
    }

    // A list opened after another was sorted starts again with ascending.
    void jede_liste_sortiert_zuerst_aufsteigend()
    {
        Liste l(true);
        l.zeigen(3);
        l.titel_klicken(u"Platz"_s);
        l.zeigen(3);

        l.titel_klicken(u"Platz"_s);

        QCOMPARE(spalte_text(l.gitter, 0),
                 (QStringList{"Gruppe", "1/1", "2/1", "1/2", "2/2", "1/3", "2/3"}));
    }

    void zeilenfarbe_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QColor>("schrift");
        QTest::newRow("aktuelle Zeile") << 2 << 0 << QColor(128, 0, 0);
        QTest::newRow("aktuelle Zeile, Titelspalte") << 2 << int(gdFixed) << QColor(128, 0, 0);
        QTest::newRow("fokussierte Zelle") << 4 << int(gdFocused) << QColor(128, 0, 0);
        QTest::newRow("andere Zeile") << 4 << int(gdSelected) << QColor(Qt::black);
    }
    void zeilenfarbe()
    {
        QFETCH(int, zeile);
        QFETCH(int, zustand);
        QFETCH(QColor, schrift);
        Liste l(true);
        l.zeigen(3);
        l.gitter.SetRow(2);
        QImage bild(10, 10, QImage::Format_RGB32);
        QPainter maler(&bild);
        maler.setPen(Qt::black);
        maler.setBrush(Qt::white);
        qint32 ausrichtung = 37;

        QVERIFY(l.gitter.ereignisse().RowColorProc);
        l.gitter.ereignisse().RowColorProc(l.gitter, ausrichtung, maler, 1, zeile, zustand);

        QCOMPARE(maler.pen().color(), schrift);
        QCOMPARE(maler.brush().color(), QColor(Qt::white));
        QCOMPARE(l.gitter.SelectRowColor, 0x008FE2E4);
        QCOMPARE(l.gitter.Color(), 0x00E2E2E2);
    }

    void fehlende_datei_behaelt_den_satz()
    {
        Liste l(true);
        l.zeigen(2);

        l.zustand.grp_datei = u"D_Gr02_15_03_2026.grp"_s;
        l.zustand.listen_datum = u"15.03.2026"_s;
        l.liste.gruppen_ansehen();

        QCOMPARE(zeile_text(l.gitter, 1), u"1/1|A1|P1|101|102|501|1"_s);
        QCOMPARE(l.liste.titel(), u"Ergebnisliste vom 15.03.2026"_s);
    }

    // A name stored beyond the day's entries lands outside the list; a later, larger list must
    // not show it in an entry row that its own day leaves empty.
    void keine_zellen_einer_frueheren_liste()
    {
        Liste l(false);
        TSpieltag erster = spieltag_fuer(false, 3);
        erster.setze(spt::einzel_name(Mannschaft::zwei, 5), u"Alt"_s);
        l.zeigen(erster, 3);

        TSpieltag zweiter = spieltag_fuer(false, 10);
        zweiter.setze(spt::einzel_name(Mannschaft::eins, 8), QString());
        l.zeigen(zweiter, 10);

        QCOMPARE(l.gitter.RowCount(), 20);
        QVERIFY(!spalte_text(l.gitter, 0).contains(u"1/8"_s));
        QVERIFY(!spalte_text(l.gitter, 1).contains(u"Alt"_s));
    }

    void ueberschrift_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("Doppel") << true << "Ergebnisse für Grün-Weiß gegen Blau vom 14.03.2026";
        QTest::newRow("Einzel")
            << false << "Ergebnisse für Spiele zwischen Grün-Weiß und Blau vom 14.03.2026";
    }
    void ueberschrift()
    {
        QFETCH(bool, doppel);
        QFETCH(QString, ueberschrift);
        const ErgebnisProfil &profil = doppel ? doppel_ergebnisprofil() : einzel_ergebnisprofil();

        QCOMPARE(ergebnis_ueberschrift(profil, u"Grün-Weiß"_s, u"Blau"_s, u"14.03.2026"_s),
                 ueberschrift);
    }

    void knopfreihe_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("knopf");
        QTest::addColumn<QList<int>>("links");
        QTest::newRow("1281, 90") << 1281 << 90 << QList<int>{490, 585, 680};
        QTest::newRow("1000, 75") << 1000 << 75 << QList<int>{373, 453, 532};
    }
    void knopfreihe()
    {
        QFETCH(int, breite);
        QFETCH(int, knopf);
        QFETCH(QList<int>, links);
        const std::array<int, 3> ergebnis = ergebnis_knopfreihe(breite, knopf);
        QCOMPARE(QList<int>(ergebnis.begin(), ergebnis.end()), links);
    }
};

QTEST_MAIN(TstErgebnisliste)
#include "tst_ergebnisliste.moc"
