#include "../results/ergebnis_testhilfe.h"
#include "pictures/bildschirmfoto.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstBildschirmfoto : public QObject
{
    Q_OBJECT

    // A screenshot of a window standing at a known place, with a known picture on the screen.
    struct Foto : TestOrdner
    {
        TestPlattform plattform;
        QRect fenster{100, 50, 300, 200};
        Bildschirmfoto foto{zustand, plattform, 100, [this] { return fenster; }, nullptr};

        Foto()
        {
            plattform.aufnahme = QImage(400, 300, QImage::Format_RGB32);
            plattform.aufnahme.fill(Qt::darkGreen);
        }
        void starten(const QString &name)
        {
            plattform.datei_antworten.enqueue(name);
            foto.starten();
        }
        QStringList dateien() const { return QDir(zustand.daten_pfad).entryList(QDir::Files); }
    };

private slots:
    void jpg_name_data()
    {
        QTest::addColumn<QString>("bmp");
        QTest::addColumn<QString>("jpg");
        QTest::newRow("einfach") << "Tag1.bmp"
                                 << "Tag1.jpg";
        QTest::newRow("mit Ordner") << "/daten/Ordner.x/Liste.bmp"
                                    << "Liste.jpg";
        QTest::newRow("zweite Endung") << "bild.png.bmp"
                                       << "bild.png.jpg";
    }
    void jpg_name()
    {
        QFETCH(QString, bmp);
        QFETCH(QString, jpg);
        QCOMPARE(setJPGFileName(bmp), jpg);
    }

    void bereich_und_bild()
    {
        const QRect fenster(100, 50, 300, 200);
        QCOMPARE(aufnahme_bereich(fenster), QRect(100, 70, 299, 204));

        QImage aufnahme(400, 300, QImage::Format_RGB32);
        aufnahme.fill(Qt::darkGreen);
        const QImage bild = fenster_bild(aufnahme, fenster);

        QCOMPARE(bild.size(), QSize(300, 205));
        QCOMPARE(bild.pixelColor(0, 0), QColor(Qt::darkGreen));
        QCOMPARE(bild.pixelColor(298, 203), QColor(Qt::darkGreen));
        // Only the captured area is taken; the last column and row stay empty.
        QCOMPARE(bild.pixelColor(299, 0), QColor(Qt::white));
        QCOMPARE(bild.pixelColor(0, 204), QColor(Qt::white));
    }

    void name_und_datei_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("datei");
        QTest::newRow("ohne Endung") << "Spieltag3"
                                     << "Spieltag3.jpg";
        QTest::newRow("mit Endung") << "bild.png"
                                    << "bild.png.jpg";
        QTest::newRow("Umlaute") << "Größe"
                                 << "Größe.jpg";
    }
    void name_und_datei()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, datei);
        Foto f;

        f.starten(f.pfad(getippt));

        // Nothing is taken while the dialog may still be on the screen.
        QVERIFY(f.foto.wartezeit()->isActive());
        QCOMPARE(f.foto.wartezeit()->interval(), 750);
        QVERIFY(f.plattform.aufnahme_bereiche.isEmpty());
        QVERIFY(f.dateien().isEmpty());
        QCOMPARE(f.plattform.speichern_filter,
                 QStringList{u"Dateinamen ohne Dateiendung eingeben. (*)"_s});

        f.foto.aufnehmen();

        QVERIFY(!f.foto.wartezeit()->isActive());
        QCOMPARE(f.plattform.aufnahme_bereiche, QList<QRect>{QRect(100, 70, 299, 204)});
        QCOMPARE(f.dateien(), QStringList{datei});
        QImage gelesen;
        QVERIFY(gelesen.load(f.pfad(datei), "JPG"));
        QCOMPARE(gelesen.size(), QSize(300, 205));
        QVERIFY(f.plattform.meldungen.isEmpty());
    }

    void wartezeit_laeuft_ab()
    {
        Foto f;
        f.starten(f.pfad(u"Tag1"_s));
        QTRY_VERIFY(QFile::exists(f.pfad(u"Tag1.jpg"_s)));
        QCOMPARE(f.plattform.aufnahme_bereiche.size(), 1);
    }

    // The picture never goes through a bitmap file: one of the user's stays untouched.
    void vorhandene_bitmap_bleibt()
    {
        Foto f;
        QVERIFY(speicher::datei_ersetzen(f.pfad(u"Tag1.bmp"_s), "eigenes Bild"));

        f.starten(f.pfad(u"Tag1"_s));
        f.foto.aufnehmen();

        QByteArray inhalt;
        QVERIFY(speicher::datei_lesen(f.pfad(u"Tag1.bmp"_s), inhalt));
        QCOMPARE(inhalt, QByteArray("eigenes Bild"));
        QVERIFY(QFile::exists(f.pfad(u"Tag1.jpg"_s)));
    }

    void abgebrochen()
    {
        Foto f;
        f.starten(QString());

        QVERIFY(!f.foto.wartezeit()->isActive());
        f.foto.aufnehmen();
        QVERIFY(f.plattform.aufnahme_bereiche.isEmpty());
        QVERIFY(f.dateien().isEmpty());
        QVERIFY(f.plattform.meldungen.isEmpty());
    }

    void fehler_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("aufnahme_da");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Ordner fehlt")
            << "fehlt/Tag1" << true << "Das Bildschirmfoto konnte nicht gespeichert werden:\n";
        QTest::newRow("keine Aufnahme")
            << "Tag1" << false << "Der Bildschirm konnte nicht aufgenommen werden.";
    }
    void fehler()
    {
        QFETCH(QString, name);
        QFETCH(bool, aufnahme_da);
        QFETCH(QString, meldung);
        Foto f;
        if (!aufnahme_da)
            f.plattform.aufnahme = QImage();

        f.starten(f.pfad(name));
        f.foto.aufnehmen();

        QCOMPARE(f.plattform.meldungen.size(), 1);
        QCOMPARE(f.plattform.meldungen[0].art, TestPlattform::Meldung::Fehler);
        QVERIFY(f.plattform.meldungen[0].text.startsWith(meldung));
        if (aufnahme_da)
            QVERIFY(f.plattform.meldungen[0].text.endsWith(
                QDir::toNativeSeparators(f.pfad(name + u".jpg"_s))));
        QVERIFY(f.dateien().isEmpty());
    }
};

QTEST_MAIN(TstBildschirmfoto)
#include "tst_bildschirmfoto.moc"
