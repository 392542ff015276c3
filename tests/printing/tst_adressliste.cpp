#include "druck_testhilfe.h"
#include "printing/adressliste.h"
#include "printing/seitenausgabe.h"
#include "shell/optionen.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QFontDatabase>
#include <QPainter>

using namespace Qt::StringLiterals;

class TstAdressliste : public QObject
{
    Q_OBJECT

    static inline const QString art = u"DejaVu Sans"_s;
    static inline const QDate heute{2026, 12, 8};

    static const DruckText *finde(const DruckSeite &seite, const QString &text)
    {
        for (const DruckText &t : seite.texte)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    // The y of the headings: the title's top, one line height and 40 below.
    static int ueberschrift_y(int zeilenhoehe) { return 26 + zeilenhoehe + 40; }

private slots:
    void kopf_und_band_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("breite");
        QTest::addColumn<bool>("band");
        QTest::newRow("Erstellt") << u"Erstellt am:"_s << 8 << 82 << false;
        QTest::newRow("Datum") << u"08.12.2026"_s << 90 << 630 << false;
        QTest::newRow("Seite") << u"Seite 1"_s << 720 << 96 << false;
        QTest::newRow("Name") << u"Name"_s << 16 << 70 << true;
        QTest::newRow("Vorname") << u"Vorname"_s << 86 << 90 << true;
        QTest::newRow("Strasse") << u"Strasse"_s << 176 << 140 << true;
        QTest::newRow("Ort") << u"Ort"_s << 316 << 110 << true;
        QTest::newRow("Telefon") << u"Telefon"_s << 426 << 110 << true;
        QTest::newRow("Fax") << u"Fax"_s << 536 << 70 << true;
        QTest::newRow("Mobil") << u"Mobil"_s << 606 << 100 << true;
        QTest::newRow("E-Mail") << u"E-Mail"_s << 706 << 110 << true;
    }
    void kopf_und_band()
    {
        QFETCH(QString, text);
        QFETCH(int, x);
        QFETCH(int, breite);
        QFETCH(bool, band);
        const Adressliste liste = drucken_adressen({}, {art, 12}, heute);
        QCOMPARE(liste.seiten.size(), 1);
        const DruckSeite &seite = liste.seiten[0];
        const DruckText *t = finde(seite, text);
        QVERIFY(t);
        QCOMPARE(t->x, x);
        QCOMPARE(t->y, band ? ueberschrift_y(liste.zeilenhoehe) : 55);
        QCOMPARE(t->breite, breite);
        QCOMPARE(t->schriftart, art);
        QCOMPARE(t->groesse, 12);
        QVERIFY(!t->fett);
        QCOMPARE(t->hintergrund, band ? QColor(0xE9, 0xE7, 0xE0) : QColor());
        QCOMPARE(seite.rechtecke.size(), 1);
        QCOMPARE(seite.rechtecke[0].flaeche, QRect(0, 75, 816, 30));
        QCOMPARE(seite.rechtecke[0].fuellung, QColor(0xE9, 0xE7, 0xE0));
    }

