#include "appearance/farbsatz.h"
#include "backup/sicherungsansicht.h"
#include "sicherung_testhilfe.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Sicherungsansicht::Modus)

namespace {

const QString markieren = u"  Markieren Sie bitte mit der Maus die Datei,     \n"
                          u"      die wieder hergestellt werden soll.         \n"_s;
const QString datei_zurueck = u" Die Datei wurde wieder hergestellt.   \n"
                              u"                                          "_s;
const QString dateien_zurueck = u" Die Dateien wurden wieder hergestellt.   \n"
                                u"                                          "_s;

} // namespace

class TstSicherungsansicht : public QObject
{
    Q_OBJECT

    QTemporaryDir m_heim;

    // A data folder with its options file, a backup folder and the window's rules over them.
    struct Aufbau
    {
        TestOrdner daten;
        TestPlattform plattform;
        QTemporaryDir sicherung;
        Sicherungsstand stand;
        Sicherungsansicht ansicht{daten.zustand, plattform, stand};

        Aufbau()
        {
            daten.zustand.optionen_lesen();
            dateien_anlegen(daten.ordner.path(), {u"Adressen1.adr"_s, u"aktuelle_Liste1.akt"_s});
        }
        // The options as the file holds them now.
        TOptionen gespeichert() const
        {
            TOptionen optionen;
            optionen_lesen(optionen, daten.zustand.daten_pfad);
            return optionen;
        }
        QString gespeicherter_pfad() const { return gespeichert().wert(opt::sicherungs_pfad); }
        void pfad_setzen(const QString &pfad)
        {
            daten.zustand.optionen.setze(opt::sicherungs_pfad, pfad);
            daten.zustand.optionen_speichern();
        }
    };

private slots:
    void initTestCase() { qputenv("HOME", m_heim.path().toLocal8Bit()); }

