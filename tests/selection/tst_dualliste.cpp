#include "auswahl_testhilfe.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "selection/dualliste.h"
#include "selection/listen_satz.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

using Seite = DualListe::Seite;

class TstDualListe : public QObject
{
    Q_OBJECT

    // The window's logic right after "Mitspieler festlegen", on a fresh data folder.
    struct Probe : TestOrdner
    {
        TestPlattform plattform;
        Namensfelder einzel_felder;
        Namensfelder doppel_felder;
        DualListe liste{zustand, plattform, einzel_felder, doppel_felder};

        explicit Probe(const QList<Spieler> &kader1, const QList<Spieler> &kader2 = {})
        {
            zustand.optionen_lesen();
            kader_anlegen(pfad(adressen_dateiname(Mannschaft::eins)), kader1);
            kader_anlegen(pfad(adressen_dateiname(Mannschaft::zwei)), kader2);
            zustand.setze(opt::mannschaft_nr, 1);
            liste.oeffnen();
        }
        QStringList quelle() const { return liste.quelle().texte(); }
        QStringList ziel() const { return liste.ziel().texte(); }
        QList<int> markiert(Seite seite) const
        {
            QList<int> zeilen;
            const auto &eintraege =
                (seite == Seite::quelle ? liste.quelle() : liste.ziel()).eintraege();
            for (int i = 0; i < eintraege.size(); ++i) {
                if (eintraege.at(i).markiert)
                    zeilen << i;
            }
            return zeilen;
        }
        void erste_waehlen(int anzahl)
        {
            QList<int> zeilen;
            for (int i = 0; i < anzahl; ++i)
                zeilen << i;
            liste.markieren(Seite::quelle, zeilen);
            liste.hinzufuegen();
        }
        QStringList gespeichert(const QString &datei) const
        {
            return listen_datei_lesen(pfad(datei));
        }
        TOptionen optionen_auf_platte() const
        {
            TOptionen gelesen;
            optionen_lesen(gelesen, zustand.daten_pfad);
            return gelesen;
        }
    };

