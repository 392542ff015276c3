#include "../matchplan/plan_testhilfe.h"
#include "app/einstellungen_fenster.h"
#include "app/hauptfenster_fenster.h"
#include "appearance/farbwahl_fenster.h"
#include "appearance/kontrast.h"
#include "appearance/oberflaeche_fenster.h"
#include "appearance/stil_anwenden.h"
#include "appearance/stile.h"
#include "../results/ergebnis_testhilfe.h"
#include "matchplan/mannschaftszeilen_fenster.h"
#include "matchplan/zuschauer_fenster.h"
#include "results/ergebnisliste_fenster.h"
#include "lineup/doppel_gruppen_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "matchplan/spielplan_fenster.h"
#include "schreibschutz.h"
#include "stopwatch/zeitanzeige.h"
#include "storage/farbwert.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QtTest>
#include <cstring>

using namespace Qt::StringLiterals;

class TstFarbwahlFenster : public QObject
{
    Q_OBJECT

    // A start of the program on a data folder: the main window with its colours and style.
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> form1;

        Programm() { zustand.optionen_lesen(); }
        TForm1 &starten()
        {
            form1 = std::make_unique<TForm1>(zustand, plattform);
            form1->titel_setzen();
            form1->show();
            return *form1;
        }
        QByteArray datei(const QString &name) const
        {
            QByteArray bytes;
            speicher::datei_lesen(pfad(name), bytes);
            return bytes;
        }
    };

    static QColor fensterfarbe(const Stil &stil) { return QColor(stil.fenster); }
    static QListWidgetItem *eintrag(TFarbe &f, const QString &name)
    {
        const QList<QListWidgetItem *> treffer = f.ListBox1->findItems(name, Qt::MatchExactly);
        return treffer.size() == 1 ? treffer.first() : nullptr;
    }
    static void klicken(TFarbe &f, const QString &name)
    {
        const QRect feld = f.ListBox1->visualItemRect(eintrag(f, name));
        QTest::mouseClick(f.ListBox1->viewport(), Qt::LeftButton, {}, feld.center());
    }
    static void doppelklicken(TFarbe &f, const QString &name)
    {
        QListWidgetItem *e = eintrag(f, name);
        f.ListBox1->scrollToItem(e);
        const QRect feld = f.ListBox1->visualItemRect(e);
        // The test's double click reaches the list only after a click of its own.
        QTest::mouseClick(f.ListBox1->viewport(), Qt::LeftButton, {}, feld.center());
        QTest::mouseDClick(f.ListBox1->viewport(), Qt::LeftButton, {}, feld.center());
    }

    // The contrast of a text as drawn: the widget rendered with its text and with as many
    // blanks; the pixels that differ are the text's, each against the ground it covers. Text
    // is drawn without antialiasing here, so its pixels have the text's own colour.
    template <typename Beschriftet> static double gezeichneter_kontrast(Beschriftet *w)
    {
        const QString text = w->text();
        const QImage mit = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        w->setText(QString(text.size(), u' '));
        const QImage ohne = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        w->setText(text);
        double staerkste = 1.0;
        QSet<QPair<QRgb, QRgb>> gesehen;
        const qsizetype zeilenbytes = mit.bytesPerLine();
        for (int y = 0; y < mit.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(mit.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(ohne.constScanLine(y));
            if (std::memcmp(a, b, size_t(zeilenbytes)) == 0)
                continue;
            for (int x = 0; x < mit.width(); ++x)
                if (a[x] != b[x] && !gesehen.contains({a[x], b[x]})) {
                    gesehen.insert({a[x], b[x]});
                    staerkste = std::max(staerkste, kontrast(QColor(a[x]), QColor(b[x])));
                }
        }
        return staerkste;
    }
    template <typename Beschriftet> static void lesbar(Beschriftet *w, const QString &wo)
    {
        const double k = gezeichneter_kontrast(w);
        QVERIFY2(k >= 4.5, qPrintable(u"%1 \"%2\": %3"_s.arg(wo, w->text()).arg(k)));
    }

    // A push button's caption fits inside the button as its style frames and pads it.
    static void passt(QPushButton *k, const QString &wo)
    {
        QStyleOptionButton option;
        option.initFrom(k);
        option.text = k->text();
        option.features = k->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
        const QRect innen = k->style()->subElementRect(QStyle::SE_PushButtonContents, &option, k);
        const QSize text = k->fontMetrics().size(Qt::TextShowMnemonic, k->text());
        QVERIFY2(text.width() <= innen.width() && text.height() <= innen.height(),
                 qPrintable(u"%1 \"%2\": %3x%4 in %5x%6"_s.arg(wo, k->text())
                                .arg(text.width())
                                .arg(text.height())
                                .arg(innen.width())
                                .arg(innen.height())));
    }

    // Every caption of a window; buttons also under the mouse and pressed, when a flat one
    // raises in another colour.
    static void fenster_lesbar(QWidget *fenster, const QString &name)
    {
        for (QLabel *l : fenster->findChildren<QLabel *>())
            if (l->isVisible() && !l->text().isEmpty())
                lesbar(l, name + u" "_s + l->objectName());
        for (QAbstractButton *k : fenster->findChildren<QAbstractButton *>()) {
            if (!k->isVisible() || k->text().isEmpty())
                continue;
            const QString wo = name + u" "_s + k->objectName();
            if (auto *druckknopf = qobject_cast<QPushButton *>(k))
                passt(druckknopf, wo);
            lesbar(k, wo);
            k->setAttribute(Qt::WA_UnderMouse, true);
            lesbar(k, wo + u" unter der Maus"_s);
            k->setDown(true);
            lesbar(k, wo + u" gedrückt"_s);
            k->setDown(false);
            k->setAttribute(Qt::WA_UnderMouse, false);
        }
    }

    QPalette m_system_palette;
    QString m_system_stil;
    QFont m_system_schrift;

private slots:
    void initTestCase()
    {
        m_system_palette = QApplication::palette();
        m_system_stil = QApplication::style()->name();
        m_system_schrift = QApplication::font();
    }
    void cleanup()
    {
        Zustand zustand;
        zustand.plattform_stil = m_system_stil;
        stil_anwenden(zustand, u"Windows"_s);
        QApplication::setFont(m_system_schrift);
    }

    void fenster_zeigt_alle_stile()
    {
        Programm p;
        stil_anwenden(p.zustand, u"Windows"_s);
        TFarbe f(p.zustand, p.plattform);
        f.zeigen();
        QCOMPARE(f.windowTitle(), u"Farbwahl"_s);
        QCOMPARE(f.Panel1->text(), u"Aktiver Style > Windows"_s);
        QStringList namen;
        for (int i = 0; i < f.ListBox1->count(); ++i)
            namen << f.ListBox1->item(i)->text();
        QCOMPARE(namen, stil_namen());
        QCOMPARE(f.Style_Button->text().remove(u'&'), u"Style aktivieren"_s);
        QCOMPARE(f.Button1->text().remove(u'&'), u"Speichern"_s);
        QCOMPARE(f.Button22->text().remove(u'&'), u"Beenden"_s);
        QVERIFY(!f.Style_Button->isEnabled());
        QVERIFY(!f.ListBox1->accessibleName().isEmpty());
    }

    void doppelklick_auf_luna_gilt_sofort_und_beim_naechsten_start()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        haupt.befehl_ausfuehren(Befehl::farben);
        TFarbe &f = *haupt.Farbe;
        QVERIFY(f.isVisible());
        QVERIFY(!haupt.Panel5->isVisible());
        doppelklicken(f, u"Luna"_s);
        const Stil &luna = *stil_suchen(u"Luna"_s);
        QCOMPARE(QApplication::palette().color(QPalette::Window), fensterfarbe(luna));
        QCOMPARE(p.datei(u"Styledat.txt"_s), QByteArray("Luna"));
        QVERIFY(f.isVisible());
        QCOMPARE(f.Panel1->text(), u"Aktiver Style > Luna"_s);

        QTest::mouseClick(f.Button22, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(haupt.Panel5->isVisible());
        QCOMPARE(p.zustand.stil_name, u"Luna"_s);
        QCOMPARE(QApplication::palette().color(QPalette::Window), fensterfarbe(luna));

        // The next start on the same data folder.
        cleanup();
        Zustand neu;
        neu.daten_pfad = p.zustand.daten_pfad;
        neu.optionen_lesen();
        TForm1 wieder(neu, p.plattform);
        QCOMPARE(neu.stil_name, u"Luna"_s);
        QCOMPARE(QApplication::palette().color(QPalette::Window), fensterfarbe(luna));
    }

    void klick_waehlt_und_style_aktivieren_uebernimmt()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        haupt.befehl_ausfuehren(Befehl::farben);
        TFarbe &f = *haupt.Farbe;
        klicken(f, u"Carbon"_s);
        QVERIFY(f.Style_Button->isEnabled());
        QCOMPARE(p.zustand.stil_name, u"Windows"_s);
        QVERIFY(!QFile::exists(p.pfad(u"Styledat.txt"_s)));
        QTest::mouseClick(f.Style_Button, Qt::LeftButton);
        QCOMPARE(p.zustand.stil_name, u"Carbon"_s);
        QCOMPARE(p.datei(u"Styledat.txt"_s), QByteArray("Carbon"));
        QVERIFY(!f.isVisible());
        QVERIFY(haupt.Panel5->isVisible());
    }

    // In a read-only data folder the chosen style applies and the window names the file it
    // could not keep it in.
    void stil_im_schreibgeschuetzten_ordner()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        haupt.befehl_ausfuehren(Befehl::farben);
        TFarbe &f = *haupt.Farbe;
        klicken(f, u"Carbon"_s);
        p.plattform.meldungen.clear(); // the start misses the help file
        {
            const Schreibschutz schutz(p.ordner.path());
            QVERIFY(schutz.wirksam());
            QTest::mouseClick(f.Style_Button, Qt::LeftButton);
        }
        QCOMPARE(p.zustand.stil_name, u"Carbon"_s);
        QCOMPARE(p.plattform.texte(),
                 QStringList{u"Der Style gilt nur bis zum Ende des Programms: Die Datei \""_s +
                             p.pfad(u"Styledat.txt"_s) + u"\" konnte nicht geschrieben werden."_s});
        QCOMPARE(p.plattform.meldungen.first().art, TestPlattform::Meldung::Schreibfehler);
        QVERIFY(!QFile::exists(p.pfad(u"Styledat.txt"_s)));
    }

    void farben_im_schreibgeschuetzten_ordner()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        haupt.befehl_ausfuehren(Befehl::farben);
        TFarbe &f = *haupt.Farbe;
        p.plattform.meldungen.clear(); // the start misses the help file
        QByteArray vorher;
        QVERIFY(speicher::datei_lesen(p.pfad(u"farben.frb"_s), vorher));
        {
            const Schreibschutz schutz(p.ordner.path());
            QVERIFY(schutz.wirksam());
            QTest::mouseClick(f.Button1, Qt::LeftButton);
        }
        QCOMPARE(p.plattform.texte(),
                 QStringList{u"Die Farben wurden nicht gespeichert: Die Datei \""_s +
                             p.pfad(u"farben.frb"_s) + u"\" konnte nicht geschrieben werden."_s});
        QCOMPARE(p.plattform.meldungen.first().art, TestPlattform::Meldung::Schreibfehler);
        QByteArray nachher;
        QVERIFY(speicher::datei_lesen(p.pfad(u"farben.frb"_s), nachher));
        QCOMPARE(nachher, vorher);
    }

    void start_mit_gespeichertem_stil_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("stil");
        QTest::newRow("Carbon ohne Zeilenende") << QByteArray("Carbon") << u"Carbon"_s;
        QTest::newRow("leer") << QByteArray() << u"Windows"_s;
        QTest::newRow("Stil mit Blatt")
            << QByteArray("Metropolis UI Green\r\n") << u"Metropolis UI Green"_s;
    }
    void start_mit_gespeichertem_stil()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, stil);
        Programm p;
        QVERIFY(speicher::datei_ersetzen(p.pfad(u"Styledat.txt"_s), datei));
        p.starten();
        QCOMPARE(p.zustand.stil_name, stil);
        const Stil *eingebaut = stil_suchen(stil);
        QCOMPARE(QApplication::palette(), eingebaut ? stil_palette(*eingebaut) : m_system_palette);
        // The style's own sheet, followed by the rule for buttons of fixed size.
        const QString blatt = eingebaut ? eingebaut->blatt.toString() : QString();
        QVERIFY(qApp->styleSheet().startsWith(blatt));
        QCOMPARE(qApp->styleSheet().isEmpty(), blatt.isEmpty());
    }

    void style_lesen_maximiert_das_hauptfenster()
    {
        Programm p;
        p.plattform.arbeit = QRect(0, 30, 1000, 700);
        QWidget haupt;
        haupt.setGeometry(100, 100, 300, 200);
        style_lesen(p.zustand, p.plattform, haupt);
        QCOMPARE(haupt.pos(), QPoint(0, 30));
        QCOMPARE(haupt.size(), QSize(1000, 700));
    }

    void unbekannter_stil_behaelt_den_aktuellen()
    {
        Programm p;
        QVERIFY(stil_anwenden(p.zustand, u"Sky"_s));
        QVERIFY(speicher::datei_ersetzen(p.pfad(u"Styledat.txt"_s), "Karbon"));
        p.starten();
        QCOMPARE(p.zustand.stil_name, u"Sky"_s);
        QCOMPARE(QApplication::palette(), stil_palette(*stil_suchen(u"Sky"_s)));
        QVERIFY(!stil_anwenden(p.zustand, QString()));
        QCOMPARE(p.zustand.stil_name, u"Sky"_s);
    }

    void systemstil_bringt_die_plattform_zurueck()
    {
        Zustand zustand;
        QVERIFY(stil_anwenden(zustand, u"Glossy"_s));
        QVERIFY(!qApp->styleSheet().isEmpty());
        QVERIFY(stil_anwenden(zustand, u"windows"_s));
        QCOMPARE(zustand.stil_name, u"Windows"_s);
        QCOMPARE(QApplication::palette(), m_system_palette);
        QCOMPARE(QApplication::style()->name(), m_system_stil);
        QVERIFY(qApp->styleSheet().isEmpty());
    }

    void ein_stil_gilt_fuer_alle_fenster_zugleich()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        haupt.befehl_ausfuehren(Befehl::einstellungen);
        haupt.befehl_ausfuehren(Befehl::gruppen_mitspieler_anzeigen);
        haupt.befehl_ausfuehren(Befehl::farben);
        doppelklicken(*haupt.Farbe, u"Cobalt XEMedia"_s);
        const Stil &stil = *stil_suchen(u"Cobalt XEMedia"_s);
        // Windows take the new palette as the event loop runs on.
        for (QWidget *fenster : QList<QWidget *>{haupt.Farbe, haupt.Form10, haupt.Form8})
            QTRY_COMPARE(fenster->palette().color(QPalette::Window), fensterfarbe(stil));
        QTRY_COMPARE(haupt.Form10->Edit1->palette().color(QPalette::Base), QColor(stil.basis));
        // The plan colours of the settings window stay what they are: here the default in effect.
        QCOMPARE(haupt.Form10->Edit2->palette().color(QPalette::Base), QColor(0xD0, 0xE8, 0xFF));
    }

    void hauptfenster_nimmt_die_farben_des_farbsatzes()
    {
        Programm p;
        Farben_anlegen(p.zustand.farben, p.zustand.daten_pfad);
        p.zustand.farben.setze(frb::form_umr, 0x0000FF);
        p.zustand.farben.setze(frb::H_bs_hg, 0x400000);
        farben_speichern(p.zustand.farben, p.zustand.daten_pfad);
        TForm1 haupt(p.zustand, p.plattform);
        // form_umr at creation, H_bs_hg and menuebar at every titel_setzen.
        QCOMPARE(haupt.palette().color(QPalette::Window), QColor(255, 0, 0));
        haupt.titel_setzen();
        QCOMPARE(haupt.palette().color(QPalette::Window), QColor(0, 0, 0x40));
        QCOMPARE(haupt.Panel1->palette().color(QPalette::Window), QColor(0xE8, 0xE3, 0xC1));
        QCOMPARE(haupt.Panel5->palette().color(QPalette::Window), QColor(0, 0, 0x40));
        p.zustand.farben.setze(frb::menuebar, 0x00FFFF);
        haupt.titel_setzen();
        QCOMPARE(haupt.Panel1->palette().color(QPalette::Window), QColor(255, 255, 0));
    }

    void hauptfenster_bleibt_in_jedem_stil_lesbar_data()
    {
        QTest::addColumn<QString>("stil");
        for (const QString &name : stil_namen())
            QTest::newRow(name.toUtf8().constData()) << name;
    }
    void hauptfenster_bleibt_in_jedem_stil_lesbar()
    {
        QFETCH(QString, stil);
        Programm p;
        TForm1 &haupt = p.starten();
        QVERIFY(stil_anwenden(p.zustand, stil));
        QCoreApplication::processEvents(); // windows take the palette through posted events
        const auto lesbar = [](QWidget *w, QPalette::ColorRole schrift) {
            return kontrast(w->palette().color(schrift), w->palette().color(QPalette::Window));
        };
        QVERIFY(lesbar(haupt.Label1, QPalette::WindowText) >= 4.5);
        QVERIFY(lesbar(haupt.RxClock1, QPalette::WindowText) >= 4.5);
        QVERIFY(lesbar(haupt.findChild<QToolButton *>(u"SpeedButton1"_s), QPalette::ButtonText) >=
                4.5);
        QVERIFY(lesbar(haupt.m_statuspanel, QPalette::WindowText) >= 4.5);
    }

    // What the styles draw, measured in pixels: the tool bar's captions, the headings of the
    // style window and the plan, and the plan's time display in every colour it takes. The
    // plan is open before the style changes, as when the organiser changes it mid-game.
    void gezeichnete_schrift_in_jedem_stil_lesbar_data()
    {
        QTest::addColumn<QString>("stil");
        QTest::addColumn<bool>("beim_start");
        for (const QString &name : stil_namen()) {
            QTest::addRow("%s beim Start", name.toUtf8().constData()) << name << true;
            QTest::addRow("%s gewechselt", name.toUtf8().constData()) << name << false;
        }
    }
    void gezeichnete_schrift_in_jedem_stil_lesbar()
    {
        QFETCH(QString, stil);
        QFETCH(bool, beim_start);
        oberflaeche_einrichten();
        QFont ohne_kanten = QApplication::font();
        ohne_kanten.setStyleStrategy(QFont::NoAntialias);
        QApplication::setFont(ohne_kanten);
        Programm p;
        aufstellungen_schreiben(p.zustand, aufstellung(u"A"_s, 3), aufstellung(u"B"_s, 3));
        if (beim_start) {
            QVERIFY(style_speichern(p.zustand.daten_pfad, stil));
            stil_anwenden(p.zustand, u"Emerald Light Slate"_s);
        }
        TForm1 &haupt = p.starten();
        QTest::mouseClick(haupt.findChild<QToolButton *>("SpeedButton2"), Qt::LeftButton);
        auto *plan = haupt.findChild<SpielplanFenster *>();
        QVERIFY(plan && plan->isVisible());
        if (!beim_start) {
            haupt.befehl_ausfuehren(Befehl::farben);
            doppelklicken(*haupt.Farbe, stil);
        }
        haupt.befehl_ausfuehren(Befehl::farben);
        QCoreApplication::processEvents(); // windows take the palette through posted events
        QCOMPARE(p.zustand.stil_name, stil);

        // The plan with its team score lines and its round panel, the audience view and the
        // results list besides.
        plan->m_tische->setValue(1);
        haupt.befehl_ausfuehren(Befehl::zuschauer_ansicht);
        auto *zuschauer = haupt.findChild<ZuschauerFenster *>();
        QVERIFY(zuschauer && zuschauer->isVisible());
        spieltag_ablegen(p.zustand, spieltag_fuer(false, 3), false, 3);
        TForm13 liste(p.zustand, p.plattform, &haupt);
        liste.zeigen();
        QCoreApplication::processEvents();
        QVERIFY(plan->m_mannschaftszeilen->isVisible());
        QVERIFY(plan->findChild<QLabel *>(u"Rundentitel"_s)->isVisible());
        for (QWidget *fenster :
             QList<QWidget *>{&haupt, plan, haupt.Farbe, zuschauer, &liste})
            fenster_lesbar(fenster, fenster->objectName());
        lesbar(haupt.Farbe->Panel1, u"Farbwahl"_s);
        lesbar(plan->Panel2, u"Turnierplan"_s);
        lesbar(plan->Panel6, u"Spielzeit vor dem Start"_s);
        for (const TColor farbe : {uhr_gruen, uhr_gelb, uhr_rot, TColor(clBtnFace)}) {
            plan->zeit_anzeigen(u"00 : 42"_s, farbe_zu_qcolor(farbe));
            lesbar(plan->Panel6, u"Spielzeit in %1"_s.arg(farbe, 0, 16));
        }
    }

    void speichern_schreibt_den_farbsatz()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        haupt.befehl_ausfuehren(Befehl::farben);
        p.zustand.farben.setze(frb::listb, 0x123456);
        QTest::mouseClick(haupt.Farbe->Button1, Qt::LeftButton);
        QCOMPARE(p.datei(u"farben.frb"_s).mid(68, 4), QByteArray("\x56\x34\x12\x00", 4));
        QCOMPARE(p.zustand.farben.wert(frb::listb), 0x123456);
        QVERIFY(!haupt.Farbe->isVisible());
        QVERIFY(haupt.Panel5->isVisible());
    }

    void einstellungen_aus_dem_hauptfenster()
    {
        Programm p;
        TForm1 &haupt = p.starten();
        QTest::mouseClick(haupt.findChild<QToolButton *>(u"SpeedButton6"_s), Qt::LeftButton);
        QVERIFY(haupt.Form10->isVisible());
        QVERIFY(!haupt.Panel5->isVisible());
        QTest::mouseClick(haupt.Form10->Button2, Qt::LeftButton);
        QVERIFY(haupt.Panel5->isVisible());
        // The window is created once and reused.
        TForm10 *erstes = haupt.Form10;
        haupt.befehl_ausfuehren(Befehl::einstellungen);
        QCOMPARE(haupt.Form10, erstes);
    }

    void f1_in_der_farbwahl()
    {
        Programm p;
        TFarbe f(p.zustand, p.plattform);
        f.zeigen();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe.size(), 1);
        QCOMPARE(p.plattform.hilfe_aufrufe[0].second, 150);
    }
};

QTEST_MAIN(TstFarbwahlFenster)
#include "tst_farbwahl_fenster.moc"
