#include "druck_testhilfe.h"
#include "printing/adressliste.h"
#include "printing/seitenausgabe.h"
#include "printing/tabellensatz.h"
#include "shell/optionen.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QFontDatabase>
#include <QMap>
#include <QPainter>
#include <algorithm>
#include <array>
#include <tuple>

enum class Felder { ueblich, lang, voll };
Q_DECLARE_METATYPE(Felder)

using namespace Qt::StringLiterals;

class TstAdressliste : public QObject
{
    Q_OBJECT

    static inline const QString art = u"DejaVu Sans"_s;
    static inline const QString mannschaft = u"Füchse Groß-Nord"_s;
    static inline const QDate heute{2026, 12, 8};
    static constexpr int links = tabellensatz::rand + tabellensatz::innen; // the first column

    static const DruckText *finde(const DruckSeite &seite, const QString &text)
    {
        for (const DruckText &t : seite.texte)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    static Adressliste setzen(const QList<adresse> &kader, int groesse,
                              const QString &schrift = art)
    {
        return drucken_adressen(kader, mannschaft, {schrift, groesse}, heute);
    }
    // The names in the first column, page by page in print order.
    static QStringList namen_gedruckt(const Adressliste &liste)
    {
        QStringList namen;
        for (const DruckSeite &seite : liste.seiten)
            for (const DruckText &t : seite.texte)
                if (t.x == links && !t.fett && t.text != u"Name"_s)
                    namen << t.text;
        return namen;
    }
    static QStringList namen(const QList<adresse> &kader)
    {
        QStringList liste;
        for (const adresse &satz : kader)
            liste << satz.wert(adr::name).trimmed();
        return liste;
    }

    // Players with numbers and addresses as clubs have them, each name different: typical
    // ones, or long ones; or every field filled to its capacity.
    static QList<adresse> voller_kader(int anzahl, Felder felder = Felder::ueblich)
    {
        QList<adresse> kader;
        for (int i = 1; i <= anzahl; ++i) {
            const QString n = QString::number(i);
            const auto wert = [felder, &n](const QString &ueblich, const QString &lang) {
                if (felder == Felder::voll)
                    return (n + QString(60, u'x')).left(60);
                return felder == Felder::lang ? lang : ueblich;
            };
            adresse satz;
            satz.setze(adr::name, wert(u"Schmidt"_s, u"Schmidt-Weißenfels"_s) + n);
            satz.setze(adr::vorname, wert(u"Hans-Jürgen"_s, u"Hans-Jürgen Maria"_s));
            satz.setze(adr::strasse, wert(u"Hauptstraße 12"_s, u"Friedrich-Ebert-Straße 123a"_s));
            satz.setze(adr::plz_ort, wert(u"41061 Mönchengladbach"_s, u"41061 Mönchengladbach"_s));
            satz.setze(adr::telefon, wert(u"02161 1234567"_s, u"+49 2161 1234567"_s));
            satz.setze(adr::fax, wert(u"02161 1234568"_s, u"+49 2161 1234568"_s));
            satz.setze(adr::mobil, wert(u"0171 12345678"_s, u"+49 171 12345678"_s));
            satz.setze(adr::email,
                       felder == Felder::voll
                           ? wert({}, {})
                           : wert(u"hans.schmidt"_s, u"hans-juergen.schmidt"_s) + n +
                                 wert(u"@kickerfreunde.de"_s, u"@kickerfreunde-nord.de"_s));
            kader << satz;
        }
        return kader;
    }

private slots:
    // Title, team, date and page number stand in this order above the heading band; nothing
    // comes into the margins.
    void kopf_mit_mannschaft()
    {
        const Adressliste liste = setzen({}, 12);
        QCOMPARE(liste.seiten.size(), 1);
        const DruckSeite &seite = liste.seiten[0];
        const DruckText *titel = finde(seite, u"Mitglieder Adressen drucken"_s);
        const DruckText *team = finde(seite, mannschaft);
        const DruckText *datum = finde(seite, u"Erstellt am: 08.12.2026"_s);
        const DruckText *nummer = finde(seite, u"Seite 1"_s);
        QVERIFY(titel && team && datum && nummer);
        QVERIFY(titel->y < team->y);
        QVERIFY(team->y < datum->y);
        QCOMPARE(nummer->y, datum->y);
        QVERIFY(team->fett);
        QCOMPARE(team->x, (816 - team->breite) / 2);
        QCOMPARE(datum->x, tabellensatz::rand);
        QCOMPARE(nummer->x + nummer->breite, druck::seiten_breite - tabellensatz::rand);

        const QStringList titel_der_spalten{u"Name"_s,    u"Vorname"_s, u"Strasse"_s, u"Ort"_s,
                                            u"Telefon"_s, u"Fax"_s,     u"Mobil"_s,   u"E-Mail"_s};
        int x = 0;
        for (const QString &text : titel_der_spalten) {
            const DruckText *t = finde(seite, text);
            QVERIFY2(t, qPrintable(text));
            QVERIFY(t->x > x);
            QVERIFY(t->y > datum->y);
            QVERIFY(!t->fett);
            x = t->x + t->breite;
        }
        QCOMPARE(seite.rechtecke.size(), 1);
        QCOMPARE(seite.rechtecke[0].fuellung, QColor(0xE9, 0xE7, 0xE0));
        const QRect innen(tabellensatz::rand, tabellensatz::rand,
                          druck::seiten_breite - 2 * tabellensatz::rand,
                          druck::seiten_hoehe - 2 * tabellensatz::rand);
        QVERIFY(innen.contains(seite.rechtecke[0].flaeche));
        for (const DruckText &t : seite.texte)
            QVERIFY2(innen.contains(QRect(t.x, t.y, t.breite, 1)), qPrintable(t.text));
    }

    void titel_ist_fett_drei_punkte_groesser_und_mittig_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("10") << 10;
        QTest::newRow("14") << 14;
    }
    void titel_ist_fett_drei_punkte_groesser_und_mittig()
    {
        QFETCH(int, groesse);
        const Adressliste liste = setzen(testkader(2), groesse);
        const DruckText *titel = finde(liste.seiten[0], u"Mitglieder Adressen drucken"_s);
        QVERIFY(titel);
        QCOMPARE(titel->groesse, groesse + 3);
        QVERIFY(titel->fett);
        QCOMPARE(titel->y, tabellensatz::rand);
        QVERIFY(titel->breite > 0);
        QCOMPARE(titel->x, (816 - titel->breite) / 2);
        // A list that fits is drawn at the size itself.
        const DruckText *erste = finde(liste.seiten[0], u"Öz1"_s);
        const DruckText *zweite = finde(liste.seiten[0], u"Süß2"_s);
        QVERIFY(erste && zweite);
        QCOMPARE(erste->groesse, groesse);
        QVERIFY(!erste->fett);
        QCOMPARE(zweite->y - erste->y, hoehe_bei_96_dpi(art, groesse, false) + 4);
    }

