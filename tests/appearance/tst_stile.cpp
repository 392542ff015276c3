#include "appearance/kontrast.h"
#include "appearance/stile.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstStile : public QObject
{
    Q_OBJECT

    static QByteArray inhalt(const QString &pfad)
    {
        QByteArray bytes;
        speicher::datei_lesen(pfad, bytes);
        return bytes;
    }

private slots:
    void kontrast_nach_wcag_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("verhaeltnis");
        QTest::newRow("schwarz auf weiß") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("gleich") << QColor(0x80, 0x20, 0x40) << QColor(0x80, 0x20, 0x40) << 1.0;
        QTest::newRow("grau 777 auf weiß") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
        QTest::newRow("reines Rot auf weiß") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
    }
    void kontrast_nach_wcag()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, verhaeltnis);
        QVERIFY(qAbs(kontrast(a, b) - verhaeltnis) < 0.01);
        QCOMPARE(kontrast(b, a), kontrast(a, b));
    }

    void lesbare_schrift_waehlt_schwarz_oder_weiss()
    {
        QCOMPARE(lesbare_schrift(QColor(0xE4, 0xF2, 0xDB)), QColor(Qt::black));
        QCOMPARE(lesbare_schrift(QColor(0x20, 0x20, 0x60)), QColor(Qt::white));
    }

    void namensliste()
    {
        const QStringList namen = stil_namen();
        QCOMPARE(namen.size(), 35);
        QCOMPARE(namen.first(), u"Amakrits"_s);
        QCOMPARE(namen.last(), u"Windows10"_s);
        QVERIFY(namen.contains(u"Windows"_s));
        QVERIFY(namen.indexOf(u"Tablet Light"_s) < namen.indexOf(u"TabletDark"_s));
        QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), 35);
        for (qsizetype i = 1; i < namen.size(); ++i)
            QVERIFY2(namen[i - 1].compare(namen[i], Qt::CaseInsensitive) < 0, qPrintable(namen[i]));
    }

    void suche_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gefunden");
        QTest::newRow("genau") << u"Ruby Graphite"_s << u"Ruby Graphite"_s;
        QTest::newRow("andere Schreibung") << u"carbon"_s << u"Carbon"_s;
        QTest::newRow("Systemstil") << u"Windows"_s << QString();
        QTest::newRow("unbekannt") << u"Karbon"_s << QString();
        QTest::newRow("mit Leerzeichen") << u"Carbon "_s << QString();
    }
    void suche()
    {
        QFETCH(QString, name);
        QFETCH(QString, gefunden);
        const Stil *stil = stil_suchen(name);
        QCOMPARE(stil ? stil->name.toString() : QString(), gefunden);
    }

    void jeder_stil_bleibt_lesbar_data()
    {
        QTest::addColumn<QString>("name");
        for (const Stil &stil : eingebaute_stile())
            QTest::newRow(stil.name.toUtf8().constData()) << stil.name.toString();
    }
    void jeder_stil_bleibt_lesbar()
    {
        QFETCH(QString, name);
        const QPalette p = stil_palette(*stil_suchen(name));
        const struct
        {
            const char *wo;
            QPalette::ColorRole schrift, grund;
        } paare[] = {
            {"Fenster", QPalette::WindowText, QPalette::Window},
            {"Feld", QPalette::Text, QPalette::Base},
            {"Wechselzeile", QPalette::Text, QPalette::AlternateBase},
            {"Knopf", QPalette::ButtonText, QPalette::Button},
            {"Auswahl", QPalette::HighlightedText, QPalette::Highlight},
            {"Hinweis", QPalette::ToolTipText, QPalette::ToolTipBase},
            {"Verweis", QPalette::Link, QPalette::Base},
        };
        for (const auto &paar : paare)
            for (QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive}) {
                const double k =
                    kontrast(p.color(gruppe, paar.schrift), p.color(gruppe, paar.grund));
                QVERIFY2(k >= 4.5, qPrintable(u"%1: %2"_s.arg(QLatin1String(paar.wo)).arg(k)));
            }
    }

    void jeder_stil_sieht_anders_aus()
    {
        QSet<QString> gesehen;
        for (const Stil &stil : eingebaute_stile()) {
            const QPalette p = stil_palette(stil);
            const QString merkmal = p.color(QPalette::Window).name() +
                                    p.color(QPalette::Base).name() +
                                    p.color(QPalette::Highlight).name();
            QVERIFY2(!gesehen.contains(merkmal), qPrintable(stil.name.toString()));
            gesehen.insert(merkmal);
        }
        QCOMPARE(gesehen.size(), 34);
    }

    void stile_sehen_aus_wie_ihr_name_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dunkel");
        QTest::addColumn<int>("farbton"); // hue of the highlight, -1 for grey
        QTest::newRow("Carbon") << u"Carbon"_s << true << -1;
        QTest::newRow("Ruby Graphite") << u"Ruby Graphite"_s << true << 350;
        QTest::newRow("Sky") << u"Sky"_s << false << 210;
        QTest::newRow("Tablet Light") << u"Tablet Light"_s << false << 210;
        QTest::newRow("TabletDark") << u"TabletDark"_s << true << 210;
        QTest::newRow("Emerald Light Slate") << u"Emerald Light Slate"_s << false << 153;
        QTest::newRow("Golden Graphite") << u"Golden Graphite"_s << true << 46;
        QTest::newRow("Amethyst Kamri") << u"Amethyst Kamri"_s << false << 270;
    }
    void stile_sehen_aus_wie_ihr_name()
    {
        QFETCH(QString, name);
        QFETCH(bool, dunkel);
        QFETCH(int, farbton);
        const QPalette p = stil_palette(*stil_suchen(name));
        QCOMPARE(p.color(QPalette::Window).lightness() < 128, dunkel);
        const int ist = p.color(QPalette::Highlight).hslHue();
        if (farbton < 0)
            QCOMPARE(ist, -1);
        else
            QVERIFY2(qAbs(ist - farbton) <= 15, qPrintable(QString::number(ist)));
    }

    void styledatei_lesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("vorhanden");
        QTest::addColumn<QString>("name");
        QTest::newRow("ohne Zeilenende") << QByteArray("Carbon") << true << u"Carbon"_s;
        QTest::newRow("mit CR LF und mehr") << QByteArray("Luna\r\nSky\r\n") << true << u"Luna"_s;
        QTest::newRow("leer") << QByteArray() << true << u"Windows"_s;
        QTest::newRow("leere erste Zeile") << QByteArray("\r\nCarbon") << true << u"Windows"_s;
        QTest::newRow("fehlt") << QByteArray() << false << u"Windows"_s;
        QTest::newRow("Windows-1252") << QByteArray("Gr\xFCn") << true << u"Grün"_s;
    }
    void styledatei_lesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(bool, vorhanden);
        QFETCH(QString, name);
        TestOrdner o;
        if (vorhanden)
            QVERIFY(speicher::datei_ersetzen(o.pfad(u"Styledat.txt"_s), datei));
        QCOMPARE(style_name_lesen(o.zustand.daten_pfad), name);
    }

    void styledatei_schreiben()
    {
        TestOrdner o;
        QVERIFY(
            speicher::datei_ersetzen(o.pfad(u"Styledat.txt"_s), "Carbon und noch viel mehr\r\n"));
        QVERIFY(style_speichern(o.zustand.daten_pfad, u"Smokey Quartz Kamri"_s));
        QCOMPARE(inhalt(o.pfad(u"Styledat.txt"_s)), QByteArray("Smokey Quartz Kamri"));
    }
};

QTEST_GUILESS_MAIN(TstStile)
#include "tst_stile.moc"
