#include "shell/druck_modul.h"
#include "shell/module.h"
#include "shell/ton_modul.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

// A sound module on a computer with or without an audio output.
struct Tonausgabe : TonModul
{
    bool geraet = true;
    QStringList gespielt;
    void abspielen(const QString &wav_datei) override { gespielt.append(wav_datei); }
    bool ausgabegeraet_vorhanden() const override { return geraet; }
};

// Sound and printing come from modules that are loaded at their first use.
class TstModule : public QObject
{
    Q_OBJECT

private slots:
    void module_werden_gefunden()
    {
        QVERIFY(modul<TonModul>(QString::fromLatin1(ton_modul_name)));
        QVERIFY(modul<DruckModul>(QString::fromLatin1(druck_modul_name)));
        // Loaded once: the second call hands out the same object.
        QCOMPARE(modul_laden(QString::fromLatin1(ton_modul_name)),
                 modul_laden(QString::fromLatin1(ton_modul_name)));
    }

    // The horn's sound effect goes when the application ends, not with the module after it.
    void ton_endet_mit_der_anwendung()
    {
        QObject *wurzel = modul_laden(QString::fromLatin1(ton_modul_name));
        auto *ton = qobject_cast<TonModul *>(wurzel);
        QVERIFY(ton);
        TestOrdner ordner;
        ton->abspielen(ordner.pfad(u"Hupe.wav"_s));
        const QString name = QString::fromLatin1(ton_effekt_name);
        QVERIFY(wurzel->findChild<QObject *>(name));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        QVERIFY(!wurzel->findChild<QObject *>(name));
    }

    // The printing windows live in the module; the program sees them only as widgets.
    void druckmodul_zeigt_den_waehler()
    {
        TestOrdner ordner;
        TestPlattform plattform;
        QWidget hauptfenster;
        int startseite = 0;
        auto *druck = modul<DruckModul>(QString::fromLatin1(druck_modul_name));
        QVERIFY(druck);
        for (int mal = 0; mal < 2; ++mal) {
            druck->adressen_drucken(ordner.zustand, plattform, &hauptfenster,
                                    [&startseite] { ++startseite; });
            const auto waehler = hauptfenster.findChildren<QWidget *>(u"Form15"_s);
            QCOMPARE(waehler.size(), 1);
            QVERIFY(waehler[0]->isVisible());
            QCOMPARE(waehler[0]->windowTitle(), u"Teilnehmer drucken"_s);
            startseite = 0;
            QTest::mouseClick(waehler[0]->findChild<QPushButton *>(u"Button3"_s), Qt::LeftButton);
            QVERIFY(!waehler[0]->isVisible());
            QVERIFY(startseite > 0);
        }
    }

    void falsche_schnittstelle_oder_kein_modul()
    {
        QVERIFY(!modul<TonModul>(QString::fromLatin1(druck_modul_name)));
        QTest::ignoreMessage(QtWarningMsg, "Modul vorlix_gibt_es_nicht nicht gefunden");
        QVERIFY(!modul<TonModul>(u"vorlix_gibt_es_nicht"_s));
    }

    void fehlendes_tonmodul_wird_einmal_gemeldet()
    {
        TestPlattform plattform;
        bool gemeldet = false;
        for (int mal = 0; mal < 2; ++mal) {
            QTest::ignoreMessage(QtWarningMsg, "Modul vorlix_ton_fehlt nicht gefunden");
            ton_ueber_modul(u"vorlix_ton_fehlt"_s, u"/tmp/horn.wav"_s, plattform, gemeldet);
        }
        QCOMPARE(plattform.texte(),
                 QStringList{u"Der Ton kann nicht abgespielt werden: Das Tonmodul "
                             u"\"vorlix_ton_fehlt\" konnte nicht geladen werden. Die Hupe bleibt "
                             u"stumm."_s});
        QCOMPARE(plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
        QVERIFY(gemeldet);
    }

    void ohne_tonausgabe_einmal_gemeldet_data()
    {
        QTest::addColumn<bool>("geraet");
        QTest::addColumn<QStringList>("gespielt");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("mit Gerät") << true << QStringList{u"a.wav"_s, u"b.wav"_s} << QStringList{};
        QTest::newRow("ohne Gerät")
            << false << QStringList{}
            << QStringList{u"Kein Tonausgabegerät gefunden – die Hupe bleibt still."_s};
    }
    void ohne_tonausgabe_einmal_gemeldet()
    {
        QFETCH(bool, geraet);
        QFETCH(QStringList, gespielt);
        QFETCH(QStringList, meldungen);
        TestPlattform plattform;
        Tonausgabe ton;
        ton.geraet = geraet;
        bool gemeldet = false;
        // "Testen" and then the horn of the first game: one message for both.
        ton_spielen(ton, u"a.wav"_s, plattform, gemeldet);
        ton_spielen(ton, u"b.wav"_s, plattform, gemeldet);
        QCOMPARE(ton.gespielt, gespielt);
        QCOMPARE(plattform.texte(), meldungen);
        if (!meldungen.isEmpty())
            QCOMPARE(plattform.meldungen.first().art, TestPlattform::Meldung::Information);
    }
};

QTEST_MAIN(TstModule)
#include "tst_module.moc"
