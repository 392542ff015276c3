#include "matchplan/spieltag.h"
#include "matchplan/spieltag_namen.h"
#include "plan_testhilfe.h"
#include "shell/zustand.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(const SpielplanProfil *)

class TstSpielplan : public QObject
{
    Q_OBJECT

    static void profile_als_daten()
    {
        QTest::addColumn<const SpielplanProfil *>("profil");
        QTest::newRow("Doppel") << &doppel_profil();
        QTest::newRow("Einzel") << &einzel_profil();
    }

    // Every cell of both grids as far as a saved file holds them.
    static QStringList zellen(const GitterModell &gitter)
    {
        QStringList alle;
        for (int r = 0; r < gitter.RowCount(); ++r)
            alle << gitter.Rows(r).join(u'|');
        return alle;
    }

    static QStringList spieltag_dateien(const TestOrdner &t)
    {
        return QDir(t.zustand.daten_pfad)
            .entryList({u"*.Tab"_s, u"*.Tub"_s, u"*.grp"_s}, QDir::Files, QDir::Name);
    }

private slots:
    void aufbau_data()
    {
        QTest::addColumn<const SpielplanProfil *>("profil");
        QTest::addColumn<QStringList>("team1");
        QTest::addColumn<QStringList>("eintraege");
        QTest::addColumn<QString>("trenner");
        QTest::addColumn<QString>("ecke");
        QTest::addColumn<int>("titel_ausrichtung");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("Doppel") << &doppel_profil()
                                << QStringList{"Jürgen", "Özil", "Anna",  "",
                                               "Bea",    "Cem",  "Dörte", "Eike"}
                                << QStringList{"Jürgen/Özil", "Anna/", "Bea/Cem",
                                               "Dörte/Eike",  "/",     "/"}
                                << "          Gruppe 2"
                                << "Gruppen" << 37
                                << "Turnierplan für 4 Doppelspieler pro Mannschaft";
        QTest::newRow("Einzel") << &einzel_profil() << QStringList{"Jürgen", "Özil", "", "Bea"}
                                << QStringList{"Jürgen", "Özil", "", "Bea", "", ""}
                                << "        Gruppe 2"
                                << "Spieler" << 36 << "Spielplan für 4 Spieler pro Mannschaft";
    }
    void aufbau()
    {
        QFETCH(const SpielplanProfil *, profil);
        QFETCH(QStringList, team1);
        QFETCH(QStringList, eintraege);
        QFETCH(QString, trenner);
        QFETCH(QString, ecke);
        QFETCH(int, titel_ausrichtung);
        QFETCH(QString, ueberschrift);
        PlanAufbau p(*profil, team1, aufstellung(u"B"_s, profil->doppel ? 8 : 4));

        QCOMPARE(p.plan.anzahl(), 4);
        QCOMPARE(p.zustand.plan_anzahl, 4);
        QCOMPARE(p.plan.ueberschrift(), ueberschrift);
        QCOMPARE(p.plan.datum(), p.plattform.uhrzeit.date());
        QCOMPARE(p.tabelle.ColCount(), 7);
        QCOMPARE(p.tabelle.RowCount(), 22);
        QCOMPARE(p.tabelle.Rows(0), (QStringList{"Gruppe 1", "Spiel 1", "Spiel 2", "Spiel 3",
                                                 "Spiel 4", "Ges.", "Platz"}));
        for (int k = 1; k <= eintraege.size(); ++k) {
            QCOMPARE(p.tabelle.Cells(0, k), eintraege[k - 1]);
            QCOMPARE(p.matrix.Cells(k, 0), eintraege[k - 1]);
        }
        QCOMPARE(p.tabelle.Cells(0, 11), trenner);
        QCOMPARE(p.tabelle.Cells(0, 12), profil->doppel ? u"B1/B2"_s : u"B1"_s);
        QCOMPARE(p.matrix.Cells(0, 1), p.tabelle.Cells(0, 12));
        QCOMPARE(p.matrix.Cells(0, 0), ecke);
        // Opening writes no result, total or rank.
        for (int r = 1; r <= 21; ++r)
            QCOMPARE(p.tabelle.Rows(r).mid(1), QStringList(6, QString()));

        QCOMPARE(p.tabelle.FixedRows(), 1);
        QCOMPARE(p.tabelle.FixedCols(), 0);
        QVERIFY(!p.tabelle.goEditing());
        QCOMPARE(p.matrix.ColCount(), 11);
        QCOMPARE(p.matrix.RowCount(), 11);
        QVERIFY(p.matrix.goEditing());
        QCOMPARE(p.matrix.GetColInfo(1)->TitAlign, titel_ausrichtung);
        QCOMPARE(p.matrix.GetColInfo(0)->DatColor, clBtnFace);
        QCOMPARE(p.tabelle.GetColInfo(0)->DatAlign, 36);
        QCOMPARE(p.tabelle.GetColInfo(6)->DatAlign, 37);
        QCOMPARE(p.matrix.Selection(), (TGridRect{1, 1, 1, 1}));
        QCOMPARE(p.tabelle.Selection(), (TGridRect{-1, -1, -1, -1}));
    }

