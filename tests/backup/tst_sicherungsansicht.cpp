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
        Sicherungsansicht ansicht{daten.zustand, plattform};

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
        QVERIFY(a.plattform.meldungen.isEmpty());
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
        QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
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
        QVERIFY(a.daten.zustand.sicherung_datiert);
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
