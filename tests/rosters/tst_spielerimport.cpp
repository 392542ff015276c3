#include "rosters/adressen_fenster.h"
#include "rosters/spielerimport_fenster.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

// A roster's players as the eight texts in the order of the roster window's fields: Name,
// Vorname, Strasse, Plz/Ort, Telefon, Fax, Mobil, Email.
using Spielertexte = QList<QStringList>;
using Spaltenwahl = QList<int>; // one column per drop-down, -1 for "(nicht übernehmen)"

class TstSpielerimport : public QObject
{
    Q_OBJECT

    struct Aufbau : TestOrdner
    {
        TestPlattform plattform;
        QString gewaehlt;
        std::unique_ptr<AdressenFenster> fenster;
        Mannschaft mannschaft;

        explicit Aufbau(Mannschaft m = Mannschaft::eins, const Spielertexte &spieler = {})
            : mannschaft(m)
        {
            if (!spieler.isEmpty())
                speicher::datei_ersetzen(datei(), bytes(spieler));
            if (m == Mannschaft::eins)
                fenster = std::make_unique<TAdressen>(zustand, plattform, gewaehlt);
            else
                fenster = std::make_unique<TAdressen2>(zustand, plattform, gewaehlt);
            fenster->oeffnen();
        }
        QString datei() const { return pfad(adressen_dateiname(mannschaft)); }
        QByteArray inhalt() const
        {
            QByteArray b;
            speicher::datei_lesen(datei(), b);
            return b;
        }
        // Chooses the file in the dialog of "Spieler importieren…"; the preview or nothing.
        SpielerimportFenster *importieren(const QString &datei)
        {
            plattform.datei_antworten.enqueue(datei);
            QTest::mouseClick(fenster->m_importieren, Qt::LeftButton);
            return fenster->m_import;
        }
    };

    static QByteArray bytes(const Spielertexte &spieler)
    {
        QByteArray b;
        for (const QStringList &texte : spieler) {
            Adresstexte t;
            std::copy(texte.cbegin(), texte.cend(), t.begin());
            b += adresse_aus_texten(t).bytes();
        }
        return b;
    }
    static QString liste(const char *name)
    {
        return QStringLiteral(SPIELERLISTEN "/") + QString::fromUtf8(name);
    }
    static QStringList hinweise(const SpielerimportFenster &f)
    {
        QStringList texte;
        for (int z = 0; z < f.m_vorschau->rowCount(); ++z)
            texte << f.m_vorschau->item(z, adr::feldanzahl)->text();
        return texte;
    }

    static const inline QStringList meier{
        u"Meier"_s, u"Hans"_s, u"Alte Gasse 1"_s, u"45127 Essen"_s, {}, {}, {}, u"hans@meier.de"_s};

private slots:
    void kopfnamen_finden_ihr_feld_data()
    {
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("ziel"); // -1: no field
        QTest::newRow("Nachname") << u" Nachname "_s << int(imp::name);
        QTest::newRow("Last name") << u"Last Name"_s << int(imp::name);
        QTest::newRow("First name") << u"first_name"_s << int(imp::vorname);
        QTest::newRow("Straße") << u"Straße"_s << int(imp::strasse);
        QTest::newRow("Strasse") << u"STRASSE"_s << int(imp::strasse);
        QTest::newRow("PLZ/Ort") << u"PLZ/Ort"_s << int(imp::plz_ort);
        QTest::newRow("Postleitzahl") << u"Postleitzahl"_s << int(imp::plz_ort);
        QTest::newRow("Wohnort") << u"Wohnort"_s << int(imp::ort);
        QTest::newRow("E-Mail") << u"E-Mail"_s << int(imp::email);
        QTest::newRow("Tel.") << u"Tel."_s << int(imp::telefon);
        QTest::newRow("Telefax") << u"Telefax"_s << int(imp::fax);
        QTest::newRow("Handy") << u"Handy"_s << int(imp::mobil);
        QTest::newRow("fremd") << u"Mitgliedsnummer"_s << -1;
        QTest::newRow("Umlaut nicht gefaltet") << u"Stráße"_s << -1;
    }
    void kopfnamen_finden_ihr_feld()
    {
        QFETCH(QString, kopf);
        QFETCH(int, ziel);
        const QStringList zeile{u"Nr."_s, kopf};
        const Importspalten spalten = spalten_erkennen(zeile);
        QCOMPARE(ist_kopfzeile(zeile), ziel >= 0);
        for (int z = 0; z < imp::zielanzahl; ++z)
            QCOMPARE(spalten[z], z == ziel ? 1 : nicht_uebernehmen);
    }