    // The singles reader of team 1 counts up to 20 names; a plan has room for 10. With no
    // line-up at all the count is 0 and the plan still has its one entry.
    void anzahl_begrenzt_data()
    {
        QTest::addColumn<QStringList>("team1");
        QTest::addColumn<QStringList>("team2");
        QTest::addColumn<int>("n");
        QTest::newRow("15 Spieler in Mannschaft 1")
            << aufstellung(u"A"_s, 15) << QStringList() << 10;
        QTest::newRow("keine Aufstellung") << QStringList() << QStringList() << 1;
    }
    void anzahl_begrenzt()
    {
        QFETCH(QStringList, team1);
        QFETCH(QStringList, team2);
        QFETCH(int, n);
        PlanAufbau p(einzel_profil(), team1, team2);
        QCOMPARE(p.plan.anzahl(), n);
        QCOMPARE(p.zustand.plan_anzahl, n);
        QCOMPARE(p.tabelle.ColCount(), n + 3);
        QCOMPARE(p.plan.ueberschrift(), u"Spielplan für %1 Spieler pro Mannschaft"_s.arg(n));
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);
        p.tippen(n, n, u"4:5"_s);
        QCOMPARE(p.platz(Mannschaft::eins, n), u"1"_s);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    void groessen_data()
    {
        QTest::addColumn<int>("zeile_gespeichert");
        QTest::addColumn<int>("schrift_gespeichert");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("schrift");
        QTest::newRow("erster Start") << 0 << 0 << 18 << 10;
        QTest::newRow("zu klein") << 7 << 5 << 18 << 10;
        QTest::newRow("gesetzt") << 25 << 12 << 25 << 12;
    }
    void groessen()
    {
        QFETCH(int, zeile_gespeichert);
        QFETCH(int, schrift_gespeichert);
        QFETCH(int, zeile);
        QFETCH(int, schrift);
        PlanAufbau p(einzel_profil(), 2);
        p.zustand.setze(opt::zeilenhoehe_e, zeile_gespeichert);
        p.zustand.setze(opt::schriftgroesse_e, schrift_gespeichert);
        p.plan.oeffnen();
        for (const GitterModell *gitter : {&p.tabelle, &p.matrix}) {
            QCOMPARE(gitter->DefaultRowHeight(), zeile);
            QCOMPARE(gitter->Font().font.pointSize(), schrift);
        }
        QCOMPARE(p.zustand.wert(opt::zeilenhoehe_e), zeile_gespeichert);
        QCOMPARE(p.zustand.wert(opt::schriftgroesse_e), schrift_gespeichert);
    }

    void groessenregler_data() { profile_als_daten(); }
    void groessenregler()
    {
        QFETCH(const SpielplanProfil *, profil);
        PlanAufbau p(*profil, 2);
        const auto gespeichert = [&p](speicher::Int32Feld feld) {
            TOptionen datei;
            optionen_lesen(datei, p.zustand.daten_pfad);
            return datei.wert(feld);
        };

        p.plan.zeilenhoehe_schritt(1, 19);
        QCOMPARE(p.tabelle.DefaultRowHeight(), 19);
        QCOMPARE(p.matrix.DefaultRowHeight(), 19);
        QCOMPARE(p.zustand.wert(profil->zeilenhoehe), 19);

        // A typed row height: stored and saved in doubles, no reaction in singles; the grids
        // take it only when the plan is filled again.
        p.plan.zeilenhoehe_geaendert(30);
        QCOMPARE(p.tabelle.DefaultRowHeight(), 19);
        QCOMPARE(p.zustand.wert(profil->zeilenhoehe), profil->doppel ? 30 : 19);
        QCOMPARE(gespeichert(profil->zeilenhoehe), profil->doppel ? 30 : 0);

        p.plan.schriftgroesse_geaendert(14);
        QCOMPARE(p.matrix.Font().font.pointSize(), 14);
        QCOMPARE(gespeichert(profil->schriftgroesse), 14);

        p.plan.tabellenhoehe_geaendert(25);
        QCOMPARE(p.zustand.wert(profil->tabelle1_hoehe), 25);
    }

