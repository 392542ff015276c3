#include "saison_testhilfe.h"
#include "season/saison.h"
#include "test_ordner.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstSaison : public QObject
{
    Q_OBJECT

    static QString bilanz_text(const Spielerbilanz &b)
    {
        const std::optional<double> schnitt = b.durchschnitt();
        return u"%1|%2|%3|%4|%5|%6"_s.arg(b.name)
            .arg(nummer(b.mannschaft))
            .arg(b.spieltage)
            .arg(b.siege)
            .arg(schnitt ? QString::number(*schnitt, 'f', 2) : u"-"_s)
            .arg(b.bester_platz ? QString::number(*b.bester_platz) : u"-"_s);
    }

    // A singles record of n entries with the given scores of team-1 entry c and team-2 entry r.
    static TSpieltag einzelsatz(int n, const QList<std::tuple<int, int, QString, QString>> &spiele)
    {
        TSpieltag satz;
        for (int k = 1; k <= n; ++k) {
            satz.setze(spt::einzel_name(Mannschaft::eins, k), u"A%1"_s.arg(k));
            satz.setze(spt::einzel_name(Mannschaft::zwei, k), u"B%1"_s.arg(k));
        }
        for (const auto &[c, r, eins, zwei] : spiele) {
            satz.setze(spt::punkte(plan::zeile(Mannschaft::eins, c), r), eins);
            satz.setze(spt::punkte(plan::zeile(Mannschaft::zwei, r), c), zwei);
        }
        return satz;
    }

private slots:
    void sechs_tage_von_hand_gezaehlt()
    {
        TestOrdner t;
        QVERIFY(saison_anlegen(t.zustand));

        const Saison saison = saison_lesen(t.zustand.daten_pfad);

        QStringList tage;
        for (const Saisontag &tag : saison.tage)
            tage << u"%1 %2 %3 %4 %5:%6 %7:%8"_s.arg(tag.datum.toString(u"dd.MM."_s))
                        .arg(tag.doppel ? u"D"_s : u"E"_s)
                        .arg(tag.anzahl)
                        .arg(tag.beschaedigt ? u"kaputt"_s : u"gut"_s)
                        .arg(tag.siege[0])
                        .arg(tag.siege[1])
                        .arg(tag.punkte[0])
                        .arg(tag.punkte[1]);
        QCOMPARE(tage, (QStringList{"14.03. D 2 gut 2:1 32:28", "21.03. E 2 gut 1:2 17:29",
                                    "28.03. E 1 gut 0:0 6:6", "04.04. D 1 gut 1:0 10:2",
                                    "11.04. D 2 kaputt 0:0 0:0", "18.04. E 2 kaputt 0:0 0:0"}));
        QCOMPARE(saison.tage[0].sieger(), Sieger::mannschaft1);
        QCOMPARE(saison.tage[1].sieger(), Sieger::mannschaft2);
        QCOMPARE(saison.tage[2].sieger(), Sieger::unentschieden);
        QCOMPARE(saison.gewonnen(Mannschaft::eins), 2);
        QCOMPARE(saison.gewonnen(Mannschaft::zwei), 1);
        QCOMPARE(saison.unentschieden, 1);
        QCOMPARE(saison.beschaedigt, 2);

        QStringList spieler;
        for (const Spielerbilanz &bilanz : saison.spieler)
            spieler << bilanz_text(bilanz);
        QCOMPARE(spieler, (QStringList{
                              "Björn|1|2|2|1.50|1",
                              "Jörg|1|3|1|2.33|1",
                              "Käthe|1|2|2|1.00|1",
                              "Ülla|1|2|2|1.50|1",
                              "Mäder|2|2|1|2.50|1",
                              "Öztürk|2|2|0|2.00|2",
                              "Straß|2|2|1|1.50|1",
                              "Weiß|2|3|2|2.67|2",
                          }));
    }

    void ein_spiel_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("eins");
        QTest::addColumn<QString>("zwei");
        QTest::addColumn<int>("siege1");
        QTest::addColumn<int>("siege2");
        QTest::addColumn<bool>("beschaedigt");
        QTest::newRow("höher gewinnt") << 1 << "3"
                                       << "2" << 1 << 0 << false;
        QTest::newRow("Mannschaft 2") << 1 << "0"
                                      << "10" << 0 << 1 << false;
        QTest::newRow("unentschieden") << 1 << "4"
                                       << "4" << 0 << 0 << false;
        QTest::newRow("nur eine Seite") << 1 << "10"
                                        << "" << 0 << 0 << false;
        QTest::newRow("offen") << 1 << ""
                               << "" << 0 << 0 << false;
        QTest::newRow("negativ") << 1 << "-1"
                                 << "-3" << 1 << 0 << false;
        QTest::newRow("Blanks") << 1 << " 7"
                                << "5 " << 1 << 0 << false;
        QTest::newRow("keine Zahl") << 1 << "3"
                                    << "x" << 0 << 0 << true;
        QTest::newRow("Dezimalzahl") << 1 << "3,5"
                                     << "2" << 0 << 0 << true;
        // Team-1 entry 1 against team-2 entry 2 lies beyond an N = 1 plan: not read at all.
        QTest::newRow("jenseits von N") << 0 << "x"
                                        << "x" << 0 << 0 << false;
    }
    void ein_spiel()
    {
        QFETCH(int, n);
        QFETCH(QString, eins);
        QFETCH(QString, zwei);
        QFETCH(int, siege1);
        QFETCH(int, siege2);
        QFETCH(bool, beschaedigt);
        const TSpieltag satz =
            n == 1 ? einzelsatz(1, {{1, 1, eins, zwei}}) : einzelsatz(1, {{1, 2, eins, zwei}});

        const Saisontag tag = saisontag_auswerten(u"E_Gr01_02_05_2026.grp"_s, &satz);

        QCOMPARE(tag.beschaedigt, beschaedigt);
        QCOMPARE(tag.siege[0], siege1);
        QCOMPARE(tag.siege[1], siege2);
        if (!beschaedigt) {
            QCOMPARE(tag.von(Mannschaft::eins)[0].siege, siege1);
            QCOMPARE(tag.von(Mannschaft::zwei)[0].siege, siege2);
        }
    }

    void beschaedigte_tage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("beschaedigt");
        QTest::newRow("gut") << "E_Gr02_02_05_2026.grp" << 0 << "" << false;
        QTest::newRow("N = 0") << "E_Gr00_02_05_2026.grp" << 0 << "" << true;
        QTest::newRow("N = 11") << "E_Gr11_02_05_2026.grp" << 0 << "" << true;
        QTest::newRow("N keine Zahl") << "E_Grxy_02_05_2026.grp" << 0 << "" << true;
        QTest::newRow("kein Datum") << "E_Gr02_31_02_2026.grp" << 0 << "" << true;
        QTest::newRow("kurzer Name") << "E_Gr.grp" << 0 << "" << true;
        QTest::newRow("Summe keine Zahl") << "E_Gr02_02_05_2026.grp" << 1 << "1a" << true;
        QTest::newRow("Platz keine Zahl") << "E_Gr02_02_05_2026.grp" << 2 << "?" << true;
        QTest::newRow("Platz 0") << "E_Gr02_02_05_2026.grp" << 2 << "0" << true;
        // Beyond N = 2 the record is not read.
        QTest::newRow("Summe jenseits von N") << "E_Gr02_02_05_2026.grp" << 3 << "1a" << false;
    }
    void beschaedigte_tage()
    {
        QFETCH(QString, name);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(bool, beschaedigt);
        TSpieltag satz = einzelsatz(2, {{1, 1, u"3"_s, u"1"_s}});
        const speicher::TextFeld felder[] = {spt::summe(1), spt::summe(12), spt::platz(13),
                                             spt::summe(13)};
        if (feld > 0)
            satz.setze(felder[feld], text);

        const Saisontag tag = saisontag_auswerten(name, &satz);

        QCOMPARE(tag.beschaedigt, beschaedigt);
        QCOMPARE(tag.datei, name);
        QCOMPARE(tag.siege[0], beschaedigt ? 0 : 1);
    }

    // A pair of one name and an empty slot counts the one player; the same name twice in a
    // day counts one day.
    void namen_der_paare()
    {
        TSpieltag satz;
        satz.setze(spt::doppel_name(Mannschaft::eins, 1, 1), u" Jörg "_s);
        satz.setze(spt::doppel_name(Mannschaft::eins, 2, 1), u"Jörg"_s);
        satz.setze(spt::doppel_name(Mannschaft::eins, 2, 2), u"Ülla"_s);
        satz.setze(spt::punkte(plan::zeile(Mannschaft::eins, 1), 1), u"5"_s);
        satz.setze(spt::punkte(plan::zeile(Mannschaft::zwei, 1), 1), u"1"_s);
        satz.setze(spt::punkte(plan::zeile(Mannschaft::eins, 2), 1), u"5"_s);
        satz.setze(spt::punkte(plan::zeile(Mannschaft::zwei, 1), 2), u"1"_s);
        satz.setze(spt::platz(plan::zeile(Mannschaft::eins, 1)), u"3"_s);
        satz.setze(spt::platz(plan::zeile(Mannschaft::eins, 2)), u"2"_s);

        const Saison saison =
            saison_auswerten({saisontag_auswerten(u"D_Gr02_02_05_2026.grp"_s, &satz)});

        QCOMPARE(saison.spieler.size(), 2);
        QCOMPARE(bilanz_text(saison.spieler[0]), u"Jörg|1|1|2|2.00|2"_s);
        QCOMPARE(bilanz_text(saison.spieler[1]), u"Ülla|1|1|1|2.00|2"_s);
    }

    void fehlende_oder_kurze_datei()
    {
        TestOrdner t;
        QVERIFY(
            speicher::datei_ersetzen(t.pfad(u"E_Gr01_02_05_2026.grp"_s), QByteArray(4223, '\0')));
        QVERIFY(speicher::datei_ersetzen(t.pfad(u"E_Tab1Gr01_02_05_2026.Tab"_s), "x"));

        QCOMPARE(saisontag_dateien(t.zustand.daten_pfad), QStringList{u"E_Gr01_02_05_2026.grp"_s});
        QVERIFY(saisontag_lesen(t.zustand.daten_pfad, u"E_Gr01_02_05_2026.grp"_s).beschaedigt);
        QVERIFY(saisontag_lesen(t.zustand.daten_pfad, u"E_Gr01_09_05_2026.grp"_s).beschaedigt);
        QVERIFY(saison_lesen(t.pfad(u"fehlt/"_s)).tage.isEmpty());
    }
};

QTEST_MAIN(TstSaison)
#include "tst_saison.moc"
