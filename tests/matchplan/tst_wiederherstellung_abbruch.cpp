// The program killed with SIGKILL in the middle of typing results, and ended ordinarily. The
// first run is this executable started again as a driver ("--treiber"): it builds the program's
// windows as the program does, types results through key events and reports the committed
// grids; the test then kills it, or lets it end.
#include "matchplan/wiederherstellung.h"
#include "programm_testhilfe.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QStringList namen(const QString &stamm, bool doppel)
{
    return aufstellung(stamm, doppel ? 8 : 4);
}

// The driver: results typed and committed, the set written, the grids reported line by line
// ("1" standings, "2" matrix), "bereit"; then the next result half typed, "tippt", and it waits
// for its end. With "beenden" it ends ordinarily instead, with "speichern" after "Speichern",
// with "tippend" while the next result is still in its cell's editor.
void treiber_ablauf(Lauf &lauf, bool doppel, const QByteArray &ende)
{
    SpielplanFenster *plan = lauf.oeffnen(doppel);
    TFilterGrid *matrix = plan->FilterGrid2;
    const QList<std::tuple<int, int, QString>> ergebnisse{
        {1, 1, u"3,2"_s}, {2, 4, u"7:10"_s}, {4, 4, u"0:6"_s}, {3, 2, u"12 : 9"_s}};
    bool eingetragen = true;
    for (const auto &[c, r, text] : ergebnisse)
        eingetragen &= ergebnis_eintragen(matrix, c, r, text);
    const bool geschrieben =
        QTest::qWaitFor([plan] { return !plan->wiederherstellung().vorgemerkt(); });
    QTextStream aus(stdout);
    if (eingetragen && geschrieben &&
        wiederherstellung::suchen(lauf.zustand.daten_pfad, doppel).art ==
            wiederherstellung::Fund::ladbar)
        aus << "gesichert\n";
    for (const auto &[kennung, gitter] :
         {std::pair{u'1', plan->FilterGrid1}, std::pair{u'2', plan->FilterGrid2}}) {
        for (const QString &zeile : zellen(gitter->modell()))
            aus << kennung << zeile << '\n';
    }
    aus << "bereit\n";
    aus.flush();
    if (ende == "speichern")
        QTest::mouseClick(plan->Button1, Qt::LeftButton);
    if (ende == "tippend" && !ergebnis_eintragen(matrix, 2, 2, u"4:1"_s, false))
        return;
    if (!ende.isEmpty()) {
        QCoreApplication::quit();
        return;
    }
    if (ergebnis_eintragen(matrix, 2, 2, u"4:"_s, false))
        aus << "tippt\n";
    aus.flush();
}

int treiber(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString daten = QString::fromLocal8Bit(argv[2]);
    const bool doppel = qstrcmp(argv[3], "D") == 0;
    const QByteArray ende = argc > 4 ? QByteArray(argv[4]) : QByteArray();
    Lauf lauf(daten);
    QTimer::singleShot(0, &anwendung, [&] { treiber_ablauf(lauf, doppel, ende); });
    return anwendung.exec();
}

} // namespace

class TstWiederherstellungAbbruch : public QObject
{
    Q_OBJECT

    struct Treiber
    {
        QProcess prozess;
        QStringList tabelle;
        QStringList matrix;
        bool gesichert = false;