    void fenstertitel_data()
    {
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("name2");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Blau und Rot") << "Blau"
                                      << "Rot"
                                      << "Turnier zwischen Blau und Rot";
        QTest::newRow("leer") << ""
                              << ""
                              << "Turnier zwischen  und ";
        const QString lang1 = QString(120, u'ä');
        const QString lang2 = QString(120, u'ö');
        QTest::newRow("zu lang") << lang1 << lang2
                                 << u"Turnier zwischen "_s + lang1.left(100) + u" und "_s +
                                        lang2.left(100);
    }
    void fenstertitel()
    {
        QFETCH(QString, name1);
        QFETCH(QString, name2);
        QFETCH(QString, titel);
        QCOMPARE(plan_fenstertitel(name1, name2), titel);
    }

    void neu_oeffnen_leert_auch_verborgene_spalten()
    {
        PlanAufbau p(einzel_profil(), 10);
        for (int c = 1; c <= 10; ++c)
            p.tippen(c, c, u"%1:1"_s.arg(c));
        p.matrix.SetGoEditing(false);
        aufstellungen_schreiben(p.zustand, aufstellung(u"C"_s, 3), aufstellung(u"D"_s, 3));
        p.plan.oeffnen();
        // Scores hidden beyond the columns in use (a file may bring them) go too.
        p.tabelle.SetCells(9, 1, u"5"_s);
        p.tabelle.SetCells(12, 21, u"1"_s);

        p.plan.oeffnen();

        QCOMPARE(p.plan.anzahl(), 3);
        for (int r = 1; r <= 21; ++r) {
            for (int c = 1; c <= 12; ++c)
                QVERIFY2(p.tabelle.Cells(c, r).isEmpty(), qPrintable(u"(%1,%2)"_s.arg(c).arg(r)));
        }
        for (int r = 1; r <= 10; ++r)
            QCOMPARE(p.matrix.Rows(r).mid(1), QStringList(10, QString()));
        QCOMPARE(p.matrix.Selection(), (TGridRect{1, 1, 1, 1}));
        QCOMPARE(p.matrix.Col(), 1);
        QCOMPARE(p.matrix.Row(), 1);
        QVERIFY(p.matrix.goEditing());
    }

    void nach_kleinem_geladenem_plan_hat_jede_spalte_ihre_information()
    {
        PlanAufbau p(doppel_profil(), 4);
        p.tippen(1, 1, u"3:2"_s);
        p.plattform.uhrzeit = QDateTime(QDate(2026, 3, 14), QTime(21, 0));
        p.plan.speichern();
        p.zustand.listen_datum = u"14.03.2026"_s;
        QVERIFY(p.plan.laden(spieltag_dateinamen(true, 4, QDate(2026, 3, 14)).tabelle));
        aufstellungen_schreiben(p.zustand, aufstellung(u"C"_s, 20), aufstellung(u"D"_s, 20));
        p.zustand.setze(opt::spieler_pro_mannschaft, 10);

        p.plan.oeffnen();

        QCOMPARE(p.plan.anzahl(), 10);
        for (int c = 0; c < p.tabelle.ColCount(); ++c) {
            const TColInfo *info = p.tabelle.GetColInfo(c);
            QVERIFY2(info, qPrintable(u"Spalte %1"_s.arg(c)));
            QCOMPARE(info->TitColor, clBtnFace);
            QCOMPARE(info->DatColor, clWindow);
        }
        QCOMPARE(p.tabelle.Cells(plan::summen_spalte(10), 0), u"Ges."_s);
    }

