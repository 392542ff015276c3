#include "chm_bauen.h"
#include "help/chm_verzeichnis.h"
#include "help/hilfe_buch.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstHilfeBuch : public QObject
{
    Q_OBJECT

    static QString gebaute_hilfe() { return QString::fromUtf8(VORLIX_HILFE_CHM); }

    static QByteArray index_eintrag(const QByteArray &name, quint64 block)
    {
        return chm_zahl(quint64(name.size())) + name + chm_zahl(block);
    }
    static QByteArray listen_eintrag(const QByteArray &name)
    {
        return chm_zahl(quint64(name.size())) + name + chm_zahl(0) + chm_zahl(0) + chm_zahl(0);
    }

private slots:
    void themen_fuehren_zur_richtigen_seite_data()
    {
        QTest::addColumn<int>("thema");
        QTest::addColumn<QString>("titel");
        QTest::newRow("150") << 150 << u"Willkommen bei Vorlix Turnier-Quarel 2"_s;
        QTest::newRow("600") << 600 << u"Der Turnierplan"_s;
        QTest::newRow("1050") << 1050 << u"Spielerlisten erfassen und ändern"_s;
        QTest::newRow("unbekannt") << 4711 << QString();
    }
    void themen_fuehren_zur_richtigen_seite()
    {
        QFETCH(int, thema);
        QFETCH(QString, titel);
        HilfeBuch buch;
        QVERIFY(buch.oeffnen(gebaute_hilfe()));
        const QString seite = buch.thema_seite(thema);
        QCOMPARE(seite.isEmpty(), titel.isEmpty());
        if (!seite.isEmpty())
            QCOMPARE(buch.seitentitel(seite), titel);
    }

    void inhalt_startseite_und_verweise()
    {
        HilfeBuch buch;
        QVERIFY(buch.oeffnen(gebaute_hilfe()));
        QCOMPARE(buch.startseite(), u"/start.html"_s);
        QCOMPARE(buch.titel(), u"Vorlix Turnier-Quarel 2 - Hilfe"_s);
        QVERIFY(buch.inhalt().size() > 3);
        QCOMPARE(buch.inhalt().front().name, u"Willkommen"_s);
        const HilfeEintrag &ablauf = buch.inhalt()[1];
        QCOMPARE(ablauf.seite, u"/ablauf.html"_s);
        QVERIFY(std::any_of(ablauf.kinder.begin(), ablauf.kinder.end(), [](const auto &e) {
            return e.name == u"Der Turnierplan" && e.seite == u"/turnierplan.html";
        }));
        QVERIFY(std::any_of(ablauf.kinder.begin(), ablauf.kinder.end(), [](const auto &e) {
            return e.name == u"Rundenplan" && e.seite == u"/rundenplan.html";
        }));

        // Every link and picture of every page is found inside the file.
        static const QRegularExpression verweis(u"(?:href|src)=\"([^\"#:]+)\""_s);
        int geprueft = 0;
        for (const QString &seite : buch.suchen(u"Vorlix"_s) + buch.suchen(u"Knopf"_s)) {
            const QString html = QString::fromUtf8(buch.lesen(seite).value());
            for (auto t = verweis.globalMatch(html); t.hasNext(); ++geprueft) {
                const QString ziel = u'/' + t.next().captured(1);
                QVERIFY2(buch.lesen(ziel).has_value(), qPrintable(seite + u" -> "_s + ziel));
            }
        }
        QVERIFY(geprueft > 50);
    }

    void index_deutsch_sortiert()
    {
        HilfeBuch buch;
        QVERIFY(buch.oeffnen(gebaute_hilfe()));
        QStringList namen;
        for (const HilfeEintrag &e : buch.stichwoerter())
            namen << e.name;
        const auto stelle = [&namen](const QString &n) {
            return namen.indexOf(n);
        };
        QVERIFY(stelle(u"Turnierplan"_s) >= 0);
        // Ü goes with U, not after Z as in a byte order.
        QVERIFY(stelle(u"Turnierplan"_s) < stelle(u"Übersicht"_s));
        QVERIFY(stelle(u"Übersicht"_s) < stelle(u"USB-Stick"_s));
        QVERIFY(stelle(u"Rundenplan"_s) >= 0);
        QVERIFY(stelle(u"Rundenplan"_s) < stelle(u"Spielzettel"_s));
        QVERIFY(stelle(u"Spielzettel"_s) < stelle(u"Tische"_s));
    }

    void suche_im_text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("seite"); // expected among the hits; empty: no hit at all
        QTest::newRow("Wort") << u"Wav-Dateien"_s << u"/stoppuhr.html"_s;
        QTest::newRow("zwei Wörter, Groß und klein") << u"hupe  WAV"_s << u"/stoppuhr.html"_s;
        QTest::newRow("Umlaut") << u"Spielerlisten ändern"_s << u"/spielerlisten.html"_s;
        QTest::newRow("Rundenplan") << u"Spielzettel Tische"_s << u"/rundenplan.html"_s;
        QTest::newRow("Spaltennamen")
            << u"Familienname Postleitzahl"_s << u"/spielerliste_importieren.html"_s;
        QTest::newRow("nichts") << u"Xylophon"_s << QString();
        QTest::newRow("leer") << u"  "_s << QString();
    }
    void suche_im_text()
    {
        QFETCH(QString, text);
        QFETCH(QString, seite);
        HilfeBuch buch;
        QVERIFY(buch.oeffnen(gebaute_hilfe()));
        const QStringList treffer = buch.suchen(text);
        if (seite.isEmpty())
            QVERIFY(treffer.isEmpty());
        else
            QVERIFY2(treffer.contains(seite), qPrintable(treffer.join(u' ')));
    }

    void kaputte_dateien_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QByteArray echt;
        {
            QFile f(gebaute_hilfe());
            QVERIFY(f.open(QIODevice::ReadOnly));
            echt = f.readAll();
        }
        QByteArray verdreht = echt;
        for (qsizetype i = 0x200; i < 0x1200 && i < verdreht.size(); i += 7)
            verdreht[i] = char(verdreht[i] ^ 0x5a);
        const qsizetype lzxc = echt.indexOf("LZXC") - 4;
        QVERIFY(lzxc > 0);
        QByteArray ohne_steuerung = echt;
        ohne_steuerung.replace(lzxc, 0x18, QByteArray(0x18, '\0'));
        QByteArray krummes_fenster = echt;
        qToLittleEndian<quint32>(1, krummes_fenster.data() + lzxc + 8);
        qToLittleEndian<quint32>(0x18000, krummes_fenster.data() + lzxc + 0x10);
        const qsizetype tabelle = echt.indexOf(QByteArray("\x08\0\0\0\x28\0\0\0", 8)) - 8;
        QVERIFY(tabelle > 0);
        QByteArray lange_bloecke = echt;
        qToLittleEndian<quint64>(0x100008000, lange_bloecke.data() + tabelle + 0x20);
        const QByteArray tabellen_name = "/InstanceData/ResetTable";
        const qsizetype tabellen_teil = echt.indexOf(tabellen_name) + tabellen_name.size();
        QVERIFY(tabellen_teil > tabellen_name.size());
        QCOMPARE(echt.at(tabellen_teil), '\0');
        QByteArray fremder_teil = echt;
        fremder_teil[tabellen_teil] = '\x5d';
        QTest::newRow("Steuerdaten genullt") << ohne_steuerung;
        QTest::newRow("Rücksetztabelle in unbekanntem Teil") << fremder_teil;
        QTest::newRow("Blocklänge über 32 Bit") << lange_bloecke;
        QTest::newRow("Fenster keine Zweierpotenz") << krummes_fenster;
        QTest::newRow("leer") << QByteArray();
        QTest::newRow("Text") << QByteArray("Das ist keine Hilfe-Datei.");
        const quint64 verzeichnis_ende = qFromLittleEndian<quint64>(echt.constData() + 0x48) +
                                         qFromLittleEndian<quint64>(echt.constData() + 0x50);
        QTest::newRow("nur das Verzeichnis") << echt.left(qsizetype(verzeichnis_ende));
        QTest::newRow("nur Kopf") << echt.left(0x60);
        QTest::newRow("Verzeichnis zerstört") << verdreht;
        QTest::newRow("Schleife im Index")
            << chm_verzeichnis_bauen({{"PMGI", index_eintrag("/", 0)}, {"PMGL", {}}}, 0);
    }
    void kaputte_dateien()
    {
        QFETCH(QByteArray, inhalt);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"kaputt.chm"_s);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        HilfeBuch buch;
        QVERIFY(!buch.oeffnen(pfad));
        QVERIFY(!buch.offen());
        QVERIFY(buch.thema_seite(150).isEmpty());
        QVERIFY(buch.suchen(u"Turnierplan"_s).isEmpty());
    }

    void verzeichnis_pruefung_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("gueltig");
        const QByteArray liste = listen_eintrag("/a.html") + listen_eintrag("/b.html");
        QTest::newRow("Baum") << chm_verzeichnis_bauen(
                                     {{"PMGI", index_eintrag("/", 1) + index_eintrag("/b", 2)},
                                      {"PMGL", liste},
                                      {"PMGL", liste}},
                                     0)
                              << true;
        QTest::newRow("ohne Index") << chm_verzeichnis_bauen({{"PMGL", liste}}, -1) << true;
        QTest::newRow("Schleife über zwei Blöcke")
            << chm_verzeichnis_bauen(
                   {{"PMGI", index_eintrag("/", 1)}, {"PMGI", index_eintrag("/", 0)}, {"PMGL", {}}},
                   0)
            << false;
        QTest::newRow("Verweis hinter den letzten Block")
            << chm_verzeichnis_bauen({{"PMGI", index_eintrag("/", 2)}, {"PMGL", liste}}, 0)
            << false;
        QTest::newRow("Verweis mit 33 Bit")
            << chm_verzeichnis_bauen(
                   {{"PMGI", index_eintrag("/", (quint64(1) << 32) + 1)}, {"PMGL", liste}}, 0)
            << false;
        QTest::newRow("Name über das Blockende")
            << chm_verzeichnis_bauen({{"PMGL", chm_zahl(100) + "ab"}}, -1) << false;
        QTest::newRow("Name länger als 512")
            << chm_verzeichnis_bauen({{"PMGL", listen_eintrag(QByteArray(513, 'x'))}}, -1, 0x400)
            << false;
        QTest::newRow("Wurzel hinter den letzten Block")
            << chm_verzeichnis_bauen({{"PMGL", liste}}, 3) << false;
        QByteArray zu_kurz = chm_verzeichnis_bauen({{"PMGL", liste}}, -1);
        zu_kurz.chop(1);
        QTest::newRow("letzter Block abgeschnitten") << zu_kurz << false;
        QByteArray riesig = chm_verzeichnis_bauen({{"PMGL", liste}}, -1);
        qToLittleEndian<quint32>(0x7fffffff, riesig.data() + 0x60 + 0x2c);
        QTest::newRow("Blockzahl größer als die Datei") << riesig << false;
        // Read up to the NUL, as the library reads it: control data of zeros.
        const QByteArray name_mit_nul =
            QByteArray("::DataSpace/Storage/MSCompressed/ControlData") + '\0' + 'x';
        QByteArray nul_im_namen =
            chm_verzeichnis_bauen({{"PMGL", chm_zahl(quint64(name_mit_nul.size())) + name_mit_nul +
                                                chm_zahl(0) + chm_zahl(0) + chm_zahl(0x18)}},
                                  -1);
        nul_im_namen += QByteArray(0x18, '\0');
        QTest::newRow("Steuerdaten hinter NUL im Namen") << nul_im_namen << false;
    }
    void verzeichnis_pruefung()
    {
        QFETCH(QByteArray, datei);
        QFETCH(bool, gueltig);
        QBuffer puffer(&datei);
        QVERIFY(puffer.open(QIODevice::ReadOnly));
        QCOMPARE(chm_verzeichnis_gueltig(puffer), gueltig);
    }
};

QTEST_MAIN(TstHilfeBuch)
#include "tst_hilfe_buch.moc"
