#include "../matchplan/plan_testhilfe.h"
#include "app/hauptfenster_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "app/zuschauer_anbindung_fenster.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/mannschaftszeilen_fenster.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/zuschauer_fenster.h"
#include "shell/kuerzel.h"
#include "stopwatch/stoppuhr_fenster.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDateEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The audience view in the program on a platform with one screen.
class TstZuschauerAnbindung : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        bool doppel;

        explicit Programm(bool doppel_)
            : doppel(doppel_)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
            zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß"_s);
            zustand.optionen_speichern();
            aufstellungen_schreiben(zustand, {u"Jürgen"_s, u"Jörg"_s, u"Änne"_s, u"Ömer"_s},
                                    {u"Ülkü"_s, u"Björn"_s, u"Grete"_s, u"Maß"_s});
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
        }
        SpielplanFenster *plan_oeffnen()
        {
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
            return &haupt->m_turnierplan->spielplan_fenster(doppel);
        }
        void menue()
        {
            for (QAction *aktion : haupt->menuBar()->findChildren<QAction *>()) {
                if (ohne_kuerzel(aktion->text()) == u"Zuschauer-Ansicht"_s)
                    aktion->trigger();
            }
        }
        ZuschauerFenster *zuschauer() const { return haupt->m_zuschauer->fenster(); }
    };

    static void tippen(TFilterGrid *matrix, int c, int r, const QString &text)
    {
        matrix->modell().SetCol(c);
        matrix->modell().SetRow(r);
        matrix->modell().editieren_beginnt(c, r);
        for (qsizetype i = 1; i <= text.size(); ++i)
            matrix->modell().text_editiert(c, r, text.left(i));
    }