    // A plan saves over its own day without a word; over a day it did not load or save it
    // asks first, and "Nein" leaves the stored day as it was.
    void fremden_tag_ersetzen_fragt_vorher()
    {
        PlanAufbau p(einzel_profil(), 3);
        const Spieltagdateien namen = spieltag_dateinamen(false, 3, p.plattform.jetzt().date());
        const auto gespeichert = [&p, &namen] {
            QByteArray inhalt;
            for (const QString &name : {namen.tabelle, namen.matrix, namen.satz}) {
                QFile datei(p.pfad(name));
                inhalt += datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("-");
            }
            return inhalt;
        };
        const QString frage = u"Für den 08.12.2026 ist schon ein Spieltag gespeichert. Ersetzen?"_s;
        p.tippen(1, 1, u"3:2"_s);
        p.plan.speichern();
        p.tippen(2, 2, u"4:4"_s);
        p.plan.speichern();
        QVERIFY(p.plattform.meldungen.isEmpty());
        const QByteArray erster_tag = gespeichert();

        p.plan.oeffnen();
        p.tippen(1, 1, u"1:0"_s);
        p.plan.speichern();
        QCOMPARE(p.plattform.texte(), QStringList{frage});
        QCOMPARE(gespeichert(), erster_tag);

        p.plattform.ja_nein_antworten.enqueue(true);
        p.plan.speichern();
        QCOMPARE(p.plattform.texte(), (QStringList{frage, frage}));
        QVERIFY(gespeichert() != erster_tag);
        p.plan.speichern();
        QCOMPARE(p.plattform.meldungen.size(), 2);

        // A day loaded from the data folder is the plan's own.
        p.plan.oeffnen();
        p.zustand.listen_datum = p.plattform.jetzt().date().toString(u"dd.MM.yyyy"_s);
        QVERIFY(p.plan.laden(namen.tabelle));
        p.plan.speichern();
        QCOMPARE(p.plattform.meldungen.size(), 2);
    }

    // A stored day loaded on a later day and corrected: "Ja" writes that day's files anew, so
    // that it is counted once; "Nein" saves the plan as today's day and leaves the stored one.
    void alter_tag_auf_wunsch_ueberschrieben_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void alter_tag_auf_wunsch_ueberschrieben()
    {
        QFETCH(bool, ja);
        PlanAufbau p(doppel_profil(), 3);
        const auto inhalt = [&p](const QString &name) {
            QFile datei(p.pfad(name));
            return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
        };
        p.plattform.uhrzeit = QDateTime(QDate(2026, 12, 1), QTime(20, 0));
        p.eintragen(1, 1, u"3:2"_s);
        p.plan.speichern();
        const Spieltagdateien alt = spieltag_dateinamen(true, 3, QDate(2026, 12, 1));
        const QByteArray alter_satz = inhalt(alt.satz);

        p.plattform.uhrzeit = QDateTime(QDate(2026, 12, 11), QTime(19, 0));
        p.plan.oeffnen();
        p.zustand.listen_datum = u"01.12.2026"_s;
        QVERIFY(p.plan.laden(alt.tabelle));
        p.eintragen(2, 1, u"5:4"_s);
        p.plattform.ja_nein_antworten.enqueue(ja);
        p.plan.speichern();

        const QString frage = u"Den Spieltag vom 01.12.2026 mit dieser Änderung überschreiben?"_s;
        QCOMPARE(p.plattform.texte(), QStringList{frage});
        const Spieltagdateien heute = spieltag_dateinamen(true, 3, QDate(2026, 12, 11));
        QStringList erwartet{alt.satz, alt.tabelle, alt.matrix};
        if (!ja)
            erwartet << heute.satz << heute.tabelle << heute.matrix;
        erwartet.sort();
        QCOMPARE(spieltag_dateien(p), erwartet);
        TSpieltag satz;
        QVERIFY(spieltag_lesen(p.pfad(ja ? alt.satz : heute.satz), satz));
        QCOMPARE(satz.wert(spt::summe(11)), u"8"_s);
        QCOMPARE(inhalt(alt.satz) == alter_satz, !ja);
        QCOMPARE(p.zustand.optionen.wert(opt::turnier_datum),
                 ja ? u"01.12.2026"_s : u"11.12.2026"_s);
        QVERIFY(!p.plan.ungespeichert());
    }

