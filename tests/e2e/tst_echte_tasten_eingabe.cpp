// The standings follow the matrix cell as it reads, and the keys of a spreadsheet (Escape,
// Delete) work on it: through the real platform, with Qt's own message boxes, a window manager
// and key presses and clicks that come through the X server (xdotool).
#include "../matchplan/plan_testhilfe.h"
#include "app/hauptfenster_fenster.h"
#include "app/qt_plattform.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/mannschaftszeilen_fenster.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
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

// A real left click into the middle of a matrix cell.
void zelle_klicken(TFilterGrid *gitter, int c, int r)
{
    const QRect zelle = gitter->visualRect(gitter->model()->index(r, c));
    const QPoint ort = gitter->viewport()->mapToGlobal(zelle.center());
    xdotool(
        {u"mousemove"_s, QString::number(ort.x()), QString::number(ort.y()), u"click"_s, u"1"_s});
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

class TstEchteTastenEingabe : public QObject
{
    Q_OBJECT

    // A singles plan of three entries per team, open and active, matrix cell (1, 1) chosen.
    struct Programm : TestOrdner
    {
        QtPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        SpielplanFenster *plan = nullptr;

        Programm()
        {
            QFile hilfe(pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
            hilfe.open(QIODevice::WriteOnly);
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, 0);
            zustand.setze(opt::spieler_pro_mannschaft, 3);
            zustand.optionen_speichern();
            aufstellungen_schreiben(zustand, {u"Jürgen"_s, u"Özil"_s, u"Anna"_s},
                                    {u"Ülkü"_s, u"Groß"_s, u"Eike"_s});
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
            plan = haupt->findChild<SpielplanFenster *>("Form6");
        }

        TFilterGrid *matrix() const { return plan->FilterGrid2; }
        // The scores of the game of team-1 entry c against team-2 entry r, the row's first.
        QString spiel(int c, int r) const
        {
            const GitterModell &tabelle = plan->FilterGrid1->modell();
            return tabelle.Cells(c, plan::zeile(Mannschaft::zwei, r)) + u'|' +
                   tabelle.Cells(r, plan::zeile(Mannschaft::eins, c));
        }
        QString ges(Mannschaft mannschaft, int k) const
        {
            return plan->FilterGrid1->modell().Cells(plan::summen_spalte(3),
                                                     plan::zeile(mannschaft, k));
        }
        QString team2_zeile() const { return plan->m_mannschaftszeilen->m_zeile2->text(); }
        bool editor_offen() const
        {
            return matrix()->indexWidget(matrix()->currentIndex()) != nullptr;
        }
    };

    static void aktiv(Programm &p)
    {
        QVERIFY(p.plan);
        p.plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.plan));
        QTRY_VERIFY(p.matrix()->hasFocus());
        QCOMPARE(p.matrix()->modell().Selection(), (TGridRect{1, 1, 1, 1}));
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), u"xcb"_s); }

    // "9:x" over "8:3": the game is open in the standings and the team line while the cell
    // says why it does not count; the message comes once, and a click on the cell brings no
    // box that would take the next keys.
    void tippfehler_ueber_einem_ergebnis_zaehlt_nichts()
    {
        Programm p;
        aktiv(p);
        Beantworter antwort;
        tippen(u"8:3"_s);
        taste(u"Return"_s);
        QTRY_VERIFY(!p.editor_offen());
        QCOMPARE(p.spiel(1, 1), u"8|3"_s);
        QCOMPARE(p.team2_zeile(), u"Mannschaft 2: 1 Spiel gewonnen, 8 Punkte, 8 Spiele offen"_s);

        tippen(u"9:x"_s);
        QTRY_COMPARE(antwort.texte, QStringList{u"'x' ist kein gültiger Integerwert"_s});
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        taste(u"Return"_s);
        QTRY_VERIFY(!p.editor_offen());
        QCOMPARE(p.matrix()->modell().Cells(1, 1), u"9:x"_s);
        QCOMPARE(p.spiel(1, 1), u"|"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), QString());
        QCOMPARE(p.team2_zeile(), u"Mannschaft 2: 0 Spiele gewonnen, 0 Punkte, 9 Spiele offen"_s);
        QVERIFY(p.matrix()
                    ->model()
                    ->index(1, 1)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .startsWith(u"Zählt nicht: "_s));

        zelle_klicken(p.matrix(), 2, 1);
        zelle_klicken(p.matrix(), 1, 1);
        QTest::qWait(300);
        QCOMPARE(antwort.texte.size(), 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        // The correction typed right after the click reaches the cell.
        tippen(u"9:4"_s);
        taste(u"Return"_s);
        QTRY_VERIFY(!p.editor_offen());
        QCOMPARE(p.matrix()->modell().Cells(1, 1), u"9:4"_s);
        QCOMPARE(p.spiel(1, 1), u"9|4"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), u"9"_s);
        QCOMPARE(antwort.texte.size(), 1);
    }

    // A minus is kept as typed, and the number it begins is refused with its message; the
    // digit after it is not lost to a box.
    void minus_bleibt_wie_getippt()
    {
        Programm p;
        aktiv(p);
        Beantworter antwort;
        tippen(u"12:-3"_s);
        QTRY_COMPARE(antwort.texte,
                     QStringList{u"'-3' ist kein gültiges Ergebnis: Ergebnisse sind ganze Zahlen "
                                 u"ab 0."_s});
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        taste(u"Return"_s);
        QTRY_VERIFY(!p.editor_offen());
        QCOMPARE(p.matrix()->modell().Cells(1, 1), u"12:-3"_s);
        QCOMPARE(p.spiel(1, 1), u"|"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), QString());
    }

    // Escape while typing puts the cell and the standings back; Delete empties the chosen cell
    // and Ctrl+Z brings it back.
    void escape_und_entfernen()
    {
        Programm p;
        aktiv(p);
        Beantworter antwort;
        tippen(u"6:4"_s);
        taste(u"Return"_s);
        QTRY_VERIFY(!p.editor_offen());
        const QStringList mit_ergebnis = {p.spiel(1, 1), p.ges(Mannschaft::zwei, 1),
                                          p.team2_zeile()};
        QCOMPARE(mit_ergebnis.first(), u"6|4"_s);

        tippen(u"7:1"_s);
        QCOMPARE(p.spiel(1, 1), u"7|1"_s);
        taste(u"Escape"_s);
        QTRY_VERIFY(!p.editor_offen());
        QCOMPARE(p.matrix()->modell().Cells(1, 1), u"6:4"_s);
        QCOMPARE((QStringList{p.spiel(1, 1), p.ges(Mannschaft::zwei, 1), p.team2_zeile()}),
                 mit_ergebnis);

        taste(u"Delete"_s);
        QTRY_COMPARE(p.matrix()->modell().Cells(1, 1), QString());
        QCOMPARE(p.spiel(1, 1), u"|"_s);
        QCOMPARE(p.ges(Mannschaft::zwei, 1), QString());
        QVERIFY(!p.editor_offen());

        taste(u"ctrl+z"_s);
        QTRY_COMPARE(p.matrix()->modell().Cells(1, 1), u"6:4"_s);
        QCOMPARE((QStringList{p.spiel(1, 1), p.ges(Mannschaft::zwei, 1), p.team2_zeile()}),
                 mit_ergebnis);
        QVERIFY(antwort.texte.isEmpty());
    }
};

QTEST_MAIN(TstEchteTastenEingabe)
#include "tst_echte_tasten_eingabe.moc"
