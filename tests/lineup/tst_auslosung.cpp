#include "gruppen_testhilfe.h"
#include "lineup/auslosung.h"
#include "lineup/auslosungsnummer.h"
#include "lineup/auslosungsprotokoll.h"
#include "lineup/gruppendateien.h"
#include "lineup/namensfelder.h"
#include "lineup/zufall.h"
#include "lineup/zuweisung.h"
#include "test_ordner.h"
#include "test_plattform.h"
#include "volle_platte.h"

#include <QDir>
#include <QMap>
#include <QtTest>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

class TstAuslosung : public QObject
{
    Q_OBJECT

    static constexpr quint32 saat = 4711;

    // A folder whose options file exists, as after start-up, and a platform with a fixed seed.
    struct Turnier : TestOrdner
    {
        TestPlattform plattform;
        Namensfelder felder;
        // A stored team number, valid or not.
        explicit Turnier(qint32 mannschaft_nr)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::mannschaft_nr, mannschaft_nr);
        }
        QStringList feldtexte(int von, int bis) const
        {
            QStringList texte;
            for (int nr = von; nr <= bis; ++nr)
                texte << felder.text(nr);
            return texte;
        }
        QStringList slot_texte(const TGruppe &gruppe, int von, int bis) const
        {
            QStringList texte;
            for (int slot = von; slot <= bis; ++slot)
                texte << gruppe.name(slot);
            return texte;
        }
        qint32 gespeichert(speicher::Int32Feld feld) const
        {
            TOptionen optionen;
            optionen_lesen(optionen, zustand.daten_pfad);
            return optionen.wert(feld);
        }
    };

    static QStringList sortiert(QStringList liste)
    {
        liste.sort();
        return liste;
    }

    using Ziehung = void (*)(Zustand &, Plattform &, Namensfelder &, std::optional<quint32>);

    // Every file of the data folder with its bytes.
    static QMap<QString, QByteArray> dateien(const Turnier &t)
    {
        QMap<QString, QByteArray> inhalt;
        for (const QString &name : QDir(t.zustand.daten_pfad).entryList(QDir::Files))
            inhalt.insert(name, dateiinhalt(t.pfad(name)));
        return inhalt;
    }

    static QStringList protokoll(const Turnier &t)
    {
        return QString::fromLatin1(dateiinhalt(t.pfad(protokoll_datei)))
            .split(u"\r\n"_s, Qt::SkipEmptyParts);
    }

