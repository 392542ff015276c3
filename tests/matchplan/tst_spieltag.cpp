#include "matchplan/spieltag.h"
#include "plan_testhilfe.h"
#include "shell/zustand.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstSpieltag : public QObject
{
    Q_OBJECT

    // The stored short string at an offset: its length byte and its text bytes.
    static QByteArray feld(const QByteArray &satz, int offset)
    {
        return satz.mid(offset + 1, quint8(satz.at(offset)));
    }

    static void tabelle_anlegen(GitterModell &tabelle, int n)
    {
        tabelle.SetColCount(n + 3);
        tabelle.SetRowCount(22);
    }

private slots:
    // Team-2 entry 3 of a doubles plan with N = 4 stands in standings row 14.
    void felder_stehen_an_ihren_stellen()
    {
        GitterModell tabelle;
        tabelle_anlegen(tabelle, 4);
        tabelle.SetCells(0, 14, u" Meier / Schmidt "_s);
        const QStringList zeile{"1", "12", "0", "7", "20", "3"}; // games 1..4, Ges., Platz
        for (int g = 0; g < zeile.size(); ++g)
            tabelle.SetCells(g + 1, 14, zeile[g]);

        const QByteArray satz = spieltag_aus_tabelle(tabelle, true, 4).bytes();

        // Every other byte of the record stays zero.
        QByteArray erwartet(4224, '\0');
        const auto kurztext = [&erwartet](int offset, const QByteArray &text) {
            erwartet[offset] = char(text.size());
            erwartet.replace(offset + 1, text.size(), text);
        };
        kurztext(1224, "Meier");
        kurztext(1275, "Schmidt");
        // Games 1..4, then what the row holds beyond N: the total, the rank, nothing.
        for (int g = 0; g < zeile.size(); ++g)
            kurztext(2820 + g * 6, zeile[g].toLatin1());
        kurztext(3432, "20");
        kurztext(3798, "3");
        QCOMPARE(satz, erwartet);
    }

    void doppelnamen_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("erster");
        QTest::addColumn<QString>("zweiter");
        QTest::newRow("ohne Blanks") << "Meier/Schmidt"
                                     << "Meier"
                                     << "Schmidt";
        QTest::newRow("mit Blanks") << " Meier / Schmidt "
                                    << "Meier"
                                    << "Schmidt";
        QTest::newRow("zweiter fehlt") << "Meier/"
                                       << "Meier"
                                       << "";
        QTest::newRow("leeres Paar") << "/"
                                     << ""
                                     << "";
        QTest::newRow("erster Strich teilt") << "A/B/C"
                                             << "A"
                                             << "B/C";
        QTest::newRow("ohne Strich") << "Einzeln"
                                     << "Einzeln"
                                     << "";
    }
    void doppelnamen()
    {
        QFETCH(QString, eintrag);
        QFETCH(QString, erster);
        QFETCH(QString, zweiter);
        GitterModell tabelle;
        tabelle_anlegen(tabelle, 2);
        tabelle.SetCells(0, 1, eintrag);
        const TSpieltag satz = spieltag_aus_tabelle(tabelle, true, 2);
        QCOMPARE(satz.wert(spt::doppel_name(Mannschaft::eins, 1, 1)), erster);
        QCOMPARE(satz.wert(spt::doppel_name(Mannschaft::eins, 1, 2)), zweiter);
    }

    void einzel_und_zu_lange_texte()
    {
        GitterModell tabelle;
        tabelle_anlegen(tabelle, 10);
        const QString lang = u"Müller-"_s + QString(53, u'x'); // 60 characters
        tabelle.SetCells(0, 1, u" Anna "_s);
        tabelle.SetCells(0, 21, lang);
        tabelle.SetCells(10, 21, u"1234567"_s);

        const QByteArray satz = spieltag_aus_tabelle(tabelle, false, 10).bytes();

        QCOMPARE(feld(satz, 0), QByteArray(" Anna "));
        const int team2_eintrag10 = 510 + 9 * 51;
        QCOMPARE(quint8(satz.at(team2_eintrag10)), quint8(50));
        QCOMPARE(feld(satz, team2_eintrag10), QByteArray("M\xFCller-") + QByteArray(43, 'x'));
        QCOMPARE(feld(satz, 2040 + 20 * 60 + 9 * 6), QByteArray("12345"));
        // The doubles team-2 area stays unused in singles.
        QCOMPARE(satz.mid(1020, 1020), QByteArray(1020, '\0'));
    }

    void schreiben_und_lesen()
    {
        TestOrdner t;
        t.zustand.grp_datei = u"E_Gr03_01_05_2026.grp"_s;
        t.zustand.spieltag.setze(spt::summe(13), u"42"_s);
        QVERIFY(spieltag_schreiben(t.zustand));
        QCOMPARE(QFileInfo(t.pfad(t.zustand.grp_datei)).size(), 4224);

        const QByteArray geschrieben = t.zustand.spieltag.bytes();
        t.zustand.spieltag = TSpieltag();
        QVERIFY(spieltag_lesen(t.zustand));
        QCOMPARE(t.zustand.spieltag.bytes(), geschrieben);

        // A longer file gives its first record; a short or missing one leaves the record.
        speicher::datei_ersetzen(t.pfad(t.zustand.grp_datei), geschrieben + "Rest");
        t.zustand.spieltag = TSpieltag();
        QVERIFY(spieltag_lesen(t.zustand));
        QCOMPARE(t.zustand.spieltag.bytes(), geschrieben);
        speicher::datei_ersetzen(t.pfad(t.zustand.grp_datei), geschrieben.left(4223));
        QVERIFY(!spieltag_lesen(t.zustand));
        QCOMPARE(t.zustand.spieltag.bytes(), geschrieben);
        t.zustand.grp_datei = u"fehlt.grp"_s;
        QVERIFY(!spieltag_lesen(t.zustand));
        QCOMPARE(t.zustand.spieltag.bytes(), geschrieben);
    }
};

QTEST_MAIN(TstSpieltag)
#include "tst_spieltag.moc"