    // Whether "Laden" has results to lose: typed (also still in the editor), taken back, saved,
    // loaded, or taken back from a recovery set.
    void ungespeichert_folgt_den_ergebnissen()
    {
        PlanAufbau p(einzel_profil(), 3);
        QVERIFY(!p.plan.ungespeichert());
        p.tippen(1, 1, u"3:2"_s);
        QVERIFY(p.plan.ungespeichert());
        p.matrix.editieren_endet();
        QVERIFY(p.plan.ungespeichert());
        p.plan.rueckgaengig();
        QVERIFY(!p.plan.ungespeichert());
        p.plan.wiederholen();
        QVERIFY(p.plan.ungespeichert());
        p.plan.speichern();
        QVERIFY(!p.plan.ungespeichert());
        p.eintragen(2, 2, u"1:1"_s);
        QVERIFY(p.plan.ungespeichert());

        const Spieltagdateien namen = spieltag_dateinamen(false, 3, QDate(2026, 12, 8));
        p.zustand.listen_datum = u"08.12.2026"_s;
        QVERIFY(p.plan.laden(namen.tabelle));
        QVERIFY(!p.plan.ungespeichert());
        QVERIFY(QDir().mkpath(p.pfad(u"satz"_s)));
        for (const QString &name : {namen.tabelle, namen.matrix})
            QVERIFY(QFile::copy(p.pfad(name), p.pfad(u"satz/"_s + name)));
        QVERIFY(p.plan.laden(namen.tabelle, p.pfad(u"satz/"_s)));
        QVERIFY(p.plan.ungespeichert());
        // Nothing typed at all is nothing to lose.
        p.plan.oeffnen();
        p.tippen(1, 1, u"3:2"_s);
        p.ersetzen(1, 1, QString());
        p.matrix.editieren_endet();
        QVERIFY(!p.plan.ungespeichert());
    }

