#include "live/verdichter.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstVerdichter : public QObject
{
    Q_OBJECT

    // A snapshot that holds one number; counts how often it was built.
    struct Quelle
    {
        int wert = 0;
        int gebaut = 0;
        QJsonObject operator()()
        {
            ++gebaut;
            return {{u"wert"_s, wert}};
        }
    };

    static int wert_in(const QByteArray &dokument)
    {
        return QJsonDocument::fromJson(dokument).object().value(u"wert"_s).toInt();
    }

private slots:
    void eine_aenderung_kommt_im_naechsten_durchlauf()
    {
        Quelle quelle;
        LiveVerdichter verdichter([&quelle] { return quelle(); });
        QSignalSpy gesendet(&verdichter, &LiveVerdichter::neuer_stand);
        for (int i = 1; i <= 20; ++i) {
            quelle.wert = i;
            verdichter.markieren();
        }
        // Marking builds nothing: the keystroke pays for no snapshot.
        QCOMPARE(quelle.gebaut, 0);
        QVERIFY(gesendet.wait(1000));
        QCOMPARE(quelle.gebaut, 1);
        QCOMPARE(wert_in(gesendet.at(0).at(0).toByteArray()), 20);
        QCOMPARE(verdichter.fassung(), 1);
        QCOMPARE(verdichter.dokument(), gesendet.at(0).at(0).toByteArray());
        QCOMPARE(QJsonDocument::fromJson(verdichter.dokument()).object().value(u"fassung"_s), 1);
    }

    void unveraendert_wird_nicht_gesendet()
    {
        Quelle quelle;
        LiveVerdichter verdichter([&quelle] { return quelle(); });
        QCOMPARE(wert_in(verdichter.dokument()), 0);
        QSignalSpy gesendet(&verdichter, &LiveVerdichter::neuer_stand);
        verdichter.markieren();
        QTRY_COMPARE(quelle.gebaut, 2);
        QTest::qWait(200);
        QCOMPARE(gesendet.count(), 0);
        QCOMPARE(verdichter.fassung(), 1);
        quelle.wert = 5;
        verdichter.markieren();
        QVERIFY(gesendet.wait(1000));
        QCOMPARE(verdichter.fassung(), 2);
    }

    void hoechstens_ein_stand_je_abstand()
    {
        Quelle quelle;
        LiveVerdichter verdichter([&quelle] { return quelle(); });
        QList<qint64> zeiten;
        QList<int> werte;
        QElapsedTimer uhr;
        uhr.start();
        connect(&verdichter, &LiveVerdichter::neuer_stand, this, [&](const QByteArray &dokument) {
            zeiten << uhr.elapsed();
            werte << wert_in(dokument);
        });
        // A change every 10 ms for most of a second, as a stopwatch and fast typing could give.
        QTimer aenderung;
        connect(&aenderung, &QTimer::timeout, this, [&] {
            ++quelle.wert;
            verdichter.markieren();
        });
        aenderung.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(quelle.wert >= 60, 5000);
        aenderung.stop();
        const int letzter = quelle.wert;
        QTRY_COMPARE(werte.isEmpty() ? -1 : werte.last(), letzter);
        QVERIFY(zeiten.size() >= 2);
        QVERIFY(zeiten.size() < letzter / 4);
        for (qsizetype i = 1; i < zeiten.size(); ++i) {
            QVERIFY2(zeiten[i] - zeiten[i - 1] >= LiveVerdichter::abstand.count() - 2,
                     qPrintable(u"%1 ms"_s.arg(zeiten[i] - zeiten[i - 1])));
            QVERIFY(werte[i] > werte[i - 1]);
        }
    }
};

QTEST_GUILESS_MAIN(TstVerdichter)
#include "tst_verdichter.moc"
