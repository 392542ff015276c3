#include "app/hauptfenster_fenster.h"
#include "gitter_tippen.h"
#include "grid/filtergrid_fenster.h"
#include "live/live_fenster.h"
#include "live_testhilfe.h"
#include "matchplan/rundendruck.h"
#include "matchplan/spielplan.h"
#include "matchplan/spielplan_fenster.h"
#include "matchplan/tischeingang.h"
#include "matchplan/tischmeldungen.h"
#include "matchplan/tischmeldungsfeld_fenster.h"
#include "plan_testhilfe.h"
#include "printing/pdf_speichern.h"
#include "shell/zusatz.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QToolButton>
#include <QtPlugin>
#include <QtTest>

Q_IMPORT_PLUGIN(QtLiveModul)

using namespace Qt::StringLiterals;
using live_test::Anfrage;

// Results from the tables through the real program: the plan window with its round plan, the
// window "Live-Seite" with its server on the loopback, and a phone's requests.
class TstTischmeldungenLive : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        SpielplanFenster *plan = nullptr;
        LiveFenster *live = nullptr;
        quint16 port = 0;

        Programm()
        {
            QFile hilfe(pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
            hilfe.open(QIODevice::WriteOnly);
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, 0);
            zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Rot"_s);
            zustand.optionen_speichern();
            aufstellungen_schreiben(zustand, {u"Jürgen"_s, u"<img src=x onerror=alert(1)>"_s},
                                    {u"Özil"_s, u"Bea"_s});
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
            plan = haupt->findChild<SpielplanFenster *>("Form6");
            plan->m_tische->setValue(2);
            haupt->befehl_ausfuehren(Befehl::live_seite);
            live = haupt->findChild<LiveFenster *>(u"LiveFenster"_s);
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost, 0);
            port = probe.serverPort();
            probe.close();
            live->m_port->setValue(port);
            live->bindung_setzen(QHostAddress::LocalHost);
            QTest::mouseClick(live->m_anbieten, Qt::LeftButton);
        }
        // The key on the slip of team 1's entry spalte against team 2's entry zeile.
        QByteArray schluessel(int spalte, int zeile) const
        {
            const QByteArray geheimnis =
                tagesgeheimnis(zustand.daten_pfad, plattform.uhrzeit.date()).geheimnis;
            for (const Tischspiel &spiel : plan->tischeingang().spiele()) {
                if (spiel.spalte == spalte && spiel.zeile == zeile)
                    return tischschluessel(geheimnis, spiel);
            }
            return {};
        }
        QByteArray host() const { return "127.0.0.1:" + QByteArray::number(port); }
        QByteArray holen(const QByteArray &pfad)
        {
            return Anfrage(port, "GET " + pfad + " HTTP/1.1\r\nHost: " + host() + "\r\n\r\n")
                .antwort;
        }
        QByteArray melden(const QByteArray &schluessel, const QByteArray &koerper)
        {
            return Anfrage(port, "POST /e/" + schluessel + " HTTP/1.1\r\nHost: " + host() +
                                     "\r\nOrigin: http://" + host() +
                                     "\r\nContent-Type: application/x-www-form-urlencoded"
                                     "\r\nContent-Length: " +
                                     QByteArray::number(koerper.size()) + "\r\n\r\n" + koerper)
                .antwort;
        }
        Tischmeldungsfeld *feld() const { return plan->findChild<Tischmeldungsfeld *>(); }
        QStringList dateien() const
        {
            QStringList liste;
            for (const QFileInfo &info :
                 QDir(zustand.daten_pfad).entryInfoList(QDir::Files, QDir::Name))
                liste << info.fileName() + u'/' + QString::number(info.size());
            return liste;
        }
    };

