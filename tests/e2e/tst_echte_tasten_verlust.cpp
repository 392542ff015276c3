// Every way typed results were lost, played with the real platform: Qt's own message boxes, a
// window manager and key presses that come through the X server (xdotool). The ends of the
// program are played on the real program, started as its own process.
#include "../matchplan/plan_testhilfe.h"
#include "app/hauptfenster_fenster.h"
#include "app/qt_plattform.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/dateiwahl_fenster.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/spieltag.h"
#include "matchplan/spieltag_namen.h"
#include "matchplan/spieltag_pruefung.h"
#include "matchplan/wiederherstellung.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString frage_laden =
    u"Die Ergebnisse dieses Plans sind nicht gespeichert. Trotzdem einen Spieltag laden?"_s;

// The keys go through the X server; the program handles them while the test waits.
bool xdotool(const QStringList &argumente)
{
    const bool ok = QProcess::execute(u"xdotool"_s, argumente) == 0;
    QTest::qWait(250);
    return ok;
}

void tippen(const QString &text)
{
    QVERIFY(xdotool({u"type"_s, u"--delay"_s, u"40"_s, u"--"_s, text}));
}

void taste(const QString &name)
{
    QVERIFY(xdotool({u"key"_s, u"--delay"_s, u"40"_s, name}));
}

// A real click at a point of a widget (its middle by default), wherever the focus is.
void klicken(QWidget *ziel, QPoint punkt = {})
{
    const QPoint global = ziel->mapToGlobal(punkt.isNull() ? ziel->rect().center() : punkt);
    QVERIFY(xdotool({u"mousemove"_s, u"--sync"_s, QString::number(global.x()),
                     QString::number(global.y()), u"click"_s, u"1"_s}));
}

// Answers every message box with the next of its keys (Return, the box's default, when none is
// left) and keeps its text and the captions of its buttons.
class Beantworter : public QObject
{
public:
    QStringList texte;
    QList<QStringList> knoepfe;
    QStringList tasten;

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
        QStringList beschriftungen;
        for (QAbstractButton *knopf : box->buttons())
            beschriftungen << knopf->text();
        knoepfe << beschriftungen;
        taste(tasten.isEmpty() ? u"Return"_s : tasten.takeFirst());
    }

    QTimer m_takt;
    QPointer<QMessageBox> m_zuletzt;
};

// A data folder with both singles line-ups of three and the help file.
void daten_anlegen(Zustand &zustand)
{
    QFile hilfe(zustand.pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
    hilfe.open(QIODevice::WriteOnly);
    zustand.optionen_lesen();
    zustand.setze(opt::doppel_modus, 0);
    zustand.setze(opt::spieler_pro_mannschaft, 3);
    zustand.optionen_speichern();
    aufstellungen_schreiben(zustand, {u"Jürgen"_s, u"Özil"_s, u"Anna"_s},
                            {u"Ülkü"_s, u"Groß"_s, u"Eike"_s});
}

QStringList zellen(const GitterModell &gitter)
{
    QStringList alle;
    for (int r = 0; r < gitter.RowCount(); ++r)
        alle << gitter.Rows(r).join(u'|');
    return alle;
}

} // namespace

