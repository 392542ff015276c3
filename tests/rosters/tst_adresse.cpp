#include "rosters/adresse.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TstAdresse : public QObject
{
    Q_OBJECT

private slots:
    void felder_liegen_an_ihren_offsets()
    {
        adresse satz;
        satz.setze(adr::vorname, u"Jürgen"_s);
        satz.setze(adr::name, u"Meier"_s);
        satz.setze(adr::email, u"j@x.de"_s);
        satz.setze(adr::mobil, u"0171"_s);
        const QByteArray &b = satz.bytes();
        QCOMPARE(b.size(), 960);
        QCOMPARE(b.at(0), char(6));
        QCOMPARE(b.mid(1, 6), QByteArray("J\xfcrgen"));
        QCOMPARE(b.at(61), char(5));
        QCOMPARE(b.mid(306, 6), QByteArray("j@x.de"));
        QCOMPARE(b.mid(561, 4), QByteArray("0171"));
    }

    void texte_fuellen_nur_ihr_feld_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("kapazitaet");
        QTest::newRow("Name") << 0 << 61 << 60;
        QTest::newRow("Vorname") << 1 << 0 << 60;
        QTest::newRow("Strasse") << 2 << 122 << 60;
        QTest::newRow("Plz/Ort") << 3 << 183 << 60;
        QTest::newRow("Telefon") << 4 << 467 << 30;
        QTest::newRow("Fax") << 5 << 498 << 30;
        QTest::newRow("Mobil") << 6 << 560 << 30;
        QTest::newRow("Email") << 7 << 305 << 80;
    }
    void texte_fuellen_nur_ihr_feld()
    {
        QFETCH(int, index);
        QFETCH(int, offset);
        QFETCH(int, kapazitaet);
        // Longer than every field: each is cut at its capacity in bytes.
        const QString text = u"Äß€"_s + QString(100, u'x');
        Adresstexte texte;
        texte[index] = text;
        const adresse satz = adresse_aus_texten(texte);
        QByteArray erwartet(960, '\0');
        erwartet[offset] = char(kapazitaet);
        erwartet.replace(offset + 1, kapazitaet,
                         ("\xc4\xdf\x80" + QByteArray(100, 'x')).left(kapazitaet));
        QCOMPARE(satz.bytes(), erwartet);
        QCOMPARE(texte_der_adresse(satz)[index], text.left(kapazitaet));
        QCOMPARE(adr::eingabefelder[index].feld.offset, offset);
    }

    void identitaet_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("gleich");
        QTest::newRow("a A") << u"meier"_s << u"MEIER"_s << true;
        QTest::newRow("ä Ä") << u"märz"_s << u"MÄRZ"_s << false;
        QTest::newRow("é É") << u"é"_s << u"É"_s << false;
        QTest::newRow("ß") << u"Straß"_s << u"STRASS"_s << false;
        QTest::newRow("Leer und Steuerzeichen") << u" \t\x01Meier \n"_s << u"Meier"_s << true;
        QTest::newRow("geschütztes Leerzeichen") << u"\u00a0Meier"_s << u"Meier"_s << false;
        QTest::newRow("innen") << u"Meier Hans"_s << u"Meier  Hans"_s << false;
        QTest::newRow("nicht speicherbar") << u"Łukasz"_s << u"?ukasz"_s << true;
        QTest::newRow("leer") << u"   "_s << QString() << true;
    }
    void identitaet()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, gleich);
        QCOMPARE(adr::vergleichsform(a) == adr::vergleichsform(b), gleich);
    }

    void anzeige_je_mannschaft()
    {
        adresse satz;
        satz.setze(adr::name, u"Meier "_s);
        satz.setze(adr::vorname, u" Hans"_s);
        QCOMPARE(anzeige_eintrag(satz, Mannschaft::eins), u"Meier ,  Hans"_s);
        QCOMPARE(anzeige_eintrag(satz, Mannschaft::zwei), u"Meier, Hans"_s);
        QCOMPARE(anzeige_eintrag(adresse(), Mannschaft::eins), u", "_s);
    }

    void sortierung_deutsch_ohne_gross_klein()
    {
        QStringList eintraege{u"Zander, A"_s, u"müller, B"_s, u"Mueller, C"_s,
                              u"Ärger, D"_s,  u"meier, E"_s,  u"Abel, F"_s};
        eintraege_sortieren(eintraege);
        QCOMPARE(eintraege, (QStringList{u"Abel, F"_s, u"Ärger, D"_s, u"meier, E"_s,
                                         u"Mueller, C"_s, u"müller, B"_s, u"Zander, A"_s}));
    }

    void unvollstaendiger_rest_wird_uebergangen()
    {
        TestOrdner ordner;
        adresse satz;
        satz.setze(adr::name, u"Müller"_s);
        const QString pfad = ordner.pfad(adressen_dateiname(Mannschaft::zwei));
        QVERIFY(speicher::datei_ersetzen(pfad, satz.bytes() + satz.bytes() + QByteArray(500, 'x')));
        const QList<adresse> liste = adressen_lesen(pfad);
        QCOMPARE(liste.size(), 2);
        QCOMPARE(liste.at(1).wert(adr::name), u"Müller"_s);
        QVERIFY(adressen_lesen(ordner.pfad(u"fehlt.adr"_s)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstAdresse)
#include "tst_adresse.moc"
