#include "live/live_server.h"
#include "live/tagesstand.h"
#include "live/verdichter.h"
#include "live_testhilfe.h"
#include "matchplan/tischeingang.h"
#include "matchplan/tischmeldungsfeld_fenster.h"
#include "plan_testhilfe.h"
#include "stopwatch/stoppuhr.h"
#include "stopwatch/zeitanzeige.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebSocket>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace live_test;

// The page in a real browser: headless Chromium on the loopback, driven through its debugging
// protocol (also on the loopback only).
class TstLiveChromium : public QObject
{
    Q_OBJECT

    // A singles day whose snapshot the server pushes, as the program does.
    struct Tag : PlanAufbau
    {
        LiveServer server;
        bool uhr_laeuft = true;
        LiveVerdichter verdichter{[this] {
            return stand_objekt(tagesstand(&plan, Zeitanzeige{u"0 :42"_s, uhr_gelb}, uhr_laeuft,
                                           QDate(2026, 12, 8)));
        }};
        quint16 port = 0;

        Tag()
            : PlanAufbau(einzel_profil(), {u"Jürgen Weiß"_s, u"<img src=x onerror=alert(1)>"_s},
                         {u"Ülkü Maßmann"_s, u"Grete Süß"_s})
        {
            zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Rot"_s);
            QObject::connect(&plan, &Spielplan::ergebnisse_geaendert, &verdichter,
                             &LiveVerdichter::markieren);
            QObject::connect(&verdichter, &LiveVerdichter::neuer_stand, &server,
                             &LiveServer::senden);
            server.senden(verdichter.dokument());
            if (!server.starten(QHostAddress::LocalHost, 0))
                port = server.port();
        }
        QString adresse() const { return u"http://127.0.0.1:%1/"_s.arg(port); }
    };

    // Chromium with a fresh profile; ends with the test.
    struct Browser
    {
        QTemporaryDir profil;
        QProcess prozess;

        Browser(const QString &programm, const QStringList &weitere)
        {
            prozess.setProgram(programm);
            prozess.setArguments(QStringList{u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s,
                                             u"--disable-quic"_s, u"--no-first-run"_s,
                                             u"--disable-background-networking"_s,
                                             u"--disable-component-update"_s, u"--disable-sync"_s,
                                             u"--user-data-dir="_s + profil.path()} +
                                 weitere);
            prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            prozess.start();
        }
        ~Browser()
        {
            prozess.terminate();
            if (!prozess.waitForFinished(5000))
                prozess.kill();
            prozess.waitForFinished(5000);
        }
    };

    // The debugging protocol over a WebSocket to the browser, attached to the page.
    struct Fernsteuerung
    {
        QWebSocket kanal;
        QHash<int, QJsonObject> antworten;
        int naechste = 0;
        QString sitzung;

        bool verbinden(const QString &profil)
        {
            QFile datei(profil + u"/DevToolsActivePort"_s);
            warten_bis([&datei] { return datei.exists() && datei.size() > 0; }, 30000);
            if (!datei.open(QIODevice::ReadOnly))
                return false;
            const QList<QByteArray> zeilen = datei.readAll().split('\n');
            if (zeilen.size() < 2)
                return false;
            QObject::connect(
                &kanal, &QWebSocket::textMessageReceived, &kanal, [this](const QString &text) {
                    const QJsonObject nachricht = QJsonDocument::fromJson(text.toUtf8()).object();
                    if (nachricht.contains(u"id"_s))
                        antworten.insert(nachricht[u"id"_s].toInt(), nachricht);
                });
            kanal.open(
                QUrl(u"ws://127.0.0.1:%1%2"_s.arg(QString::fromLatin1(zeilen[0].trimmed()),
                                                  QString::fromLatin1(zeilen[1].trimmed()))));
            warten_bis([this] { return kanal.state() == QAbstractSocket::ConnectedState; }, 10000);
            return kanal.state() == QAbstractSocket::ConnectedState;
        }
        QJsonObject rufen(const QString &methode, const QJsonObject &werte = {},
                          const QString &in_sitzung = {})
        {
            const int id = ++naechste;
            QJsonObject nachricht{{u"id"_s, id}, {u"method"_s, methode}, {u"params"_s, werte}};
            if (!in_sitzung.isEmpty())
                nachricht.insert(u"sessionId"_s, in_sitzung);
            kanal.sendTextMessage(QString::fromUtf8(QJsonDocument(nachricht).toJson()));
            warten_bis([this, id] { return antworten.contains(id); }, 10000);
            return antworten.take(id).value(u"result"_s).toObject();
        }
        bool seite_finden(const QString &adresse)
        {
            for (int versuch = 0; versuch < 100 && sitzung.isEmpty(); ++versuch) {
                const QJsonArray ziele = rufen(u"Target.getTargets"_s)[u"targetInfos"_s].toArray();
                for (const QJsonValue &ziel : ziele) {
                    if (ziel[u"type"_s] == u"page"_s &&
                        ziel[u"url"_s].toString().startsWith(adresse))
                        sitzung = rufen(u"Target.attachToTarget"_s,
                                        {{u"targetId"_s, ziel[u"targetId"_s]},
                                         {u"flatten"_s, true}})[u"sessionId"_s]
                                      .toString();
                }
                if (sitzung.isEmpty())
                    QTest::qWait(100);
            }
            return !sitzung.isEmpty();
        }
        QString auswerten(const QString &ausdruck)
        {
            const QJsonObject ergebnis =
                rufen(u"Runtime.evaluate"_s,
                      {{u"expression"_s, ausdruck}, {u"returnByValue"_s, true}}, sitzung);
            return ergebnis[u"result"_s][u"value"_s].toVariant().toString();
        }
        // Place, name and "Ges." of every row of the ranking, as shown.
        QString rangliste()
        {
            return auswerten(
                u"[...document.querySelectorAll('#rangliste tbody tr')].map(z => "
                "z.cells[0].textContent + '|' + z.cells[1].firstChild.textContent + '|' + "
                "z.cells[3].textContent).join('\\n')"_s);
        }
    };