    static QStringList nachnamen(int von, int bis)
    {
        QStringList namen;
        for (int i = von; i <= bis; ++i)
            namen << u"Spieler%1"_s.arg(i, 2, 10, QLatin1Char('0'));
        return namen;
    }

private slots:
    void oeffnen_stellt_den_anfang_her()
    {
        Probe p({{u"Udo"_s, u"Abt"_s}, {u"Eva"_s, u"Berg"_s}}, {{u"Rita"_s, u"Rot"_s}});
        p.liste.mannschaft_angeklickt(Mannschaft::zwei);
        p.liste.spielart_waehlen(true);
        p.liste.alle_hinzufuegen();
        QCOMPARE(p.ziel(), QStringList{u"Rot"_s});

        p.liste.oeffnen();
        QCOMPARE(p.quelle(), (QStringList{u"Eva Berg"_s, u"Udo Abt"_s}));
        QVERIFY(p.ziel().isEmpty());
        QVERIFY(!p.liste.doppel());
        QVERIFY(p.liste.angehakt(Mannschaft::eins));
        QVERIFY(!p.liste.angehakt(Mannschaft::zwei));
        QCOMPARE(p.liste.titel(), u"Gruppen zusammenstellen Mannschaft 1"_s);
        const DualListe::Knoepfe &k = p.liste.knoepfe();
        QVERIFY(k.hinzufuegen && k.alle_hinzufuegen && k.entfernen && k.alle_entfernen);
        QVERIFY(k.laden);
        QVERIFY(!k.speichern);
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 1);
        QCOMPARE(p.optionen_auf_platte().wert(opt::doppel_modus), 0);
    }

    void eintraege_deutsch_sortiert_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("Einzel") << false
                                << QStringList{u"änne Bauer"_s, u"Anton zeller"_s, u"Hans Meier"_s,
                                               u"Ida Groß"_s,   u"Özil Mesut"_s,   u"Zoll"_s};
        QTest::newRow("Doppel") << true << QStringList{u"Bauer"_s, u"Groß"_s,   u"Meier"_s,
                                                       u"Mesut"_s, u"zeller"_s, u"Zoll"_s};
    }
    void eintraege_deutsch_sortiert()
    {
        QFETCH(bool, doppel);
        QFETCH(QStringList, erwartet);
        Probe p({{u"Hans"_s, u"  Meier "_s},
                 {QString(), u"Zoll"_s},
                 {u"änne"_s, u"Bauer"_s},
                 {u"Anton"_s, u"zeller"_s},
                 {u"Özil"_s, u"Mesut"_s},
                 {u"Ida"_s, u"Groß\t"_s}});
        p.liste.spielart_waehlen(doppel);
        QCOMPARE(p.quelle(), erwartet);
        // Moving keeps both lists sorted.
        p.liste.markieren(Seite::quelle, {5, 0, 3});
        p.liste.hinzufuegen();
        QCOMPARE(p.ziel(), (QStringList{erwartet.at(0), erwartet.at(3), erwartet.at(5)}));
        p.liste.markieren(Seite::ziel, {1});
        p.liste.entfernen();
        QCOMPARE(p.quelle(),
                 (QStringList{erwartet.at(1), erwartet.at(2), erwartet.at(3), erwartet.at(4)}));
    }

    void verschieben_markiert_und_schaltet_knoepfe()
    {
        Probe p({{u"A"_s, u"A"_s}, {u"B"_s, u"B"_s}, {u"C"_s, u"C"_s}, {u"D"_s, u"D"_s}});
        p.liste.markieren(Seite::quelle, {3});
        p.liste.hinzufuegen();
        QCOMPARE(p.ziel(), QStringList{u"D D"_s});
        QCOMPARE(p.markiert(Seite::quelle), QList<int>{2}); // the index beyond the end: last
        QVERIFY(p.liste.knoepfe().speichern);

        p.liste.markieren(Seite::quelle, {});
        p.liste.hinzufuegen();
        QCOMPARE(p.ziel().size(), 1);
        QCOMPARE(p.markiert(Seite::quelle), QList<int>{0}); // none selected: the first

        p.liste.markieren(Seite::ziel, {0});
        p.liste.entfernen();
        QVERIFY(p.ziel().isEmpty());
        DualListe::Knoepfe k = p.liste.knoepfe();
        QVERIFY(k.hinzufuegen && k.alle_hinzufuegen && !k.entfernen && !k.alle_entfernen);
        QVERIFY(k.laden && !k.speichern);

        p.liste.alle_hinzufuegen();
        QCOMPARE(p.ziel().size(), 4);
        k = p.liste.knoepfe();
        QVERIFY(!k.hinzufuegen && !k.alle_hinzufuegen && k.entfernen && k.alle_entfernen);
        QVERIFY(k.laden && k.speichern);

        p.liste.markieren(Seite::ziel, {1});
        p.liste.ziel_angeklickt();
        QCOMPARE(p.quelle(), QStringList{u"B B"_s});
        QCOMPARE(p.markiert(Seite::ziel), QList<int>{1});

        p.liste.alle_entfernen();
        QCOMPARE(p.quelle().size(), 4);
        k = p.liste.knoepfe();
        QVERIFY(k.hinzufuegen && !k.entfernen && !k.alle_entfernen && !k.speichern);

        // Taking back with nothing left on the source side disables loading.
        p.liste.alle_hinzufuegen();
        p.liste.markieren(Seite::ziel, {});
        p.liste.entfernen();
        QVERIFY(!p.liste.knoepfe().laden);
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    void zehn_im_einzel_nehmen_keinen_weiteren()
    {
        Probe p(durchgezaehlt(12));
        p.erste_waehlen(10);
        QCOMPARE(p.ziel().size(), 10);
        QCOMPARE(p.plattform.texte(), QStringList{u"Es können 10 Spieler ausgewählt werden. "_s});
        QCOMPARE(p.liste.titel(), u"Sie können nur 10 Spieler auswählen"_s);
        QVERIFY(!p.liste.knoepfe().alle_hinzufuegen);

        p.liste.markieren(Seite::quelle, {1});
        p.liste.quelle_angeklickt();
        QCOMPARE(p.ziel().size(), 10);
        QCOMPARE(p.plattform.meldungen.size(), 2);
        QVERIFY(p.liste.knoepfe().alle_hinzufuegen);

        p.liste.hinzufuegen();
        QCOMPARE(p.quelle().size(), 2);
        QCOMPARE(p.plattform.meldungen.size(), 3);
        QCOMPARE(p.plattform.meldungen.last().text, u"Es können 10 Spieler ausgewählt werden. "_s);
        QVERIFY(!p.liste.knoepfe().alle_hinzufuegen);
    }

    void mehrfachauswahl_traegt_ueber_die_grenze()
    {
        Probe p(durchgezaehlt(15));
        p.erste_waehlen(8);
        QVERIFY(p.plattform.meldungen.isEmpty());
        p.erste_waehlen(5);
        QCOMPARE(p.ziel().size(), 13);
        QCOMPARE(p.quelle(), (QStringList{u"V14 Spieler14"_s, u"V15 Spieler15"_s}));
        QCOMPARE(p.plattform.texte(), QStringList{u"Es können 10 Spieler ausgewählt werden. "_s});

        p.liste.auswahl_speichern();
        const QStringList gewaehlt = p.ziel();
        QCOMPARE(p.gespeichert(u"aktuelle_Liste2.akt"_s), gewaehlt);
        QByteArray datei;
        QVERIFY(speicher::datei_lesen(p.pfad(u"aktuelle_Liste2.akt"_s), datei));
        QCOMPARE(qFromLittleEndian<qint32>(datei.constData() + 12 * 384 + 360), 13);
        QCOMPARE(p.zustand.pool_anzahl, 13); // the draw found all 13 in the group file
        QCOMPARE(p.gespeichert(u"aktuelle_Liste1.akt"_s), p.quelle());
    }

    void alle_im_doppel_ueber_zwanzig_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<QString>("ziel_datei");
        QTest::addColumn<QString>("gruppen_datei");
        QTest::newRow("1") << 1 << "aktuelle_Liste2D.akt" << gruppe1_d_datei;
        QTest::newRow("2") << 2 << "aktuelle_Liste22.akt" << gruppe2_d_datei;
    }
    void alle_im_doppel_ueber_zwanzig()
    {
        QFETCH(int, mannschaft);
        QFETCH(QString, ziel_datei);
        QFETCH(QString, gruppen_datei);
        Probe p(durchgezaehlt(25), durchgezaehlt(25));
        p.liste.spielart_waehlen(true);
        if (mannschaft == 2)
            p.liste.mannschaft_angeklickt(Mannschaft::zwei);

        p.liste.alle_hinzufuegen();
        QCOMPARE(p.ziel(), nachnamen(1, 25));
        QCOMPARE(p.plattform.texte(),
                 QStringList{u"Es können nur 20 Spieler ausgewählt werden. "_s});
        QCOMPARE(p.liste.titel(), u"Sie können nur 20 Spieler auswählen"_s);
        QVERIFY(!p.liste.knoepfe().alle_hinzufuegen);

        p.liste.auswahl_speichern();
        QCOMPARE(p.gespeichert(ziel_datei), nachnamen(1, 25));
        const int erster = grp::erster_slot(mannschaft_aus_nummer(mannschaft));
        QCOMPARE(gruppen_slots(p.pfad(gruppen_datei), erster, erster + 19), nachnamen(1, 20));
        QCOMPARE(p.zustand.pool_anzahl, 20);
    }

    void gleiche_nachnamen_im_doppel_zaehlen_beide()
    {
        Probe p({{u"Hans"_s, u"Meier"_s}, {u"Udo"_s, u"Abt"_s}, {u"Jörg"_s, u"Meier"_s}});
        p.liste.spielart_waehlen(true);
        QCOMPARE(p.quelle(), (QStringList{u"Abt"_s, u"Meier"_s, u"Meier"_s}));
        p.liste.markieren(Seite::quelle, {1, 2});
        p.liste.hinzufuegen();
        QCOMPARE(p.ziel(), (QStringList{u"Meier"_s, u"Meier"_s}));
        p.liste.auswahl_speichern();
        QCOMPARE(p.gespeichert(u"aktuelle_Liste2D.akt"_s), p.ziel());
        QCOMPARE(gruppen_slots(p.pfad(gruppe1_d_datei), 1, 3),
                 (QStringList{u"Meier"_s, u"Meier"_s, QString()}));
    }

    void ohne_nachnamen_im_doppel_mit_vornamen()
    {
        Probe p({{u"Ümit"_s, u" "_s},
                 {u"Ali"_s, u"Öztürk"_s},
                 {u"Hans"_s, u"Meier"_s},
                 {u"Eva"_s, QString()}});
        p.liste.spielart_waehlen(true);
        QCOMPARE(p.quelle(), (QStringList{u"Eva"_s, u"Meier"_s, u"Öztürk"_s, u"Ümit"_s}));
        p.liste.alle_hinzufuegen();
        p.liste.auswahl_speichern();
        QCOMPARE(p.gespeichert(u"aktuelle_Liste2D.akt"_s), p.ziel());
        // Every chosen player reaches the draw's pool, so the pairs come out even.
        QCOMPARE(gruppen_slots(p.pfad(gruppe1_d_datei), 1, 5),
                 (QStringList{u"Eva"_s, u"Meier"_s, u"Öztürk"_s, u"Ümit"_s, QString()}));
        QCOMPARE(p.zustand.pool_anzahl, 4);
    }

    void spielart_wechsel_leert_die_auswahl()
    {
        Probe p({{u"Hans"_s, u"Meier"_s}, {u"Udo"_s, u"Abt"_s}});
        p.liste.alle_hinzufuegen();
        p.liste.spielart_waehlen(true);
        QVERIFY(p.ziel().isEmpty());
        QCOMPARE(p.quelle(), (QStringList{u"Abt"_s, u"Meier"_s}));
        QCOMPARE(p.liste.knoepfe().alle_entfernen, true);
        QCOMPARE(p.optionen_auf_platte().wert(opt::doppel_modus), 1);
        p.liste.alle_hinzufuegen();
        p.liste.spielart_waehlen(false);
        QVERIFY(p.ziel().isEmpty());
        QCOMPARE(p.quelle(), (QStringList{u"Hans Meier"_s, u"Udo Abt"_s}));
        QCOMPARE(p.optionen_auf_platte().wert(opt::doppel_modus), 0);
    }

    // The lists start empty again, so there is nothing to store until a player is chosen.
    void mannschafts_und_spielartwechsel_sperren_das_speichern()
    {
        Probe p({{u"Hans"_s, u"Meier"_s}}, {{u"Rita"_s, u"Rot"_s}});
        p.liste.alle_hinzufuegen();
        p.liste.auswahl_speichern();
        QVERIFY(p.liste.knoepfe().speichern);
        p.liste.mannschaft_angeklickt(Mannschaft::zwei);
        QVERIFY(!p.liste.knoepfe().speichern);
        p.liste.alle_hinzufuegen();
        QVERIFY(p.liste.knoepfe().speichern);
        p.liste.spielart_waehlen(true);
        QVERIFY(!p.liste.knoepfe().speichern);
        QCOMPARE(p.quelle(), QStringList{u"Rot"_s});
    }

    void mannschaft2_teilt_ihre_dateien_zwischen_den_spielarten()
    {
        Probe p({}, {{u"Rita"_s, u"Rot"_s}, {u"Gerd"_s, u"Grün"_s}, {u"Bea"_s, u"Blau"_s}});
        p.liste.mannschaft_angeklickt(Mannschaft::zwei);
        p.liste.auswahl_speichern(); // an earlier singles choice of nobody
        p.liste.spielart_waehlen(true);
        p.liste.markieren(Seite::quelle, {0, 2});
        p.liste.hinzufuegen();
        p.liste.auswahl_speichern();
        QCOMPARE(p.gespeichert(u"aktuelle_Liste11.akt"_s), QStringList{u"Grün"_s});
        QCOMPARE(p.gespeichert(u"aktuelle_Liste22.akt"_s), (QStringList{u"Blau"_s, u"Rot"_s}));

        p.liste.spielart_waehlen(false);
        QCOMPARE(p.quelle(), (QStringList{u"Bea Blau"_s, u"Gerd Grün"_s, u"Rita Rot"_s}));
        p.liste.auswahl_laden();
        QCOMPARE(p.quelle(), QStringList{u"Grün"_s});
        QCOMPARE(p.ziel(), (QStringList{u"Blau"_s, u"Rot"_s}));
        QVERIFY(p.liste.knoepfe().speichern);
        for (const char *team1 : {"aktuelle_Liste1.akt", "aktuelle_Liste2.akt",
                                  "aktuelle_Liste1D.akt", "aktuelle_Liste2D.akt"})
            QVERIFY2(!QFile::exists(p.pfad(QString::fromLatin1(team1))), team1);
    }

    void abgehakte_mannschaft_laedt_trotzdem()
    {
        Probe p({{u"Hans"_s, u"Meier"_s}, {u"Udo"_s, u"Abt"_s}}, {{u"Rita"_s, u"Rot"_s}});
        p.liste.mannschaft_angeklickt(Mannschaft::zwei);
        p.liste.mannschaft_angeklickt(Mannschaft::eins);
        p.liste.alle_hinzufuegen();

        p.liste.mannschaft_angeklickt(Mannschaft::eins); // removes the tick
        QVERIFY(!p.liste.angehakt(Mannschaft::eins));
        QVERIFY(!p.liste.angehakt(Mannschaft::zwei));
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 1);
        QCOMPARE(p.quelle(), (QStringList{u"Hans Meier"_s, u"Udo Abt"_s}));
        QVERIFY(p.ziel().isEmpty());
        QCOMPARE(p.liste.titel(), u"Gruppen zusammenstellen Mannschaft 1"_s);

        p.liste.markieren(Seite::quelle, {1});
        p.liste.hinzufuegen();
        p.liste.spielart_waehlen(true);
        QVERIFY(p.liste.doppel());
        QCOMPARE(p.quelle(), QStringList{u"Hans Meier"_s});
        QCOMPARE(p.ziel(), QStringList{u"Udo Abt"_s});

        p.liste.mannschaft_angeklickt(Mannschaft::zwei);
        QVERIFY(p.liste.angehakt(Mannschaft::zwei));
        QCOMPARE(p.quelle(), QStringList{u"Rot"_s});
        QCOMPARE(p.liste.titel(), u"Gruppen zusammenstellen Mannschaft 2"_s);
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);
    }

    // A singles draw leaves mannschaft_nr at 2; loading and storing again still mean the team
    // whose roster is shown.
    void nach_dem_speichern_bleibt_die_mannschaft()
    {
        Probe p({{u"Hans"_s, u"Meier"_s}, {u"Udo"_s, u"Abt"_s}, {u"Eva"_s, u"Berg"_s}});
        p.erste_waehlen(2);
        p.liste.auswahl_speichern();
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);

        p.liste.alle_entfernen();
        p.liste.auswahl_laden();
        QCOMPARE(p.ziel(), (QStringList{u"Eva Berg"_s, u"Hans Meier"_s}));
        QCOMPARE(p.quelle(), QStringList{u"Udo Abt"_s});
        p.liste.markieren(Seite::quelle, {0});
        p.liste.hinzufuegen();
        p.liste.auswahl_speichern();
        QCOMPARE(p.gespeichert(u"aktuelle_Liste2.akt"_s).size(), 3);
        QCOMPARE(sortiert(gruppen_slots(p.pfad(gruppe1_e_datei), 1, 3)), sortiert(p.ziel()));
        QVERIFY(!QFile::exists(p.pfad(u"aktuelle_Liste22.akt"_s)));
        QVERIFY(!QFile::exists(p.pfad(gruppe2_e_datei)));
    }
};

QTEST_GUILESS_MAIN(TstDualListe)
#include "tst_dualliste.moc"
