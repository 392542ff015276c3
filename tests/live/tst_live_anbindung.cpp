#include "app/hauptfenster_fenster.h"
#include "app/live_anbindung_fenster.h"
#include "app/turnierplan_anbindung_fenster.h"
#include "gitter_tippen.h"
#include "grid/filtergrid_fenster.h"
#include "live/live_fenster.h"
#include "live/verdichter.h"
#include "matchplan/spielplan_fenster.h"
#include "plan_testhilfe.h"
#include "shell/zusatz.h"
#include "stopwatch/stoppuhr_fenster.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTcpServer>
#include <QToolButton>
#include <QWebSocket>
#include <QtPlugin>
#include <QtTest>

Q_IMPORT_PLUGIN(QtLiveModul)

using namespace Qt::StringLiterals;

// The live page through the real program: the main window's menu command, the window
// "Live-Seite" and a plan window in which results are typed.
class TstLiveAnbindung : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> haupt;

        Programm()
        {
            // Without a help file the main window says so at start.
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
        }
        SpielplanFenster *plan_oeffnen()
        {
            QTest::mouseClick(haupt->findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
            return haupt->findChild<SpielplanFenster *>("Form6");
        }
        LiveFenster *live_oeffnen()
        {
            haupt->befehl_ausfuehren(Befehl::live_seite);
            return haupt->findChild<LiveFenster *>(u"LiveFenster"_s);
        }
    };

    // A phone that keeps the last snapshot it got.
    struct Telefon
    {
        QWebSocket kanal;
        QJsonObject stand;
        int nachrichten = 0;

        explicit Telefon(quint16 port)
        {
            QObject::connect(&kanal, &QWebSocket::textMessageReceived, &kanal,
                             [this](const QString &text) {
                                 stand = QJsonDocument::fromJson(text.toUtf8()).object();
                                 ++nachrichten;
                             });
            kanal.open(QUrl(u"ws://127.0.0.1:%1/live"_s.arg(port)));
        }
        QString ges(const QString &name) const
        {
            for (const QJsonValue &eintrag : stand.value(u"rangliste"_s).toArray()) {
                if (eintrag[u"name"_s].toString() == name)
                    return eintrag[u"ges"_s].toString();
            }
            return u"fehlt"_s;
        }
    };

    static quint16 freier_port()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