private slots:
    void jede_position_genau_einmal_data()
    {
        QTest::addColumn<int>("anzahl");
        for (int anzahl : {0, 1, 2, 7, 20})
            QTest::addRow("%d", anzahl) << anzahl;
    }

    void jede_position_genau_einmal()
    {
        QFETCH(int, anzahl);
        Zufall zufall(saat);
        QList<int> reihenfolge = auslosen(anzahl, zufall);
        std::sort(reihenfolge.begin(), reihenfolge.end());
        QList<int> erwartet(anzahl);
        std::iota(erwartet.begin(), erwartet.end(), 0);
        QCOMPARE(reihenfolge, erwartet);
    }

    void gleiche_saat_gleiche_reihenfolge()
    {
        Zufall a(saat), b(saat), c(saat + 1);
        const QList<int> erste = auslosen(20, a);
        QCOMPARE(auslosen(20, b), erste);
        QVERIFY(auslosen(20, c) != erste);
    }

    void alle_reihenfolgen_gleich_wahrscheinlich()
    {
        // 24 orders of four names; a fair draw keeps the chi-square statistic (23 degrees of
        // freedom) below 70 with a probability of 1 - 1.2e-6 and every count within 5
        // standard deviations of 1000; a biased shuffle is far outside.
        constexpr int ziehungen = 24000;
        constexpr double erwartet = ziehungen / 24.0;
        Zufall zufall(saat);
        QMap<QList<int>, int> haeufigkeit;
        for (int i = 0; i < ziehungen; ++i)
            ++haeufigkeit[auslosen(4, zufall)];
        QCOMPARE(haeufigkeit.size(), 24);
        double chi_quadrat = 0;
        for (int anzahl : haeufigkeit) {
            chi_quadrat += (anzahl - erwartet) * (anzahl - erwartet) / erwartet;
            QVERIFY2(qAbs(anzahl - erwartet) < 0.15 * erwartet,
                     qPrintable(QString::number(anzahl)));
        }
        QVERIFY2(chi_quadrat < 70, qPrintable(QString::number(chi_quadrat)));
    }

    // Recorded once: a change of the generator or of its mapping would make every draw logged
    // before impossible to replay.
    void eine_nummer_gibt_ueberall_dieselbe_reihenfolge()
    {
        Zufall zufall(48213);
        QCOMPARE(auslosen(10, zufall), (QList<int>{6, 3, 2, 9, 1, 4, 0, 8, 5, 7}));
    }

    void wiederholen_gibt_dieselbe_aufstellung_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<int>("teilnehmer");
        QTest::newRow("doppel") << true << gruppe1_d_datei << 8;
        QTest::newRow("einzel") << false << gruppe1_e_datei << 7;
    }

    void wiederholen_gibt_dieselbe_aufstellung()
    {
        QFETCH(bool, doppel);
        QFETCH(QString, quelle);
        QFETCH(int, teilnehmer);
        const Ziehung ziehen = doppel ? personen_zuweisen2t : personen_einz_zuweisen;
        Turnier t(1);
        QVERIFY(gruppendatei_anlegen(t.pfad(quelle), namen_ab(1, namen(u"Spieler"_s, teilnehmer))));
        const auto lose = [&](std::optional<quint32> nr) {
            t.zustand.mannschaft_setzen(Mannschaft::eins);
            ziehen(t.zustand, t.plattform, t.felder, nr);
            return t.slot_texte(t.zustand.gruppe1, 1, teilnehmer);
        };

        t.plattform.saaten << 48213 << 7;
        const QStringList erste = lose(std::nullopt);
        QCOMPARE(t.felder.auslosung(Mannschaft::eins), 48213u);
        QCOMPARE(t.zustand.auslosung_nr[0], 48213u);
        // A new draw stores another order; in singles the pool is read back in that order.
        const QStringList zweite = lose(std::nullopt);
        QVERIFY(zweite != erste);
        QCOMPARE(t.felder.auslosung(Mannschaft::eins), 7u);

        QCOMPARE(lose(48213), erste);
        QCOMPARE(t.feldtexte(1, teilnehmer), erste);
        QCOMPARE(t.felder.auslosung(Mannschaft::eins), 48213u);
        const QString art = doppel ? u"Doppelspiel"_s : u"Einzelspiel"_s;
        QCOMPARE(protokoll(t),
                 (QStringList{
                     u"08.12.2026;10:30:00;%1;Mannschaft 1;48213;"_s.arg(art) + erste.join(u';'),
                     u"08.12.2026;10:30:00;%1;Mannschaft 1;7;"_s.arg(art) + zweite.join(u';'),
                     u"08.12.2026;10:30:00;%1;Mannschaft 1;48213;"_s.arg(art) + erste.join(u';')}));
    }

    void protokollzeile_in_bytes_data()
    {
        QTest::addColumn<QByteArray>("vorher"); // "-" for no file
        QTest::addColumn<QByteArray>("davor");  // what stands before the new line
        QTest::newRow("neue Datei") << QByteArray("-") << QByteArray();
        QTest::newRow("angehängt") << QByteArray("alt\r\n") << QByteArray("alt\r\n");
        QTest::newRow("letzte Zeile ohne Ende")
            << QByteArray("alt\x80") << QByteArray("alt\x80\r\n");
    }

    void protokollzeile_in_bytes()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QByteArray, davor);
        TestOrdner o;
        const QString pfad = o.pfad(protokoll_datei);
        if (vorher != "-")
            QVERIFY(speicher::datei_ersetzen(pfad, vorher));
        const Auslosung auslosung{
            QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)),
            true,
            Mannschaft::zwei,
            4294967295u,
            {u"Jürgen Öztürk"_s, u"Käthe €uro"_s, u"Zeilen\r\numbruch"_s, u"Ωmega"_s}};
        QVERIFY(protokoll_anhaengen(pfad, protokollzeile(auslosung)));
        QCOMPARE(dateiinhalt(pfad),
                 davor + "08.12.2026;09:05:07;Doppelspiel;Mannschaft 2;4294967295;"
                         "J\xFCrgen \xD6zt\xFCrk;K\xE4the \x80uro;Zeilen  umbruch;?mega\r\n");
    }

    // A full disk, here a file size limit, makes the rewrite fail: the message says so, and the
    // lines before stay as they were.
    void voller_datentraeger_laesst_fruehere_zeilen_stehen()
    {
        Turnier t(1);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_d_datei), namen_ab(1, namen(u"n"_s, 4))));
        const QByteArray frueher = QByteArray(60, 'x').append("\r\n").repeated(70);
        QVERIFY(speicher::datei_ersetzen(t.pfad(protokoll_datei), frueher));
        t.plattform.saat = 48213;

        {
            VollePlatte voll(frueher.size());
            QVERIFY(voll.gesetzt());
            personen_zuweisen2t(t.zustand, t.plattform, t.felder);
        }

        QCOMPARE(t.plattform.texte(),
                 QStringList{u"Die Auslosung Nr. 48213 konnte nicht in die Datei "
                             u"\"Auslosungen.txt\" eingetragen werden.\n"
                             u"Die früheren Einträge der Datei bleiben unverändert."_s});
        QCOMPARE(dateiinhalt(t.pfad(protokoll_datei)), frueher);
        QCOMPARE(QDir(t.ordner.path()).entryList({u"Auslosungen.txt*"_s}, QDir::Files),
                 QStringList{protokoll_datei});
        // The draw itself stands.
        QCOMPARE(sortiert(t.slot_texte(t.zustand.gruppe1, 1, 4)), namen(u"n"_s, 4));
        QCOMPARE(t.felder.auslosung(Mannschaft::eins), 48213u);
    }

    void getippte_nummer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<quint32>>("nummer");
        QTest::newRow("Zahl mit Leerzeichen") << u" 48213 "_s << std::optional<quint32>(48213);
        QTest::newRow("null") << u"0"_s << std::optional<quint32>(0);
        QTest::newRow("größte") << u"4294967295"_s << std::optional<quint32>(4294967295u);
        QTest::newRow("zu groß") << u"4294967296"_s << std::optional<quint32>();
        QTest::newRow("sehr lang") << QString(40, u'9') << std::optional<quint32>();
        QTest::newRow("leer") << u"  "_s << std::optional<quint32>();
        QTest::newRow("Vorzeichen") << u"+5"_s << std::optional<quint32>();
        QTest::newRow("negativ") << u"-1"_s << std::optional<quint32>();
        QTest::newRow("Tausenderpunkt") << u"48.213"_s << std::optional<quint32>();
        QTest::newRow("Buchstaben") << u"12a"_s << std::optional<quint32>();
        QTest::newRow("andere Ziffern") << u"٤٨"_s << std::optional<quint32>();
    }

    void getippte_nummer()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<quint32>, nummer);
        QCOMPARE(auslosungsnummer_lesen(text), nummer);
    }

    void doppel_bildet_paare_data()
    {
        QTest::addColumn<Mannschaft>("mannschaft");
        QTest::addColumn<int>("teilnehmer");
        QTest::addColumn<int>("spieler");
        for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
            const int nr = nummer(mannschaft);
            QTest::addRow("team %d, 8", nr) << mannschaft << 8 << 4;
            QTest::addRow("team %d, 7", nr) << mannschaft << 7 << 3;
            QTest::addRow("team %d, 20", nr) << mannschaft << 20 << 10;
        }
    }

    void doppel_bildet_paare()
    {
        QFETCH(Mannschaft, mannschaft);
        QFETCH(int, teilnehmer);
        QFETCH(int, spieler);
        Turnier t(nummer(mannschaft));
        const int erster = grp::erster_slot(mannschaft);
        const QStringList alle = namen(u"Spieler"_s, teilnehmer);
        QVERIFY(gruppendatei_anlegen(t.pfad(teilnehmerdatei_doppel(mannschaft)),
                                     namen_ab(erster, alle)));

        personen_zuweisen2t(t.zustand, t.plattform, t.felder);

        const QStringList gezogen = t.feldtexte(1, teilnehmer);
        QCOMPARE(sortiert(gezogen), sortiert(alle));
        QCOMPARE(t.feldtexte(teilnehmer + 1, 20), QStringList(20 - teilnehmer, QString()));
        const TGruppe &gruppe = gruppe_der_mannschaft(t.zustand, mannschaft);
        QCOMPARE(t.slot_texte(gruppe, erster, erster + 19), t.feldtexte(1, 20));
        QCOMPARE(dateiinhalt(t.pfad(aufstellungsdatei(mannschaft))), gruppe.bytes());
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), spieler);
        QCOMPARE(t.gespeichert(opt::spieler_pro_mannschaft), spieler);
        QCOMPARE(t.zustand.mannschaft(), mannschaft);
    }

    void einzel_waehlt_zehn_von_zwoelf()
    {
        Turnier t(1);
        const QStringList alle = namen(u"Einzel"_s, 12);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), namen_ab(1, alle)));

        personen_einz_zuweisen(t.zustand, t.plattform, t.felder);

        const QStringList gezogen = t.feldtexte(1, 10);
        QCOMPARE(QSet<QString>(gezogen.begin(), gezogen.end()).size(), 10);
        for (const QString &name : gezogen)
            QVERIFY(alle.contains(name));
        QCOMPARE(t.slot_texte(t.zustand.gruppe1, 1, 10), gezogen);
        QCOMPARE(t.slot_texte(t.zustand.gruppe1, 11, 20), QStringList(10, QString()));
        QCOMPARE(dateiinhalt(t.pfad(gruppe1_e_datei)), t.zustand.gruppe1.bytes());
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 10);
        QCOMPARE(t.gespeichert(opt::spieler_pro_mannschaft), 10);
        // The team number changes only after the options were stored.
        QCOMPARE(t.zustand.wert(opt::mannschaft_nr), 2);
        QCOMPARE(t.gespeichert(opt::mannschaft_nr), 1);

        // A second draw only reorders those ten.
        t.zustand.setze(opt::mannschaft_nr, 1);
        personen_einz_zuweisen(t.zustand, t.plattform, t.felder);
        QCOMPARE(sortiert(t.feldtexte(1, 10)), sortiert(gezogen));
    }

    void einzel_team2_fuellt_felder_elf_bis_zwanzig()
    {
        Turnier t(2);
        t.felder.setze(1, u"Team 1 bleibt"_s);
        const QStringList alle = namen(u"Rot"_s, 3);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe2_e_datei), namen_ab(21, alle)));

        personen_einz_zuweisen(t.zustand, t.plattform, t.felder);

        QCOMPARE(sortiert(t.feldtexte(11, 13)), alle);
        QCOMPARE(t.slot_texte(t.zustand.gruppe2, 21, 23), t.feldtexte(11, 13));
        QCOMPARE(t.felder.text(1), u"Team 1 bleibt"_s);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 3);
        QCOMPARE(t.zustand.wert(opt::mannschaft_nr), 2);
        QCOMPARE(dateiinhalt(t.pfad(gruppe2_e_datei)), t.zustand.gruppe2.bytes());
    }

    // Names of an earlier, longer line-up used to stay behind the drawn ones, counted for
    // spieler_pro_mannschaft and appeared in the match plan.
    void alte_namen_bleiben_nicht_stehen_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<Mannschaft>("mannschaft");
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<Belegung>("teilnehmer");
        QTest::addColumn<int>("spieler");
        QTest::newRow("doppel team 2")
            << true << Mannschaft::zwei << gruppe2_d_datei << namen_ab(21, namen(u"neu"_s, 4)) << 2;
        QTest::newRow("einzel team 2") << false << Mannschaft::zwei << gruppe2_e_datei
                                       << namen_ab(21, namen(u"neu"_s, 4)) << 4;
        QTest::newRow("doppel team 1, Teilnehmer mit Lücke")
            << true << Mannschaft::eins << gruppe1_d_datei
            << Belegung{{1, u"neu1"_s}, {2, u"neu2"_s}, {5, u"neu3"_s}, {6, u"neu4"_s}} << 2;
    }

    void alte_namen_bleiben_nicht_stehen()
    {
        QFETCH(bool, doppel);
        QFETCH(Mannschaft, mannschaft);
        QFETCH(QString, quelle);
        QFETCH(Belegung, teilnehmer);
        QFETCH(int, spieler);
        Turnier t(nummer(mannschaft));
        const int erster = grp::erster_slot(mannschaft);
        t.zustand.gruppe2 = gruppe_mit(namen_ab(21, namen(u"alt"_s, 8)));
        QVERIFY(gruppendatei_anlegen(t.pfad(quelle), teilnehmer));

        (doppel ? personen_zuweisen2t : personen_einz_zuweisen)(t.zustand, t.plattform, t.felder,
                                                                std::nullopt);

        const TGruppe &gruppe = gruppe_der_mannschaft(t.zustand, mannschaft);
        QCOMPARE(sortiert(t.slot_texte(gruppe, erster, erster + 3)), namen(u"neu"_s, 4));
        QCOMPARE(t.slot_texte(gruppe, erster + 4, erster + 19), QStringList(16, QString()));
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), spieler);
        TGruppe gespeichert;
        QCOMPARE(gruppendatei_lesen(t.pfad(aufstellungsdatei(mannschaft)), gespeichert),
                 Gruppendatei::gelesen);
        QCOMPARE(t.slot_texte(gespeichert, erster, erster + 19),
                 t.slot_texte(gruppe, erster, erster + 19));
    }

    void leerer_pool_speichert_den_vorhandenen_stand()
    {
        Turnier t(1);
        t.zustand.setze(opt::spieler_pro_mannschaft, 5);
        t.zustand.gruppe1 = gruppe_mit(namen_ab(1, namen(u"da"_s, 4)));
        t.felder.setze(3, u"alt"_s);

        personen_zuweisen2t(t.zustand, t.plattform, t.felder);

        QCOMPARE(t.feldtexte(1, 20), QStringList(20, QString()));
        QCOMPARE(t.zustand.pool_anzahl, 0);
        QCOMPARE(t.zustand.wert(opt::spieler_pro_mannschaft), 5);
        // Nothing was drawn: no number, no line.
        QCOMPARE(t.felder.auslosung(Mannschaft::eins), std::nullopt);
        QVERIFY(!QFile::exists(t.pfad(protokoll_datei)));
        QCOMPARE(dateiinhalt(t.pfad(gruppe1_e_datei)),
                 gruppe_mit(namen_ab(1, namen(u"da"_s, 4))).bytes());
    }

    void unbekannte_mannschaft_leert_nur_die_felder()
    {
        Turnier t(0);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_d_datei), namen_ab(1, namen(u"n"_s, 4))));
        t.felder.setze(20, u"alt"_s);
        personen_zuweisen2t(t.zustand, t.plattform, t.felder);
        QCOMPARE(t.feldtexte(1, 20), QStringList(20, QString()));
        QVERIFY(!QFile::exists(t.pfad(gruppe1_e_datei)));
        QVERIFY(!QFile::exists(t.pfad(gruppe2_e_datei)));
    }

    void gleiche_saat_gleiche_aufstellung()
    {
        QStringList aufstellungen[2];
        for (QStringList &aufstellung : aufstellungen) {
            Turnier t(1);
            QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_d_datei), namen_ab(1, namen(u"n"_s, 12))));
            personen_zuweisen2t(t.zustand, t.plattform, t.felder);
            aufstellung = t.slot_texte(t.zustand.gruppe1, 1, 20);
        }
        QCOMPARE(aufstellungen[0], aufstellungen[1]);
    }
    // The chosen names handed over in one call give the files that writing them as the team's
    // record file and drawing from that file gave.
    void gewaehlte_auslosen_wie_ueber_die_datei_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<bool>("doppel");
        for (const bool doppel : {false, true})
            for (const int mannschaft : {1, 2})
                QTest::addRow("%s %d", doppel ? "Doppel" : "Einzel", mannschaft)
                    << mannschaft << doppel;
    }
    void gewaehlte_auslosen_wie_ueber_die_datei()
    {
        QFETCH(int, mannschaft);
        QFETCH(bool, doppel);
        const Mannschaft m = mannschaft_aus_nummer(mannschaft);
        // Longer than a slot, beyond Windows-1252 and more than twenty: as the record holds them.
        QStringList gewaehlt = namen(u"Spieler"_s, 21);
        gewaehlt[3] = QString(60, u'L');
        gewaehlt[4] = u"Ōsaka"_s;
        // The stored team number names the other team: the call takes its own.
        const qint32 andere_nr = nummer(andere(m));

        Turnier ueber_datei(andere_nr);
        {
            Zustand &z = ueber_datei.zustand;
            TGruppe &satz = doppel ? z.gruppe1 : gruppe_der_mannschaft(z, m);
            for (int k = 0; k < grp::slots_pro_mannschaft; ++k)
                satz.setze_name(grp::erster_slot(m) + k, gewaehlt.at(k));
            const QString datei = doppel ? teilnehmerdatei_doppel(m) : aufstellungsdatei(m);
            QVERIFY(speicher::datei_ersetzen(ueber_datei.pfad(datei), satz.bytes()));
            z.mannschaft_setzen(m);
            if (doppel)
                personen_zuweisen2t(z, ueber_datei.plattform, ueber_datei.felder);
            else
                personen_einz_zuweisen(z, ueber_datei.plattform, ueber_datei.felder);
            z.optionen_speichern();
        }

        Turnier direkt(andere_nr);
        gewaehlte_auslosen(direkt.zustand, direkt.plattform, m, doppel, gewaehlt, direkt.felder);

        QCOMPARE(dateien(direkt), dateien(ueber_datei));
        QCOMPARE(direkt.feldtexte(1, Namensfelder::anzahl),
                 ueber_datei.feldtexte(1, Namensfelder::anzahl));
        QCOMPARE(direkt.zustand.gruppe1.bytes(), ueber_datei.zustand.gruppe1.bytes());
        QCOMPARE(direkt.zustand.gruppe2.bytes(), ueber_datei.zustand.gruppe2.bytes());
        QCOMPARE(direkt.zustand.optionen.bytes(), ueber_datei.zustand.optionen.bytes());
        QCOMPARE(direkt.zustand.pool_anzahl, qint32(grp::slots_pro_mannschaft));
        QVERIFY(!direkt.feldtexte(1, Namensfelder::anzahl).join(QString()).isEmpty());
    }

    // The draw takes the names from the call, not from the file: a participants file that
    // cannot be written does not leave the team without a line-up.
    void gewaehlte_auslosen_ohne_schreibbare_teilnehmerdatei()
    {
        Turnier t(2);
        QVERIFY(QDir().mkpath(t.pfad(gruppe1_d_datei)));
        const QStringList gewaehlt = namen(u"Paar"_s, 4);

        gewaehlte_auslosen(t.zustand, t.plattform, Mannschaft::eins, true, gewaehlt, t.felder);

        QCOMPARE(sortiert(t.feldtexte(1, 4)), gewaehlt);
        TGruppe aufstellung;
        QCOMPARE(gruppendatei_lesen(t.pfad(gruppe1_e_datei), aufstellung), Gruppendatei::gelesen);
        QCOMPARE(t.slot_texte(aufstellung, 1, 4), t.feldtexte(1, 4));
        QCOMPARE(protokoll(t).size(), 1);
        QCOMPARE(t.gespeichert(opt::spieler_pro_mannschaft), 2);
    }
};

QTEST_GUILESS_MAIN(TstAuslosung)
#include "tst_auslosung.moc"