    void titel_ist_fett_drei_punkte_groesser_und_mittig_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("10") << 10;
        QTest::newRow("20") << 20;
    }
    void titel_ist_fett_drei_punkte_groesser_und_mittig()
    {
        QFETCH(int, groesse);
        const Adressliste liste = drucken_adressen(testkader(2), {art, groesse}, heute);
        QCOMPARE(liste.zeilenhoehe, hoehe_bei_96_dpi(art, groesse + 3, true));
        const DruckText *titel = finde(liste.seiten[0], u"Mitglieder Adressen drucken"_s);
        QVERIFY(titel);
        QCOMPARE(titel->groesse, groesse + 3);
        QVERIFY(titel->fett);
        QCOMPARE(titel->y, 26);
        QVERIFY(titel->breite > 0);
        QCOMPARE(titel->x, (816 - titel->breite) / 2);
        // The lines are drawn at the size itself and spaced by the title's height.
        const DruckText *erste = finde(liste.seiten[0], u"Öz1"_s);
        const DruckText *zweite = finde(liste.seiten[0], u"Süß2"_s);
        QVERIFY(erste && zweite);
        QCOMPARE(erste->groesse, groesse);
        QVERIFY(!erste->fett);
        QCOMPARE(zweite->y - erste->y, liste.zeilenhoehe);
    }

    void datenspalten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("breite");
        QTest::newRow("name") << u"Weiß"_s << 6 << 80;
        QTest::newRow("vorname") << u"Jörg"_s << 86 << 60;
        QTest::newRow("strasse") << u"Hauptstraße 1"_s << 146 << 130;
        QTest::newRow("plz_ort") << u"12345 Köln"_s << 276 << 140;
        QTest::newRow("telefon") << u"0221 1"_s << 416 << 90;
        QTest::newRow("fax") << u"0221 2"_s << 506 << 80;
        QTest::newRow("mobil") << u"0171 3"_s << 586 << 80;
        QTest::newRow("email") << u"joerg@weiss.de"_s << 666 << 150;
    }
    void datenspalten()
    {
        QFETCH(QString, text);
        QFETCH(int, x);
        QFETCH(int, breite);
        QList<adresse> kader = testkader(3);
        adresse &satz = kader[1];
        satz.setze(adr::name, u"  Weiß "_s); // only the name is trimmed
        satz.setze(adr::vorname, u"Jörg"_s);
        satz.setze(adr::strasse, u"Hauptstraße 1"_s);
        satz.setze(adr::plz_ort, u"12345 Köln"_s);
        satz.setze(adr::telefon, u"0221 1"_s);
        satz.setze(adr::fax, u"0221 2"_s);
        satz.setze(adr::mobil, u"0171 3"_s);
        satz.setze(adr::email, u"joerg@weiss.de"_s);
        const Adressliste liste = drucken_adressen(kader, {art, 12}, heute);
        QCOMPARE(liste.seiten.size(), 1);
        const DruckSeite &seite = liste.seiten[0];
        // Head, title and band: 4 texts, then 8 headings and 8 texts a line.
        QCOMPARE(seite.texte.size(), 4 + 8 + 3 * 8);
        const int zh = liste.zeilenhoehe;
        const int erste_zeile = ueberschrift_y(zh) + 10 + zh;
        const DruckText *erste = finde(seite, u"Öz1"_s);
        const DruckText *dritte = finde(seite, u"Groß3"_s);
        QVERIFY(erste && dritte);
        QCOMPARE(erste->y, erste_zeile);
        QCOMPARE(dritte->y, erste_zeile + 2 * zh);
        const DruckText *t = nullptr;
        for (const DruckText &kandidat : seite.texte)
            if (kandidat.text == text && kandidat.y == erste_zeile + zh)
                t = &kandidat;
        QVERIFY(t);
        QCOMPARE(t->x, x);
        QCOMPARE(t->breite, breite);
        QCOMPARE(t->groesse, 12);
        QVERIFY(!t->hintergrund.isValid());
    }

    void lange_liste_geht_auf_weiteren_seiten_weiter_data()
    {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("groesse");
        QTest::newRow("80 bei 12") << 80 << 12;
        QTest::newRow("80 bei 8") << 80 << 8;
        QTest::newRow("7 bei 100") << 7 << 100;
        QTest::newRow("genau eine volle Seite") << -1 << 12;
    }
    void lange_liste_geht_auf_weiteren_seiten_weiter()
    {
        QFETCH(int, anzahl);
        QFETCH(int, groesse);
        const int zh = hoehe_bei_96_dpi(art, groesse + 3, true);
        const int erste_zeile = ueberschrift_y(zh) + 10 + zh;
        // Lines fit while their bottom stays above the bottom margin of 96.
        const int je_seite = (1056 - 96 - erste_zeile) / zh;
        if (anzahl < 0)
            anzahl = je_seite;
        const Adressliste liste = drucken_adressen(testkader(anzahl), {art, groesse}, heute);
        QCOMPARE(liste.seiten.size(), (anzahl + je_seite - 1) / je_seite);

        QStringList gedruckt;
        for (int s = 0; s < liste.seiten.size(); ++s) {
            const DruckSeite &seite = liste.seiten[s];
            QCOMPARE(seite.nummer, s + 1);
            QVERIFY(finde(seite, u"Seite %1"_s.arg(s + 1)));
            QVERIFY(finde(seite, u"Mitglieder Adressen drucken"_s));
            QVERIFY(finde(seite, u"E-Mail"_s));
            QCOMPARE(seite.rechtecke.size(), 1);
            int y = erste_zeile;
            for (const DruckText &t : seite.texte) {
                if (t.x != 6 || t.y < erste_zeile)
                    continue;
                QCOMPARE(t.y, y);
                QVERIFY(t.y + zh <= 960);
                gedruckt << t.text;
                y += zh;
            }
        }
        QStringList erwartet;
        for (const adresse &satz : testkader(anzahl))
            erwartet << satz.wert(adr::name);
        QCOMPARE(gedruckt, erwartet);
    }

    void zu_hohe_zeile_bekommt_eine_eigene_seite()
    {
        // Directly given sizes are not limited; a line higher than a page still appears.
        const Adressliste liste = drucken_adressen(testkader(3), {art, 300}, heute);
        QCOMPARE(liste.seiten.size(), 3);
        for (int s = 0; s < 3; ++s)
            QVERIFY(finde(liste.seiten[s], testkader(3)[s].wert(adr::name)));
    }

    void kaderdatei_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("fehlt") << -1 << 0;
        QTest::newRow("leer") << 0 << 0;
        QTest::newRow("beschaedigter letzter Satz") << 3 * 960 + 500 << 3;
    }
    void kaderdatei()
    {
        QFETCH(int, bytes);
        QFETCH(int, zeilen);
        TestOrdner t;
        const QString pfad = t.pfad(u"Adressen1.adr"_s);
        if (bytes >= 0) {
            QByteArray inhalt;
            for (const adresse &satz : testkader(4))
                inhalt += satz.bytes();
            QVERIFY(speicher::datei_ersetzen(pfad, inhalt.left(bytes)));
        }
        const Adressliste liste = drucken_adressen(adressen_lesen(pfad), {art, 12}, heute);
        QCOMPARE(liste.seiten.size(), 1);
        QCOMPARE(liste.seiten[0].texte.size(), 4 + 8 + zeilen * 8);
        QCOMPARE(liste.seiten[0].rechtecke.size(), 1);
    }

    void schrift_aus_den_optionen_data()
    {
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QString>("erwartete_art");
        QTest::newRow("nie gesetzt") << 0 << QString() << 10 << QString();
        QTest::newRow("negativ") << -7 << u"   "_s << 10 << QString();
        QTest::newRow("kleinste") << 1 << u"DejaVu Serif"_s << 1 << u"DejaVu Serif"_s;
        QTest::newRow("gewaehlt") << 14 << art << 14 << art;
        QTest::newRow("riesig") << 5000 << art << 100 << art;
    }
    void schrift_aus_den_optionen()
    {
        QFETCH(int, gespeichert);
        QFETCH(QString, art);
        QFETCH(int, groesse);
        QFETCH(QString, erwartete_art);
        TOptionen optionen;
        optionen.setze(opt::druck_schriftgroesse, gespeichert);
        optionen.setze(opt::druck_schriftart, art);
        const Druckschrift schrift = druckschrift_aus_optionen(optionen);
        QCOMPARE(schrift.groesse, groesse);
        if (erwartete_art.isEmpty())
            QCOMPARE(schrift.art, QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        else
            QCOMPARE(schrift.art, erwartete_art);
    }

    void langer_name_bleibt_in_seiner_spalte()
    {
        QList<adresse> kader = testkader(1);
        kader[0].setze(adr::name, QString(60, u'W'));
        kader[0].setze(adr::vorname, QString());
        const Adressliste liste = drucken_adressen(kader, {art, 30}, heute);
        QImage bild(816, 1056, QImage::Format_RGB32);
        bild.setDotsPerMeterX(3780);
        bild.setDotsPerMeterY(3780);
        bild.fill(Qt::white);
        {
            QPainter maler(&bild);
            seite_zeichnen(maler, liste.seiten[0], bild.rect());
        }
        const int oben = ueberschrift_y(liste.zeilenhoehe) + 10 + liste.zeilenhoehe;
        const int unten = oben + hoehe_bei_96_dpi(art, 30, false);
        const auto dunkel = [&bild, oben, unten](int von, int bis) {
            int anzahl = 0;
            for (int x = von; x < bis; ++x)
                for (int y = oben; y < unten; ++y)
                    anzahl += qGray(bild.pixel(x, y)) < 128;
            return anzahl;
        };
        QVERIFY(dunkel(6, 86) > 100);
        // The empty first name column from x 86 on stays white.
        QCOMPARE(dunkel(86, 146), 0);
    }

    void seite_wird_nicht_verzerrt_data()
    {
        QTest::addColumn<QSize>("papier");
        QTest::newRow("Hochformat der Seite") << QSize(816, 1056);
        QTest::newRow("A4") << QSize(794, 1123);
        QTest::newRow("quer") << QSize(1123, 794);
    }

    void seite_wird_nicht_verzerrt()
    {
        QFETCH(QSize, papier);
        DruckSeite seite;
        seite.rechtecke.append({QRect(208, 300, 400, 400), Qt::black}); // centred on the page
        QImage bild(papier, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter maler(&bild);
            seite_zeichnen(maler, seite, bild.rect());
        }
        QRect schwarz;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (qGray(bild.pixel(x, y)) < 128)
                    schwarz |= QRect(x, y, 1, 1);
        QVERIFY(!schwarz.isEmpty());
        QVERIFY2(qAbs(schwarz.width() - schwarz.height()) <= 1,
                 qPrintable(u"%1 x %2"_s.arg(schwarz.width()).arg(schwarz.height())));
        // Centred across the paper, top edge kept.
        QVERIFY(qAbs(schwarz.left() - (bild.width() - schwarz.right() - 1)) <= 2);
    }

    void pdf_enthaelt_jede_seite_und_jeden_namen()
    {
        TestOrdner t;
        const QList<adresse> kader = testkader(80);
        const Adressliste liste = drucken_adressen(kader, {art, 12}, heute);
        QVERIFY(liste.seiten.size() > 1);
        const QString pfad = t.pfad(u"Adressen.pdf"_s);
        QVERIFY(adressliste_als_pdf(liste.seiten, pfad, QPageSize(QPageSize::A4)));
        QCOMPARE(pdf_seiten(pfad), liste.seiten.size());
        const QString text = pdf_text(pfad);
        QStringList namen;
        for (const adresse &satz : kader)
            namen << satz.wert(adr::name);
        QVERIFY2(in_reihenfolge(text, namen), qPrintable(text.left(400)));
        QVERIFY(text.contains(u"Seite %1"_s.arg(liste.seiten.size())));
    }

    void pdf_in_unbeschreibbaren_ordner_meldet_fehler()
    {
        TestOrdner t;
        const QString datei = t.pfad(u"kein_ordner.txt"_s);
        QVERIFY(speicher::datei_ersetzen(datei, "x"));
        const Adressliste liste = drucken_adressen(testkader(2), {art, 12}, heute);
        QVERIFY(
            !adressliste_als_pdf(liste.seiten, datei + u"/liste.pdf"_s, QPageSize(QPageSize::A4)));
    }
};

QTEST_MAIN(TstAdressliste)
#include "tst_adressliste.moc"
