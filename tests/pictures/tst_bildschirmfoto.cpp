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

        // The window as the screen shows it: green with a red bottom edge of three rows.
        Foto()
        {
            plattform.aufnahme = QImage(fenster.size(), QImage::Format_RGB32);
            plattform.aufnahme.fill(Qt::darkGreen);
            for (int y = fenster.height() - 3; y < fenster.height(); ++y)
                for (int x = 0; x < fenster.width(); ++x)
                    plattform.aufnahme.setPixelColor(x, y, Qt::red);
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

    // Exactly the window is taken, as far as it is on the screen; a capture in more pixels
    // than points is brought to the window's size.
    void bereich_und_bild_data()
    {
        QTest::addColumn<QRect>("fenster");
        QTest::addColumn<int>("pixel_je_punkt");
        QTest::addColumn<QRect>("bereich");
        QTest::newRow("auf dem Schirm")
            << QRect(100, 50, 300, 200) << 1 << QRect(100, 50, 300, 200);
        QTest::newRow("doppelte Pixel")
            << QRect(100, 50, 300, 200) << 2 << QRect(100, 50, 300, 200);
        QTest::newRow("maximiert") << QRect(0, 0, 1280, 1024) << 1 << QRect(0, 0, 1280, 1024);
        QTest::newRow("unten hinaus")
            << QRect(100, 900, 300, 200) << 1 << QRect(100, 900, 300, 124);
        QTest::newRow("links hinaus") << QRect(-8, -8, 300, 200) << 1 << QRect(0, 0, 292, 192);
    }
    void bereich_und_bild()
    {
        QFETCH(QRect, fenster);
        QFETCH(int, pixel_je_punkt);
        QFETCH(QRect, bereich);
        QCOMPARE(aufnahme_bereich(fenster, QRect(0, 0, 1280, 1024)), bereich);

        QImage aufnahme(bereich.size() * pixel_je_punkt, QImage::Format_RGB32);
        aufnahme.fill(Qt::darkGreen);
        for (int y = aufnahme.height() - 2 * pixel_je_punkt; y < aufnahme.height(); ++y)
            for (int x = 0; x < aufnahme.width(); ++x)
                aufnahme.setPixelColor(x, y, Qt::red);
        const QImage bild = fenster_bild(aufnahme, bereich.size());

        QCOMPARE(bild.size(), bereich.size());
        QCOMPARE(bild.pixelColor(0, 0), QColor(Qt::darkGreen));
        QCOMPARE(bild.pixelColor(bild.width() - 1, bild.height() - 3), QColor(Qt::darkGreen));
        for (int x : {0, bild.width() / 2, bild.width() - 1})
            QCOMPARE(bild.pixelColor(x, bild.height() - 1), QColor(Qt::red));
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
        QCOMPARE(f.plattform.aufnahme_bereiche, QList<QRect>{f.fenster});
        QCOMPARE(f.dateien(), QStringList{datei});
        QImage gelesen;
        QVERIFY(gelesen.load(f.pfad(datei), "JPG"));
        QCOMPARE(gelesen.size(), QSize(300, 200));
        // The window down to its last row: no band of another colour below it.
        const auto nah = [](const QColor &ist, const QColor &soll) {
            return qAbs(ist.red() - soll.red()) < 40 && qAbs(ist.green() - soll.green()) < 40 &&
                   qAbs(ist.blue() - soll.blue()) < 40;
        };
        for (int x : {0, 150, 299}) {
            QVERIFY(nah(gelesen.pixelColor(x, 199), Qt::red));
            QVERIFY(nah(gelesen.pixelColor(x, 190), Qt::darkGreen));
        }
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
        QTest::addColumn<QRect>("fenster");
        QTest::addColumn<int>("art");
        const QRect da(100, 50, 300, 200);
        // A failed write is answered with "OK"; a failed capture wrote nothing.
        QTest::newRow("Ordner fehlt")
            << "fehlt/Tag1" << true << "Das Bildschirmfoto konnte nicht gespeichert werden:\n"
            << da << int(TestPlattform::Meldung::Schreibfehler);
        QTest::newRow("keine Aufnahme")
            << "Tag1" << false << "Der Bildschirm konnte nicht aufgenommen werden." << da
            << int(TestPlattform::Meldung::Fehler);
        QTest::newRow("Fenster neben dem Schirm")
            << "Tag1" << false << "Der Bildschirm konnte nicht aufgenommen werden."
            << QRect(2000, 50, 300, 200) << int(TestPlattform::Meldung::Fehler);
    }
    void fehler()
    {
        QFETCH(QString, name);
        QFETCH(bool, aufnahme_da);
        QFETCH(QString, meldung);
        QFETCH(QRect, fenster);
        QFETCH(int, art);
        Foto f;
        f.fenster = fenster;
        if (!aufnahme_da && fenster.intersects(f.plattform.schirm))
            f.plattform.aufnahme = QImage();

        f.starten(f.pfad(name));
        f.foto.aufnehmen();

        QCOMPARE(f.plattform.meldungen.size(), 1);
        QCOMPARE(int(f.plattform.meldungen[0].art), art);
        QVERIFY(f.plattform.meldungen[0].text.startsWith(meldung));
        if (aufnahme_da)
            QVERIFY(f.plattform.meldungen[0].text.endsWith(
                QDir::toNativeSeparators(f.pfad(name + u".jpg"_s))));
        QVERIFY(f.dateien().isEmpty());
    }
};

QTEST_MAIN(TstBildschirmfoto)
#include "tst_bildschirmfoto.moc"