    QString m_chromium;

private slots:
    void initTestCase()
    {
        m_chromium = QStandardPaths::findExecutable(u"chromium"_s);
        if (m_chromium.isEmpty())
            QSKIP("chromium ist nicht installiert (apt-get install chromium): der Browsertest "
                  "der Live-Seite entfällt.");
    }

    void seite_folgt_dem_spieltag()
    {
        Tag tag;
        QVERIFY(tag.port != 0);
        Browser browser(m_chromium, {u"--remote-debugging-address=127.0.0.1"_s,
                                     u"--remote-debugging-port=0"_s, tag.adresse()});
        Fernsteuerung steuerung;
        QVERIFY(steuerung.verbinden(browser.profil.path()));
        QVERIFY(steuerung.seite_finden(tag.adresse()));

        QTRY_VERIFY_WITH_TIMEOUT(
            steuerung.auswerten(u"document.body.innerText"_s).contains(u"Rangliste"_s), 10000);
        const QString text = steuerung.auswerten(u"document.body.innerText"_s);
        for (const QString &teil :
             {u"Dienstag, 8. Dezember 2026"_s, u"0 :42"_s, u"Grün-Weiß"_s, u"4 Spiele offen"_s,
              u"Platz"_s, u"Ges."_s, u"Jürgen Weiß"_s, u"Ülkü Maßmann"_s})
            QVERIFY2(text.contains(teil), qPrintable(teil + u" fehlt in:\n"_s + text));
        // The name is text: shown literally, no element made of it.
        QVERIFY(text.contains(u"<img src=x onerror=alert(1)>"_s));
        QCOMPARE(steuerung.auswerten(u"String(document.querySelectorAll('img').length)"_s), u"0"_s);
        QCOMPARE(steuerung.auswerten(u"getComputedStyle(document.getElementById('uhr'))"
                                     ".backgroundColor"_s),
                 u"rgb(255, 255, 0)"_s);

        // A typed result reaches the page by the WebSocket, with the round plan on: the row
        // entry's name stands left beside the left score.
        tag.plan.tische_geaendert(2);
        tag.eintragen(2, 1, u"4:6"_s);
        QTRY_COMPARE_WITH_TIMEOUT(steuerung.rangliste().section(u'\n', 0, 1),
                                  u"1|<img src=x onerror=alert(1)>|6\n2|Ülkü Maßmann|4"_s, 2000);
        const QString runden =
            steuerung.auswerten(u"document.getElementById('runden').innerText"_s);
        QVERIFY2(runden.contains(u"Ülkü Maßmann – <img src=x onerror=alert(1)> 4:6"_s),
                 qPrintable(runden));

        // A stopwatch that does not run says so instead of showing a time like a score.
        tag.uhr_laeuft = false;
        tag.verdichter.markieren();
        QTRY_COMPARE_WITH_TIMEOUT(
            steuerung.auswerten(u"document.getElementById('uhr').textContent"_s),
            u"Stoppuhr steht"_s, 2000);
        QCOMPARE_NE(steuerung.auswerten(u"getComputedStyle(document.getElementById('uhr'))"
                                        ".backgroundColor"_s),
                    u"rgb(255, 255, 0)"_s);

        // The connection drops: the page says so and finds the server again.
        const QString meldung = u"Verbindung unterbrochen – wird neu verbunden …"_s;
        tag.server.beenden();
        QTRY_VERIFY_WITH_TIMEOUT(
            steuerung.auswerten(u"document.body.innerText"_s).contains(meldung), 5000);
        QVERIFY(!tag.server.starten(QHostAddress::LocalHost, tag.port));
        QTRY_VERIFY_WITH_TIMEOUT(
            !steuerung.auswerten(u"document.body.innerText"_s).contains(meldung), 10000);
        tag.eintragen(1, 2, u"9:1"_s);
        QTRY_COMPARE_WITH_TIMEOUT(steuerung.rangliste().section(u'\n', 0, 0), u"1|Grete Süß|9"_s,
                                  2000);
        QCOMPARE(steuerung.auswerten(u"String(document.querySelectorAll('img').length)"_s), u"0"_s);
    }

