// The program killed with SIGKILL while two proposals from the tables are open: after the
// restart and "Ja" to the recovery question both are listed again. The first run is this
// executable started again as a driver ("--treiber").
#include "matchplan/tischeingang.h"
#include "matchplan/tischmeldungsfeld_fenster.h"
#include "matchplan/wiederherstellung.h"
#include "programm_testhilfe.h"

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray schluessel(const Lauf &lauf, SpielplanFenster *plan, int spalte, int zeile)
{
    const QByteArray geheimnis =
        tagesgeheimnis(lauf.zustand.daten_pfad, lauf.plattform.uhrzeit.date()).geheimnis;
    for (const Tischspiel &spiel : plan->tischeingang().spiele()) {
        if (spiel.spalte == spalte && spiel.zeile == zeile)
            return tischschluessel(geheimnis, spiel);
    }
    return {};
}

// The driver: one result typed, two proposals made, the set written, "bereit"; then it waits
// for its end.
void treiber_ablauf(Lauf &lauf)
{
    SpielplanFenster *plan = lauf.oeffnen(false);
    const bool eingetragen = ergebnis_eintragen(plan->FilterGrid2, 1, 1, u"1:0"_s);
    Tischeingang &eingang = plan->tischeingang();
    const bool gemeldet = eingang.melden(schluessel(lauf, plan, 2, 1), 3, 2, u"192.168.1.23"_s) &&
                          eingang.melden(schluessel(lauf, plan, 1, 2), 0, 4, u"192.168.1.24"_s);
    const bool geschrieben =
        QTest::qWaitFor([plan] { return !plan->wiederherstellung().vorgemerkt(); });
    QTextStream aus(stdout);
    if (eingetragen && gemeldet && geschrieben)
        aus << "bereit\n";
    aus.flush();
}

int treiber(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Lauf lauf(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(0, &anwendung, [&] { treiber_ablauf(lauf); });
    return anwendung.exec();
}

} // namespace

class TstTischmeldungenAbbruch : public QObject
{
    Q_OBJECT

private slots:
    void offene_meldungen_ueberstehen_kill()
    {
        QTemporaryDir ordner;
        const QString daten = ordner.path() + u'/';
        daten_vorbereiten(daten, false, aufstellung(u"A"_s, 2), aufstellung(u"B"_s, 2));
        QProcess prozess;
        prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        prozess.start(QCoreApplication::applicationFilePath(), {u"--treiber"_s, daten});
        QDeadlineTimer frist(60000);
        bool bereit = false;
        while (!bereit && !frist.hasExpired() && prozess.state() != QProcess::NotRunning) {
            prozess.waitForReadyRead(200);
            while (prozess.canReadLine())
                bereit |= prozess.readLine() == "bereit\n";
        }
        QVERIFY(bereit);
        prozess.kill();
        QVERIFY(prozess.waitForFinished(10000));
        QCOMPARE(prozess.exitStatus(), QProcess::CrashExit);

        Lauf naechster(daten, {true});
        QCOMPARE(naechster.plattform.texte(),
                 QStringList{u"Der letzte Spieltag wurde nicht gespeichert. "
                             u"Soll er wiederhergestellt werden?"_s});
        SpielplanFenster *plan = naechster.plan(false);
        QVERIFY(plan && plan->isVisible());
        QCOMPARE(plan->FilterGrid2->modell().Cells(1, 1), u"1:0"_s);
        const QList<Tischmeldung> &offen = plan->tischeingang().offen();
        QCOMPARE(offen.size(), 2);
        QCOMPARE(offen[0].adresse, u"192.168.1.23"_s);
        QCOMPARE(meldung_tore(offen[0]), u"3:2"_s);
        QCOMPARE(meldung_tore(offen[1]), u"0:4"_s);
        auto *feld = plan->findChild<Tischmeldungsfeld *>();
        QVERIFY(feld->isVisible());
        QCOMPARE(feld->m_liste->count(), 2);
        QVERIFY(feld->m_liste->item(1)->text().contains(u"0:4 (vor 0 s, von 192.168.1.24)"_s));
        // They are as good as before: taken, the score goes into its cell.
        feld->m_liste->setCurrentRow(0);
        QTest::mouseClick(feld->m_uebernehmen, Qt::LeftButton);
        QCOMPARE(plan->FilterGrid2->modell().Cells(2, 1), u"2:3"_s);
    }
};

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--treiber") == 0)
        return treiber(argc, argv);
    QApplication anwendung(argc, argv);
    TstTischmeldungenAbbruch test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tischmeldungen_abbruch.moc"
