#include "stopwatch/stoppuhr_fenster.h"
#include "stopwatch/zeitanzeige.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstStoppuhrFenster : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        TForm19 form19{zustand, plattform};

        Programm()
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, 1);
            zustand.optionen.setze(opt::wav_datei, u"hupe.wav"_s);
            QDir().mkpath(pfad(u"Wav-Dateien"_s));
            QFile datei(pfad(u"Wav-Dateien/hupe.wav"_s));
            datei.open(QIODevice::WriteOnly);
            form19.zeigen();
        }
        // Types a length over whatever the field holds.
        void laenge_tippen(const QString &text)
        {
            QTest::keyClick(form19.RxSpinEdit1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(form19.RxSpinEdit1, text);
        }
        void sekunden(int anzahl)
        {
            for (int i = 0; i < anzahl; ++i) {
                QVERIFY(form19.Timer1->isActive());
                QMetaObject::invokeMethod(form19.Timer1, "timeout");
            }
        }
        const Zeitanzeige &plan() { return form19.stoppuhr().anzeige(Planfenster::doppel); }
    };

private slots:
    void bedienelemente_data()
    {
        QTest::addColumn<QString>("objekt");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("zugaenglich");

        QTest::newRow("Label1") << u"Label1"_s << u"0 : 0"_s << u"Spieldauer"_s;
        QTest::newRow("Label2") << u"Label2"_s << u"Spieldauer in &Minuten"_s
                                << u"Spieldauer in Minuten"_s;
        QTest::newRow("RxSpinEdit1") << u"RxSpinEdit1"_s << u"0"_s << u"Spieldauer in Minuten"_s;
        QTest::newRow("Button1") << u"Button1"_s << u"&Start"_s << u"Start"_s;
        QTest::newRow("Button2") << u"Button2"_s << u"S&top"_s << u"Stop"_s;
        QTest::newRow("Button3") << u"Button3"_s << u"&Reset"_s << u"Reset"_s;
        QTest::newRow("Button4") << u"Button4"_s << u"&Beenden"_s << u"Beenden"_s;
        QTest::newRow("CheckBox1") << u"CheckBox1"_s << u"&Nach Start Fenster schliessen."_s
                                   << u"Nach Start Fenster schliessen."_s;
    }
    void bedienelemente()
    {
        QFETCH(QString, objekt);
        QFETCH(QString, text);
        QFETCH(QString, zugaenglich);
        TestOrdner t;
        TestPlattform plattform;
        TForm19 form19(t.zustand, plattform);

        auto *element = form19.findChild<QWidget *>(objekt);
        QVERIFY(element);
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(element);
        QVERIFY(zugang);
        QCOMPARE(zugang->text(QAccessible::Name), zugaenglich);
        if (auto *label = qobject_cast<QLabel *>(element))
            QCOMPARE(label->text(), text);
        else if (auto *knopf = qobject_cast<QAbstractButton *>(element))
            QCOMPARE(knopf->text(), text);
        else
            QCOMPARE(qobject_cast<QSpinBox *>(element)->text(), text);
    }

    // Without a chosen horn the window says so and leads to the choice in the settings; once
    // one is chosen there, the hint goes when the window is shown again.
    void ohne_hupe_ein_hinweis_data()
    {
        QTest::addColumn<QString>("wav_datei");
        QTest::addColumn<bool>("hinweis");
        QTest::newRow("keine gewählt") << QString() << true;
        QTest::newRow("gewählt") << u"hupe.wav"_s << false;
    }
    void ohne_hupe_ein_hinweis()
    {
        QFETCH(QString, wav_datei);
        QFETCH(bool, hinweis);
        Programm p;
        p.form19.close();
        p.zustand.optionen.setze(opt::wav_datei, wav_datei);
        p.form19.zeigen();
        auto *text = p.form19.findChild<QLabel *>(u"KeineHupe"_s);
        auto *knopf = p.form19.findChild<QPushButton *>(u"HupeWaehlen"_s);
        QVERIFY(text && knopf);
        QCOMPARE(text->isVisible(), hinweis);
        QCOMPARE(knopf->isVisible(), hinweis);
        if (!hinweis)
            return;
        QCOMPARE(text->text(), u"Keine Hupe gewählt"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(knopf)->text(QAccessible::Name),
                 u"Hupe wählen"_s);
        QSignalSpy verlangt(&p.form19, &TForm19::hupe_waehlen_verlangt);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(verlangt.size(), 1);
        p.zustand.optionen.setze(opt::wav_datei, u"hupe.wav"_s);
        p.form19.close();
        p.form19.zeigen();
        QVERIFY(!text->isVisible());
        QVERIFY(!knopf->isVisible());
    }

    void fenster_mitte_hilfe_und_anfangszustand()
    {
        Programm p;
        QCOMPARE(p.form19.windowTitle(), u"Stoppuhr"_s);
        // Centred up to the window frame, which the system adds.
        const QPoint abstand = p.form19.frameGeometry().center() - p.plattform.schirm.center();
        QVERIFY(abstand.manhattanLength() <= 8);
        QCOMPARE(p.form19.Label2->buddy(), p.form19.RxSpinEdit1);
        QCOMPARE(p.form19.RxSpinEdit1->minimum(), 0);
        QVERIFY(!p.form19.Timer1->isActive());
        QCOMPARE(p.form19.Timer1->interval(), 1000);
        QCOMPARE(p.form19.Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(!p.form19.Button1->isEnabled());

        QVERIFY(QTest::qWaitForWindowActive(&p.form19));
        QTest::keyClick(&p.form19, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe,
                 (QList<QPair<QString, int>>{{p.zustand.hilfe_datei, 150}}));
    }

    void spiel_mit_schliessen_nach_start()
    {
        Programm p;
        QTest::mouseClick(p.form19.CheckBox1, Qt::LeftButton);
        TOptionen gelesen;
        optionen_lesen(gelesen, p.zustand.daten_pfad);
        QCOMPARE(gelesen.wert(opt::uhr_schliessen), 1);

        p.laenge_tippen(u"1"_s);
        QCOMPARE(p.form19.Label1->text(), u"01 : 00"_s);
        QVERIFY(p.form19.Button1->isEnabled());
        QTest::mouseClick(p.form19.Button1, Qt::LeftButton);

        QVERIFY(!p.form19.isVisible());
        QCOMPARE(p.plan().text, u"01 : 00"_s);
        QCOMPARE(p.plan().farbe, uhr_gruen);
        p.sekunden(59);
        QCOMPARE(p.plan().text, u"00 : 01"_s);
        QCOMPARE(p.plan().farbe, uhr_rot);
        QVERIFY(p.plattform.abgespielte_toene.isEmpty());
        p.sekunden(1);
        QCOMPARE(p.plan().text, u"00 : 00"_s);
        QCOMPARE(p.plattform.abgespielte_toene, QStringList{p.pfad(u"Wav-Dateien/hupe.wav"_s)});
        QVERIFY(!p.form19.Timer1->isActive());
        QVERIFY(!p.form19.Button1->isEnabled());

        // Opened again, the box shows the stored choice.
        p.form19.zeigen();
        QVERIFY(p.form19.CheckBox1->isChecked());
    }

    void knoepfe_stop_start_reset_beenden()
    {
        Programm p;
        p.laenge_tippen(u"2"_s);
        QTest::mouseClick(p.form19.Button1, Qt::LeftButton);
        QVERIFY(p.form19.isVisible());
        QVERIFY(!p.form19.Button1->isEnabled());
        p.sekunden(3);

        QTest::mouseClick(p.form19.Button2, Qt::LeftButton);
        QVERIFY(!p.form19.Timer1->isActive());
        QVERIFY(p.form19.Button1->isEnabled());
        QVERIFY(!p.form19.Button2->isEnabled());
        QTest::mouseClick(p.form19.Button1, Qt::LeftButton);
        p.sekunden(1);
        QCOMPARE(p.plan().text, u"01 : 56"_s);

        QTest::mouseClick(p.form19.Button3, Qt::LeftButton);
        QVERIFY(p.form19.Timer1->isActive());
        QCOMPARE(p.form19.RxSpinEdit1->text(), u"0"_s);
        QCOMPARE(p.form19.Label1->text(), u"00 : 00"_s);
        QCOMPARE(p.plan().text, u"00 : 00"_s);
        QVERIFY(!p.form19.Button1->isEnabled());
        QVERIFY(p.form19.Button2->isEnabled());

        QTest::mouseClick(p.form19.Button4, Qt::LeftButton);
        QVERIFY(!p.form19.Timer1->isActive());
        QVERIFY(!p.form19.isVisible());
    }

    void aus_dem_plan_geoeffnet_beginnt_bei_null()
    {
        Programm p;
        p.zustand.setze(opt::doppel_modus, 0);
        p.laenge_tippen(u"5"_s);
        QTest::mouseClick(p.form19.Button1, Qt::LeftButton);
        p.sekunden(2);
        p.form19.close();
        p.zustand.setze(opt::uhr_schliessen, 1);

        p.form19.aus_plan_oeffnen(Planfenster::einzel);

        QVERIFY(p.form19.isVisible());
        QVERIFY(!p.form19.Timer1->isActive());
        QCOMPARE(p.form19.RxSpinEdit1->text(), u"0"_s);
        QCOMPARE(p.form19.Label1->text(), u"00 : 00"_s);
        QVERIFY(p.form19.CheckBox1->isChecked());
        QVERIFY(!p.form19.Button1->isEnabled());
        const Zeitanzeige &einzel = p.form19.stoppuhr().anzeige(Planfenster::einzel);
        QCOMPARE(einzel.text, u"00 : 00"_s);
        QCOMPARE(einzel.farbe, clBtnFace);
    }

    void laengenfeld_eingaben_data()
    {
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QStringList>("meldungen");

        QTest::newRow("geleert") << QString() << QStringList{u"'' ist kein gültiger Integerwert"_s};
        QTest::newRow("Buchstaben") << u"x"_s << QStringList{};
        QTest::newRow("Minus") << u"-"_s << QStringList{};
    }
    void laengenfeld_eingaben()
    {
        QFETCH(QString, tasten);
        QFETCH(QStringList, meldungen);
        Programm p;
        p.laenge_tippen(u"3"_s);

        QTest::keyClick(p.form19.RxSpinEdit1, Qt::Key_A, Qt::ControlModifier);
        if (tasten.isEmpty())
            QTest::keyClick(p.form19.RxSpinEdit1, Qt::Key_Backspace);
        else
            QTest::keyClicks(p.form19.RxSpinEdit1, tasten);

        QCOMPARE(p.plattform.texte(), meldungen);
        QCOMPARE(p.form19.Label1->text(), u"03 : 00"_s);
        QCOMPARE(p.plan().text, u"03 : 00"_s);
        QVERIFY(p.form19.Button1->isEnabled());
    }
};

QTEST_MAIN(TstStoppuhrFenster)
#include "tst_stoppuhr_fenster.moc"