private slots:
    void aus_dem_menue_ohne_plan()
    {
        Programm p(false);
        p.menue();
        ZuschauerFenster *z = p.zuschauer();
        QVERIFY(z && z->isVisible());
        // One screen: a normal window in front of the program.
        QVERIFY(!z->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!z->isFullScreen());
        QVERIFY(z->m_hinweis->isVisible());
        QVERIFY(p.haupt->Panel5->isVisible());
        QCOMPARE(z->accessibleName(), u"Zuschauer-Ansicht"_s);

        // The plan opened afterwards is what the view follows.
        SpielplanFenster *plan = p.plan_oeffnen();
        QVERIFY(!z->m_hinweis->isVisible());
        QCOMPARE(z->plan(), &plan->spielplan());
        QCOMPARE(z->m_rangliste[0][1]->text(), u"Jürgen"_s);
    }

    // The view follows the plan on show: closing it without saving ("Beenden" or the close
    // box) takes its standings off the hall's screen, and the menu then opens none; the date is
    // the plan's, not today's.
    void geschlossener_plan_verschwindet_data()
    {
        QTest::addColumn<bool>("schliessfeld");
        QTest::newRow("Beenden") << false;
        QTest::newRow("Schließfeld") << true;
    }
    void geschlossener_plan_verschwindet()
    {
        QFETCH(bool, schliessfeld);
        Programm p(false);
        SpielplanFenster *plan = p.plan_oeffnen();
        p.menue();
        ZuschauerFenster *z = p.zuschauer();
        QCOMPARE(z->plan(), &plan->spielplan());
        plan->DateEdit1->setDate(QDate(2026, 11, 11));
        QCOMPARE(z->m_datum->text(), u"Mittwoch, 11. November 2026"_s);
        tippen(plan->FilterGrid2, 1, 2, u"5:3"_s);
        plan->FilterGrid2->modell().editieren_endet();
        QCOMPARE(z->m_rangliste[0][1]->text(), u"Björn"_s);

        if (schliessfeld)
            plan->close();
        else
            QTest::mouseClick(plan->Button3, Qt::LeftButton);
        QVERIFY(!plan->isVisible());
        QCOMPARE(z->plan(), nullptr);
        QVERIFY(z->m_hinweis->isVisible());
        QVERIFY(z->m_rangliste[0][1]->text().isEmpty());
        QCOMPARE(z->m_datum->text(), u"Dienstag, 8. Dezember 2026"_s);

        z->close();
        p.menue();
        QVERIFY(z->isVisible());
        QCOMPARE(z->plan(), nullptr);
        // Shown again, the plan is followed again.
        plan = p.plan_oeffnen();
        QCOMPARE(z->plan(), &plan->spielplan());
    }

    void f11_im_plan_mit_stoppuhr_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::newRow("Doppel") << true;
        QTest::newRow("Einzel") << false;
    }
    void f11_im_plan_mit_stoppuhr()
    {
        QFETCH(bool, doppel);
        Programm p(doppel);
        SpielplanFenster *plan = p.plan_oeffnen();
        plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(plan));
        QTest::keyClick(plan, Qt::Key_F11);
        ZuschauerFenster *z = p.zuschauer();
        QVERIFY(z && z->isVisible());
        QCOMPARE(z->plan(), &plan->spielplan());

        // A result being typed is the plan's, not the hall's, until its editor closes.
        tippen(plan->FilterGrid2, 1, 2, u"5:3"_s);
        QCOMPARE(z->m_rangliste[0][0]->text(), QString());
        QCOMPARE(z->m_mannschaft1->text(),
                 u"Grün-Weiß: 0 Spiele gewonnen, 0 Punkte, %1 Spiele offen"_s.arg(doppel ? 4 : 16));
        plan->FilterGrid2->modell().editieren_endet();
        const QString erster = doppel ? u"Grete/Maß"_s : u"Björn"_s;
        QCOMPARE(z->m_rangliste[0][0]->text(), u"1"_s);
        QCOMPARE(z->m_rangliste[0][1]->text(), erster);
        const QString zeile =
            u"Grün-Weiß: 0 Spiele gewonnen, 3 Punkte, %1 Spiele offen"_s.arg(doppel ? 3 : 15);
        QCOMPARE(z->m_mannschaft1->text(), zeile);
        QCOMPARE(plan->m_mannschaftszeilen->m_zeile1->text(), zeile);
        QCOMPARE(
            plan->m_mannschaftszeilen->m_zeile2->text(),
            u"Mannschaft 2: 1 Spiel gewonnen, 5 Punkte, %1 Spiele offen"_s.arg(doppel ? 3 : 15));
        // The team lines stand between the standings and the matrix.
        QCOMPARE(plan->m_mannschaftszeilen->y(), plan->FilterGrid1->geometry().bottom() + 1);
        QCOMPARE(plan->FilterGrid2->y(), plan->m_mannschaftszeilen->geometry().bottom() + 1);

        // The stopwatch counts in the plan's Panel6 and in the view alike.
        auto *form19 = p.haupt->findChild<TForm19 *>("Form19");
        QTest::mouseClick(plan->SpeedButton1, Qt::LeftButton);
        QTest::keyClick(form19->RxSpinEdit1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form19->RxSpinEdit1, u"1"_s);
        QTest::mouseClick(form19->Button1, Qt::LeftButton);
        QCOMPARE(z->m_spielzeit->text(), u"01 : 00"_s);
        QCOMPARE(z->m_spielzeit->grund(), QColor(0, 255, 0));
        QMetaObject::invokeMethod(form19->Timer1, "timeout");
        QCOMPARE(z->m_spielzeit->text(), plan->Panel6->text());
        QCOMPARE(z->m_spielzeit->grund(), QColor(255, 255, 0));
        QTest::mouseClick(plan->SpeedButton2, Qt::LeftButton);
        QCOMPARE(z->m_spielzeit->text(), u"00 : 00"_s);
        QCOMPARE(z->m_spielzeit->farbe(), QColor(Qt::white));

        plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(plan));
        QTest::keyClick(plan, Qt::Key_F11);
        QVERIFY(!z->isVisible());
    }
};

QTEST_MAIN(TstZuschauerAnbindung)
#include "tst_zuschauer_anbindung.moc"
