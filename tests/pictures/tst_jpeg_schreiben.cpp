#include "../results/ergebnis_testhilfe.h"
#include "pictures/jpeg_schreiben.h"
#include "storage/sichere_datei.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace Qt::StringLiterals;

class TstJpegSchreiben : public QObject
{
    Q_OBJECT

    // Red on the left, blue on the right.
    static QImage zweifarbig(int breite, int hoehe)
    {
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        QPainter(&bild).fillRect(0, 0, breite / 2, hoehe, Qt::red);
        return bild;
    }

    static bool nahe(QColor ist, QColor soll)
    {
        return qAbs(ist.red() - soll.red()) < 24 && qAbs(ist.green() - soll.green()) < 24 &&
               qAbs(ist.blue() - soll.blue()) < 24;
    }

private slots:
    void qualitaet_data()
    {
        QTest::addColumn<std::optional<int>>("qualitaet");
        QTest::addColumn<int>("quantwert");
        QTest::newRow("Vorgabe") << std::optional<int>() << 8;
        QTest::newRow("100") << std::optional<int>(100) << 1;
        QTest::newRow("50") << std::optional<int>(50) << 16;
    }
    void qualitaet()
    {
        QFETCH(std::optional<int>, qualitaet);
        QFETCH(int, quantwert);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u"bild.jpg"_s);

        QVERIFY(jpeg_schreiben(zweifarbig(120, 45), datei, qualitaet));

        QByteArray inhalt;
        QVERIFY(speicher::datei_lesen(datei, inhalt));
        QVERIFY(inhalt.startsWith("\xFF\xD8"));
        QVERIFY(inhalt.endsWith("\xFF\xD9"));
        QCOMPARE(jpeg_erster_quantwert(inhalt), quantwert);
        // Another decoder reads it back.
        QImage gelesen;
        QVERIFY(gelesen.loadFromData(inhalt, "JPG"));
        QCOMPARE(gelesen.size(), QSize(120, 45));
        QVERIFY(nahe(gelesen.pixelColor(10, 10), Qt::red));
        QVERIFY(nahe(gelesen.pixelColor(110, 40), Qt::blue));
    }

    // Larger than the first block of the output buffer, so that it has to grow.
    void grosses_bild()
    {
        QImage rauschen(800, 600, QImage::Format_RGB32);
        quint32 zahl = 1;
        for (int y = 0; y < rauschen.height(); ++y) {
            for (int x = 0; x < rauschen.width(); ++x) {
                zahl = zahl * 1664525u + 1013904223u;
                rauschen.setPixel(x, y, zahl >> 8);
            }
        }

        const QByteArray inhalt = jpeg_komprimieren(rauschen, 100);

        QVERIFY(inhalt.size() > 64 * 1024);
        QImage gelesen;
        QVERIFY(gelesen.loadFromData(inhalt, "JPG"));
        QCOMPARE(gelesen.size(), rauschen.size());
    }

    void abgelehnt_data()
    {
        QTest::addColumn<QImage>("bild");
        QTest::newRow("leer") << QImage();
        QTest::newRow("zu breit") << QImage(70000, 1, QImage::Format_RGB32);
    }
    void abgelehnt()
    {
        QFETCH(QImage, bild);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u"bild.jpg"_s);
        QVERIFY(speicher::datei_ersetzen(datei, "alt"));

        QVERIFY(jpeg_komprimieren(bild).isEmpty());
        QVERIFY(!jpeg_schreiben(bild, datei));

        QByteArray inhalt;
        QVERIFY(speicher::datei_lesen(datei, inhalt));
        QCOMPARE(inhalt, QByteArray("alt"));
    }

    void ordner_fehlt()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u"fehlt/bild.jpg"_s);

        QVERIFY(!jpeg_schreiben(zweifarbig(8, 8), datei));
        QVERIFY(!QFile::exists(datei));
    }
};

QTEST_MAIN(TstJpegSchreiben)
#include "tst_jpeg_schreiben.moc"