    // Every field of a record in its column, in order; each text whole on one line where the
    // landscape page has room for it, ending before the next column begins, under its column's
    // title.
    void spalten_ueberlappen_nicht()
    {
        const Adressliste liste =
            drucken_adressen(voller_kader(3), mannschaft, {art, 8}, heute, true);
        QCOMPARE(liste.seiten.size(), 1);
        const DruckSeite &seite = liste.seiten[0];
        const DruckText *name = finde(seite, u"Schmidt2"_s);
        QVERIFY(name);
        QCOMPARE(name->x, links);
        QList<DruckText> zeile;
        for (const DruckText &t : seite.texte)
            if (t.y == name->y)
                zeile << t;
        const QStringList erwartet{u"Schmidt2"_s,       u"Hans-Jürgen"_s,
                                   u"Hauptstraße 12"_s, u"41061 Mönchengladbach"_s,
                                   u"02161 1234567"_s,  u"02161 1234568"_s,
                                   u"0171 12345678"_s,  u"hans.schmidt2@kickerfreunde.de"_s};
        QCOMPARE(zeile.size(), erwartet.size());
        const QStringList titel{u"Name"_s,    u"Vorname"_s, u"Strasse"_s, u"Ort"_s,
                                u"Telefon"_s, u"Fax"_s,     u"Mobil"_s,   u"E-Mail"_s};
        for (qsizetype i = 0; i < zeile.size(); ++i) {
            QCOMPARE(zeile[i].text, erwartet[i]);
            QCOMPARE(finde(seite, titel[i])->x, zeile[i].x);
            QImage bild(1, 1, QImage::Format_RGB32);
            bild.setDotsPerMeterX(3780);
            QFont schrift(art);
            schrift.setPointSize(zeile[i].groesse);
            const int weite = QFontMetrics(schrift, &bild).horizontalAdvance(zeile[i].text);
            QVERIFY2(weite <= zeile[i].breite, qPrintable(zeile[i].text));
            if (i + 1 < zeile.size())
                QVERIFY(zeile[i].x + zeile[i].breite < zeile[i + 1].x);
        }
        QVERIFY(zeile.last().x + zeile.last().breite <= 1056 - tabellensatz::rand);
    }

