#include "app/hauptfenster_fenster.h"
#include "app/startbild_fenster.h"
#include "app/ueber_fenster.h"
#include "app/werbung_fenster.h"
#include "appearance/oberflaeche_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "shell/kuerzel.h"
#include "shell/sprache.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstHauptfenster : public QObject
{
    Q_OBJECT

    struct Aufbau
    {
        TestOrdner ordner;
        TestPlattform plattform;
        std::unique_ptr<TForm1> fenster;

        explicit Aufbau(bool mit_hilfe = true)
        {
            if (mit_hilfe) {
                QFile hilfe(ordner.pfad("Vorlix_Turnier-Hilfe.chm"));
                hilfe.open(QIODevice::WriteOnly);
            }
            ordner.zustand.optionen_lesen();
        }
        TForm1 &erzeugen()
        {
            fenster = std::make_unique<TForm1>(ordner.zustand, plattform);
            fenster->titel_setzen();
            fenster->show();
            return *fenster;
        }
    };

    static QAction *menuepunkt(TForm1 &fenster, const QString &text)
    {
        for (QAction *aktion : fenster.menuBar()->findChildren<QAction *>())
            if (ohne_kuerzel(aktion->text()) == text && !aktion->menu())
                return aktion;
        return nullptr;
    }

private slots:
    void initTestCase() { oberflaeche_einrichten(); }

    // Runs first: no other test of this program has read a picture yet.
    void bilder_ohne_bildformat_module()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.Image1->size(), QSize(480, 300));
        for (const Bedienelement &element : werkzeugleiste()) {
            const QIcon symbol = f.findChild<QToolButton *>(element.objekt_name)->icon();
            QVERIFY2(!symbol.isNull(), qPrintable(element.objekt_name));
            QCOMPARE(symbol.availableSizes(), QList<QSize>{QSize(32, 32)});
        }
        QFile karte(u"/proc/self/maps"_s);
        QVERIFY(karte.open(QIODevice::ReadOnly));
        QVERIFY(!karte.readAll().contains("/imageformats/"));
        // The menu bar's extension button still has its arrow.
        QCOMPARE(QApplication::style()
                     ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                     .availableSizes(),
                 (QList<QSize>{QSize(16, 10), QSize(32, 20)}));
    }

    void startbild_zeigt_spielfeld_und_figuren_data()
    {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("Rahmen") << QPoint(10, 150) << QColor(0x5d4037);
        QTest::newRow("Rasen") << QPoint(100, 50) << QColor(0x2e7d32);
        QTest::newRow("Mittellinie") << QPoint(240, 60) << QColor(Qt::white);
        QTest::newRow("Stange") << QPoint(70, 40) << QColor(0xbdbdbd);
        QTest::newRow("Figur Mannschaft 1") << QPoint(70, 150) << QColor(0x1565c0);
        QTest::newRow("Figur Mannschaft 2") << QPoint(410, 150) << QColor(0xc62828);
        QTest::newRow("Ball") << QPoint(228, 128) << QColor(Qt::white);
        QTest::newRow("Ecke bleibt frei") << QPoint(1, 1) << QColor(Qt::transparent);
    }

    void startbild_zeigt_spielfeld_und_figuren()
    {
        QFETCH(QPoint, punkt);
        QFETCH(QColor, farbe);
        Startbild bild;
        bild.resize(bild.sizeHint());
        QImage gemalt(bild.size(), QImage::Format_ARGB32);
        gemalt.fill(Qt::transparent);
        bild.render(&gemalt, {}, {}, QWidget::DrawChildren);
        QCOMPARE(gemalt.pixelColor(punkt).rgba(), farbe.rgba());
    }

    void werkzeugknoepfe_rufen_ihre_befehle_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<int>("befehl");
        QTest::addColumn<bool>("startseite_aus");
        QTest::newRow("1") << "SpeedButton1"
                           << "Erfassen" << int(Befehl::teilnehmer_erfassen) << true;
        QTest::newRow("3") << "SpeedButton3"
                           << "Auswählen" << int(Befehl::mitspieler_festlegen) << true;
        QTest::newRow("4") << "SpeedButton4"
                           << "Gruppen" << int(Befehl::gruppen_mitspieler_anzeigen) << true;
        QTest::newRow("2") << "SpeedButton2"
                           << "Turnierplan" << int(Befehl::turnierplan_anzeigen) << true;
        QTest::newRow("5") << "SpeedButton5"
                           << "Tabelle" << int(Befehl::ergebnisse_ansehen) << true;
        QTest::newRow("6") << "SpeedButton6"
                           << "Einstellungen" << int(Befehl::einstellungen) << false;
        QTest::newRow("7") << "SpeedButton7"
                           << "Backup" << int(Befehl::daten_sichern) << true;
        QTest::newRow("10") << "SpeedButton10"
                            << "Farben" << int(Befehl::farben) << true;
    }
    void werkzeugknoepfe_rufen_ihre_befehle()
    {
        QFETCH(QString, knopf);
        QFETCH(QString, beschriftung);
        QFETCH(int, befehl);
        QFETCH(bool, startseite_aus);
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QList<int> gerufen;
        for (int b = 0; b <= int(Befehl::beenden); ++b)
            if (Befehl(b) != Befehl::beenden && Befehl(b) != Befehl::hilfe)
                f.befehl_setzen(Befehl(b), [&gerufen, b] { gerufen << b; });

        auto *k = f.findChild<QToolButton *>(knopf);
        QVERIFY(k);
        QCOMPARE(ohne_kuerzel(k->text()), beschriftung);
        QCOMPARE(k->accessibleName(), beschriftung);
        QCOMPARE(k->width(), 70);
        QTest::mouseClick(k, Qt::LeftButton);
        QCOMPARE(gerufen, QList<int>{befehl});
        QCOMPARE(f.Panel5->isVisible(), !startseite_aus);
        QTest::qWait(0);
        // The tool bar keeps its place and height without the start page.
        QCOMPARE(f.Panel1->y(), 0);
        QCOMPARE(f.Panel1->height(), f.Panel1->sizeHint().height());
    }

    void knopfreihenfolge_und_hinweise()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QStringList namen;
        for (QToolButton *k : f.Panel1->findChildren<QToolButton *>())
            namen << k->objectName();
        QCOMPARE(namen, (QStringList{"SpeedButton1", "SpeedButton3", "SpeedButton4", "SpeedButton2",
                                     "SpeedButton5", "SpeedButton6", "SpeedButton7",
                                     "SpeedButton10", "SpeedButton11"}));
        QCOMPARE(f.findChild<QToolButton *>("SpeedButton1")->toolTip(), u"Daten eingeben"_s);
        QCOMPARE(f.findChild<QToolButton *>("SpeedButton10")->toolTip(),
                 u"Bildschirmfarben einstellen"_s);
        QCOMPARE(f.findChild<QToolButton *>("SpeedButton11")->toolTip(), u"Programm beenden"_s);
    }

    void menuepunkte_rufen_ihre_befehle_data()
    {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<int>("befehl");
        QTest::addColumn<bool>("startseite_aus");
        const auto zeile = [](const char *menue, const char *eintrag, Befehl befehl, bool aus) {
            QTest::newRow(eintrag)
                << QString::fromUtf8(menue) << QString::fromUtf8(eintrag) << int(befehl) << aus;
        };
        zeile("Spieler erfassen", "Spieler Gruppe 1 erfassen", Befehl::spieler_gruppe1_erfassen,
              true);
        zeile("Spieler erfassen", "Spieler Gruppe 2 erfassen", Befehl::spieler_gruppe2_erfassen,
              true);
        zeile("Spieler erfassen", "Spieler importieren…", Befehl::spieler_importieren, true);
        zeile("Spieler erfassen", "Spieler exportieren…", Befehl::spieler_exportieren, false);
        zeile("Anzeigen", "Mitspieler festlegen", Befehl::mitspieler_festlegen, true);
        zeile("Anzeigen", "Turnierplan anzeigen", Befehl::turnierplan_anzeigen, true);
        zeile("Anzeigen", "Ergebnisse ansehen", Befehl::ergebnisse_ansehen, true);
        zeile("Anzeigen", "Saisonübersicht", Befehl::saisonuebersicht, true);
        zeile("Anzeigen", "Zuschauer-Ansicht", Befehl::zuschauer_ansicht, false);
        zeile("Anzeigen", "Live-Seite im Hallennetz…", Befehl::live_seite, false);
        zeile("Drucken", "Adressen drucken", Befehl::adressen_drucken, true);
        zeile("Sonstiges", "Einstellungen", Befehl::einstellungen, false);
        zeile("Sonstiges", "Daten sichern/Wiederherstellen", Befehl::daten_sichern, true);
        zeile("Info", "Über Vorlix Turnier-Quarel 2", Befehl::ueber, false);
    }
    void menuepunkte_rufen_ihre_befehle()
    {
        QFETCH(QString, menue);
        QFETCH(QString, eintrag);
        QFETCH(int, befehl);
        QFETCH(bool, startseite_aus);
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QList<int> gerufen;
        for (int b = 0; b <= int(Befehl::beenden); ++b)
            if (Befehl(b) != Befehl::beenden && Befehl(b) != Befehl::hilfe)
                f.befehl_setzen(Befehl(b), [&gerufen, b] { gerufen << b; });

        QAction *aktion = menuepunkt(f, eintrag);
        QVERIFY(aktion);
        const auto *oben = qobject_cast<QMenu *>(aktion->parent());
        QVERIFY(oben);
        QCOMPARE(ohne_kuerzel(oben->title()), menue);
        aktion->trigger();
        QCOMPARE(gerufen, QList<int>{befehl});
        QCOMPARE(f.Panel5->isVisible(), !startseite_aus);
    }

    void menue_gruppen_erstellen_zeigt_die_gruppen()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        int gerufen = 0;
        f.befehl_setzen(Befehl::gruppen_mitspieler_anzeigen, [&gerufen] { ++gerufen; });
        menuepunkt(f, "Gruppen erstellen")->trigger();
        menuepunkt(f, "Gruppen Mitspieler anzeigen")->trigger();
        QCOMPARE(gerufen, 2);
    }

    void befehl_ohne_fenster_laesst_startseite_stehen()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        f.befehl_setzen(Befehl::teilnehmer_erfassen, {});
        QTest::mouseClick(f.findChild<QToolButton *>("SpeedButton1"), Qt::LeftButton);
        QVERIFY(f.Panel5->isVisible());
    }

    void ueber_zeigt_version_lizenzen_und_datenordner()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        menuepunkt(f, u"Über Vorlix Turnier-Quarel 2"_s)->trigger();
        UeberFenster *u = f.m_ueber;
        QVERIFY(u->isVisible());
        QVERIFY(f.Panel5->isVisible());
        QCOMPARE(u->windowTitle(), u"Über Vorlix Turnier-Quarel 2"_s);
        QCOMPARE(u->m_version->text(), u"Version 1.15"_s);
        const QString lizenzen = u->m_lizenzen->toPlainText();
        for (const char *teil : {"Qt 6.", "GNU Lesser General Public License 3.0", "CHMLib",
                                 "GNU Lesser General Public License 2.1"})
            QVERIFY2(lizenzen.contains(QString::fromUtf8(teil)), teil);
        QVERIFY(!lizenzen.contains(u"http"_s) && !lizenzen.contains(u"www"_s));
        QCOMPARE(u->m_datenordner->text(), a.ordner.zustand.daten_pfad);
        QCOMPARE(u->m_datenordner->accessibleName(), u"Datenordner"_s);
        QTest::mouseClick(u->m_ordner_oeffnen, Qt::LeftButton);
        QCOMPARE(a.plattform.gezeigte_ordner, QStringList{a.ordner.zustand.daten_pfad});
        QTest::mouseClick(u->m_schliessen, Qt::LeftButton);
        QVERIFY(!u->isVisible());
    }

    void titel_und_infozeile()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QCOMPARE(
            f.windowTitle(),
            u"Vorlix Turnier-Quarel 2   V 1.15      -      Heute ist  Dienstag der  08.12.2026"_s);
        QVERIFY(f.m_statuspanel->text().contains(u"1.15"));
        QCOMPARE(f.m_statuspanel->width(), 640);
        // Frame and title bar included, the window fills the work area.
        QVERIFY(f.frameGeometry() != f.geometry());
        QCOMPARE(f.frameGeometry(), a.plattform.arbeit);
    }

    void hilfe_mit_f1_und_menue()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_F1);
        menuepunkt(f, "Hilfe")->trigger();
        const QPair<QString, int> aufruf{a.ordner.pfad("Vorlix_Turnier-Hilfe.chm"), 150};
        QCOMPARE(a.plattform.hilfe_aufrufe, (QList<QPair<QString, int>>{aufruf, aufruf}));
        QVERIFY(a.plattform.meldungen.isEmpty());
    }

    void hilfedatei_wird_gesucht_data()
    {
        QTest::addColumn<QStringList>("orte"); // where the file lies: daten, bin, share
        QTest::addColumn<QString>("gefunden"); // empty: not found, reported
        QTest::newRow("Datenordner") << QStringList{"daten"} << "daten";
        QTest::newRow("neben dem Programm") << QStringList{"bin"} << "bin";
        QTest::newRow("installiert") << QStringList{"share"} << "share";
        QTest::newRow("Datenordner zuerst") << QStringList{"share", "bin", "daten"} << "daten";
        QTest::newRow("Programm vor installiert") << QStringList{"share", "bin"} << "bin";
        QTest::newRow("nirgends") << QStringList{} << "";
    }
    void hilfedatei_wird_gesucht()
    {
        QFETCH(QStringList, orte);
        QFETCH(QString, gefunden);
        Aufbau a(false);
        QTemporaryDir praefix;
        const QHash<QString, QString> ordner{{"daten", a.ordner.zustand.daten_pfad},
                                             {"bin", praefix.path() + "/bin/"},
                                             {"share", praefix.path() + "/share/vorlix/"}};
        QDir().mkpath(ordner["bin"]);
        QDir().mkpath(ordner["share"]);
        a.ordner.zustand.programm_ordner = praefix.path() + "/bin";
        for (const QString &ort : orte) {
            QFile hilfe(ordner[ort] + "Vorlix_Turnier-Hilfe.chm");
            QVERIFY(hilfe.open(QIODevice::WriteOnly));
        }
        a.erzeugen();
        if (gefunden.isEmpty()) {
            const QString erwartet = a.ordner.pfad("Vorlix_Turnier-Hilfe.chm");
            QCOMPARE(a.ordner.zustand.hilfe_datei, erwartet);
            QCOMPARE(a.plattform.texte(),
                     QStringList{u"Hilfe-Datei nicht gefunden\r"_s + erwartet});
        } else {
            QCOMPARE(a.ordner.zustand.hilfe_datei, ordner[gefunden] + "Vorlix_Turnier-Hilfe.chm");
            QVERIFY(a.plattform.meldungen.isEmpty());
        }
    }

    void taskleiste_legt_hoehe_und_art_fest()
    {
        Aufbau a;
        a.plattform.leiste = Taskleiste{1000, true};
        a.erzeugen();
        QCOMPARE(a.ordner.zustand.taskleiste_hoehe, 24);
        QCOMPARE(a.ordner.zustand.taskleiste_fest, 0);
    }

    void ohne_taskleiste_bleibt_die_entwurfslage()
    {
        Aufbau a;
        a.plattform.leiste.reset();
        TForm1 &f = a.erzeugen();
        QCOMPARE(f.frameGeometry(), a.plattform.arbeit);
        QCOMPARE(a.ordner.zustand.taskleiste_hoehe, 0);
        QVERIFY(f.m_statuspanel->width() != 640);
        QCOMPARE(f.Image1->pos(), QPoint(0, 0));
    }

    void beenden_sichert_vor_der_werbeseite()
    {
        Aufbau a;
        a.ordner.zustand.setze(opt::auto_sicherung, 1);
        TForm1 &f = a.erzeugen();
        QStringList ablauf;
        f.auto_sicherung = [&] {
            ablauf << (f.Form3 && f.Form3->isVisible() ? "sicherung nach seite" : "sicherung");
            return true;
        };
        QTest::mouseClick(f.findChild<QToolButton *>("SpeedButton11"), Qt::LeftButton);
        QVERIFY(f.Form3);
        QVERIFY(f.Form3->isVisible());
        QVERIFY(f.Form3->isModal());
        QVERIFY(f.isVisible());
        ablauf << "werbeseite " + f.Form3->Label1->text();
        QTest::mouseClick(f.Form3->Button1, Qt::LeftButton);
        QCOMPARE(ablauf, (QStringList{"sicherung",
                                      "werbeseite Diese Seite könnte Ihre Werbung anzeigen."}));
        QVERIFY(!f.isVisible());
        QCOMPARE(a.plattform.hilfe_geschlossen, 1);
    }

    void beenden_ohne_auto_sicherung()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        bool gesichert = false;
        f.auto_sicherung = [&] {
            gesichert = true;
            return true;
        };
        QTest::mouseClick(f.findChild<QToolButton *>("SpeedButton11"), Qt::LeftButton);
        QVERIFY(f.Form3->isVisible());
        f.Form3->reject(); // closing the page in any way ends the program too
        QVERIFY(!gesichert);
        QVERIFY(!f.isVisible());
    }

    void f1_auf_der_werbeseite()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QTest::mouseClick(f.findChild<QToolButton *>("SpeedButton11"), Qt::LeftButton);
        f.Form3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.Form3));
        QTest::keyClick(f.Form3, Qt::Key_F1);
        f.Form3->accept();
        const QPair<QString, int> aufruf{a.ordner.pfad("Vorlix_Turnier-Hilfe.chm"), 150};
        QCOMPARE(a.plattform.hilfe_aufrufe, (QList<QPair<QString, int>>{aufruf}));
    }

    void schliessfeld_ohne_sicherung_und_werbung()
    {
        Aufbau a;
        a.ordner.zustand.setze(opt::auto_sicherung, 1);
        TForm1 &f = a.erzeugen();
        bool gesichert = false;
        f.auto_sicherung = [&] {
            gesichert = true;
            return true;
        };
        QVERIFY(f.close());
        QVERIFY(!gesichert);
        QVERIFY(!f.Form3);
        QVERIFY(!f.isVisible());
    }

    void fenster_entstehen_erst_beim_zeigen()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QVERIFY(!f.Form3 && !f.Form7 && !f.Form8);
        // No other window either; the menus are the only windows besides the main window.
        const auto kinder = f.findChildren<QWidget *>();
        QVERIFY(std::none_of(kinder.cbegin(), kinder.cend(), [](const QWidget *kind) {
            return kind->isWindow() && !qobject_cast<const QMenu *>(kind);
        }));
        QTest::mouseClick(f.findChild<QToolButton *>("SpeedButton4"), Qt::LeftButton);
        QVERIFY(f.Form8 && f.Form8->isVisible());
        TForm8 *erstes = f.Form8;
        f.Form8->close();
        QTest::mouseClick(f.findChild<QToolButton *>("SpeedButton4"), Qt::LeftButton);
        QCOMPARE(f.Form8, erstes);
        QVERIFY(!f.Form7);
    }

    // The tool bar and the menu bar share the window's Alt keys; each menu has its own.
    void alt_kuerzel_sind_eindeutig()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        const auto kuerzel = [](const QString &text) {
            const qsizetype stelle = text.indexOf(u'&');
            return stelle < 0 ? QChar() : text.at(stelle + 1).toLower();
        };
        QList<QChar> fenster;
        for (QToolButton *k : f.Panel1->findChildren<QToolButton *>())
            fenster << kuerzel(k->text());
        for (QAction *oben : f.menuBar()->actions()) {
            fenster << kuerzel(oben->text());
            if (!oben->menu())
                continue;
            QList<QChar> im_menue;
            for (QAction *eintrag : oben->menu()->actions())
                im_menue << kuerzel(eintrag->text());
            QVERIFY2(!im_menue.contains(QChar()), qPrintable(oben->text()));
            QCOMPARE(QSet<QChar>(im_menue.begin(), im_menue.end()).size(), im_menue.size());
        }
        QVERIFY(!fenster.contains(QChar()));
        QCOMPARE(QSet<QChar>(fenster.begin(), fenster.end()).size(), fenster.size());
    }

    void alt_taste_loest_den_knopf_aus()
    {
        Aufbau a;
        TForm1 &f = a.erzeugen();
        QList<int> gerufen;
        f.befehl_setzen(Befehl::ergebnisse_ansehen,
                        [&gerufen] { gerufen << int(Befehl::ergebnisse_ansehen); });
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_L, Qt::AltModifier); // Tabe&lle
        // A mnemonic presses the button visibly before it clicks.
        QTRY_COMPARE(gerufen, QList<int>{int(Befehl::ergebnisse_ansehen)});
    }

    // On a narrow screen the about line is not cut, and stays inside the window.
    void infozeile_ganz_sichtbar_data()
    {
        QTest::addColumn<QSize>("schirm");
        QTest::newRow("1280x1024") << QSize(1280, 1024);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("800x600") << QSize(800, 600);
    }
    void infozeile_ganz_sichtbar()
    {
        QFETCH(QSize, schirm);
        Aufbau a;
        a.plattform.schirm = QRect(QPoint(0, 0), schirm);
        a.plattform.arbeit = QRect(0, 0, schirm.width(), schirm.height() - 40);
        a.plattform.leiste = Taskleiste{schirm.height() - 40, false};
        TForm1 &f = a.erzeugen();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QLabel *info = f.m_statuspanel;
        QVERIFY(info->isVisible());
        QVERIFY(info->contentsRect().width() >=
                info->fontMetrics().horizontalAdvance(info->text()));
        QVERIFY(info->width() >= schirm.width() / 2);
        const QRect im_fenster(info->mapTo(&f, QPoint(0, 0)), info->size());
        QVERIFY(f.rect().contains(im_fenster));
    }

    // Qt's own texts speak German: context menus and standard buttons.
    void qt_texte_auf_deutsch()
    {
        QVERIFY(qt_deutsch_laden(*QCoreApplication::instance()));
        QLineEdit feld(u"Jürgen Öztürk"_s);
        std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
        QStringList eintraege;
        for (QAction *aktion : menue->actions())
            eintraege << ohne_kuerzel(aktion->text()).section(u'\t', 0, 0);
        QVERIFY2(eintraege.contains(u"Kopieren"_s), qPrintable(eintraege.join(u'|')));
        QVERIFY2(eintraege.contains(u"Alles auswählen"_s), qPrintable(eintraege.join(u'|')));
        QDialogButtonBox knoepfe(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(knoepfe.button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
    }
};

QTEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
