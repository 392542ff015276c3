#include "stopwatch/hupe.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstHupe : public QObject
{
    Q_OBJECT

    static void datei_anlegen(const QString &pfad)
    {
        QDir().mkpath(QFileInfo(pfad).path());
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("RIFF");
    }

private slots:
    void spielt_nur_dateien_in_wav_dateien_data()
    {
        QTest::addColumn<QString>("wav_datei");
        QTest::addColumn<QStringList>("dateien"); // relative to the data folder
        QTest::addColumn<QStringList>("ordner");
        QTest::addColumn<QString>("gespielt"); // relative to the data folder; empty: silent

        QTest::newRow("vorhanden") << u"hupe.wav"_s << QStringList{u"Wav-Dateien/hupe.wav"_s}
                                   << QStringList{} << u"Wav-Dateien/hupe.wav"_s;
        QTest::newRow("Umlaut im Namen")
            << u"Tröte.wav"_s << QStringList{u"Wav-Dateien/Tröte.wav"_s} << QStringList{}
            << u"Wav-Dateien/Tröte.wav"_s;
        QTest::newRow("fehlt") << u"hupe.wav"_s << QStringList{u"hupe.wav"_s} << QStringList{}
                               << QString();
        QTest::newRow("nicht gesetzt")
            << QString() << QStringList{} << QStringList{u"Wav-Dateien"_s} << QString();
        QTest::newRow("Ordner statt Datei") << u"hupe.wav"_s << QStringList{}
                                            << QStringList{u"Wav-Dateien/hupe.wav"_s} << QString();
        QTest::newRow("aus anderem Ordner gewählt")
            << u"/anderswo/hupe.wav"_s << QStringList{u"Wav-Dateien/hupe.wav"_s} << QStringList{}
            << QString();
        QTest::newRow("aus Wav-Dateien hinaus") << u"../hupe.wav"_s << QStringList{u"hupe.wav"_s}
                                                << QStringList{u"Wav-Dateien"_s} << QString();
    }
    void spielt_nur_dateien_in_wav_dateien()
    {
        QFETCH(QString, wav_datei);
        QFETCH(QStringList, dateien);
        QFETCH(QStringList, ordner);
        QFETCH(QString, gespielt);

        TestOrdner t;
        TestPlattform plattform;
        for (const QString &datei : dateien)
            datei_anlegen(t.pfad(datei));
        for (const QString &name : ordner)
            QVERIFY(QDir().mkpath(t.pfad(name)));
        t.zustand.optionen.setze(opt::wav_datei, wav_datei);

        hupe_abspielen(t.zustand, plattform);

        const QStringList erwartet =
            gespielt.isEmpty() ? QStringList{} : QStringList{t.pfad(gespielt)};
        QCOMPARE(plattform.abgespielte_toene, erwartet);
        QVERIFY(plattform.meldungen.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstHupe)
#include "tst_hupe.moc"
