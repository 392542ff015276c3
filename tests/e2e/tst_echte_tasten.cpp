// Result entry through the real platform: Qt's own message boxes, a window manager and key
// presses that come through the X server (xdotool), as an organiser types them.
#include "../matchplan/plan_testhilfe.h"
#include "app/hauptfenster_fenster.h"
#include "app/qt_plattform.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/zuschauer_fenster.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The keys go through the X server; the program handles them while the test waits.
void xdotool(const QStringList &argumente)
{
    QCOMPARE(QProcess::execute(u"xdotool"_s, argumente), 0);
    QTest::qWait(250);
}

void tippen(const QString &text)
{
    xdotool({u"type"_s, u"--delay"_s, u"40"_s, u"--"_s, text});
}

void taste(const QString &name)
{
    xdotool({u"key"_s, u"--delay"_s, u"40"_s, name});
}

// Answers every message box with a real Enter and keeps its text.
class Beantworter : public QObject
{
public:
    QStringList texte;

    Beantworter()
    {
        connect(&m_takt, &QTimer::timeout, this, [this] { schauen(); });
        m_takt.start(50);
    }

private:
    void schauen()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_zuletzt || !box->isActiveWindow())
            return;
        m_zuletzt = box;
        texte << box->text();
        taste(u"Return"_s);
    }

    QTimer m_takt;
    QPointer<QMessageBox> m_zuletzt;
};

} // namespace

class TstEchteTasten : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        QtPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        SpielplanFenster *plan = nullptr;

        explicit Programm(int n)
        {
            QFile hilfe(pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
            hilfe.open(QIODevice::WriteOnly);
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, 0);
            zustand.setze(opt::spieler_pro_mannschaft, n);
            zustand.optionen_speichern();
            aufstellungen_schreiben(zustand, {u"Jürgen"_s, u"Özil"_s, u"Anna"_s},
                                    {u"Ülkü"_s, u"Groß"_s, u"Eike"_s});
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
            plan = haupt->findChild<SpielplanFenster *>("Form6");
        }

        // Score of entry k of a team in the game against the other team's entry.
        QString punkte(Mannschaft mannschaft, int k, int gegner) const
        {
            return plan->FilterGrid1->modell().Cells(gegner, plan::zeile(mannschaft, k));
        }
        QString ges(Mannschaft mannschaft, int k) const
        {
            return plan->FilterGrid1->modell().Cells(plan::summen_spalte(3),
                                                     plan::zeile(mannschaft, k));
        }
    };

    static void aktiv(Programm &p)
    {
        QVERIFY(p.plan);
        p.plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.plan));
        QTRY_VERIFY(p.plan->FilterGrid2->hasFocus());
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), u"xcb"_s); }

    void tippfehler_mit_echter_meldung()
    {
        Programm p(3);
        aktiv(p);
        Beantworter antwort;
        TFilterGrid *matrix = p.plan->FilterGrid2;
        QCOMPARE(matrix->modell().Selection(), (TGridRect{1, 1, 1, 1}));

        tippen(u"3:x"_s);
        QTRY_COMPARE(antwort.texte, QStringList{u"'x' ist kein gültiger Integerwert"_s});
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(matrix->modell().Cells(1, 1), u"3:x"_s);
        QCOMPARE(p.punkte(Mannschaft::zwei, 1, 1), QString());

        // The editor is still open with the typed text: the typo is corrected in place.
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        taste(u"BackSpace"_s);
        tippen(u"2"_s);
        taste(u"Return"_s);
        QTRY_COMPARE(matrix->modell().Cells(1, 1), u"3:2"_s);
        QTRY_VERIFY(!matrix->indexWidget(matrix->currentIndex()));
        QCOMPARE(p.punkte(Mannschaft::zwei, 1, 1), u"3"_s);
        QCOMPARE(p.punkte(Mannschaft::eins, 1, 1), u"2"_s);
        QCOMPARE(antwort.texte.size(), 1);

        // The same result typed again over it still counts.
        tippen(u"3:2"_s);
        taste(u"Return"_s);
        QTRY_VERIFY(!matrix->indexWidget(matrix->currentIndex()));
        QCOMPARE(p.punkte(Mannschaft::zwei, 1, 1), u"3"_s);
        QCOMPARE(p.ges(Mannschaft::eins, 1), u"2"_s);

        // A remark after the score.
        taste(u"Right"_s);
        QTRY_COMPARE(matrix->modell().Selection(), (TGridRect{2, 1, 2, 1}));
        tippen(u"5:3 n.V."_s);
        taste(u"Return"_s);
        QTRY_COMPARE(matrix->modell().Cells(2, 1), u"5:3 n.V."_s);
        QTRY_VERIFY(!matrix->indexWidget(matrix->currentIndex()));
        QCOMPARE(p.punkte(Mannschaft::zwei, 1, 2), u"5"_s);
        QCOMPARE(p.punkte(Mannschaft::eins, 2, 1), u"3"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), u"8"_s);
        QCOMPARE(antwort.texte.size(), 1);
    }

    // Beyond the third entry no game exists: the guard's message comes from a key press in
    // the matrix, and the program goes on.
    void waechter_mit_echter_meldung()
    {
        Programm p(3);
        aktiv(p);
        Beantworter antwort;
        TFilterGrid *matrix = p.plan->FilterGrid2;
        for (int i = 0; i < 3; ++i)
            taste(u"Right"_s);
        QTRY_COMPARE(antwort.texte, QStringList{u"Hier keine Eingabe möglich."_s});
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        tippen(u"4:4"_s);
        QTest::qWait(300);
        QCOMPARE(p.punkte(Mannschaft::zwei, 1, 4), QString());
        taste(u"Left"_s);
        QTRY_VERIFY(matrix->modell().Selection().Left <= 3);
        tippen(u"1:0"_s);
        taste(u"Return"_s);
        QTRY_COMPARE(p.punkte(Mannschaft::zwei, 1, 3), u"1"_s);
        QCOMPARE(antwort.texte.size(), 1);
    }

    // F11 puts the audience view on the second monitor; the next result typed still reaches
    // the plan.
    void zuschauer_nimmt_nicht_die_tastatur()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        Programm p(3);
        aktiv(p);
        taste(u"F11"_s);
        ZuschauerFenster *zuschauer = nullptr;
        QTRY_VERIFY((zuschauer = p.haupt->findChild<ZuschauerFenster *>()) &&
                    zuschauer->isVisible());
        QTest::qWait(500);
        QVERIFY(p.plan->isActiveWindow());

        tippen(u"2:1"_s);
        taste(u"Return"_s);
        QTRY_COMPARE(p.punkte(Mannschaft::zwei, 1, 1), u"2"_s);
        QVERIFY(!zuschauer->isActiveWindow());
    }
};

QTEST_MAIN(TstEchteTasten)
#include "tst_echte_tasten.moc"