    void oeffnen_schlaegt_den_heimordner_vor()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        QCOMPARE(a.ansicht.titel(), u"Vorlix-Quarel Datensicherung"_s);
        QCOMPARE(a.ansicht.knopf_text(), u"Daten sichern >>"_s);
        QCOMPARE(a.ansicht.quelle(), a.daten.zustand.daten_pfad);
        const QString vorschlag = m_heim.path() + u"/Vorlix_Quarel_Backup"_s;
        QCOMPARE(a.ansicht.ziel(), vorschlag);
        QVERIFY(a.ansicht.datum_frei());
        QVERIFY(!a.ansicht.dateiliste_sichtbar());
        QVERIFY(!a.ansicht.auto_sicherung());
        QCOMPARE(a.gespeicherter_pfad(), QString());
        a.ansicht.beenden();
        QCOMPARE(a.gespeicherter_pfad(), vorschlag);
    }

    void oeffnen_liest_die_optionen()
    {
        Aufbau a;
        TOptionen datei = a.gespeichert();
        datei.setze(opt::auto_sicherung, 1);
        datei.setze(opt::sicherungs_pfad, u"/mnt/stick/"_s);
        speicher::datei_ersetzen(a.daten.pfad(optionen_dateiname), datei.bytes());
        a.ansicht.oeffnen();
        QVERIFY(a.ansicht.auto_sicherung());
        QCOMPARE(a.ansicht.ziel(), u"/mnt/stick/"_s);
    }

    void datum_anfuegen_sichert_nur_einmal_datiert()
    {
        Aufbau a;
        const QString basis = a.sicherung.filePath(u"basis"_s);
        a.pfad_setzen(basis);
        a.ansicht.oeffnen();
        a.ansicht.datum_anfuegen();
        QCOMPARE(a.ansicht.ziel(), basis + u"/08_12_2026"_s);
        QCOMPARE(a.gespeicherter_pfad(), basis);

        QVERIFY(a.ansicht.sichern({}));
        QCOMPARE(eintraege(basis + u"/08_12_2026"_s),
                 (QStringList{u"aktuelle_Liste1.akt"_s, u"Vorlixn.opt"_s}));
        QCOMPARE(a.gespeicherter_pfad(), basis);

        // The mark lasts for the run: a second opening proposes the base folder again, and
        // neither a backup nor "Beenden" stores the field; a folder chosen in the tree does.
        a.ansicht.oeffnen();
        QCOMPARE(a.ansicht.ziel(), basis);
        a.ansicht.datum_anfuegen();
        a.ansicht.datum_anfuegen();
        QCOMPARE(a.ansicht.ziel(), basis + u"/08_12_2026/08_12_2026"_s);
        a.pfad_setzen(basis);
        a.ansicht.ziel_getippt(a.sicherung.filePath(u"anders"_s));
        QVERIFY(a.ansicht.sichern({}));
        a.ansicht.beenden();
        QCOMPARE(a.gespeicherter_pfad(), basis);
        a.ansicht.ziel_ordner_gewaehlt(a.sicherung.filePath(u"baum"_s));
        QCOMPARE(a.gespeicherter_pfad(), a.sicherung.filePath(u"baum"_s));
    }

    void sichern_speichert_den_ordner_ohne_datum()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        const QString ziel = a.sicherung.filePath(u"neu/tief"_s);
        a.ansicht.ziel_getippt(ziel);
        QVERIFY(a.ansicht.sichern({}));
        QCOMPARE(a.gespeicherter_pfad(), ziel + u'/');
        QVERIFY(QFile::exists(ziel + u"/aktuelle_Liste1.akt"_s));
        QVERIFY(!QFile::exists(ziel + u"/Adressen1.adr"_s));
        // Says what it did, and what it left to the automatic backup.
        QCOMPARE(a.plattform.texte(),
                 QStringList{u"2 Dateien nach "_s + ziel +
                             u"/ gesichert. Spielerlisten und Spieltage sichert die automatische "
                             u"Sicherung beim Beenden."_s});
        QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Information);
    }

    void zu_langer_pfad_wird_abgelehnt_data()
    {
        QTest::addColumn<QString>("schritt");
        QTest::newRow("Ordnerbaum") << u"baum"_s;
        QTest::newRow("Datum anfügen") << u"datum"_s;
        QTest::newRow("Haken") << u"haken"_s;
        QTest::newRow("Daten sichern") << u"sichern"_s;
        QTest::newRow("Beenden") << u"beenden"_s;
    }
    void zu_langer_pfad_wird_abgelehnt()
    {
        QFETCH(QString, schritt);
        Aufbau a;
        const QString basis = a.sicherung.filePath(u"basis"_s);
        a.pfad_setzen(basis);
        a.ansicht.oeffnen();
        // 81 characters: one more than the options' field holds.
        QString lang = a.sicherung.path() + u"/Stick/Übungsabende/"_s;
        lang += QString(81 - lang.size(), u'x');
        QString gemeldet = lang;
        if (schritt == u"baum"_s) {
            a.ansicht.ziel_ordner_gewaehlt(lang);
            QCOMPARE(a.ansicht.ziel(), basis);
        } else {
            a.ansicht.ziel_getippt(lang);
        }
        if (schritt == u"datum"_s) {
            a.ansicht.datum_anfuegen();
            QCOMPARE(a.ansicht.ziel(), lang);
            QVERIFY(!a.stand.datiert);
        } else if (schritt == u"haken"_s) {
            a.ansicht.auto_sicherung_schalten(true);
            QVERIFY(!a.ansicht.auto_sicherung());
            QCOMPARE(a.gespeichert().wert(opt::auto_sicherung), 0);
        } else if (schritt == u"sichern"_s) {
            QVERIFY(!a.ansicht.sichern({}));
            gemeldet += u'/';
        } else if (schritt == u"beenden"_s) {
            a.ansicht.beenden();
        }
        QCOMPARE(a.plattform.texte(),
                 QStringList{u"Der Pfad ist zu lang (höchstens 80 Zeichen): "_s + gemeldet});
        QCOMPARE(a.gespeicherter_pfad(), basis);
        QVERIFY(!QFileInfo::exists(a.sicherung.filePath(u"Stick"_s)));
    }

    void pfad_von_80_zeichen_passt()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        QString ordner = a.sicherung.path() + u"/Stick/Übungsabende/"_s;
        ordner += QString(79 - ordner.size(), u'x');
        a.ansicht.ziel_getippt(ordner);
        QVERIFY(a.ansicht.sichern({}));
        QCOMPARE(a.gespeicherter_pfad(), ordner + u'/');
        QCOMPARE(a.gespeicherter_pfad().size(), 80);
        QVERIFY(QFile::exists(ordner + u"/Vorlixn.opt"_s));
    }

    void leeres_ziel_sichert_in_den_vorschlag()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        a.ansicht.ziel_getippt(QString());
        QVERIFY(a.ansicht.sichern({}));
        QCOMPARE(a.ansicht.ziel(), m_heim.path() + u"/Vorlix_Quarel_Backup"_s);
        QVERIFY(QFile::exists(m_heim.path() + u"/Vorlix_Quarel_Backup/Vorlixn.opt"_s));
    }

    void nicht_anlegbares_ziel_wird_gemeldet()
    {
        Aufbau a;
        dateien_anlegen(a.sicherung.path(), {u"datei"_s});
        a.ansicht.oeffnen();
        a.ansicht.ziel_getippt(a.sicherung.filePath(u"datei/ziel"_s));
        QVERIFY(!a.ansicht.sichern({}));
        QCOMPARE(a.plattform.texte(),
                 QStringList{u"Beim Anlegen von "_s + a.sicherung.filePath(u"datei/ziel/"_s) +
                             u" ist ein Fehler aufgetreten!"_s});
    }

    void kopierfehler_laesst_das_fenster_offen()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        a.ansicht.ziel_getippt(a.sicherung.path());
        QVERIFY(!a.ansicht.sichern([](const Kopierschritt &s) {
            if (s.kopiert == 1)
                QFile::remove(s.quelle);
        }));
        QCOMPARE(a.plattform.meldungen.size(), 1);
        QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Schreibfehler);
        QCOMPARE(eintraege(a.sicherung.path()), QStringList{u"Vorlixn.opt"_s});
    }

    void haken_schaltet_die_auto_sicherung()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        a.ansicht.ziel_getippt(QString());
        a.ansicht.auto_sicherung_schalten(true);
        const QString vorschlag = m_heim.path() + u"/Vorlix_Quarel_Backup"_s;
        QCOMPARE(a.ansicht.ziel(), vorschlag);
        QCOMPARE(a.gespeichert().wert(opt::auto_sicherung), 1);
        QCOMPARE(a.gespeicherter_pfad(), vorschlag);

        TOptionen datei = a.gespeichert();
        datei.setze(opt::ruecksicherung_auto, 1);
        speicher::datei_ersetzen(a.daten.pfad(optionen_dateiname), datei.bytes());
        a.daten.zustand.optionen_lesen();
        a.ansicht.auto_sicherung_schalten(false);
        QCOMPARE(a.gespeichert().wert(opt::auto_sicherung), 0);
        QCOMPARE(a.gespeichert().wert(opt::ruecksicherung_auto), 0);
    }

    void wiederherstellung_schaltet_die_auto_sicherung_ab()
    {
        Aufbau a;
        const QString basis = a.sicherung.filePath(u"basis"_s);
        a.pfad_setzen(basis);
        a.daten.zustand.setze(opt::auto_sicherung, 1);
        a.daten.zustand.optionen_speichern();
        a.ansicht.oeffnen();
        QVERIFY(a.ansicht.auto_sicherung());

        a.ansicht.wiederherstellung_zeigen();
        QCOMPARE(a.ansicht.titel(), u"Vorlix-Quarel Datenwiederherstellung"_s);
        QCOMPARE(a.ansicht.knopf_text(), u"Wiederherstellen"_s);
        QVERIFY(!a.ansicht.auto_sicherung());
        QCOMPARE(a.gespeichert().wert(opt::auto_sicherung), 0);
        QCOMPARE(a.ansicht.rueck_ordner(), basis + u'/');
        QCOMPARE(a.ansicht.rueck_quelle(), basis + u'/');
        QCOMPARE(a.ansicht.rueck_ziel(), a.daten.zustand.daten_pfad);
        QVERIFY(a.ansicht.dateiliste_sichtbar());
        QVERIFY(!a.ansicht.datum_frei());
        QCOMPARE(a.ansicht.modus(), Sicherungsansicht::Modus::einzeln);
        QVERIFY(!a.ansicht.datei_gewaehlt());

        // Leaving from the restore tab sets the mark: the field is not stored from now on.
        a.ansicht.sicherung_zeigen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.beenden();
        QVERIFY(a.stand.datiert);
        a.ansicht.oeffnen();
        a.ansicht.ziel_getippt(u"/woanders"_s);
        a.ansicht.beenden();
        QCOMPARE(a.gespeicherter_pfad(), basis);
    }

    void wiederherstellen_data()
    {
        QTest::addColumn<Sicherungsansicht::Modus>("modus");
        QTest::addColumn<QString>("angeklickt");
        QTest::addColumn<QStringList>("markiert");
        QTest::addColumn<QStringList>("zurueck");
        QTest::addColumn<QString>("meldung");
        using M = Sicherungsansicht::Modus;
        QTest::newRow("einzeln") << M::einzeln << "Adressen1.adr" << QStringList()
                                 << QStringList{"Adressen1.adr"} << datei_zurueck;
        QTest::newRow("einzeln ohne wahl")
            << M::einzeln << QString() << QStringList() << QStringList() << markieren;
        QTest::newRow("namensgleich")
            << M::namensgleich << "Adressen1.adr" << QStringList()
            << QStringList{"Adressen1.adr", "adressen1.BAK"} << dateien_zurueck;
        QTest::newRow("namensgleich ohne wahl")
            << M::namensgleich << QString() << QStringList() << QStringList() << markieren;
        QTest::newRow("selektiert")
            << M::selektiert << "Adressen1.adr" << QStringList{"Adressen10.adr", "Adressen2.adr"}
            << QStringList{"Adressen10.adr", "Adressen2.adr"} << dateien_zurueck;
        QTest::newRow("selektiert ohne wahl")
            << M::selektiert << "Adressen1.adr" << QStringList() << QStringList() << markieren;
    }
    void wiederherstellen()
    {
        QFETCH(Sicherungsansicht::Modus, modus);
        QFETCH(QString, angeklickt);
        QFETCH(QStringList, markiert);
        QFETCH(QStringList, zurueck);
        QFETCH(QString, meldung);
        Aufbau a;
        const QStringList gesichert{u"Adressen1.adr"_s, u"adressen1.BAK"_s, u"Adressen10.adr"_s,
                                    u"Adressen2.adr"_s, u"Vorlixn.opt"_s};
        for (const QString &name : gesichert)
            speicher::datei_ersetzen(a.sicherung.filePath(name), "gesichert " + name.toUtf8());
        a.pfad_setzen(a.sicherung.path());
        a.ansicht.oeffnen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.modus_waehlen(modus);
        if (!angeklickt.isEmpty())
            a.ansicht.datei_angeklickt(angeklickt);

        QVERIFY(a.ansicht.wiederherstellen(markiert, {}) == !zurueck.isEmpty());
        QCOMPARE(a.plattform.texte(), QStringList{meldung});
        QCOMPARE(a.ansicht.beschriftung_von(), u"Kopiere Dateien von:"_s);
        QCOMPARE(a.ansicht.beschriftung_nach(), u"Kopiere Dateien nach:"_s);
        for (const QString &name : gesichert)
            QCOMPARE(inhalt(a.daten.pfad(name)) == "gesichert " + name.toUtf8(),
                     zurueck.contains(name));
    }

    void spieltag_kommt_mit_seinen_gittern_zurueck_data()
    {
        QTest::addColumn<QString>("angeklickt");
        QTest::addColumn<QStringList>("zurueck");
        QTest::newRow("Doppel") << u"D_Gr08_14_03_2026.grp"_s
                                << QStringList{u"D_Gr08_14_03_2026.bak"_s,
                                               u"D_Gr08_14_03_2026.grp"_s,
                                               u"D_Tab1Gr08_14_03_2026.Tab"_s,
                                               u"D_Tab2Gr08_14_03_2026.Tub"_s};
        QTest::newRow("Einzel") << u"E_Gr08_14_03_2026.grp"_s
                                << QStringList{u"E_Gr08_14_03_2026.grp"_s,
                                               u"E_Tab1Gr08_14_03_2026.Tab"_s,
                                               u"E_Tab2Gr08_14_03_2026.Tub"_s};
        // A grid file alone keeps the rule of its own stem.
        QTest::newRow("Tabelle") << u"D_Tab1Gr08_14_03_2026.Tab"_s
                                 << QStringList{u"D_Tab1Gr08_14_03_2026.Tab"_s};
        QTest::newRow("kein Spieltag") << u"Gr08.grp"_s << QStringList{u"Gr08.grp"_s};
    }
    void spieltag_kommt_mit_seinen_gittern_zurueck()
    {
        QFETCH(QString, angeklickt);
        QFETCH(QStringList, zurueck);
        Aufbau a;
        const QStringList gesichert{u"D_Gr08_14_03_2026.grp"_s,
                                    u"D_Gr08_14_03_2026.bak"_s,
                                    u"D_Tab1Gr08_14_03_2026.Tab"_s,
                                    u"D_Tab2Gr08_14_03_2026.Tub"_s,
                                    u"D_Tab1Gr10_14_03_2026.Tab"_s,
                                    u"D_Tab2Gr08_15_03_2026.Tub"_s,
                                    u"E_Gr08_14_03_2026.grp"_s,
                                    u"E_Tab1Gr08_14_03_2026.Tab"_s,
                                    u"E_Tab2Gr08_14_03_2026.Tub"_s,
                                    u"Gr08.grp"_s,
                                    u"Tab1Gr08.Tab"_s};
        dateien_anlegen(a.sicherung.path(), gesichert);
        a.pfad_setzen(a.sicherung.path());
        a.ansicht.oeffnen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.modus_waehlen(Sicherungsansicht::Modus::namensgleich);
        a.ansicht.datei_angeklickt(angeklickt);
        QVERIFY(a.ansicht.wiederherstellen({}, {}));
        QCOMPARE(a.plattform.texte(), QStringList{dateien_zurueck});
        QStringList da;
        for (const QString &name : gesichert)
            if (QFile::exists(a.daten.pfad(name)))
                da << name;
        da.sort(Qt::CaseInsensitive);
        QCOMPARE(da, zurueck);
    }

    void zurueckgeholte_farben_werden_gelesen()
    {
        Aufbau a;
        farben_lesen(a.daten.zustand.farben, a.daten.zustand.daten_pfad);
        Tcolor1 alt = a.daten.zustand.farben;
        alt.setze(frb::form_umr, 0x123456);
        speicher::datei_ersetzen(a.sicherung.filePath(farben_dateiname), alt.bytes());
        a.ansicht.oeffnen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.rueck_ordner_gewaehlt(a.sicherung.path());
        a.ansicht.datei_angeklickt(farben_dateiname);
        QVERIFY(a.daten.zustand.farben.wert(frb::form_umr) != 0x123456);
        QVERIFY(a.ansicht.wiederherstellen({}, {}));
        QCOMPARE(a.daten.zustand.farben.wert(frb::form_umr), 0x123456);
        // The next save in "Farbwahl" keeps what came back.
        farben_speichern(a.daten.zustand.farben, a.daten.zustand.daten_pfad);
        QCOMPARE(inhalt(a.daten.pfad(farben_dateiname)), alt.bytes());
    }

    void einzeln_nimmt_die_bearbeiteten_felder()
    {
        Aufbau a;
        dateien_anlegen(a.sicherung.path(), {u"Adressen1.adr"_s});
        a.ansicht.oeffnen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.rueck_ordner_gewaehlt(a.sicherung.path());
        a.ansicht.datei_angeklickt(u"Adressen1.adr"_s);
        QCOMPARE(a.ansicht.rueck_quelle(), a.sicherung.filePath(u"Adressen1.adr"_s));
        QCOMPARE(a.ansicht.rueck_ziel(), a.daten.pfad(u"Adressen1.adr"_s));
        a.ansicht.rueck_ziel_getippt(a.daten.pfad(u"Adressen2.adr"_s));
        QVERIFY(a.ansicht.wiederherstellen({}, {}));
        QCOMPARE(inhalt(a.daten.pfad(u"Adressen2.adr"_s)), "Adressen1.adr");
        QCOMPARE(inhalt(a.daten.pfad(u"Adressen1.adr"_s)), "Adressen1.adr"); // as it was

        // Another folder forgets the file picked before.
        a.ansicht.rueck_ordner_gewaehlt(a.daten.ordner.path());
        QVERIFY(!a.ansicht.datei_gewaehlt());
        QCOMPARE(a.ansicht.rueck_quelle(), a.daten.ordner.path());
    }

    void klick_im_selektiermodus_waehlt_nicht()
    {
        Aufbau a;
        a.ansicht.oeffnen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.modus_waehlen(Sicherungsansicht::Modus::selektiert);
        a.ansicht.datei_angeklickt(u"Adressen1.adr"_s);
        QVERIFY(!a.ansicht.datei_gewaehlt());
    }

    void zurueckgeholte_optionen_werden_gelesen()
    {
        Aufbau a;
        TOptionen alt = a.gespeichert();
        alt.setze(opt::name_mannschaft1, u"Blau-Weiß"_s);
        alt.setze(opt::auto_sicherung, 1);
        speicher::datei_ersetzen(a.sicherung.filePath(u"Vorlixn.opt"_s), alt.bytes());
        a.daten.zustand.optionen.setze(opt::name_mannschaft1, u"Rot"_s);
        a.ansicht.oeffnen();
        a.ansicht.wiederherstellung_zeigen();
        a.ansicht.rueck_ordner_gewaehlt(a.sicherung.path());
        a.ansicht.datei_angeklickt(u"Vorlixn.opt"_s);
        QVERIFY(a.ansicht.wiederherstellen({}, {}));
        QCOMPARE(a.daten.zustand.optionen.wert(opt::name_mannschaft1), u"Blau-Weiß"_s);
        QVERIFY(a.ansicht.auto_sicherung());
        // The next save keeps what came back.
        a.daten.zustand.optionen_speichern();
        QCOMPARE(a.gespeichert().wert(opt::name_mannschaft1), u"Blau-Weiß"_s);
        QCOMPARE(a.gespeichert().wert(opt::auto_sicherung), 1);
    }
};

QTEST_GUILESS_MAIN(TstSicherungsansicht)
#include "tst_sicherungsansicht.moc"