        // Started on the data folder; true once it has said the last word asked for.
        bool starten(const QString &daten, bool doppel, const QByteArray &bis,
                     const QString &ende = {})
        {
            QStringList argumente{u"--treiber"_s, daten, doppel ? u"D"_s : u"E"_s};
            if (!ende.isEmpty())
                argumente << ende;
            prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            prozess.start(QCoreApplication::applicationFilePath(), argumente);
            QDeadlineTimer frist(60000);
            while (!frist.hasExpired()) {
                while (prozess.canReadLine()) {
                    const QString zeile = QString::fromUtf8(prozess.readLine()).chopped(1);
                    if (zeile.startsWith(u'1'))
                        tabelle << zeile.mid(1);
                    else if (zeile.startsWith(u'2'))
                        matrix << zeile.mid(1);
                    gesichert |= zeile == u"gesichert"_s;
                    if (zeile.toUtf8() == bis)
                        return true;
                }
                if (prozess.state() == QProcess::NotRunning)
                    return false;
                prozess.waitForReadyRead(200);
            }
            return false;
        }
    };

private slots:
    void kill_beim_tippen_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::newRow("Doppel") << true;
        QTest::newRow("Einzel") << false;
    }
    void kill_beim_tippen()
    {
        QFETCH(bool, doppel);
        QTemporaryDir ordner;
        const QString daten = ordner.path() + u'/';
        daten_vorbereiten(daten, doppel, namen(u"Jö"_s, doppel), namen(u"Gül"_s, doppel));

        Treiber treiber;
        QVERIFY(treiber.starten(daten, doppel, "tippt"));
        QVERIFY(treiber.gesichert);
        treiber.prozess.kill();
        QVERIFY(treiber.prozess.waitForFinished(10000));
        QCOMPARE(treiber.prozess.exitStatus(), QProcess::CrashExit);
        QVERIFY(treiber.tabelle.join(u'\n').contains(u"\t12\t"_s));

        Lauf naechster(daten, {true});
        QCOMPARE(naechster.plattform.texte(),
                 QStringList{u"Der letzte Spieltag wurde nicht gespeichert. "
                             u"Soll er wiederhergestellt werden?"_s});
        SpielplanFenster *plan = naechster.plan(doppel);
        QVERIFY(plan && plan->isVisible());
        QCOMPARE(zellen(plan->FilterGrid1->modell()), treiber.tabelle);
        QCOMPARE(zellen(plan->FilterGrid2->modell()), treiber.matrix);
    }

    void gewoehnliches_ende_data()
    {
        QTest::addColumn<QString>("ende");
        QTest::addColumn<bool>("bleibt");
        QTest::addColumn<QString>("offen"); // matrix cell (2, 2) in the set
        QTest::newRow("ungespeichert") << u"beenden"_s << true << QString();
        QTest::newRow("beim Tippen") << u"tippend"_s << true << u"4:1"_s;
        QTest::newRow("gespeichert") << u"speichern"_s << false << QString();
    }
    // An ordinary end keeps a day with unsaved results for the next start, as a crash does; a
    // saved day leaves nothing behind.
    void gewoehnliches_ende()
    {
        QFETCH(QString, ende);
        QFETCH(bool, bleibt);
        QFETCH(QString, offen);
        QTemporaryDir ordner;
        const QString daten = ordner.path() + u'/';
        daten_vorbereiten(daten, false, namen(u"A"_s, false), namen(u"B"_s, false));
        Treiber treiber;
        QVERIFY(treiber.starten(daten, false, "bereit", ende));
        QVERIFY(treiber.gesichert);
        QVERIFY(treiber.prozess.waitForFinished(30000));
        QCOMPARE(treiber.prozess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(treiber.prozess.exitCode(), 0);
        QCOMPARE(QDir(wiederherstellung::ordner(daten)).exists(), bleibt);
        if (!bleibt)
            return;
        Lauf naechster(daten, {true});
        QCOMPARE(naechster.plattform.texte(),
                 QStringList{u"Der letzte Spieltag wurde nicht gespeichert. "
                             u"Soll er wiederhergestellt werden?"_s});
        SpielplanFenster *plan = naechster.plan(false);
        QVERIFY(plan && plan->isVisible());
        GitterModell &matrix = plan->FilterGrid2->modell();
        QCOMPARE(matrix.Cells(2, 2), offen);
        matrix.SetCells(2, 2, QString());
        QCOMPARE(zellen(matrix), treiber.matrix);
    }
};

int main(int argc, char **argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--treiber") == 0)
        return treiber(argc, argv);
    QApplication anwendung(argc, argv);
    TstWiederherstellungAbbruch test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wiederherstellung_abbruch.moc"
