#include "app/einstellungen_fenster.h"
#include "app/hauptfenster_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "matchplan/spielplan_fenster.h"
#include "stopwatch/stoppuhr_fenster.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QColor gruen(0, 255, 0);
const QColor gelb(255, 255, 0);
const QColor rot(255, 0, 0);

} // namespace

class TstPlanuhrAnbindung : public QObject
{
    Q_OBJECT

    // The program after start-up with the plan of the game kind open, a horn in "Wav-Dateien".
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        SpielplanFenster *plan = nullptr;
        TForm19 *form19 = nullptr;

        explicit Programm(bool doppel)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
            zustand.optionen.setze(opt::wav_datei, u"hupe.wav"_s);
            zustand.optionen_speichern();
            QDir().mkpath(pfad(u"Wav-Dateien"_s));
            QFile hupe(pfad(u"Wav-Dateien/hupe.wav"_s));
            hupe.open(QIODevice::WriteOnly);
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
            turnierplan_anzeigen();
            plan = &haupt->m_turnierplan->spielplan_fenster(doppel);
            form19 = haupt->findChild<TForm19 *>("Form19");
        }
        void turnierplan_anzeigen()
        {
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
        }
        // The plan's stopwatch button, then a length typed and "Start".
        void spiel_starten(const QString &minuten)
        {
            QTest::mouseClick(plan->SpeedButton1, Qt::LeftButton);
            QTest::keyClick(form19->RxSpinEdit1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(form19->RxSpinEdit1, minuten);
            QTest::mouseClick(form19->Button1, Qt::LeftButton);
        }
        void sekunden(int anzahl)
        {
            for (int i = 0; i < anzahl; ++i) {
                QVERIFY(form19->Timer1->isActive());
                QMetaObject::invokeMethod(form19->Timer1, "timeout");
            }
        }
    };

    static QColor farbe(const SpielplanFenster *plan)
    {
        return plan->Panel6->palette().color(QPalette::Window);
    }
    static QColor knopffarbe(const SpielplanFenster *plan)
    {
        return plan->palette().color(QPalette::Button);
    }

    static void spielarten()
    {
        QTest::addColumn<bool>("doppel");
        QTest::newRow("Doppel") << true;
        QTest::newRow("Einzel") << false;
    }

