#include "optionen_erstdatei.h"
#include "shell/daten_ordner.h"
#include "shell/start.h"
#include "shell/zustand.h"
#include "stopwatch/hupe.h"
#include "storage/sichere_datei.h"
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

    // The start path on a data folder: the options file is read (written at the first start)
    // and the horn is brought along. The options file holds the first start's bytes in every
    // case: the horn brought along is not chosen by itself.
    void erster_start_bringt_eine_hupe_mit_data()
    {
        QTest::addColumn<bool>("ordner_da");  // "Wav-Dateien" exists before the start
        QTest::addColumn<QString>("vorhanden"); // a file in it before the start
        QTest::addColumn<bool>("bereitgestellt");
        QTest::newRow("frisch") << false << QString() << true;
        QTest::newRow("leerer Ordner") << true << QString() << false;
        QTest::newRow("eigene Hupe") << true << u"eigene.WAV"_s << false;
        QTest::newRow("nur andere Dateien") << true << u"liesmich.txt"_s << false;
    }
    void erster_start_bringt_eine_hupe_mit()
    {
        QFETCH(bool, ordner_da);
        QFETCH(QString, vorhanden);
        QFETCH(bool, bereitgestellt);
        QTemporaryDir daten;
        const QString wav_ordner = daten.filePath(u"Wav-Dateien"_s);
        if (ordner_da)
            QVERIFY(QDir().mkpath(wav_ordner));
        if (!vorhanden.isEmpty())
            datei_anlegen(wav_ordner + u'/' + vorhanden);
        const QStringList vorher = QDir(wav_ordner).entryList(QDir::Files);

        qputenv(daten_umgebungsvariable, daten.path().toUtf8());
        Zustand zustand;
        programm_vorbereiten(zustand, QCoreApplication::applicationDirPath());
        qunsetenv(daten_umgebungsvariable);
        hupe_bereitstellen(zustand);

        QByteArray optionen;
        QVERIFY(speicher::datei_lesen(zustand.pfad(optionen_dateiname), optionen));
        QCOMPARE(optionen, optionen_erstdatei());
        QVERIFY(!hupe_gewaehlt(zustand));
        const QString hupe = wav_ordner + u"/Hupe.wav"_s;
        QCOMPARE(QDir(wav_ordner).entryList(QDir::Files),
                 bereitgestellt ? QStringList{u"Hupe.wav"_s} : vorher);
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
        // Chosen in the settings, it sounds.
        TestPlattform plattform;
        zustand.optionen.setze(opt::wav_datei, u"Hupe.wav"_s);
        hupe_abspielen(zustand, plattform);
        QCOMPARE(plattform.abgespielte_toene, QStringList{hupe});

        // The next start leaves the folder as it is, also when the organiser emptied it.
        QVERIFY(QFile::remove(hupe));
        hupe_bereitstellen(zustand);
        QVERIFY(QDir(wav_ordner).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstHupe)
#include "tst_hupe.moc"