private slots:
    void ergebnis_und_rueckgaengig_erreichen_das_telefon()
    {
        Programm p;
        SpielplanFenster *plan = p.plan_oeffnen();
        QVERIFY(plan);
        LiveFenster *live = p.live_oeffnen();
        QVERIFY(live);
        QVERIFY(!live->m_anbieten->isChecked());
        QCOMPARE(live->m_status->text(), u"Die Live-Seite ist aus."_s);
        const quint16 port = freier_port();
        live->m_port->setValue(port);
        QCOMPARE(zusatz_live_port(p.zustand.daten_pfad), port);
        live->bindung_setzen(QHostAddress::LocalHost);
        QTest::mouseClick(live->m_anbieten, Qt::LeftButton);
        QVERIFY(live->m_anbieten->isChecked());
        QVERIFY(live->server().laeuft());
        QVERIFY(!live->m_port->isEnabled());

        Telefon telefon(port);
        QTRY_COMPARE(telefon.nachrichten, 1);
        QTRY_COMPARE(live->m_status->text(), u"Die Live-Seite läuft: 1 Telefon verbunden."_s);
        QCOMPARE(telefon.stand.value(u"plan"_s).toBool(), true);
        QCOMPARE(telefon.ges(u"<img src=x onerror=alert(1)>"_s), QString());

        plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(plan));
        QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 2, 1, u"4:6"_s));
        QTRY_COMPARE_WITH_TIMEOUT(telefon.ges(u"<img src=x onerror=alert(1)>"_s), u"6"_s, 1000);
        QCOMPARE(telefon.ges(u"Özil"_s), u"4"_s);

        QTest::keyClick(plan->FilterGrid2, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(telefon.ges(u"<img src=x onerror=alert(1)>"_s), QString(), 1000);
        QCOMPARE(telefon.ges(u"Özil"_s), QString());

        // Every second of a running game, in its colour.
        Stoppuhr &uhr = p.haupt->m_turnierplan->stoppuhr().stoppuhr();
        QVERIFY(uhr.laenge_geaendert(u"2"_s));
        uhr.start();
        uhr.tick();
        QTRY_COMPARE_WITH_TIMEOUT(telefon.stand[u"uhr"_s][u"text"_s].toString(), u"01 : 59"_s,
                                  1000);
        QCOMPARE(telefon.stand[u"uhr"_s][u"farbe"_s].toString(), u"#00ff00"_s);
        QCOMPARE(telefon.stand[u"uhr"_s][u"laeuft"_s].toBool(), true);
        uhr.stop();
        QTRY_COMPARE_WITH_TIMEOUT(telefon.stand[u"uhr"_s][u"laeuft"_s].toBool(), false, 1000);

        // A closed plan leaves the phones: its results may never be saved.
        QTest::mouseClick(plan->Button3, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(telefon.stand.value(u"plan"_s).toBool(), false, 1000);
        QVERIFY(telefon.stand.value(u"rangliste"_s).toArray().isEmpty());

        QTest::mouseClick(live->m_anbieten, Qt::LeftButton);
        QVERIFY(!live->server().laeuft());
        QTRY_VERIFY(telefon.kanal.state() == QAbstractSocket::UnconnectedState);
        QCOMPARE(live->m_status->text(), u"Die Live-Seite ist aus."_s);
        QVERIFY2(p.plattform.meldungen.isEmpty(), qPrintable(p.plattform.texte().join(u'\n')));
    }

    // Closing the window leaves the page on; the main window says so and counts the phones.
    void hauptfenster_zeigt_die_live_seite()
    {
        Programm p;
        LiveFenster *live = p.live_oeffnen();
        QVERIFY(live);
        auto *anzeige = p.haupt->findChild<QLabel *>(u"LiveAnzeige"_s);
        QVERIFY(anzeige);
        QVERIFY(!anzeige->isVisibleTo(p.haupt.get()));
        live->m_port->setValue(freier_port());
        live->bindung_setzen(QHostAddress::LocalHost);
        QTest::mouseClick(live->m_anbieten, Qt::LeftButton);
        live->close();
        QVERIFY(anzeige->isVisibleTo(p.haupt.get()));
        QCOMPARE(anzeige->text(), u"Live-Seite an: 0 Telefone"_s);
        {
            Telefon eins(quint16(live->m_port->value()));
            QTRY_COMPARE(anzeige->text(), u"Live-Seite an: 1 Telefon"_s);
            Telefon zwei(quint16(live->m_port->value()));
            QTRY_COMPARE(anzeige->text(), u"Live-Seite an: 2 Telefone"_s);
            QCOMPARE(anzeige->accessibleName(), anzeige->text());
        }
        QTRY_COMPARE(anzeige->text(), u"Live-Seite an: 0 Telefone"_s);
        live->m_anbieten->setChecked(false);
        QVERIFY(!anzeige->isVisibleTo(p.haupt.get()));
    }

    void belegter_port_wird_gemeldet()
    {
        Programm p;
        LiveFenster *live = p.live_oeffnen();
        QVERIFY(live);
        QTcpServer besetzt;
        QVERIFY(besetzt.listen(QHostAddress::LocalHost, 0));
        live->m_port->setValue(besetzt.serverPort());
        live->bindung_setzen(QHostAddress::LocalHost);
        QTest::mouseClick(live->m_anbieten, Qt::LeftButton);
        const QString text =
            u"Der Port %1 ist belegt. Bitte einen anderen Port wählen."_s.arg(besetzt.serverPort());
        QVERIFY(!live->m_anbieten->isChecked());
        QVERIFY(!live->server().laeuft());
        QCOMPARE(p.plattform.texte(), QStringList{text});
        QCOMPARE(live->m_status->text(), text);
    }

    void adressen_und_qr_code()
    {
        Programm p;
        LiveFenster *live = p.live_oeffnen();
        QVERIFY(live);
        live->m_port->setValue(8123);
        const QStringList adressen = live_adressen(8123);
        for (const QString &adresse : adressen) {
            QVERIFY(QRegularExpression(u"^http://\\d+\\.\\d+\\.\\d+\\.\\d+:8123/$"_s)
                        .match(adresse)
                        .hasMatch());
            QVERIFY(!adresse.startsWith(u"http://127."_s));
        }
        if (adressen.isEmpty()) {
            QVERIFY(live->m_adressen->text().startsWith(u"Keine"_s));
            QVERIFY(live->m_qr_code->pixmap().isNull());
        } else {
            QCOMPARE(live->m_adressen->text(), adressen.join(u'\n'));
            // Large enough to be scanned from the screen.
            QVERIFY(live->m_qr_code->pixmap().width() >= 200);
        }
        // The window shows again, the page keeps its state.
        live->close();
        QCOMPARE(p.live_oeffnen(), live);
        QVERIFY(live->isVisible());
    }
};

QTEST_MAIN(TstLiveAnbindung)
#include "tst_live_anbindung.moc"
