#include "rosters/adressbestand.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TstAdressbestand : public QObject
{
    Q_OBJECT

    struct Bestand : TestOrdner
    {
        Mannschaft mannschaft = Mannschaft::eins;

        QString datei() const { return pfad(adressen_dateiname(mannschaft)); }
        QByteArray inhalt() const
        {
            QByteArray bytes;
            speicher::datei_lesen(datei(), bytes);
            return bytes;
        }
        qint64 groesse() const { return QFileInfo(datei()).size(); }
        // Writes the records directly, as another program might have.
        void schreiben(const QList<adresse> &saetze, const QByteArray &rest = {})
        {
            QByteArray bytes;
            for (const adresse &satz : saetze)
                bytes += satz.bytes();
            QVERIFY(speicher::datei_ersetzen(datei(), bytes + rest));
        }
        bool speichern(const Adresstexte &texte)
        {
            return adresse_speichern_oder_ersetzen(zustand.daten_pfad, mannschaft, texte);
        }
        QStringList laden() const { return adresse_laden(zustand.daten_pfad, mannschaft); }
    };

    static Adresstexte texte(const QString &name, const QString &vorname,
                             const QString &strasse = {})
    {
        Adresstexte t;
        t[adr::index_name] = name;
        t[adr::index_vorname] = vorname;
        t[2] = strasse;
        return t;
    }
    static adresse satz(const QString &name, const QString &vorname, const QString &strasse = {})
    {
        return adresse_aus_texten(texte(name, vorname, strasse));
    }

private slots:
    void fehlende_datei_ist_leerer_bestand()
    {
        Bestand b;
        QVERIFY(b.laden().isEmpty());
        const Adresspruefung p =
            adresse_pruefen(b.zustand.daten_pfad, b.mannschaft, u"Meier"_s, u"Hans"_s);
        QVERIFY(!p.gefunden);
        QCOMPARE(p.position, 0);
        QVERIFY(!adresse_einfuegen(b.zustand.daten_pfad, b.mannschaft, u"Meier, Hans"_s));
        QVERIFY(!QFileInfo::exists(b.datei()));
    }

    void neuer_spieler_waechst_um_einen_satz_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
    }
    void neuer_spieler_waechst_um_einen_satz()
    {
        QFETCH(int, mannschaft);
        Bestand b;
        b.mannschaft = Mannschaft(mannschaft);
        QVERIFY(b.speichern(texte(u"Meier"_s, u"Hans"_s)));
        QVERIFY(b.speichern(texte(u"Öztürk"_s, u"Ümit"_s, u"Weg 5"_s)));
        QCOMPARE(b.inhalt(), satz(u"Meier"_s, u"Hans"_s).bytes() +
                                 satz(u"Öztürk"_s, u"Ümit"_s, u"Weg 5"_s).bytes());
        QVERIFY(!QFileInfo::exists(b.pfad(adressen_dateiname(andere(b.mannschaft)))));
    }

    void gleiche_person_wird_ersetzt_und_rueckt_ans_ende_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vorname");
        QTest::newRow("gleich") << u"Meier"_s << u"Hans"_s;
        QTest::newRow("gross") << u"MEIER"_s << u"hans"_s;
        QTest::newRow("Leerzeichen") << u"  Meier "_s << u"Hans\t"_s;
    }
    void gleiche_person_wird_ersetzt_und_rueckt_ans_ende()
    {
        QFETCH(QString, name);
        QFETCH(QString, vorname);
        Bestand b;
        b.schreiben({satz(u"Abel"_s, u"Anna"_s), satz(u"Meier"_s, u"Hans"_s, u"Alt 1"_s),
                     satz(u"Zander"_s, u"Zoe"_s)});
        QVERIFY(b.speichern(texte(name, vorname, u"Neu 2"_s)));
        QCOMPARE(b.groesse(), 3 * 960);
        QCOMPARE(b.inhalt(), satz(u"Abel"_s, u"Anna"_s).bytes() +
                                 satz(u"Zander"_s, u"Zoe"_s).bytes() +
                                 satz(name, vorname, u"Neu 2"_s).bytes());
    }

    void umlaut_ist_eine_andere_person()
    {
        Bestand b;
        b.schreiben({satz(u"Bär"_s, u"Ölaf"_s)});
        QVERIFY(b.speichern(texte(u"BÄR"_s, u"Ölaf"_s)));
        QVERIFY(b.speichern(texte(u"bär"_s, u"Ölaf"_s, u"ersetzt"_s)));
        QCOMPARE(b.laden(), (QStringList{u"BÄR, Ölaf"_s, u"bär, Ölaf"_s}));
    }

    void pruefen_findet_die_erste_passende_position()
    {
        Bestand b;
        b.schreiben({satz(u"Abel"_s, u"Anna"_s), satz(u"Meier"_s, u"Hans"_s, u"1"_s),
                     satz(u"meier"_s, u"HANS"_s, u"2"_s)});
        const QString pfad = b.zustand.daten_pfad;
        Adresspruefung p = adresse_pruefen(pfad, b.mannschaft, u" meier"_s, u"hans "_s);
        QVERIFY(p.gefunden);
        QCOMPARE(p.position, 2);
        p = adresse_pruefen(pfad, b.mannschaft, u"Meier"_s, u"Klaus"_s);
        QVERIFY(!p.gefunden);
        QCOMPARE(p.position, 3);
    }

    void lange_texte_werden_gekuerzt_gesucht_und_ersetzt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vorname");
        QTest::newRow("Name") << QString(61, u'N') << u"Hans"_s;
        QTest::newRow("Vorname") << u"Meier"_s << QString(59, u'V') + u"€ü"_s;
        // Stored as '?', cut after 60 bytes like any other character.
        QTest::newRow("ohne 1252") << QString(58, u'Ä') + u"\u0141\u0142\u0143"_s << u"Ewa"_s;
    }
    void lange_texte_werden_gekuerzt_gesucht_und_ersetzt()
    {
        QFETCH(QString, name);
        QFETCH(QString, vorname);
        Bestand b;
        const QString strasse = QString(60, u'S') + QString(10, u'x');
        QVERIFY(b.speichern(texte(name, vorname, strasse)));
        const adresse gelesen = adressen_lesen(b.datei()).value(0);
        QCOMPARE(gelesen.wert(adr::strasse), QString(60, u'S'));
        QCOMPARE(speicher::nach_1252(gelesen.wert(adr::name)).size(), qMin(name.size(), 60));
        QCOMPARE(speicher::nach_1252(gelesen.wert(adr::vorname)).size(), qMin(vorname.size(), 60));

        // The typed text finds the record that holds it cut, and saving it again replaces it.
        const Adresspruefung p = adresse_pruefen(b.zustand.daten_pfad, b.mannschaft, name, vorname);
        QVERIFY(p.gefunden);
        QCOMPARE(p.position, 1);
        QVERIFY(b.speichern(texte(name, vorname, u"Neu 2"_s)));
        QCOMPARE(b.inhalt(), satz(name, vorname, u"Neu 2"_s).bytes());
    }

    void entfernen_behaelt_die_reihenfolge()
    {
        Bestand b;
        const QList<adresse> saetze{satz(u"A"_s, u"1"_s), satz(u"B"_s, u"2"_s),
                                    satz(u"C"_s, u"3"_s)};
        b.schreiben(saetze);
        const QString pfad = b.zustand.daten_pfad;
        QVERIFY(!adresse_sofortloeschen(pfad, b.mannschaft, 0));
        QVERIFY(!adresse_sofortloeschen(pfad, b.mannschaft, 4));
        QCOMPARE(b.groesse(), 3 * 960);
        QVERIFY(adresse_sofortloeschen(pfad, b.mannschaft, 2));
        QCOMPARE(b.inhalt(), saetze[0].bytes() + saetze[2].bytes());
        QVERIFY(adresse_sofortloeschen(pfad, b.mannschaft, 2));
        QVERIFY(adresse_sofortloeschen(pfad, b.mannschaft, 1));
        // The last removal leaves an empty roster file, not a missing one.
        QVERIFY(QFileInfo::exists(b.datei()));
        QCOMPARE(b.groesse(), 0);
        QVERIFY(b.laden().isEmpty());
    }

    void loeschen_fragt_und_entfernt_nur_bei_ja_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QStringList>("danach");
        QTest::newRow("Ja") << true << QStringList{u"B, 2"_s};
        QTest::newRow("Nein") << false << QStringList{u"A, 1"_s, u"B, 2"_s};
    }
    void loeschen_fragt_und_entfernt_nur_bei_ja()
    {
        QFETCH(bool, ja);
        QFETCH(QStringList, danach);
        Bestand b;
        b.schreiben({satz(u"A"_s, u"1"_s), satz(u"B"_s, u"2"_s)});
        TestPlattform plattform;
        plattform.ja_nein_antworten.enqueue(ja);
        QCOMPARE(adresse_loeschen(b.zustand.daten_pfad, b.mannschaft, 1, plattform), ja);
        QCOMPARE(plattform.meldungen.size(), 1);
        QCOMPARE(plattform.meldungen[0].art, TestPlattform::Meldung::Warnung);
        QCOMPARE(plattform.meldungen[0].text, u"Wollen Sie diese Adresse wirklich löschen ??"_s);
        QCOMPARE(b.laden(), danach);
    }

    void unvollstaendiger_rest_data()
    {
        QTest::addColumn<int>("rest");
        QTest::newRow("1 Byte") << 1;
        QTest::newRow("959 Bytes") << 959;
    }
    void unvollstaendiger_rest()
    {
        QFETCH(int, rest);
        Bestand b;
        b.schreiben({satz(u"A"_s, u"1"_s), satz(u"B"_s, u"2"_s)}, QByteArray(rest, 'x'));
        QCOMPARE(b.laden(), (QStringList{u"A, 1"_s, u"B, 2"_s}));
        // A new record goes after the complete ones, where the next reading finds it.
        QVERIFY(b.speichern(texte(u"C"_s, u"3"_s)));
        QCOMPARE(b.groesse(), 3 * 960);
        QCOMPARE(b.laden(), (QStringList{u"A, 1"_s, u"B, 2"_s, u"C, 3"_s}));
    }

    void anlegen_und_anhaengen()
    {
        Bestand b;
        const QString pfad = b.zustand.daten_pfad;
        QVERIFY(adresse_speichern(pfad, b.mannschaft, satz(u"A"_s, u"1"_s)));
        QVERIFY(adresse_speichern(pfad, b.mannschaft, satz(u"A"_s, u"1"_s)));
        QCOMPARE(b.inhalt(), satz(u"A"_s, u"1"_s).bytes() + satz(u"A"_s, u"1"_s).bytes());
        QVERIFY(adresse_anlegen(pfad, b.mannschaft, satz(u"B"_s, u"2"_s)));
        QCOMPARE(b.inhalt(), satz(u"B"_s, u"2"_s).bytes());
    }

    void nicht_schreibbarer_ordner_speichert_nichts()
    {
        Bestand b;
        b.zustand.daten_pfad = b.pfad(u"fehlt/"_s);
        QVERIFY(!b.speichern(texte(u"A"_s, u"1"_s)));
        QVERIFY(!QDir(b.zustand.daten_pfad).exists());
    }

    void auswahl_findet_ihren_satz_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vorname");
        QTest::addColumn<QString>("eintrag");
        QTest::newRow("1 wie gespeichert") << 1 << u"Meier "_s << u"Hans"_s << u"Meier , Hans"_s;
        QTest::newRow("2 getrimmt") << 2 << u"Meier "_s << u"Hans"_s << u"Meier, Hans"_s;
        QTest::newRow("2 Steuerzeichen")
            << 2 << u"\tMüller"_s << u"Jörg\x1f"_s << u"Müller, Jörg"_s;
        QTest::newRow("2 leerer Name") << 2 << u" "_s << u"Anna"_s << u", Anna"_s;
    }
    void auswahl_findet_ihren_satz()
    {
        QFETCH(int, mannschaft);
        QFETCH(QString, name);
        QFETCH(QString, vorname);
        QFETCH(QString, eintrag);
        Bestand b;
        b.mannschaft = Mannschaft(mannschaft);
        const adresse gesucht = satz(name, vorname, u"Hauptstraße 1"_s);
        b.schreiben({satz(u"Abel"_s, u"Anna"_s), gesucht});
        QCOMPARE(b.laden().value(1), eintrag);
        const std::optional<adresse> gefunden =
            adresse_einfuegen(b.zustand.daten_pfad, b.mannschaft, eintrag);
        QVERIFY(gefunden);
        QCOMPARE(gefunden->bytes(), gesucht.bytes());
    }

    void auswahl_nimmt_den_letzten_treffer()
    {
        Bestand b;
        b.schreiben({satz(u"Meier"_s, u"Hans"_s, u"erste"_s), satz(u"Abel"_s, u"Anna"_s),
                     satz(u"MEIER"_s, u"Hans"_s, u"zweite"_s)});
        const std::optional<adresse> gefunden =
            adresse_einfuegen(b.zustand.daten_pfad, b.mannschaft, u"Meier, Hans"_s);
        QVERIFY(gefunden);
        QCOMPARE(gefunden->wert(adr::strasse), u"zweite"_s);
        QVERIFY(!adresse_einfuegen(b.zustand.daten_pfad, b.mannschaft, u"Meier, Klaus"_s));
    }
};

QTEST_GUILESS_MAIN(TstAdressbestand)
#include "tst_adressbestand.moc"
