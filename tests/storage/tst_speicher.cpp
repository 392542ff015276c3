#include "storage/satzbild.h"
#include "storage/satzdatei.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"
#include "storage/textdatei.h"
#include "volle_platte.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace speicher;

class TstSpeicher : public QObject
{
    Q_OBJECT

private slots:
    void text_1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << u"Abc 12"_s << QByteArray("Abc 12");
        QTest::newRow("umlaute") << u"ÄÖÜäöüß"_s << QByteArray("\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
        QTest::newRow("euro") << u"5 €"_s << QByteArray("5 \x80");
        QTest::newRow("fehlende zeichen") << u"Ωx漢"_s << QByteArray("?x?");
        QTest::newRow("ersatzpaar ist ein zeichen")
            << QString::fromUtf8("a\U0001F600b") << QByteArray("a?b");
    }
    void text_1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(nach_1252(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(aus_1252(bytes), text);
    }

    // The shortcut past the converter gives what the converter gives, byte by byte.
    void aus_1252_wie_der_konverter()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            QStringDecoder konverter("windows-1252");
            QCOMPARE(aus_1252(byte), QString(konverter.decode(byte)));
        }
    }

    void textfeld_wird_in_bytes_gekuerzt()
    {
        Satzbild satz(20);
        const TextFeld feld{2, 5};
        satz.setze(feld, u"Müllerstraße"_s);
        QCOMPARE(satz.wert(feld), u"Mülle"_s);
        QCOMPARE(satz.bytes().mid(2, 6), QByteArray("\x05M\xFCller", 6));
        QCOMPARE(satz.bytes()[8], '\0'); // nothing written past the capacity
    }

    void kuerzerer_text_laesst_restbytes()
    {
        Satzbild satz(10);
        const TextFeld feld{0, 8};
        satz.setze(feld, u"abcdefgh"_s);
        satz.setze(feld, u"xy"_s);
        QCOMPARE(satz.wert(feld), u"xy"_s);
        QCOMPARE(satz.bytes().mid(0, 9), QByteArray("\x02xycdefgh"));
    }

    void laengenbyte_ueber_kapazitaet_wird_begrenzt()
    {
        Satzbild satz(8);
        satz.setze_bytes(0, "\xFF"
                            "abcdefg");
        QCOMPARE(satz.wert(TextFeld{0, 3}), u"abc"_s);
    }

    void int32_little_endian()
    {
        Satzbild satz(8);
        satz.setze(Int32Feld{4}, -2);
        satz.setze(FarbeFeld{0}, 0x00B3B3FF);
        QCOMPARE(satz.bytes(), QByteArray("\xFF\xB3\xB3\x00\xFE\xFF\xFF\xFF", 8));
        QCOMPARE(satz.wert(Int32Feld{4}), -2);
        satz.setze(DoubleFeld{0}, 2.5);
        QCOMPARE(satz.wert(DoubleFeld{0}), 2.5);
    }

    void von_bytes_braucht_volle_groesse()
    {
        Satzbild satz(4);
        QVERIFY(!satz.von_bytes("abc"));
        QCOMPARE(satz.bytes(), QByteArray(4, '\0'));
        QVERIFY(satz.von_bytes("abcdef"));
        QCOMPARE(satz.bytes(), QByteArray("abcd"));
    }

    void satzdatei_ignoriert_unvollstaendigen_rest()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("s.dat");
        QVERIFY(datei_ersetzen(pfad, "aaaabbbbcc"));
        QList<QByteArray> saetze;
        QVERIFY(satzdatei_lesen(pfad, 4, saetze));
        QCOMPARE(saetze, (QList<QByteArray>{"aaaa", "bbbb"}));
        QVERIFY(satzdatei_schreiben(pfad, {"xxxx"}));
        QVERIFY(satzdatei_lesen(pfad, 4, saetze));
        QCOMPARE(saetze, QList<QByteArray>{"xxxx"});
        QVERIFY(!satzdatei_lesen(ordner.filePath("fehlt.dat"), 4, saetze));
        QVERIFY(saetze.isEmpty());
    }

    void ersetzen_in_fehlendem_ordner_schlaegt_fehl()
    {
        QTemporaryDir ordner;
        QVERIFY(!datei_ersetzen(ordner.filePath("gibtsnicht/a.txt"), "x"));
    }

    void kopieren_ersetzt_das_ziel()
    {
        QTemporaryDir ordner;
        const QString quelle = ordner.filePath("q.adr");
        const QString ziel = ordner.filePath("z.adr");
        const QByteArray inhalt = QByteArray(200 * 1024, 'x') + "Ende"; // more than one block
        QVERIFY(datei_ersetzen(quelle, inhalt));
        QVERIFY(datei_ersetzen(ziel, "alt und laenger als nichts"));
        QVERIFY(!datei_kopieren(quelle, ziel)); // no error text: copied
        QByteArray roh;
        QVERIFY(datei_lesen(ziel, roh));
        QCOMPARE(roh, inhalt);
    }

    // A failed copy names the system's reason, leaves the old target as it was and leaves no
    // temporary file behind.
    void misslungenes_kopieren_laesst_das_ziel_data()
    {
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<QString>("ziel");
        QTest::newRow("quelle fehlt") << "fehlt.adr"
                                      << "ziele/z.adr";
        QTest::newRow("quelle ist ein ordner") << "ziele"
                                               << "ziele/z.adr";
        QTest::newRow("ziel ist ein ordner") << "q.adr"
                                             << "ziele/ordner";
        QTest::newRow("zielordner fehlt") << "q.adr"
                                          << "ziele/fehlt/z.adr";
    }
    void misslungenes_kopieren_laesst_das_ziel()
    {
        QFETCH(QString, quelle);
        QFETCH(QString, ziel);
        QTemporaryDir ordner;
        QDir(ordner.path()).mkpath("ziele/ordner");
        QVERIFY(datei_ersetzen(ordner.filePath("q.adr"), "neu"));
        QVERIFY(datei_ersetzen(ordner.filePath("ziele/z.adr"), "alt"));
        const QStringList vorher = QDir(ordner.filePath("ziele")).entryList(QDir::AllEntries);

        const std::optional<QString> fehler =
            datei_kopieren(ordner.filePath(quelle), ordner.filePath(ziel));
        QVERIFY(fehler);
        QVERIFY(!fehler->isEmpty());
        QCOMPARE(QDir(ordner.filePath("ziele")).entryList(QDir::AllEntries), vorher);
        QByteArray roh;
        QVERIFY(datei_lesen(ordner.filePath("ziele/z.adr"), roh));
        QCOMPARE(roh, QByteArray("alt"));
    }

    // A full disk used to let the temporary file, cut short, replace the old one, and the
    // write was reported as done.
    void volle_platte_laesst_die_alte_datei_data()
    {
        QTest::addColumn<bool>("kopieren");
        QTest::newRow("ersetzen") << false;
        QTest::newRow("kopieren") << true;
    }
    void volle_platte_laesst_die_alte_datei()
    {
        QFETCH(bool, kopieren);
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath("ziel.txt");
        const QByteArray alt(4000, 'a');
        const QByteArray neu(4100, 'n');
        QVERIFY(datei_ersetzen(ziel, alt));
        const QString quelle = ordner.filePath("quelle.txt");
        QVERIFY(datei_ersetzen(quelle, neu));

        bool geschrieben = true;
        std::optional<QString> fehler;
        {
            VollePlatte voll(alt.size());
            QVERIFY(voll.gesetzt());
            if (kopieren) {
                fehler = datei_kopieren(quelle, ziel);
                geschrieben = !fehler;
            } else {
                geschrieben = datei_ersetzen(ziel, neu);
            }
        }
        QVERIFY(!geschrieben);
        QCOMPARE(kopieren, fehler && !fehler->isEmpty());
        QByteArray roh;
        QVERIFY(datei_lesen(ziel, roh));
        QCOMPARE(roh, alt);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files),
                 (QStringList{u"quelle.txt"_s, u"ziel.txt"_s}));
    }

    void textdatei_zeilenenden()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("t.txt");
        QVERIFY(textdatei_schreiben(pfad, {u"Jürgen"_s, QString(), u"5 €"_s}, Zeilenende::CRLF));
        QByteArray roh;
        QVERIFY(datei_lesen(pfad, roh));
        QCOMPARE(roh, QByteArray("J\xFCrgen\r\n\r\n5 \x80\r\n"));
        QStringList zeilen;
        QVERIFY(textdatei_lesen(pfad, zeilen));
        QCOMPARE(zeilen, (QStringList{u"Jürgen"_s, QString(), u"5 €"_s}));

        QVERIFY(datei_ersetzen(pfad, "a\nb\r\nc"));
        QVERIFY(textdatei_lesen(pfad, zeilen));
        QCOMPARE(zeilen, (QStringList{"a", "b", "c"}));
    }
};

QTEST_GUILESS_MAIN(TstSpeicher)
#include "tst_speicher.moc"