    // The text of each column read back from the PDF, without blanks: the words below the
    // column titles, page by page and line by line; a word belongs to the column whose title
    // begins left of it.
    static QStringList spalten_aus_pdf(const QList<PdfWort> &woerter)
    {
        const QStringList titel{u"Name"_s,    u"Vorname"_s, u"Strasse"_s, u"Ort"_s,
                                u"Telefon"_s, u"Fax"_s,     u"Mobil"_s,   u"E-Mail"_s};
        QList<PdfWort> daten;
        QList<double> links(titel.size(), -1);
        QMap<int, double> band; // the line of the column titles on each page
        for (const PdfWort &w : woerter) {
            if (titel.contains(w.text) && !band.contains(w.seite))
                band[w.seite] = w.rahmen.top();
            if (w.seite == 1 && titel.contains(w.text) && links[titel.indexOf(w.text)] < 0)
                links[titel.indexOf(w.text)] = w.rahmen.left();
        }
        for (const PdfWort &w : woerter)
            if (band.contains(w.seite) && w.rahmen.top() > band[w.seite] + 1)
                daten << w;
        std::stable_sort(daten.begin(), daten.end(), [](const PdfWort &a, const PdfWort &b) {
            return std::tuple(a.seite, qRound(a.rahmen.top() * 10), a.rahmen.left()) <
                   std::tuple(b.seite, qRound(b.rahmen.top() * 10), b.rahmen.left());
        });
        QStringList spalten(titel.size());
        for (const PdfWort &w : daten) {
            qsizetype spalte = 0;
            for (qsizetype i = 0; i < links.size(); ++i)
                if (links[i] >= 0 && links[i] <= w.rahmen.left() + 0.5)
                    spalte = i;
            spalten[spalte] += w.text;
        }
        return spalten;
    }

    // 80 players with long fields read back from the PDF: every field whole in its column at
    // the chosen size, broken into a second line where it does not fit; nothing runs into
    // another word or into the margins. Only single words longer than their column are
    // shortened, and the size stays the chosen one then too.
    void volle_adressen_im_pdf_data()
    {
        QTest::addColumn<QString>("schrift");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<Felder>("felder");
        QTest::addColumn<bool>("quer");
        QTest::addColumn<bool>("gekuerzt");
        const QString liberation = u"Liberation Sans"_s;
        QTest::newRow("ueblich, Liberation Sans")
            << liberation << 10 << Felder::ueblich << false << false;
        QTest::newRow("ueblich, DejaVu Sans, 12, quer")
            << art << 12 << Felder::ueblich << true << false;
        QTest::newRow("lang, Liberation Sans") << liberation << 10 << Felder::lang << false
                                               << false;
        QTest::newRow("lang, DejaVu Sans, quer") << art << 10 << Felder::lang << true << false;
        QTest::newRow("ueblich, DejaVu Sans, 16") << art << 16 << Felder::ueblich << false
                                                  << true;
        QTest::newRow("jedes Feld voll") << art << 10 << Felder::voll << false << true;
    }
    void volle_adressen_im_pdf()
    {
        QFETCH(QString, schrift);
        QFETCH(int, groesse);
        QFETCH(Felder, felder);
        QFETCH(bool, quer);
        QFETCH(bool, gekuerzt);
        const QList<adresse> kader = voller_kader(80, felder);
        const Adressliste liste =
            drucken_adressen(kader, mannschaft, {schrift, groesse}, heute, quer);
        TestOrdner t;
        const QString pfad = t.pfad(u"Adressen.pdf"_s);
        QVERIFY(adressliste_als_pdf(liste.seiten, pfad, QPageSize(QPageSize::A4)));
        const QList<PdfWort> woerter = pdf_woerter(pfad);
        QVERIFY(woerter.size() > 80 * 8);
        QCOMPARE(ausserhalb_des_randes(woerter, quer), QStringList());
        QCOMPARE(ueberlappende_woerter(woerter), QStringList());

        const DruckText *band = finde(liste.seiten[0], u"Name"_s);
        QVERIFY(band);
        QList<DruckText> zellen;
        for (const DruckSeite &seite : liste.seiten) {
            QCOMPARE(seite.quer, quer);
            for (const DruckText &d : seite.texte)
                if (d.y > band->y && !d.fett && !d.text.startsWith(u"Erstellt am"_s) &&
                    !d.text.startsWith(u"Seite "_s))
                    zellen << d;
        }
        for (const DruckText &d : zellen) {
            QCOMPARE(d.groesse, groesse);
            // Only a single word is shortened; a text with a blank would have gone on.
            if (d.text.endsWith(u'…'))
                QVERIFY2(gekuerzt && !d.text.contains(u' '), qPrintable(d.text));
        }
        if (gekuerzt) {
            QVERIFY(std::any_of(zellen.begin(), zellen.end(),
                                [](const DruckText &d) { return d.text.endsWith(u'…'); }));
            return;
        }
        const QStringList spalten = spalten_aus_pdf(woerter);
        const std::array felder_der_spalten{adr::name,    adr::vorname, adr::strasse, adr::plz_ort,
                                            adr::telefon, adr::fax,     adr::mobil,   adr::email};
        for (size_t spalte = 0; spalte < felder_der_spalten.size(); ++spalte) {
            QStringList werte;
            for (const adresse &satz : kader)
                werte << satz.wert(felder_der_spalten[spalte]).remove(u' ');
            QVERIFY2(in_reihenfolge(spalten[qsizetype(spalte)], werte),
                     qPrintable(spalten[qsizetype(spalte)].left(300)));
        }
    }

