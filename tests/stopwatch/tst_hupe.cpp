#include "stopwatch/hupe.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
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

    void erster_start_bringt_eine_hupe_mit_data()
    {
        QTest::addColumn<QString>("wav_datei");
        QTest::addColumn<QString>("vorhanden"); // a file in "Wav-Dateien" before the start
        QTest::addColumn<bool>("bereitgestellt");
        QTest::addColumn<QString>("danach");
        QTest::newRow("frisch") << QString() << QString() << true << u"Hupe.wav"_s;
        QTest::newRow("Name gesetzt, Ordner leer")
            << u"Tröte.wav"_s << QString() << true << u"Tröte.wav"_s;
        QTest::newRow("eigene Hupe") << QString() << u"eigene.WAV"_s << false << QString();
        QTest::newRow("nur andere Dateien")
            << QString() << u"liesmich.txt"_s << true << u"Hupe.wav"_s;
    }
    void erster_start_bringt_eine_hupe_mit()
    {
        QFETCH(QString, wav_datei);
        QFETCH(QString, vorhanden);
        QFETCH(bool, bereitgestellt);
        QFETCH(QString, danach);
        TestOrdner t;
        TestPlattform plattform;
        t.zustand.optionen_lesen();
        t.zustand.optionen.setze(opt::wav_datei, wav_datei);
        if (!vorhanden.isEmpty())
            datei_anlegen(t.pfad(u"Wav-Dateien/"_s + vorhanden));

        hupe_bereitstellen(t.zustand);

        const QString hupe = t.pfad(u"Wav-Dateien/Hupe.wav"_s);
        QCOMPARE(QFileInfo::exists(hupe), bereitgestellt);
        QCOMPARE(t.zustand.optionen.wert(opt::wav_datei), danach);
        TOptionen gespeichert;
        optionen_lesen(gespeichert, t.zustand.daten_pfad);
        QCOMPARE(gespeichert.wert(opt::wav_datei),
                 bereitgestellt && wav_datei.isEmpty() ? u"Hupe.wav"_s : QString());
        if (!bereitgestellt)
            return;
        // A real sound: RIFF/WAVE, PCM mono 16 bit at 22050 Hz, 1.2 s of samples.
        QFile datei(hupe);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray bytes = datei.readAll();
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 20), quint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 22), quint16(1));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 24), quint32(22050));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 34), quint16(16));
        QVERIFY(bytes.size() >= 44 + 2 * 26460);
        if (wav_datei.isEmpty()) {
            hupe_abspielen(t.zustand, plattform);
            QCOMPARE(plattform.abgespielte_toene, QStringList{hupe});
        }

        // The next start leaves the folder as it is.
        datei_anlegen(hupe);
        hupe_bereitstellen(t.zustand);
        QFile wieder(hupe);
        QVERIFY(wieder.open(QIODevice::ReadOnly));
        QCOMPARE(wieder.readAll(), QByteArray("RIFF"));
    }
};

QTEST_GUILESS_MAIN(TstHupe)
#include "tst_hupe.moc"
