#include "matchplan/zuschauer_ansicht.h"
#include "matchplan/zuschauer_fenster.h"
#include "plan_testhilfe.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace Qt::StringLiterals;

// The audience view on a platform that reports two screens side by side (see main).
class TstZuschauerFenster : public QObject
{
    Q_OBJECT

    // A singles plan of three entries per team with German names, and the view following it.
    struct Ansicht : PlanAufbau
    {
        ZuschauerFenster fenster{plattform};

        Ansicht()
            : PlanAufbau(einzel_profil(), {u"Jürgen Weiß"_s, u"Jörg Öztürk"_s, u"Änne Groß"_s},
                         {u"Ülkü Maßmann"_s, u"Björn Schäfer"_s, u"Grete Süß"_s})
        {
            zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß Fußballfreunde"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Rot-Gelb Möhringen"_s);
            fenster.plan_setzen(&plan);
            fenster.oeffnen();
        }
        QStringList zeile(int i) const
        {
            QStringList texte;
            for (const Tafeltext *feld : fenster.m_rangliste[size_t(i)])
                texte << feld->text();
            return texte;
        }
    };

private slots:
    void folgt_jedem_ergebnis_sofort()
    {
        Ansicht a;
        QCOMPARE(a.zeile(0),
                 (QStringList{{}, u"Jürgen Weiß"_s, u"Grün-Weiß Fußballfreunde"_s, u"0"_s, {}}));
        QCOMPARE(a.zeile(5),
                 (QStringList{{}, u"Grete Süß"_s, u"Rot-Gelb Möhringen"_s, u"0"_s, {}}));
        QVERIFY(a.zeile(6).join(QString()).isEmpty());

        a.eintragen(2, 3, u"4:6"_s); // Jörg Öztürk 6, Grete Süß 4
        // No event loop turn in between: the view shows it as the cell's editor closes.
        QCOMPARE(a.zeile(0), (QStringList{u"1"_s, u"Jörg Öztürk"_s, u"Grün-Weiß Fußballfreunde"_s,
                                          u"1"_s, u"6"_s}));
        QCOMPARE(a.zeile(1),
                 (QStringList{u"2"_s, u"Grete Süß"_s, u"Rot-Gelb Möhringen"_s, u"1"_s, u"4"_s}));
        QCOMPARE(a.zeile(2)[1], u"Jürgen Weiß"_s);

        for (const auto &[c, r, text] :
             {std::tuple{1, 1, u"9:1"_s}, {1, 2, u"2:5"_s}, {3, 1, u"5:0"_s}, {3, 3, u"7:0"_s}}) {
            a.eintragen(c, r, text);
        }
        // The same ranking as the plan's "Platz" column, best first.
        const QList<Zuschauerzeile> rangliste = zuschauer_rangliste(a.tabelle, 3);
        for (int i = 0; i < rangliste.size(); ++i) {
            QCOMPARE(a.zeile(i)[0], rangliste[i].platz);
            QCOMPARE(a.zeile(i)[1], rangliste[i].name);
            QCOMPARE(a.zeile(i)[4], rangliste[i].ges);
        }
        QCOMPARE(a.zeile(0), (QStringList{u"1"_s, u"Ülkü Maßmann"_s, u"Rot-Gelb Möhringen"_s,
                                          u"2"_s, u"14"_s}));
        // Equal totals share the place in the plan's order; no total, no place: at the end.
        QCOMPARE(a.zeile(2)[0] + a.zeile(2)[1], u"3Jürgen Weiß"_s);
        QCOMPARE(a.zeile(3)[0] + a.zeile(3)[1], u"3Jörg Öztürk"_s);
        QCOMPARE(a.zeile(4)[0] + a.zeile(4)[1], u"5Björn Schäfer"_s);
        QCOMPARE(a.zeile(5),
                 (QStringList{{}, u"Änne Groß"_s, u"Grün-Weiß Fußballfreunde"_s, u"2"_s, {}}));
        QCOMPARE(a.fenster.m_mannschaft1->text(), a.plan.mannschaft_zeile(Mannschaft::eins));
        QCOMPARE(a.fenster.m_mannschaft2->text(),
                 u"Rot-Gelb Möhringen: 3 Spiele gewonnen, 27 Punkte, 4 Spiele offen"_s);
        QCOMPARE(a.fenster.m_datum->text(), u"Dienstag, 8. Dezember 2026"_s);
    }

    void sieger_und_stoppuhr_in_eigenen_farben()
    {
        Ansicht a;
        for (int c = 1; c <= 3; ++c) {
            for (int r = 1; r <= 2; ++r)
                a.eintragen(c, r, u"1:3"_s);
        }
        QVERIFY(a.fenster.m_mannschaft1->text().startsWith(
            u"Grün-Weiß Fußballfreunde hat den Spieltag gewonnen"_s));
        QCOMPARE(a.fenster.m_mannschaft1->farbe(), QColor(Qt::black));
        QCOMPARE(a.fenster.m_mannschaft1->grund(), a.fenster.m_rangliste[0][2]->farbe());

        QCOMPARE(a.fenster.m_spielzeit->text(), u"00 : 00"_s);
        a.fenster.zeit_anzeigen(u"0 :42"_s, QColor(255, 255, 0));
        QCOMPARE(a.fenster.m_spielzeit->text(), u"0 :42"_s);
        QCOMPARE(a.fenster.m_spielzeit->grund(), QColor(255, 255, 0));

        // A style sheet of the program's styles does not reach into the view.
        qApp->setStyleSheet(u"QWidget { background: #ffffff; color: #ff00ff; }"_s);
        const QImage bild = a.fenster.grab().toImage();
        qApp->setStyleSheet(QString());
        QCOMPARE(bild.pixelColor(1, 1), QColor(Qt::black));
        const QRect zeit = a.fenster.m_spielzeit->geometry();
        QCOMPARE(bild.pixelColor(zeit.left() + 1, zeit.top() + 1), QColor(255, 255, 0));
    }

    void vollbild_auf_dem_zweiten_bildschirm()
    {
        const QList<QScreen *> schirme = QGuiApplication::screens();
        QCOMPARE(schirme.size(), 2);
        Ansicht a;
        QVERIFY(a.fenster.isFullScreen());
        QVERIFY(a.fenster.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(a.fenster.windowHandle()->screen(), schirme[1]);
        QCOMPARE(a.fenster.geometry(), schirme[1]->geometry());
        // Twenty entries and both team lines fit the screen's height.
        const int hoehe = schirme[1]->geometry().height();
        QCOMPARE(zuschauer_zeilenhoehe(hoehe), hoehe / 25);
        QVERIFY(a.fenster.m_rangliste[19][1]->geometry().bottom() < a.fenster.m_mannschaft1->y());
        QVERIFY(a.fenster.m_mannschaft2->geometry().bottom() < hoehe);
        QVERIFY(a.fenster.m_rangliste[0][1]->height() >= 40);
    }

    void bildschirmwahl()
    {
        const QList<QScreen *> schirme = QGuiApplication::screens();
        QCOMPARE(zuschauer_bildschirm({schirme[0]}, schirme[0]), nullptr);
        QCOMPARE(zuschauer_bildschirm(schirme, schirme[0]), schirme[1]);
        QCOMPARE(zuschauer_bildschirm(schirme, schirme[1]), schirme[0]);
    }

    void esc_schliesst()
    {
        Ansicht a;
        QVERIFY(a.fenster.isVisible());
        QTest::keyClick(&a.fenster, Qt::Key_Escape);
        QVERIFY(!a.fenster.isVisible());
    }

    // A team name too long for its column is shown whole: in smaller type, on two lines where
    // that reads larger, never cut off.
    void lange_namen_ganz_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("kleiner");
        QTest::newRow("kurz") << u"Rot-Weiß"_s << false;
        QTest::newRow("viele Wörter")
            << u"Tischfußballfreunde Zweibrücken-Ixheim und Umgebung 1923 e. V."_s << true;
        QTest::newRow("ein langes Wort")
            << u"Tischfußballvereinsgemeinschaftsmitgliederversammlungsbeschlussausführung"_s
            << true;
    }
    void lange_namen_ganz()
    {
        QFETCH(QString, name);
        QFETCH(bool, kleiner);
        Ansicht a;
        a.zustand.optionen.setze(opt::name_mannschaft1, name);
        a.fenster.plan_setzen(&a.plan);
        const Tafeltext *feld = a.fenster.m_rangliste[0][2];
        QCOMPARE(feld->text(), name);
        const Tafeltext::Darstellung wie = feld->darstellung();
        const QRect flaeche = feld->contentsRect();
        const QRect noetig = QFontMetrics(wie.schrift).boundingRect(flaeche, wie.flaggen, name);
        QVERIFY2(flaeche.contains(noetig), qPrintable(u"%1 x %2 in %3 x %4"_s.arg(noetig.width())
                                                          .arg(noetig.height())
                                                          .arg(flaeche.width())
                                                          .arg(flaeche.height())));
        const int voll = a.fenster.m_rangliste[0][1]->darstellung().schrift.pixelSize();
        QCOMPARE(wie.schrift.pixelSize() < voll, kleiner);
    }

    // The view shows the day of its plan, a loaded day's date too.
    void datum_des_plans()
    {
        Ansicht a;
        a.plan.setze_datum(QDate(2026, 11, 11));
        QCOMPARE(a.fenster.m_datum->text(), u"Mittwoch, 11. November 2026"_s);
    }

    void ohne_plan_ein_klarer_hinweis()
    {
        Ansicht a;
        a.fenster.plan_setzen(nullptr);
        QVERIFY(a.fenster.m_hinweis->isVisible());
        QVERIFY(a.fenster.m_hinweis->text().startsWith(u"Kein Spielplan geöffnet."_s));
        QVERIFY(!a.fenster.m_kopf[0]->isVisible());
        QVERIFY(a.zeile(0).join(QString()).isEmpty());
        QVERIFY(a.fenster.m_mannschaft1->text().isEmpty());
        a.eintragen(1, 1, u"3:2"_s);
        QVERIFY(a.zeile(0).join(QString()).isEmpty());
        // Nothing covers the hint: its white text is on the screen.
        const QImage bild = a.fenster.grab().toImage();
        const QRect hinweis = a.fenster.m_hinweis->geometry();
        int weiss = 0;
        for (int y = hinweis.top(); y <= hinweis.bottom(); ++y) {
            for (int x = hinweis.left(); x <= hinweis.right(); ++x)
                weiss += bild.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
        QVERIFY(weiss > 100);
    }
};

int main(int argc, char **argv)
{
    // Two screens, as a hall with a projector beside the organiser's screen has them.
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(u"schirme.json"_s);
    QFile json(datei);
    if (!json.open(QIODevice::WriteOnly))
        return 1;
    json.write(R"({"screens": [
        {"name": "eins", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96,
         "logicalBaseDpi": 96, "dpr": 1},
        {"name": "zwei", "x": 1280, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96,
         "logicalBaseDpi": 96, "dpr": 1}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + datei.toLocal8Bit());
    QApplication anwendung(argc, argv);
    TstZuschauerFenster test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zuschauer_fenster.moc"
