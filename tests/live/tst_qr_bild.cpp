#include "live/qr_bild.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstQrBild : public QObject
{
    Q_OBJECT

    // Module (x, y) of the code, counted inside the quiet zone.
    static bool schwarz(const QImage &bild, int modul, int x, int y)
    {
        return bild.pixelColor((x + 4) * modul + modul / 2, (y + 4) * modul + modul / 2) ==
               QColor(Qt::black);
    }

    // The finder pattern: a black ring, a white ring and a black 3 x 3 centre.
    static bool suchmuster(const QImage &bild, int modul, int x0, int y0)
    {
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 7; ++x) {
                const int ring = std::min({x, y, 6 - x, 6 - y});
                if (schwarz(bild, modul, x0 + x, y0 + y) != (ring != 1))
                    return false;
            }
        }
        return true;
    }

private slots:
    void code_einer_adresse()
    {
        const int modul = 8;
        const QImage bild = qr_bild(u"http://192.168.1.23:8080/"_s, modul);
        QVERIFY(!bild.isNull());
        QCOMPARE(bild.width(), bild.height());
        QCOMPARE(bild.width() % modul, 0);
        const int breite = bild.width() / modul - 8;
        QVERIFY(breite >= 21 && (breite - 21) % 4 == 0);
        QVERIFY(suchmuster(bild, modul, 0, 0));
        QVERIFY(suchmuster(bild, modul, breite - 7, 0));
        QVERIFY(suchmuster(bild, modul, 0, breite - 7));
        // The quiet zone is white all round.
        for (int i = 0; i < bild.width(); i += modul) {
            QCOMPARE(bild.pixelColor(i, 0), QColor(Qt::white));
            QCOMPARE(bild.pixelColor(0, i), QColor(Qt::white));
            QCOMPARE(bild.pixelColor(bild.width() - 1, i), QColor(Qt::white));
        }
        // Another address, another code.
        QVERIFY(qr_bild(u"http://192.168.1.24:8080/"_s, modul) != bild);
    }

    void was_nicht_geht_gibt_kein_bild()
    {
        QVERIFY(qr_bild(QString(5000, u'x'), 8).isNull());
        QVERIFY(qr_bild(u"http://10.0.0.1:8080/"_s, 0).isNull());
    }
};

QTEST_GUILESS_MAIN(TstQrBild)
#include "tst_qr_bild.moc"