    void liste_landet_in_der_spielerliste_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<Spielertexte>("vorher");
        QTest::addColumn<Spaltenwahl>("spalten");
        QTest::addColumn<bool>("aktualisieren");
        QTest::addColumn<QStringList>("hinweise");
        QTest::addColumn<Spielertexte>("nachher");
        QTest::addColumn<QString>("meldung");

        QTest::newRow("Tabelle UTF-8 mit BOM")
            << liste("tabelle_utf8_bom.csv") << Spielertexte{} << Spaltenwahl{} << false
            << QStringList{{}, {}, u"wird gekürzt, Zeichen außerhalb Windows-1252 werden zu ?"_s}
            << Spielertexte{{u"Müller"_s,
                             u"Jürgen"_s,
                             u"Hauptstraße 5"_s,
                             u"50667 Köln"_s,
                             u"0221 12345"_s,
                             {},
                             u"0171 5550123"_s,
                             u"juergen@mueller-koeln.de"_s},
                            {u"Weiß"_s,
                             u"Änne"_s,
                             u"Am Großen Garten 12"_s,
                             u"01067 Dresden"_s,
                             {},
                             {},
                             u"0160 998877"_s,
                             u"aenne.weiss@example.de"_s},
                            {u"Nowak"_s,
                             u"?ukasz"_s,
                             u"Lange Straße mit einem sehr langen Namen und noch mehr Text "_s,
                             u"10115 Berlin"_s,
                             u"030 1"_s,
                             {},
                             {},
                             u"lukasz@example.de"_s}}
            << u"3 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s;
        QTest::newRow("Windows-1252")
            << liste("verein_1252.csv") << Spielertexte{meier} << Spaltenwahl{} << false
            << QStringList{{}, {}, {}}
            << Spielertexte{meier,
                            {u"Groß"_s,
                             u"Björn"_s,
                             u"Fußweg 3"_s,
                             u"80331 München"_s,
                             u"089 123"_s,
                             u"089 124"_s,
                             {},
                             {}},
                            {u"Öztürk"_s,
                             u"Ümit"_s,
                             u"Kölner Straße 8"_s,
                             u"40211 Düsseldorf"_s,
                             u"0211 55"_s,
                             {},
                             {},
                             {}},
                            {u"Strauß"_s,
                             u"Jürgen"_s,
                             u"Maßstraße 1 €"_s,
                             u"20095 Hamburg"_s,
                             {},
                             {},
                             {},
                             {}}}
            << u"3 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s;
        QTest::newRow("Komma mit Anführungszeichen")
            << liste("komma_anfuehrung.csv") << Spielertexte{} << Spaltenwahl{} << false
            << QStringList{{}, {}}
            << Spielertexte{{u"Meier, jun."_s,
                             u"Hans"_s,
                             u"Am Ring 1 Hinterhaus"_s,
                             u"Bonn"_s,
                             u"0228 1,2"_s,
                             {},
                             {},
                             u"hans@meier.de"_s},
                            {u"Schmidt"_s,
                             u"Karl \"Kalle\""_s,
                             u"Lindenallee 4"_s,
                             u"Bonn-Beuel"_s,
                             {},
                             {},
                             {},
                             {}}}
            << u"2 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s;
        QTest::newRow("PLZ und Ort getrennt, Tabulator")
            << liste("plz_ort_getrennt.txt") << Spielertexte{} << Spaltenwahl{} << false
            << QStringList{{}, {}, {}}
            << Spielertexte{{u"Krüger"_s, u"Sören"_s, {}, u"24103 Kiel"_s, {}, {}, u"0151 1"_s, {}},
                            {u"Bäcker"_s, u"Lena"_s, {}, u"Lübeck"_s, {}, {}, {}, {}},
                            {u"Hoff"_s, u"Paul"_s, {}, u"24937"_s, {}, {}, {}, {}}}
            << u"3 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s;
        // Name, Vorname, Strasse, Plz/Ort, Ort, Telefon, Fax, Mobil, Email.
        QTest::newRow("ohne Kopfzeile")
            << liste("ohne_kopf.csv") << Spielertexte{}
            << Spaltenwahl{0, 1, 2, 3, -1, -1, -1, 4, -1} << false << QStringList{{}, {}}
            << Spielertexte{{u"Schulz"_s,
                             u"Heike"_s,
                             u"Gartenweg 2"_s,
                             u"99084 Erfurt"_s,
                             {},
                             {},
                             u"0361 7"_s,
                             {}},
                            {u"Lang"_s,
                             u"Uwe"_s,
                             u"Bahnhofstr. 9"_s,
                             u"99423 Weimar"_s,
                             {},
                             {},
                             {},
                             {}}}
            << u"2 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s;
        QTest::newRow("doppelt, vorhandene bleiben")
            << liste("doppelt.csv") << Spielertexte{meier} << Spaltenwahl{} << false
            << QStringList{u"schon vorhanden"_s, {}, u"schon vorhanden"_s}
            << Spielertexte{meier,
                            {u"Abel"_s, u"Anna"_s, u"Birkenweg 1"_s, {}, u"0201 1"_s, {}, {}, {}}}
            << u"1 Spieler übernommen, 2 schon vorhanden, 0 übersprungen."_s;
        QTest::newRow("doppelt, vorhandene aktualisiert")
            << liste("doppelt.csv") << Spielertexte{meier} << Spaltenwahl{} << true
            << QStringList{u"schon vorhanden"_s, {}, u"schon vorhanden"_s}
            << Spielertexte{{u"Meier"_s,
                             u"Hans"_s,
                             u"Neue Straße 7"_s,
                             u"45127 Essen"_s,
                             u"0201 9"_s,
                             {},
                             {},
                             u"hans@meier.de"_s},
                            {u"Abel"_s, u"Anna"_s, u"Zweiter Weg 2"_s, {}, u"0201 2"_s, {}, {}, {}}}
            << u"1 Spieler übernommen, 2 schon vorhanden, 0 übersprungen."_s;
        QTest::newRow("ohne Vorname")
            << liste("ohne_vorname.csv") << Spielertexte{} << Spaltenwahl{} << false
            << QStringList{u"ohne Vorname – wird übersprungen"_s,
                           u"ohne Vorname – wird übersprungen"_s,
                           {}}
            << Spielertexte{{u"Richtig"_s, u"Rita"_s, {}, {}, {}, {}, {}, u"rita@example.de"_s}}
            << u"1 Spieler übernommen, 0 schon vorhanden, 2 übersprungen."_s;
    }
    void liste_landet_in_der_spielerliste()
    {
        QFETCH(QString, datei);
        QFETCH(Spielertexte, vorher);
        QFETCH(Spaltenwahl, spalten);
        QFETCH(bool, aktualisieren);
        QFETCH(QStringList, hinweise);
        QFETCH(Spielertexte, nachher);
        QFETCH(QString, meldung);
        Aufbau a(Mannschaft::zwei, vorher);
        SpielerimportFenster *f = a.importieren(datei);
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->m_kopfzeile->isChecked(), spalten.isEmpty());
        for (int z = 0; z < spalten.size(); ++z)
            f->m_spalten[z]->setCurrentIndex(f->m_spalten[z]->findData(spalten[z]));
        if (aktualisieren)
            QTest::mouseClick(f->m_aktualisieren, Qt::LeftButton, {},
                              QPoint(2, f->m_aktualisieren->height() / 2));
        QCOMPARE(f->m_aktualisieren->isChecked(), aktualisieren);

        // The preview shows the rows as they will land, with their markers; new players land
        // behind those there already (later rows may still update them).
        QCOMPARE(TstSpielerimport::hinweise(*f), hinweise);
        const qsizetype neu_ab = vorher.size();
        for (int z = 0, n = 0; !aktualisieren && z < f->m_vorschau->rowCount(); ++z) {
            if (hinweise[z].contains(u"schon vorhanden"_s) ||
                hinweise[z].contains(u"übersprungen"_s))
                continue;
            for (int s = 0; s < adr::feldanzahl; ++s)
                QCOMPARE(f->m_vorschau->item(z, s)->text(), nachher.value(neu_ab + n).value(s));
            ++n;
        }
        QVERIFY(a.plattform.meldungen.isEmpty());

        QTest::mouseClick(f->m_importieren, Qt::LeftButton);
        QCOMPARE(a.plattform.texte(), QStringList{meldung});
        QCOMPARE(a.inhalt(), bytes(nachher));
        QCOMPARE(a.fenster->ListBox1->count(), nachher.size());
        QCOMPARE(a.fenster->GroupBox2->title(),
                 u"Bereits %1 vorhandene Namen"_s.arg(nachher.size()));
        QTRY_VERIFY(!a.fenster->m_import);
    }

    void ohne_vornamenspalte_kein_import()
    {
        Aufbau a;
        SpielerimportFenster *f = a.importieren(liste("ohne_kopf.csv"));
        QVERIFY(f);
        QVERIFY(!f->m_importieren->isEnabled());
        f->m_spalten[imp::vorname]->setCurrentIndex(f->m_spalten[imp::vorname]->findData(1));
        QVERIFY(f->m_importieren->isEnabled());
        for (QComboBox *wahl : f->m_spalten)
            QVERIFY(!wahl->accessibleName().isEmpty());
        QCOMPARE(f->m_spalten[imp::vorname]->currentText(), u"Spalte 2 (Heike)"_s);
        QTest::mouseClick(f->m_abbrechen, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(a.datei()));
        QVERIFY(a.plattform.meldungen.isEmpty());
    }

    void export_und_import_geben_dieselbe_liste()
    {
        const Spielertexte spieler{meier,
                                   {u"Größe; \"der Große\""_s, u"Jürgen"_s, u"Äußere Str. 5"_s,
                                    u"12345 Köln"_s, u"0221 ü"_s, u"0221 ö"_s, u"0171 €"_s,
                                    u"jürgen@straße.de"_s},
                                   {u"ß"_s, u"Zoë, \"Z\""_s, u"Weg\t1"_s, {}, {}, {}, {}, {}},
                                   {{}, u"Nurvorname"_s, {}, {}, {}, {}, {}, {}}};
        Aufbau aus(Mannschaft::eins, spieler);
        const QString csv = aus.pfad(u"export"_s);
        aus.plattform.datei_antworten.enqueue(csv);
        QTest::mouseClick(aus.fenster->m_exportieren, Qt::LeftButton);
        QCOMPARE(aus.plattform.texte(), QStringList{u"4 Spieler exportiert."_s});

        Aufbau ein(Mannschaft::zwei);
        SpielerimportFenster *f = ein.importieren(csv + u".csv"_s);
        QVERIFY(f);
        QTest::mouseClick(f->m_importieren, Qt::LeftButton);
        QCOMPARE(ein.plattform.texte(),
                 QStringList{u"4 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s});
        QCOMPARE(ein.inhalt(), aus.inhalt());
    }

    void vcard_fuer_adressbuecher()
    {
        Aufbau a(Mannschaft::eins, {meier,
                                    {u"Groß"_s,
                                     u"Björn"_s,
                                     u"Fußweg 3; Hinterhaus"_s,
                                     u"80331 München"_s,
                                     u"089 123"_s,
                                     u"089 124"_s,
                                     u"0171 1"_s,
                                     {}}});
        const QString vcf = a.pfad(u"spieler.vcf"_s);
        a.plattform.datei_antworten.enqueue(vcf);
        a.plattform.dateiart_antwort = u"vCard-Dateien (*.vcf)"_s;
        QTest::mouseClick(a.fenster->m_exportieren, Qt::LeftButton);
        QCOMPARE(a.plattform.texte(), QStringList{u"2 Spieler exportiert."_s});
        QByteArray inhalt;
        QVERIFY(speicher::datei_lesen(vcf, inhalt));
        QCOMPARE(QString::fromUtf8(inhalt),
                 u"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Hans Meier\r\nN:Meier;Hans;;;\r\n"
                 u"ADR;TYPE=home:;;Alte Gasse 1;Essen;;45127;\r\nEMAIL:hans@meier.de\r\n"
                 u"END:VCARD\r\n"
                 u"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Björn Groß\r\nN:Groß;Björn;;;\r\n"
                 u"ADR;TYPE=home:;;Fußweg 3\\; Hinterhaus;München;;80331;\r\n"
                 u"TEL;VALUE=text;TYPE=home,voice:089 123\r\nTEL;VALUE=text;TYPE=fax:089 124\r\n"
                 u"TEL;VALUE=text;TYPE=cell:0171 1\r\nEND:VCARD\r\n"_s);
    }

    void unbrauchbare_datei_meldet_und_schreibt_nichts_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<qint64>("groesse");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("leer") << QByteArray() << qint64(0) << u"Die Datei ist leer."_s;
        QTest::newRow("nur BOM und Zeilenenden")
            << QByteArray("\xEF\xBB\xBF\r\n\r\n") << qint64(0) << u"Die Datei ist leer."_s;
        QTest::newRow("Bild") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)
                              << qint64(0)
                              << u"Die Datei ist keine Textdatei. Bitte speichern Sie die Tabelle "
                                 u"als CSV-Datei und wählen Sie diese."_s;
        QTest::newRow("Steuerzeichen")
            << QByteArray("\x01\x02\x03\x04Name;Vorname\n\x05\x06") << qint64(0)
            << u"Die Datei ist keine Textdatei. Bitte speichern Sie die "
               u"Tabelle als CSV-Datei und wählen Sie diese."_s;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEN\0a\0m\0e\0", 10) << qint64(0)
                                << u"Die Datei ist als Unicode-Text (UTF-16) gespeichert. Bitte "
                                   u"speichern Sie die Tabelle als CSV (UTF-8 oder Windows) und "
                                   u"wählen Sie diese Datei."_s;
        QTest::newRow("50 MB") << QByteArray("Name;Vorname\n") << qint64(50) * 1024 * 1024
                               << u"Die Datei %1 ist mit 50,0 MB zu groß für eine Spielerliste "
                                  u"(höchstens 16 MB)."_s;
    }
    void unbrauchbare_datei_meldet_und_schreibt_nichts()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(qint64, groesse);
        QFETCH(QString, meldung);
        Aufbau a(Mannschaft::eins, {meier});
        const QByteArray vorher = a.inhalt();
        const QString datei = a.pfad(u"liste.csv"_s);
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
            if (groesse > 0)
                QVERIFY(f.resize(groesse));
        }
        QVERIFY(!a.importieren(datei));
        QCOMPARE(a.plattform.meldungen.size(), 1);
        QCOMPARE(a.plattform.meldungen[0].art, TestPlattform::Meldung::Fehler);
        QCOMPARE(a.plattform.meldungen[0].text, meldung.contains(u"%1"_s)
                                                    ? meldung.arg(QDir::toNativeSeparators(datei))
                                                    : meldung);
        QCOMPARE(a.inhalt(), vorher);
        QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_MAIN(TstSpielerimport)
#include "tst_spielerimport.moc"