private slots:
    void meldung_zaehlt_erst_nach_uebernehmen()
    {
        Programm p;
        QVERIFY(p.live->server().laeuft());
        // Off by default: the slip's page does not exist.
        QVERIFY(!p.live->m_tische->isChecked());
        const QByteArray schluessel = p.schluessel(2, 1);
        QVERIFY(p.holen("/e/" + schluessel).startsWith("HTTP/1.1 404 "));
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        QVERIFY(zusatz_tischmeldungen(p.zustand.daten_pfad));

        const QByteArray seite = p.holen("/e/" + schluessel);
        QVERIFY2(seite.startsWith("HTTP/1.1 200 "), seite.constData());
        QVERIFY(seite.contains("&lt;img src=x onerror=alert(1)&gt;"));
        QVERIFY(seite.contains("Runde "));

        const Planstand vorher = p.plan->spielplan().stand();
        const QByteArray stand_vorher = p.holen("/stand.json");
        QVERIFY(!p.feld()->isVisible());
        QVERIFY(p.melden(schluessel, "t1=3&t2=2").startsWith("HTTP/1.1 303 "));
        QTRY_VERIFY(p.feld()->isVisible());
        QCOMPARE(p.feld()->m_liste->count(), 1);
        const QString zeile = p.feld()->m_liste->item(0)->text();
        QVERIFY2(
            zeile.contains(u"<img src=x onerror=alert(1)> – Özil 3:2 (vor 0 s, von 127.0.0.1)"_s),
            qPrintable(zeile));
        QCOMPARE(p.plattform.signaltoene, 1);
        // Nothing moves before the organiser takes it.
        QCOMPARE(p.plan->spielplan().stand(), vorher);
        QCOMPARE(p.holen("/stand.json"), stand_vorher);
        QVERIFY(p.holen("/e/" + schluessel).contains("Gemeldet: 3:2. Der Turnierleiter"));

        QTest::mouseClick(p.feld()->m_uebernehmen, Qt::LeftButton);
        // The cell holds team 2's score first, as typed into the matrix.
        QCOMPARE(p.plan->FilterGrid2->modell().Cells(2, 1), u"2:3"_s);
        QVERIFY(!p.feld()->isVisible());
        QVERIFY(p.plan->spielplan().stand() != vorher);
        QTRY_VERIFY(p.holen("/stand.json") != stand_vorher);
        QVERIFY(p.holen("/e/" + schluessel).contains("eingetragen 3:2"));
        QVERIFY(p.plan->spielplan().schritte().canUndo());

        // The window "Live-Seite" may be closed; the page keeps running.
        p.live->close();
        QVERIFY(p.live->server().laeuft());
        p.plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.plan));
        TFilterGrid *matrix = p.plan->FilterGrid2;
        QTest::mouseClick(matrix->viewport(), Qt::LeftButton, {},
                          matrix->visualRect(matrix->model()->index(1, 1)).center());
        QTest::keyClick(matrix, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.plan->FilterGrid2->modell().Cells(2, 1), QString());
        QCOMPARE(p.plan->spielplan().stand(), vorher);

        // On record, without the key.
        QFile protokoll(p.pfad(tischmeldungen_datei));
        QVERIFY(protokoll.open(QIODevice::ReadOnly));
        const QByteArray inhalt = protokoll.readAll();
        QCOMPARE(inhalt.count("\r\n"), 2);
        QVERIFY(inhalt.contains(";127.0.0.1;Einzelspiel;"));
        QVERIFY(inhalt.contains(";3:2;gemeldet\r\n"));
        QVERIFY(inhalt.contains(";3:2;\xfc"
                                "bernommen\r\n"));
        QVERIFY(!inhalt.contains(schluessel));
        QVERIFY(!stand_vorher.contains(schluessel));
    }

    void schluessel_vom_zettel_oeffnet_sein_spiel()
    {
        Programm p;
        // Off: the slips print as before, without a code.
        QVERIFY(p.live->tischseite().isEmpty());
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        // A slip names this computer in the hall's network; only its path is used here, and
        // every request goes to the loopback.
        QString seite = p.live->tischseite();
        if (seite.isEmpty())
            seite = u"http://192.0.2.1:%1/"_s.arg(p.port);
        const Spielplan &spielplan = p.plan->spielplan();
        const QList<DruckSeite> seiten = spielzettel_seiten(
            druckrunden(spielplan.rundenplan(), spielplan.tabelle(), spielplan.matrix(),
                        p.plan->tischeingang().zetteladressen(seite)),
            druckmannschaften(spielplan), p.plattform.uhrzeit.date(),
            druckschrift_aus_optionen(p.zustand.optionen));
        const QString pdf = p.pfad(u"Spielzettel.pdf"_s);
        p.plattform.datei_antworten.enqueue(pdf);
        pdf_speichern(p.plattform, pdf, seiten, u"Spielzettel"_s);
        QVERIFY(QFile::exists(pdf));

        QProcess bild;
        bild.start(u"pdftoppm"_s, {u"-r"_s, u"150"_s, u"-png"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s,
                                   u"-singlefile"_s, pdf, p.pfad(u"zettel"_s)});
        QVERIFY(bild.waitForFinished(30000));
        QCOMPARE(bild.exitCode(), 0);
        QProcess leser;
        leser.start(u"zbarimg"_s, {u"-q"_s, u"--raw"_s, p.pfad(u"zettel.png"_s)});
        QVERIFY(leser.waitForFinished(30000));
        const QStringList gelesen =
            QString::fromUtf8(leser.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        // Four games on two tables: every slip of the page carries its own code.
        QCOMPARE(gelesen.size(), 4);
        QStringList paare;
        for (const QString &adresse : gelesen) {
            QVERIFY2(adresse.startsWith(seite + u"e/"_s), qPrintable(adresse));
            const QByteArray antwort = p.holen(QUrl(adresse).path().toLatin1());
            QVERIFY2(antwort.startsWith("HTTP/1.1 200 "), antwort.left(40).constData());
            const QString html = QString::fromUtf8(antwort);
            const qsizetype anfang = html.indexOf(u"<strong>"_s);
            paare << html.mid(anfang, html.indexOf(u"</p>"_s, anfang) - anfang);
        }
        paare.sort();
        QCOMPARE(
            paare,
            QStringList({
                u"<strong>&lt;img src=x onerror=alert(1)&gt;</strong> – <strong>Bea</strong>"_s,
                u"<strong>&lt;img src=x onerror=alert(1)&gt;</strong> – <strong>Özil</strong>"_s,
                u"<strong>Jürgen</strong> – <strong>Bea</strong>"_s,
                u"<strong>Jürgen</strong> – <strong>Özil</strong>"_s,
            }));

        // "Neue Zettel" after "Ja": no slip printed before opens anything.
        p.plattform.ja_nein_antworten.enqueue(true);
        QTest::mouseClick(p.plan->findChild<QPushButton *>("Neue_Zettel"), Qt::LeftButton);
        for (const QString &adresse : gelesen)
            QVERIFY(p.holen(QUrl(adresse).path().toLatin1()).startsWith("HTTP/1.1 404 "));
    }

    void zweite_meldung_ersetzt_die_erste_und_verwerfen()
    {
        Programm p;
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        const QByteArray schluessel = p.schluessel(1, 2);
        QVERIFY(p.melden(schluessel, "t1=1&t2=0").startsWith("HTTP/1.1 303 "));
        QVERIFY(p.melden(p.schluessel(2, 2), "t1=5&t2=5").startsWith("HTTP/1.1 303 "));
        QVERIFY(p.melden(schluessel, "t1=0&t2=1").startsWith("HTTP/1.1 303 "));
        QTRY_COMPARE(p.feld()->m_liste->count(), 2);
        QVERIFY(p.feld()->m_liste->item(1)->text().contains(u"0:1 (vor"_s));
        p.feld()->m_liste->setCurrentRow(1);
        QTest::mouseClick(p.feld()->m_verwerfen, Qt::LeftButton);
        QCOMPARE(p.feld()->m_liste->count(), 1);
        QVERIFY(p.holen("/e/" + schluessel).contains("abgelehnt"));
        QCOMPARE(p.plan->FilterGrid2->modell().Cells(1, 2), QString());
        // Enter in the list takes the one left.
        p.plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.plan));
        p.feld()->m_liste->setFocus();
        QTest::keyClick(p.feld()->m_liste, Qt::Key_Return);
        QCOMPARE(p.plan->FilterGrid2->modell().Cells(2, 2), u"5:5"_s);
        QFile protokoll(p.pfad(tischmeldungen_datei));
        QVERIFY(protokoll.open(QIODevice::ReadOnly));
        const QByteArray inhalt = protokoll.readAll();
        QCOMPARE(inhalt.count(";ersetzt\r\n"), 1);
        QCOMPARE(inhalt.count(";verworfen\r\n"), 1);
        QCOMPARE(inhalt.count(";gemeldet\r\n"), 3);
    }

    void korrektur_zeigt_den_stand()
    {
        Programm p;
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        p.plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.plan));
        QVERIFY(ergebnis_eintragen(p.plan->FilterGrid2, 1, 1, u"2:3"_s));
        QVERIFY(p.holen("/e/" + p.schluessel(1, 1)).contains("Im Plan steht 3:2."));
        QVERIFY(p.melden(p.schluessel(1, 1), "t1=2&t2=3").startsWith("HTTP/1.1 303 "));
        QTRY_COMPARE(p.feld()->m_liste->count(), 1);
        QVERIFY2(p.feld()->m_liste->item(0)->text().contains(u"steht 3:2, gemeldet 2:3"_s),
                 qPrintable(p.feld()->m_liste->item(0)->text()));
        // The matrix keeps the keyboard focus while the proposal comes in.
        QVERIFY(!p.feld()->m_liste->hasFocus());
    }

    void feindliches_aendert_nichts_data()
    {
        QTest::addColumn<QByteArray>("anfrage");
        QTest::addColumn<int>("status");
        const QByteArray gut = "t1=3&t2=2";
        const auto post = [](const QByteArray &pfad, const QByteArray &koepfe,
                             const QByteArray &koerper) {
            return "POST " + pfad + " HTTP/1.1\r\nHost: 127.0.0.1:%PORT%\r\n" + koepfe + "\r\n" +
                   koerper;
        };
        QTest::newRow("unbekannter Schlüssel")
            << post("/e/" + QByteArray(24, 'A'), "Content-Length: 9\r\n", gut) << 404;
        QTest::newRow("Spiel außerhalb des Plans")
            << post("/e/%FREMD%", "Content-Length: 9\r\n", gut) << 404;
        QTest::newRow("drei Ziffern")
            << post("/e/%KEY%", "Content-Length: 11\r\n", "t1=100&t2=2") << 400;
        QTest::newRow("zu lang") << post("/e/%KEY%", "Content-Length: 300\r\n",
                                         gut + QByteArray(291, '&'))
                                 << 413;
        QTest::newRow("ohne Länge") << post("/e/%KEY%", {}, gut) << 400;
        QTest::newRow("zwei Längen")
            << post("/e/%KEY%", "Content-Length: 9\r\nContent-Length: 9\r\n", gut) << 400;
        QTest::newRow("Transfer-Encoding")
            << post("/e/%KEY%", "Transfer-Encoding: chunked\r\n", "9\r\nt1=3&t2=2\r\n0\r\n\r\n")
            << 400;
        QTest::newRow("Expect") << post("/e/%KEY%", "Content-Length: 9\r\nExpect: 100-continue\r\n",
                                        gut)
                                << 400;
        QTest::newRow("fremdes Origin")
            << post("/e/%KEY%", "Content-Length: 9\r\nOrigin: http://evil.example\r\n", gut) << 403;
        QTest::newRow("fremder Host") << "POST /e/%KEY% HTTP/1.1\r\nHost: evil.example\r\n"
                                         "Content-Length: 9\r\n\r\nt1=3&t2=2"_ba
                                      << 421;
        QTest::newRow("PUT") << "PUT /e/%KEY% HTTP/1.1\r\nHost: 127.0.0.1:%PORT%\r\n"
                                "Content-Length: 9\r\n\r\nt1=3&t2=2"_ba
                             << 405;
    }

    void feindliches_aendert_nichts()
    {
        QFETCH(QByteArray, anfrage);
        QFETCH(int, status);
        Programm p;
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        // A key of another day opens nothing today.
        Tischspiel fremd = p.plan->tischeingang().spiele().first();
        fremd.datum = fremd.datum.addDays(-1);
        const QByteArray geheimnis =
            tagesgeheimnis(p.zustand.daten_pfad, p.plattform.uhrzeit.date()).geheimnis;
        anfrage.replace("%KEY%", p.schluessel(1, 1))
            .replace("%FREMD%", tischschluessel(geheimnis, fremd))
            .replace("%PORT%", QByteArray::number(p.port));
        const Planstand vorher = p.plan->spielplan().stand();
        const QStringList dateien = p.dateien();
        const QByteArray stand = p.holen("/stand.json");
        const QByteArray antwort = Anfrage(p.port, anfrage).antwort;
        QVERIFY2(antwort.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '),
                 antwort.left(40).constData());
        if (status == 404)
            QCOMPARE(antwort, p.holen("/unbekannt"));
        QTest::qWait(20);
        QCOMPARE(p.plan->spielplan().stand(), vorher);
        QCOMPARE(p.dateien(), dateien);
        QCOMPARE(p.holen("/stand.json"), stand);
        QVERIFY(!p.feld()->isVisible());
        QVERIFY(p.plan->tischeingang().offen().isEmpty());
    }

    void ausgeschaltet_ist_die_adresse_unbekannt()
    {
        Programm p;
        const QByteArray schluessel = p.schluessel(1, 1);
        // Off, a slip's address is like any unknown path: nothing to post to, nothing to see.
        QVERIFY(p.melden(schluessel, "t1=3&t2=2").startsWith("HTTP/1.1 405 "));
        QCOMPARE(p.holen("/e/" + schluessel), p.holen("/unbekannt"));
        QVERIFY(p.plan->tischeingang().offen().isEmpty());
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        const QByteArray seite = p.holen("/e/" + schluessel);
        QVERIFY(seite.startsWith("HTTP/1.1 200 "));
        const QByteArray kopf =
            Anfrage(p.port, "HEAD /e/" + schluessel + " HTTP/1.1\r\nHost: " + p.host() + "\r\n\r\n")
                .antwort;
        QCOMPARE(kopf, seite.first(seite.indexOf("\r\n\r\n") + 4));
    }

    void elfte_meldung_der_minute()
    {
        Programm p;
        QTest::mouseClick(p.live->m_tische, Qt::LeftButton);
        const QByteArray schluessel = p.schluessel(1, 1);
        for (int i = 0; i < 10; ++i)
            QVERIFY(p.melden(schluessel, "t1=1&t2=0").startsWith("HTTP/1.1 303 "));
        const QStringList dateien = p.dateien();
        QVERIFY(p.melden(schluessel, "t1=9&t2=9").startsWith("HTTP/1.1 429 "));
        QCOMPARE(p.dateien(), dateien);
        QCOMPARE(p.plan->tischeingang().offen().size(), 1);
        QCOMPARE(p.plan->tischeingang().offen().first().tore1, 1);
    }
};

QTEST_MAIN(TstTischmeldungenLive)
#include "tst_tischmeldungen_live.moc"