class TstEchteTastenVerlust : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        QtPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        SpielplanFenster *plan = nullptr;

        Programm()
        {
            daten_anlegen(zustand);
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
            plan = haupt->findChild<SpielplanFenster *>("Form6");
        }
        TForm12 *dateiwahl() const { return haupt->findChild<TForm12 *>("Form12"); }
        QStringList tabelle() const { return zellen(plan->FilterGrid1->modell()); }
        QStringList matrix() const { return zellen(plan->FilterGrid2->modell()); }
        QStringList tagesdateien() const
        {
            return QDir(zustand.daten_pfad).entryList({u"E_*"_s}, QDir::Files, QDir::Name);
        }
    };

    static void aktiv(QWidget *fenster)
    {
        QVERIFY(fenster);
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
    }

    // The keys go to the matrix again (a button pressed with its Alt key took the focus).
    static void matrix_fokus(Programm &p)
    {
        aktiv(p.plan);
        p.plan->FilterGrid2->setFocus();
        QTRY_VERIFY(p.plan->FilterGrid2->hasFocus());
    }

    // Results typed into the cell on show and the one right of it, each closed with Return.
    static void ergebnisse_tippen(Programm &p, const QString &erstes, const QString &zweites)
    {
        matrix_fokus(p);
        tippen(erstes);
        taste(u"Return"_s);
        taste(u"Right"_s);
        tippen(zweites);
        taste(u"Return"_s);
        QTRY_VERIFY(!p.plan->FilterGrid2->indexWidget(p.plan->FilterGrid2->currentIndex()));
    }

    // "Laden" with Alt+L; the file choice comes when the plan has hidden itself.
    static void laden_druecken(Programm &p)
    {
        aktiv(p.plan);
        taste(u"alt+l"_s);
    }

    // The first day of the file choice taken with the mouse.
    static void ersten_tag_waehlen(Programm &p)
    {
        TForm12 *wahl = nullptr;
        QTRY_VERIFY((wahl = p.dateiwahl()) && wahl->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(wahl));
        QListWidget *liste = wahl->FileListBox1;
        klicken(liste->viewport(), liste->visualItemRect(liste->item(0)).center());
        QTRY_VERIFY(liste->item(0)->isSelected());
        klicken(wahl->Button1);
        QTRY_VERIFY(!wahl->isVisible());
    }

    // The real program on a data folder, with its windows found through the X server.
    struct EchtesProgramm
    {
        QTemporaryDir ordner;
        Zustand zustand;
        QProcess prozess;

        EchtesProgramm()
        {
            zustand.daten_pfad = ordner.path() + u'/';
            daten_anlegen(zustand);
        }
        ~EchtesProgramm()
        {
            if (prozess.state() != QProcess::NotRunning) {
                prozess.kill();
                prozess.waitForFinished(10000);
            }
        }
        bool starten()
        {
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(u"VORLIX_DATEN"_s, zustand.daten_pfad);
            umgebung.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            prozess.setProcessEnvironment(umgebung);
            prozess.setProcessChannelMode(QProcess::ForwardedChannels);
            prozess.start(QString::fromUtf8(VORLIX_PROGRAMM), {});
            return prozess.waitForStarted(30000);
        }
        // The visible window of the program whose title begins so, activated.
        QString fenster(const QString &titel)
        {
            QString kennung;
            QDeadlineTimer frist(60000);
            while (kennung.isEmpty() && !frist.hasExpired() &&
                   prozess.state() == QProcess::Running) {
                QProcess suche;
                suche.start(u"xdotool"_s,
                            {u"search"_s, u"--all"_s, u"--onlyvisible"_s, u"--pid"_s,
                             QString::number(prozess.processId()), u"--name"_s, u'^' + titel});
                suche.waitForFinished(10000);
                kennung = QString::fromUtf8(suche.readAllStandardOutput()).section(u'\n', 0, 0);
                if (kennung.isEmpty())
                    QTest::qWait(250);
            }
            if (!kennung.isEmpty())
                xdotool({u"windowactivate"_s, u"--sync"_s, kennung});
            return kennung;
        }
    };

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), u"xcb"_s); }

    // "Laden" over unsaved results, "Ja", and the file choice left with "Beenden": the plan
    // comes back as it was.
    void laden_abgebrochen()
    {
        Programm p;
        ergebnisse_tippen(p, u"3:2"_s, u"1:4"_s);
        const QStringList tabelle = p.tabelle();
        const QStringList matrix = p.matrix();
        Beantworter antwort;

        laden_druecken(p);
        TForm12 *wahl = nullptr;
        QTRY_VERIFY((wahl = p.dateiwahl()) && wahl->isVisible());
        QVERIFY(!p.plan->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(wahl));
        klicken(wahl->Button2);

        QTRY_VERIFY(p.plan->isVisible());
        QVERIFY(!wahl->isVisible());
        QCOMPARE(antwort.texte, QStringList{frage_laden});
        QCOMPARE(antwort.knoepfe, QList<QStringList>{(QStringList{u"Ja"_s, u"Nein"_s})});
        QCOMPARE(p.tabelle(), tabelle);
        QCOMPARE(p.matrix(), matrix);
        QVERIFY(!p.haupt->Panel5->isVisible());
    }

    // A stored day whose result matrix is cut short is refused under its own name, with an
    // "OK" button, and the unsaved plan comes back.
    void beschaedigter_tag_abgelehnt()
    {
        Programm p;
        ergebnisse_tippen(p, u"3:2"_s, u"1:4"_s);
        taste(u"alt+s"_s);
        const Spieltagdateien namen = spieltag_dateinamen(false, 3, p.plattform.jetzt().date());
        QTRY_VERIFY(QFile::exists(p.pfad(namen.satz)));
        QFile gekuerzt(p.pfad(namen.matrix));
        QVERIFY(gekuerzt.resize(gekuerzt.size() / 2));
        matrix_fokus(p);
        taste(u"Down"_s);
        tippen(u"6:6"_s);
        taste(u"Return"_s);
        QTRY_VERIFY(p.plan->spielplan().ungespeichert());
        const QStringList matrix = p.matrix();
        Beantworter antwort;

        laden_druecken(p);
        ersten_tag_waehlen(p);

        QTRY_COMPARE(antwort.texte.size(), 2);
        QCOMPARE(antwort.texte,
                 (QStringList{frage_laden, spieltag_beschaedigt_meldung(namen.matrix)}));
        QCOMPARE(antwort.knoepfe.last(), QStringList{u"OK"_s});
        QTRY_VERIFY(p.plan->isVisible());
        QCOMPARE(p.matrix(), matrix);
        QVERIFY(!p.haupt->Panel5->isVisible());
    }

    // Loading over unsaved results asks; "Nein" (Escape) keeps them, "Ja" loads the stored day.
    void laden_ueber_ungespeichertes()
    {
        Programm p;
        ergebnisse_tippen(p, u"3:2"_s, u"1:4"_s);
        taste(u"alt+s"_s);
        QTRY_COMPARE(p.tagesdateien().size(), 3);
        const QStringList gespeichert = p.matrix();
        matrix_fokus(p);
        taste(u"Down"_s);
        tippen(u"6:6"_s);
        taste(u"Return"_s);
        QTRY_VERIFY(p.plan->spielplan().ungespeichert());
        const QStringList ungespeichert = p.matrix();
        Beantworter antwort;
        antwort.tasten << u"Escape"_s;

        laden_druecken(p);
        QTRY_COMPARE(antwort.texte, QStringList{frage_laden});
        QTest::qWait(500);
        QVERIFY(p.plan->isVisible());
        QVERIFY(!p.dateiwahl() || !p.dateiwahl()->isVisible());
        QCOMPARE(p.matrix(), ungespeichert);

        laden_druecken(p);
        ersten_tag_waehlen(p);
        QTRY_VERIFY(p.plan->isVisible());
        QCOMPARE(antwort.texte, (QStringList{frage_laden, frage_laden}));
        QCOMPARE(p.matrix(), gespeichert);
    }

    // A day stored on an earlier date, loaded, corrected and saved with "Ja": that day's files
    // are written anew and no second day appears under today's date.
    void alter_tag_wieder_gespeichert()
    {
        const QDate alter_tag(2025, 1, 15);
        const Spieltagdateien alt = spieltag_dateinamen(false, 3, alter_tag);
        Programm p;
        {
            TestPlattform frueher;
            frueher.uhrzeit = QDateTime(alter_tag, QTime(20, 0));
            GitterModell tabelle;
            GitterModell matrix;
            Spielplan tag(p.zustand, frueher, einzel_profil(), tabelle, matrix);
            tag.oeffnen();
            matrix.SetCells(1, 1, u"3:2"_s);
            tag.FilterGrid2Change();
            tag.speichern();
        }
        QCOMPARE(p.tagesdateien(), (QStringList{alt.satz, alt.tabelle, alt.matrix}));
        Beantworter antwort;

        laden_druecken(p);
        ersten_tag_waehlen(p);
        QTRY_VERIFY(p.plan->isVisible());
        QCOMPARE(p.plan->FilterGrid2->modell().Cells(1, 1), u"3:2"_s);
        ergebnisse_tippen(p, u"5:4"_s, u"0:7"_s);
        taste(u"alt+s"_s);

        QTRY_COMPARE(antwort.texte, QStringList{u"Den Spieltag vom 15.01.2025 mit dieser Änderung "
                                                u"überschreiben?"_s});
        QTRY_VERIFY(!p.plan->spielplan().ungespeichert());
        QCOMPARE(p.tagesdateien(), (QStringList{alt.satz, alt.tabelle, alt.matrix}));
        GitterModell datei;
        datei.SetFileName(p.pfad(alt.matrix));
        QVERIFY(datei.LoadFromFile(true));
        QCOMPARE(zellen(datei), p.matrix());
        TSpieltag satz;
        QVERIFY(spieltag_lesen(p.pfad(alt.satz), satz));
        QCOMPARE(satz.bytes(),
                 spieltag_aus_tabelle(p.plan->FilterGrid1->modell(), false, 3).bytes());
    }

    void programmende_behaelt_den_tag_data()
    {
        QTest::addColumn<bool>("hupe");
        QTest::addColumn<QStringList>("ende"); // keys on the main window, then on the last page
        QTest::newRow("Schließfeld") << false << QStringList{u"alt+F4"_s};
        QTest::newRow("Beenden nach der Hupe") << true << QStringList{u"alt+b"_s, u"Return"_s};
    }
    // The real program with a result typed and not saved, ended by the close box or by
    // "Beenden", also after the horn has sounded: it ends, and the next start finds the day.
    void programmende_behaelt_den_tag()
    {
        QFETCH(bool, hupe);
        QFETCH(QStringList, ende);
        EchtesProgramm programm;
        QVERIFY(programm.starten());
        const QString haupt = programm.fenster(u"Vorlix Turnier-Quarel 2"_s);
        QVERIFY(!haupt.isEmpty());
        taste(u"alt+t"_s);
        QVERIFY(!programm.fenster(u"Turnier zwischen"_s).isEmpty());
        tippen(u"3:2"_s);
        taste(u"Return"_s);
        QTRY_COMPARE_WITH_TIMEOUT(wiederherstellung::suchen(programm.zustand.daten_pfad, false).art,
                                  wiederherstellung::Fund::ladbar, 20000);
        if (hupe) {
            QVERIFY(!programm.fenster(u"Vorlix Turnier-Quarel 2"_s).isEmpty());
            taste(u"alt+n"_s);
            QVERIFY(!programm.fenster(u"Einstellungen"_s).isEmpty());
            taste(u"alt+t"_s);
            taste(u"alt+b"_s);
        }
        QVERIFY(!programm.fenster(u"Vorlix Turnier-Quarel 2"_s).isEmpty());
        for (const QString &name : ende) {
            taste(name);
            QTest::qWait(500);
        }

        // Ended already, or within a bound that only a hang exceeds.
        QVERIFY(programm.prozess.state() == QProcess::NotRunning ||
                programm.prozess.waitForFinished(30000));
        QCOMPARE(programm.prozess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.prozess.exitCode(), 0);
        const wiederherstellung::Fund fund =
            wiederherstellung::suchen(programm.zustand.daten_pfad, false);
        QCOMPARE(fund.art, wiederherstellung::Fund::ladbar);
        GitterModell matrix;
        matrix.SetFileName(fund.satz.ordner + fund.satz.namen.matrix);
        QVERIFY(matrix.LoadFromFile(true));
        QCOMPARE(matrix.Cells(1, 1), u"3:2"_s);
    }
};

QTEST_MAIN(TstEchteTastenVerlust)
#include "tst_echte_tasten_verlust.moc"