    void dateinamen_data()
    {
        QTest::addColumn<const SpielplanProfil *>("profil");
        QTest::addColumn<int>("n");
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QStringList>("dateien");
        QTest::newRow("Doppel N8")
            << &doppel_profil() << 8 << QDate(2026, 3, 14)
            << QStringList{"D_Gr08_14_03_2026.grp", "D_Tab1Gr08_14_03_2026.Tab",
                           "D_Tab2Gr08_14_03_2026.Tub"};
        QTest::newRow("Einzel N10")
            << &einzel_profil() << 10 << QDate(2026, 5, 1)
            << QStringList{"E_Gr10_01_05_2026.grp", "E_Tab1Gr10_01_05_2026.Tab",
                           "E_Tab2Gr10_01_05_2026.Tub"};
    }
    void dateinamen()
    {
        QFETCH(const SpielplanProfil *, profil);
        QFETCH(int, n);
        QFETCH(QDate, heute);
        QFETCH(QStringList, dateien);
        PlanAufbau p(*profil, n);
        p.plattform.uhrzeit = QDateTime(heute, QTime(20, 15));
        // The date shown does not name the files; today does.
        p.plan.setze_datum(QDate(2020, 1, 1));
        p.tippen(1, 1, u"3:2"_s);

        p.plan.speichern();

        QCOMPARE(spieltag_dateien(p), dateien);
        QCOMPARE(QFileInfo(p.pfad(dateien[0])).size(), 4224);
        TSpieltag satz;
        QVERIFY(spieltag_lesen(p.pfad(dateien[0]), satz));
        QCOMPARE(satz.bytes(), spieltag_aus_tabelle(p.tabelle, profil->doppel, n).bytes());
        QCOMPARE(p.zustand.optionen.wert(opt::turnier_datum), heute.toString(u"dd.MM.yyyy"_s));
        QCOMPARE(spieltag_dateinamen(profil->doppel, n, heute).tabelle, dateien[1]);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    void zweimal_speichern_laesst_einen_satz()
    {
        PlanAufbau p(doppel_profil(), 3);
        p.tippen(1, 1, u"3:2"_s);
        p.plan.speichern();
        p.tippen(2, 1, u"4:6"_s);
        p.plan.speichern();

        const QStringList dateien = spieltag_dateien(p);
        QCOMPARE(dateien.size(), 3);
        TSpieltag satz;
        QVERIFY(spieltag_lesen(p.pfad(dateien.filter(u".grp"_s).value(0)), satz));
        QCOMPARE(satz.wert(spt::summe(11)), u"7"_s);
        QCOMPARE(satz.wert(spt::summe(2)), u"6"_s);
    }

    void speichern_loeschen_laden_gibt_denselben_tag_data() { profile_als_daten(); }
    void speichern_loeschen_laden_gibt_denselben_tag()
    {
        QFETCH(const SpielplanProfil *, profil);
        PlanAufbau p(*profil, 5);
        const QStringList ergebnisse{"3:2", "7 : 10", "0:4", "5:5", ":6", "2:"};
        for (int i = 0; i < ergebnisse.size(); ++i)
            p.tippen(1 + i % 5, 1 + i / 2, ergebnisse[i]);
        p.plattform.uhrzeit = QDateTime(QDate(2026, 3, 14), QTime(21, 0));
        p.plan.speichern();
        const QStringList tabelle = zellen(p.tabelle);
        const QStringList matrix = zellen(p.matrix);

        // "Ergebnis löschen" on another day.
        p.plattform.uhrzeit = QDateTime(QDate(2026, 4, 2), QTime(9, 0));
        p.plan.oeffnen();
        QVERIFY(zellen(p.tabelle) != tabelle);
        QVERIFY(zellen(p.matrix) != matrix);
        p.zustand.listen_datum = u"14.03.2026"_s;
        const QString name = spieltag_dateinamen(profil->doppel, 5, QDate(2026, 3, 14)).tabelle;

        QVERIFY(p.plan.laden(name));

        QCOMPARE(zellen(p.tabelle), tabelle);
        QCOMPARE(zellen(p.matrix), matrix);
        QCOMPARE(p.plan.datum(), QDate(2026, 3, 14));
        QCOMPARE(p.plan.anzahl(), 5);
        QCOMPARE(p.zustand.plan_anzahl, 5);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    void laden_rechnet_neu_und_ueberspringt_fehlende_matrix()
    {
        PlanAufbau p(einzel_profil(), 4);
        p.tippen(1, 1, u"3:2"_s);
        p.plattform.uhrzeit = QDateTime(QDate(2026, 5, 1), QTime(12, 0));
        p.plan.speichern();
        const Spieltagdateien namen = spieltag_dateinamen(false, 4, QDate(2026, 5, 1));
        QVERIFY(QFile::remove(p.pfad(namen.matrix)));
        // A total that does not fit the games: loading ranks the day again.
        GitterModell datei;
        datei.SetFileName(p.pfad(namen.tabelle));
        QVERIFY(datei.LoadFromFile(true));
        datei.SetCells(5, 1, u"99"_s);
        QVERIFY(datei.SaveToFile(true));
        aufstellungen_schreiben(p.zustand, aufstellung(u"X"_s, 10), aufstellung(u"Y"_s, 10));
        p.plan.oeffnen();
        p.tippen(7, 7, u"1:1"_s);

        QVERIFY(p.plan.laden(namen.tabelle));

        QCOMPARE(p.tabelle.ColCount(), 7);
        QCOMPARE(p.ges(Mannschaft::eins, 1), u"2"_s);
        QCOMPARE(p.platz(Mannschaft::zwei, 1), u"1"_s);
        QCOMPARE(p.tabelle.Cells(0, 1), u"A1"_s);
        // The matrix kept what it had.
        QCOMPARE(p.matrix.Cells(7, 7), u"1:1"_s);
        QCOMPARE(p.matrix.Cells(1, 0), u"X1"_s);
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 4);
    }

    void laden_ohne_anzahl_im_namen_aendert_nichts()
    {
        PlanAufbau p(doppel_profil(), 2);
        p.tippen(1, 1, u"3:2"_s);
        const QStringList vorher = zellen(p.tabelle);
        p.zustand.listen_datum = u"14.03.2026"_s;

        QVERIFY(!p.plan.laden(u"D_Tab1Grxx_14_03_2026.Tab"_s));

        QCOMPARE(p.plattform.texte(), QStringList{u"'xx' ist kein gültiger Integerwert"_s});
        QVERIFY(p.plattform.meldungen[0].umwandlung);
        QCOMPARE(zellen(p.tabelle), vorher);
        QCOMPARE(p.plan.datum(), p.plattform.uhrzeit.date());
    }

    // Saving reports files it could not write instead of leaving the user believing the day
    // is stored.
    void speichern_meldet_was_nicht_geschrieben_wurde()
    {
        PlanAufbau p(einzel_profil(), 2);
        p.zustand.daten_pfad = p.zustand.daten_pfad + u"fehlt/"_s;
        p.plan.speichern();
        QCOMPARE(p.plattform.meldungen.size(), 1);
        QCOMPARE(p.plattform.meldungen[0].art, TestPlattform::Meldung::Schreibfehler);
        const QString text = p.plattform.meldungen[0].text;
        QVERIFY(text.startsWith(u"Der Spieltag konnte nicht vollständig gespeichert werden."_s));
        for (const QString &name : {u"E_Tab1Gr02_08_12_2026.Tab"_s, u"E_Tab2Gr02_08_12_2026.Tub"_s,
                                    u"E_Gr02_08_12_2026.grp"_s, u"Vorlixn.opt"_s})
            QVERIFY2(text.contains(name), qPrintable(text));
    }
};

QTEST_MAIN(TstSpielplan)
#include "tst_spielplan.moc"