    // A page of another site in the same browser, and the page's own address under a name that
    // another site controls (DNS rebinding): neither reads the snapshot nor opens the WebSocket.
    void fremde_seite_liest_nichts()
    {
        Tag tag;
        QVERIFY(tag.port != 0);
        QSignalSpy telefone(&tag.server, &LiveServer::telefone_geaendert);
        const QByteArray ziel = "127.0.0.1:" + QByteArray::number(tag.port);
        const QByteArray skript =
            "window.ergebnis = {cors: '?', nocors: '?', ws: '?'};"
            "fetch('http://" +
            ziel +
            "/stand.json').then(r => r.text())"
            ".then(t => ergebnis.cors = 'gelesen', () => ergebnis.cors = 'verweigert');"
            "fetch('http://" +
            ziel +
            "/stand.json', {mode: 'no-cors'})"
            ".then(() => ergebnis.nocors = 'geladen', () => ergebnis.nocors = 'verweigert');"
            "const ws = new WebSocket('ws://" +
            ziel +
            "/live');"
            "ws.onopen = () => ergebnis.ws = 'offen';"
            "ws.onmessage = () => ergebnis.ws = 'gelesen';"
            "ws.onclose = () => { if (ergebnis.ws === '?') ergebnis.ws = 'verweigert'; };";
        const QByteArray seite =
            "<!DOCTYPE html><html><body><script>" + skript + "</script></body></html>";
        // The other site: any request gets the page.
        QTcpServer fremd;
        QVERIFY(fremd.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&fremd, &QTcpServer::newConnection, &fremd, [&fremd, &seite] {
            while (QTcpSocket *leitung = fremd.nextPendingConnection()) {
                QObject::connect(leitung, &QTcpSocket::readyRead, leitung, [leitung, &seite] {
                    if (!leitung->readAll().contains("\r\n\r\n"))
                        return;
                    leitung->write(
                        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                        QByteArray::number(seite.size()) + "\r\nConnection: close\r\n\r\n" + seite);
                    leitung->disconnectFromHost();
                });
                QObject::connect(leitung, &QTcpSocket::disconnected, leitung,
                                 &QObject::deleteLater);
            }
        });
        const QString fremde_adresse = u"http://evil.example:%1/"_s.arg(fremd.serverPort());
        Browser browser(m_chromium,
                        {u"--remote-debugging-address=127.0.0.1"_s, u"--remote-debugging-port=0"_s,
                         u"--host-resolver-rules=MAP evil.example 127.0.0.1"_s, fremde_adresse});
        Fernsteuerung steuerung;
        QVERIFY(steuerung.verbinden(browser.profil.path()));
        QVERIFY(steuerung.seite_finden(fremde_adresse));
        const QString fertig = u"Object.values(window.ergebnis || {'': '?'}).includes('?') ? '' : "
                               "JSON.stringify(window.ergebnis)"_s;
        QTRY_VERIFY_WITH_TIMEOUT(!steuerung.auswerten(fertig).isEmpty(), 10000);
        QCOMPARE(steuerung.auswerten(fertig),
                 u"{\"cors\":\"verweigert\",\"nocors\":\"verweigert\",\"ws\":\"verweigert\"}"_s);
        QCOMPARE(telefone.count(), 0);

        // The same name now points at the live page's port.
        const QString umgebogen = u"http://evil.example:%1/"_s.arg(tag.port);
        steuerung.rufen(u"Page.navigate"_s, {{u"url"_s, umgebogen}}, steuerung.sitzung);
        QTRY_VERIFY_WITH_TIMEOUT(
            steuerung.auswerten(u"document.body ? document.body.innerText : ''"_s)
                .contains(u"Diese Adresse gehört nicht zu diesem Rechner."_s),
            10000);
        steuerung.auswerten(u"window.stand = '?'; fetch('/stand.json').then(r => r.text())"
                            ".then(t => stand = t, () => stand = 'verweigert')"_s);
        QTRY_VERIFY_WITH_TIMEOUT(steuerung.auswerten(u"window.stand"_s) != u"?"_s, 10000);
        QVERIFY(!steuerung.auswerten(u"window.stand"_s).contains(u"rangliste"_s));
        QVERIFY(!steuerung.auswerten(u"document.body.innerText"_s).contains(u"Rangliste"_s));
        QCOMPARE(telefone.count(), 0);
    }

