#include "shell/druck_modul.h"
#include "shell/module.h"
#include "shell/ton_modul.h"

#include <QtTest>

using namespace Qt::StringLiterals;

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

    void falsche_schnittstelle_oder_kein_modul()
    {
        QVERIFY(!modul<TonModul>(QString::fromLatin1(druck_modul_name)));
        QTest::ignoreMessage(QtWarningMsg, "Modul vorlix_gibt_es_nicht nicht gefunden");
        QVERIFY(!modul<TonModul>(u"vorlix_gibt_es_nicht"_s));
    }
};

QTEST_MAIN(TstModule)
#include "tst_module.moc"