    // A field too wide for its column goes on in a second line of its column, the row grows
    // and the next record starts below it; the other fields of the row stay on its first line.
    void langes_feld_bricht_in_seiner_spalte_um_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("quer");
        QTest::newRow("10") << 10 << false;
        QTest::newRow("11") << 11 << false;
        QTest::newRow("14 quer") << 14 << true;
    }
    void langes_feld_bricht_in_seiner_spalte_um()
    {
        QFETCH(int, groesse);
        QFETCH(bool, quer);
        QList<adresse> kader = testkader(2);
        const QString strasse = u"Am Alten Schlachthof an der Kurfürstenbrücke 123a"_s;
        kader[0].setze(adr::strasse, strasse);
        kader[0].setze(adr::email, u"kurt@sehr-lange-vereinsadresse.de"_s);
        kader[0].setze(adr::plz_ort, u"12345 Neustadt an der Weinstraße-Süd"_s);
        const Adressliste liste = drucken_adressen(kader, mannschaft, {art, groesse}, heute, quer);
        QCOMPARE(liste.seiten.size(), 1);
        const DruckSeite &seite = liste.seiten[0];
        const DruckText *erster = finde(seite, u"Öz1"_s);
        const DruckText *zweiter = finde(seite, u"Süß2"_s);
        const DruckText *spalte = finde(seite, u"Strasse"_s);
        QVERIFY(erster && zweiter && spalte);
        QList<const DruckText *> teile;
        for (const DruckText &t : seite.texte)
            if (t.x == spalte->x && t.y >= erster->y && t.y < zweiter->y)
                teile << &t;
        QVERIFY(teile.size() >= 2);
        QStringList zeilen;
        const int zeilenhoehe = hoehe_bei_96_dpi(art, groesse, false);
        for (qsizetype i = 0; i < teile.size(); ++i) {
            QCOMPARE(teile[i]->groesse, groesse);
            QCOMPARE(teile[i]->y, erster->y + int(i) * zeilenhoehe);
            QVERIFY(!teile[i]->text.contains(u'…'));
            zeilen << teile[i]->text;
        }
        QCOMPARE(zeilen.join(u' '), strasse);
        QVERIFY(zweiter->y >= teile.last()->y + zeilenhoehe);
        QCOMPARE(finde(seite, u"Jörg"_s)->y, erster->y);
        const int rechts = (quer ? 1056 : 816) - tabellensatz::rand;
        for (const DruckText &t : seite.texte)
            QVERIFY2(t.x + t.breite <= rechts, qPrintable(t.text));
    }

    void lange_liste_geht_auf_weiteren_seiten_weiter_data()
    {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("groesse");
        QTest::newRow("80 bei 12") << 80 << 12;
        QTest::newRow("80 bei 8") << 80 << 8;
        QTest::newRow("7 bei 100") << 7 << 100;
        QTest::newRow("300 Punkte") << 3 << 300;
    }
    void lange_liste_geht_auf_weiteren_seiten_weiter()
    {
        QFETCH(int, anzahl);
        QFETCH(int, groesse);
        const Adressliste liste = setzen(testkader(anzahl), groesse);
        for (int s = 0; s < liste.seiten.size(); ++s) {
            const DruckSeite &seite = liste.seiten[s];
            QCOMPARE(seite.nummer, s + 1);
            QVERIFY(finde(seite, u"Seite %1"_s.arg(s + 1)));
            QVERIFY(finde(seite, u"E-Mail"_s));
            QCOMPARE(seite.rechtecke.size(), 1);
            // A title too wide for the page at its size stands in lines.
            QStringList fett;
            for (const DruckText &t : seite.texte) {
                if (t.fett)
                    fett << t.text;
                QVERIFY(t.x + t.breite <= 816 - tabellensatz::rand);
                QVERIFY(t.y + hoehe_bei_96_dpi(art, t.groesse, t.fett) <= druck::unterkante);
            }
            QCOMPARE(fett.join(u' '), u"Mitglieder Adressen drucken "_s + mannschaft);
        }
        QCOMPARE(namen_gedruckt(liste), namen(testkader(anzahl)));
    }

    // As many players as fill the first page give one page; one more starts a second.
    void genau_eine_volle_seite()
    {
        const QStringList erste_seite =
            namen_gedruckt(Adressliste{{setzen(testkader(80), 12).seiten.first()}});
        const int voll = int(erste_seite.size());
        QVERIFY(voll > 10 && voll < 80);
        QCOMPARE(setzen(testkader(voll), 12).seiten.size(), 1);
        QCOMPARE(setzen(testkader(voll + 1), 12).seiten.size(), 2);
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
        const Adressliste liste =
            drucken_adressen(adressen_lesen(pfad), mannschaft, {art, 12}, heute);
        QCOMPARE(liste.seiten.size(), 1);
        QCOMPARE(namen_gedruckt(liste), namen(testkader(zeilen)));
        QVERIFY(finde(liste.seiten[0], u"E-Mail"_s));
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

    // A name longer than any page is shortened; the gap before the first name stays white.
    void langer_name_bleibt_in_seiner_spalte()
    {
        QList<adresse> kader = testkader(1);
        kader[0].setze(adr::name, QString(60, u'W'));
        const Adressliste liste = setzen(kader, 30);
        const DruckSeite &seite = liste.seiten[0];
        const DruckText *name = nullptr;
        for (const DruckText &t : seite.texte)
            if (t.text.startsWith(u"WWW"))
                name = &t;
        const DruckText *vorname = finde(seite, u"Jörg"_s);
        QVERIFY(name && vorname);
        QVERIFY(name->text.endsWith(u'…'));
        QCOMPARE(name->y, vorname->y);
        QVERIFY(name->x + name->breite < vorname->x);

        QImage bild(816, 1056, QImage::Format_RGB32);
        bild.setDotsPerMeterX(3780);
        bild.setDotsPerMeterY(3780);
        bild.fill(Qt::white);
        {
            QPainter maler(&bild);
            seite_zeichnen(maler, seite, bild.rect());
        }
        const int oben = name->y;
        const int unten = oben + hoehe_bei_96_dpi(art, name->groesse, false);
        const auto dunkel = [&bild, oben, unten](int von, int bis) {
            int anzahl = 0;
            for (int x = von; x < bis; ++x)
                for (int y = oben; y < unten; ++y)
                    anzahl += qGray(bild.pixel(x, y)) < 128;
            return anzahl;
        };
        QVERIFY(dunkel(name->x, name->x + name->breite) > 100);
        QCOMPARE(dunkel(name->x + name->breite, vorname->x), 0);
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
        const Adressliste liste = setzen(kader, 12);
        QVERIFY(liste.seiten.size() > 1);
        const QString pfad = t.pfad(u"Adressen.pdf"_s);
        QVERIFY(adressliste_als_pdf(liste.seiten, pfad, QPageSize(QPageSize::A4)));
        QCOMPARE(pdf_seiten(pfad), liste.seiten.size());
        const QString text = pdf_text(pfad);
        QVERIFY2(in_reihenfolge(text, namen(kader)), qPrintable(text.left(400)));
        QVERIFY(text.contains(u"Seite %1"_s.arg(liste.seiten.size())));
        // The team under the title, before the column titles.
        QVERIFY(in_reihenfolge(text, {u"Mitglieder Adressen drucken"_s, mannschaft, u"Name"_s}));
    }

    void pdf_in_unbeschreibbaren_ordner_meldet_fehler()
    {
        TestOrdner t;
        const QString datei = t.pfad(u"kein_ordner.txt"_s);
        QVERIFY(speicher::datei_ersetzen(datei, "x"));
        const Adressliste liste = setzen(testkader(2), 12);
        QVERIFY(
            !adressliste_als_pdf(liste.seiten, datei + u"/liste.pdf"_s, QPageSize(QPageSize::A4)));
    }
};

QTEST_MAIN(TstAdressliste)
#include "tst_adressliste.moc"