    void bild_in_telefongroesse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("schalter");
        QTest::newRow("hell") << u"live_seite_hell.png"_s << QStringList();
        QTest::newRow("dunkel") << u"live_seite_dunkel.png"_s
                                << QStringList{u"--force-dark-mode"_s};
    }
    void bild_in_telefongroesse()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, schalter);
        Tag tag;
        tag.eintragen(2, 1, u"4:6"_s);
        tag.eintragen(1, 2, u"9:1"_s);
        QTRY_COMPARE(tag.verdichter.fassung(), 2);
        const QString bild = QCoreApplication::applicationDirPath() + u'/' + name;
        QFile::remove(bild);
        Browser browser(m_chromium,
                        schalter + QStringList{u"--screenshot="_s + bild,
                                               u"--window-size=390,844"_s, u"--hide-scrollbars"_s,
                                               u"--virtual-time-budget=3000"_s, tag.adresse()});
        warten_bis([&browser] { return browser.prozess.state() == QProcess::NotRunning; }, 60000);
        const QImage aufnahme(bild);
        QCOMPARE(aufnahme.size(), QSize(390, 844));
        qInfo("Bild der Seite: %s", qPrintable(bild));
    }

    // A slip's page in the browser: the form filled and sent as a player would; the proposal
    // waits in the panel and counts only once taken.
    void meldung_aus_dem_browser()
    {
        Tag tag;
        QVERIFY(tag.port != 0);
        Tischeingang eingang(tag.zustand, tag.plattform, tag.plan, tag.matrix);
        Tischmeldungsfeld feld(eingang, tag.plattform);
        tag.server.tische_setzen(&eingang);
        tag.server.tische_annehmen(true);
        const QByteArray geheimnis =
            tagesgeheimnis(tag.zustand.daten_pfad, tag.plattform.uhrzeit.date()).geheimnis;
        const QString seite =
            tischadresse(tag.adresse(), tischschluessel(geheimnis, eingang.spiele().at(1)));
        const QByteArray stand = tag.verdichter.dokument();

        Browser browser(m_chromium, {u"--remote-debugging-address=127.0.0.1"_s,
                                     u"--remote-debugging-port=0"_s, seite});
        Fernsteuerung steuerung;
        QVERIFY(steuerung.verbinden(browser.profil.path()));
        QVERIFY(steuerung.seite_finden(seite));
        QTRY_VERIFY_WITH_TIMEOUT(
            steuerung.auswerten(u"document.body.innerText"_s).contains(u"Ergebnis melden"_s),
            10000);
        QCOMPARE(steuerung.auswerten(u"document.getElementById('t1').inputMode"_s), u"numeric"_s);
        steuerung.auswerten(u"document.getElementById('t1').value = '3';"
                            u"document.getElementById('t2').value = '2';"
                            u"document.querySelector('button').click(); 'ok'"_s);
        QTRY_COMPARE_WITH_TIMEOUT(eingang.offen().size(), 1, 10000);
        QVERIFY2(feld.m_liste->item(0)->text().contains(
                     u"<img src=x onerror=alert(1)> – Ülkü Maßmann 3:2 (vor 0 s, von 127.0.0.1)"_s),
                 qPrintable(feld.m_liste->item(0)->text()));
        QTRY_VERIFY_WITH_TIMEOUT(steuerung.auswerten(u"document.body.innerText"_s)
                                     .contains(u"Gemeldet: 3:2. Der Turnierleiter trägt es gleich "
                                               u"ein."_s),
                                 10000);
        // Nothing counts yet.
        QCOMPARE(tag.matrix.Cells(2, 1), QString());
        QCOMPARE(tag.verdichter.dokument(), stand);

        QTest::mouseClick(feld.m_uebernehmen, Qt::LeftButton);
        QCOMPARE(tag.matrix.Cells(2, 1), u"2:3"_s);
        QTRY_VERIFY(tag.verdichter.dokument() != stand);
        steuerung.auswerten(u"location.reload(); 'ok'"_s);
        QTRY_VERIFY_WITH_TIMEOUT(
            steuerung.auswerten(u"document.body.innerText"_s).contains(u"eingetragen 3:2"_s),
            10000);
        tag.plan.rueckgaengig();
        QCOMPARE(tag.matrix.Cells(2, 1), QString());
    }
};

QTEST_MAIN(TstLiveChromium)
#include "tst_live_chromium.moc"