private slots:
    // Without a chosen horn the stopwatch leads to the settings, at the horn's choice.
    void hupe_waehlen_oeffnet_die_einstellungen()
    {
        Programm p(true);
        p.zustand.optionen.setze(opt::wav_datei, QString());
        p.zustand.optionen_speichern();
        QTest::mouseClick(p.plan->SpeedButton1, Qt::LeftButton);
        auto *waehlen = p.form19->findChild<QPushButton *>(u"HupeWaehlen"_s);
        QVERIFY(waehlen && waehlen->isVisible());
        QTest::mouseClick(waehlen, Qt::LeftButton);
        TForm10 *einstellungen = p.haupt->Form10;
        QVERIFY(einstellungen && einstellungen->isVisible());
        QCOMPARE(einstellungen->focusWidget(), einstellungen->SpeedButton5);
        QCOMPARE(einstellungen->Edit6->text(), QString());
    }

    void spiel_laeuft_im_plan_der_spielart_data() { spielarten(); }
    void spiel_laeuft_im_plan_der_spielart()
    {
        QFETCH(bool, doppel);
        Programm p(doppel);
        SpielplanFenster &anderer = p.haupt->m_turnierplan->spielplan_fenster(!doppel);
        QVERIFY(p.form19);
        QVERIFY(!p.form19->isVisible());

        QTest::mouseClick(p.plan->SpeedButton1, Qt::LeftButton);
        QVERIFY(p.form19->isVisible());
        QTest::mouseClick(p.form19->CheckBox1, Qt::LeftButton);
        p.spiel_starten(u"1"_s);

        QVERIFY(!p.form19->isVisible());
        QCOMPARE(p.plan->Panel6->text(), u"01 : 00"_s);
        QCOMPARE(farbe(p.plan), gruen);
        QCOMPARE(anderer.Panel6->text(), u"0 : 0"_s);
        p.sekunden(1);
        // The last minute shows in both plans.
        for (const SpielplanFenster *plan : {p.plan, &anderer}) {
            QCOMPARE(plan->Panel6->text(), u"00 : 59"_s);
            QCOMPARE(farbe(plan), gelb);
        }
        p.sekunden(45);
        QCOMPARE(p.plan->Panel6->text(), u"00 : 14"_s);
        QCOMPARE(farbe(p.plan), rot);
        QVERIFY(p.plattform.abgespielte_toene.isEmpty());
        p.sekunden(14);
        QCOMPARE(p.plan->Panel6->text(), u"00 : 00"_s);
        QCOMPARE(p.plattform.abgespielte_toene, QStringList{p.pfad(u"Wav-Dateien/hupe.wav"_s)});
        QVERIFY(!p.form19->Timer1->isActive());
    }

    void planknoepfe_oeffnen_und_setzen_zurueck_data() { spielarten(); }
    void planknoepfe_oeffnen_und_setzen_zurueck()
    {
        QFETCH(bool, doppel);
        Programm p(doppel);
        p.spiel_starten(u"2"_s);
        QVERIFY(p.form19->isVisible());
        p.sekunden(3);
        QCOMPARE(p.plan->Panel6->text(), u"01 : 57"_s);

        QTest::mouseClick(p.plan->SpeedButton2, Qt::LeftButton);
        QVERIFY(!p.form19->Timer1->isActive());
        QCOMPARE(p.plan->Panel6->text(), u"00 : 00"_s);
        QCOMPARE(farbe(p.plan), knopffarbe(p.plan));
        QCOMPARE(p.form19->Label1->text(), u"00 : 00"_s);
        QCOMPARE(p.form19->RxSpinEdit1->text(), u"0"_s);
        QCOMPARE(p.zustand.uhr_minuten, 0);
        QCOMPARE(p.zustand.uhr_sekunden, 0);

        p.spiel_starten(u"3"_s);
        p.sekunden(1);
        p.form19->close();
        p.zustand.setze(opt::uhr_schliessen, 1);
        QTest::mouseClick(p.plan->SpeedButton1, Qt::LeftButton);
        QVERIFY(p.form19->isVisible());
        QVERIFY(!p.form19->Timer1->isActive());
        QVERIFY(p.form19->CheckBox1->isChecked());
        QCOMPARE(p.form19->RxSpinEdit1->text(), u"0"_s);
        QVERIFY(!p.form19->Button1->isEnabled());
        QCOMPARE(p.plan->Panel6->text(), u"00 : 00"_s);
        QCOMPARE(farbe(p.plan), knopffarbe(p.plan));
    }

    void turnierplan_anzeigen_stoppt_und_setzt_zurueck()
    {
        Programm p(true);
        p.spiel_starten(u"3"_s);
        p.sekunden(5);
        QCOMPARE(p.plan->Panel6->text(), u"02 : 55"_s);

        p.turnierplan_anzeigen();

        QVERIFY(!p.form19->Timer1->isActive());
        QCOMPARE(p.plan->Panel6->text(), u"00 : 00"_s);
        QCOMPARE(farbe(p.plan), knopffarbe(p.plan));
        QCOMPARE(p.form19->RxSpinEdit1->text(), u"0"_s);
        QCOMPARE(p.zustand.uhr_minuten, 0);
        QCOMPARE(p.zustand.uhr_sekunden, 0);
        QCOMPARE(p.zustand.uhr_pause, 0);
    }

    void plan_zeigen_beginnt_ein_neues_spiel()
    {
        Programm p(false);
        p.spiel_starten(u"2"_s);
        p.sekunden(5);
        QTest::mouseClick(p.form19->Button2, Qt::LeftButton);
        QCOMPARE(p.zustand.uhr_pause, 1);

        p.plan->hide();
        p.plan->show();

        QCOMPARE(p.zustand.uhr_pause, 0);
        QTest::mouseClick(p.form19->Button1, Qt::LeftButton);
        QCOMPARE(p.plan->Panel6->text(), u"02 : 00"_s);
    }
};

QTEST_MAIN(TstPlanuhrAnbindung)
#include "tst_planuhr_anbindung.moc"
