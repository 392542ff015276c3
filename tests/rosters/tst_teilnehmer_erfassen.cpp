#include "app/hauptfenster_fenster.h"
#include "rosters/adressen_fenster.h"
#include "rosters/erfassung_fenster.h"
#include "rosters/spielerimport_fenster.h"
#include "rosters/teilnehmer_fenster.h"
#include "shell/kuerzel.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstTeilnehmerErfassen : public QObject
{
    Q_OBJECT

    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> form1;

        Programm()
        {
            zustand.optionen_lesen();
            adresse satz;
            satz.setze(adr::name, u"Meier"_s);
            satz.setze(adr::vorname, u"Hans"_s);
            speicher::datei_ersetzen(pfad(adressen_dateiname(Mannschaft::zwei)), satz.bytes());
            form1 = std::make_unique<TForm1>(zustand, plattform);
            form1->show();
        }
        void menue(const QString &text)
        {
            for (QAction *aktion : form1->menuBar()->findChildren<QAction *>())
                if (ohne_kuerzel(aktion->text()) == text && !aktion->menu())
                    return aktion->trigger();
            QFAIL("menu entry missing");
        }
        void erfassen()
        {
            QTest::mouseClick(form1->findChild<QToolButton *>("SpeedButton1"), Qt::LeftButton);
        }
        TForm9 *form9() const { return form1->findChild<TForm9 *>(); }
        TAdressen *adressen1() const { return form1->findChild<TAdressen *>(); }
        TAdressen2 *adressen2() const { return form1->findChild<TAdressen2 *>(); }
        bool startseite() const { return form1->Panel5->isVisible(); }
    };

private slots:
    void waehler_oeffnet_die_mannschaft_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("mannschaft");
        QTest::newRow("1") << u"Button1"_s << 1;
        QTest::newRow("2") << u"Button2"_s << 2;
    }
    void waehler_oeffnet_die_mannschaft()
    {
        QFETCH(QString, knopf);
        QFETCH(int, mannschaft);
        Programm p;
        QVERIFY(!p.form9() && !p.adressen1() && !p.adressen2());
        p.erfassen();
        TForm9 *waehler = p.form9();
        QVERIFY(waehler && waehler->isVisible());
        QCOMPARE(waehler->windowTitle(), u"Teilnehmer erfassen"_s);
        QVERIFY(waehler->windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect schirm = p.plattform.schirm;
        QCOMPARE(waehler->pos(), QPoint((schirm.width() - waehler->width()) / 2,
                                        (schirm.height() - waehler->height()) / 2));
        QVERIFY(!p.startseite());

        QTest::mouseClick(waehler->findChild<QPushButton *>(knopf), Qt::LeftButton);
        QVERIFY(!waehler->isVisible());
        QVERIFY(!p.startseite());
        AdressenFenster *fenster =
            mannschaft == 1 ? static_cast<AdressenFenster *>(p.adressen1()) : p.adressen2();
        QVERIFY(fenster && fenster->isVisible());
        QCOMPARE(fenster->GroupBox2->title(),
                 u"Bereits %1 vorhandene Namen"_s.arg(mannschaft == 2 ? 1 : 0));
        QTest::mouseClick(fenster->Button2, Qt::LeftButton);
        QVERIFY(p.startseite());
    }

    void waehler_beenden_zeigt_die_startseite()
    {
        Programm p;
        p.erfassen();
        QTest::mouseClick(p.form9()->Button3, Qt::LeftButton);
        QVERIFY(!p.form9()->isVisible());
        QVERIFY(p.startseite());
        QVERIFY(!p.adressen1() && !p.adressen2());
        // Closed by its close box, too.
        p.erfassen();
        QVERIFY(!p.startseite());
        p.form9()->close();
        QVERIFY(p.startseite());
    }

    void menue_mannschaft_2_schliesst_den_waehler()
    {
        Programm p;
        p.erfassen();
        p.menue(u"Spieler Gruppe 1 erfassen"_s);
        QVERIFY(p.form9()->isVisible());
        QVERIFY(p.adressen1()->isVisible());
        p.menue(u"Spieler Gruppe 2 erfassen"_s);
        QVERIFY(!p.form9()->isVisible());
        QVERIFY(p.adressen2()->isVisible());
        QVERIFY(!p.startseite());
        QCOMPARE(p.adressen2()->GroupBox2->title(), u"Bereits 1 vorhandene Namen"_s);
        QCOMPARE(p.adressen2()->windowTitle(), u"Spieler Mannschaft 2 erfassen/ändern."_s);
    }

    void menue_oeffnet_jedes_mal_leer()
    {
        Programm p;
        p.menue(u"Spieler Gruppe 2 erfassen"_s);
        TAdressen2 *fenster = p.adressen2();
        fenster->Edit5->setText(u"Straße"_s);
        p.menue(u"Spieler Gruppe 2 erfassen"_s);
        QCOMPARE(p.form1->findChildren<TAdressen2 *>().size(), 1);
        QVERIFY(fenster->Edit5->text().isEmpty());
        QVERIFY(!p.startseite());
    }

    void menue_importiert_in_die_gewaehlte_mannschaft()
    {
        Programm p;
        const QString liste = p.pfad(u"mitglieder.csv"_s);
        speicher::datei_ersetzen(liste, u"Vorname;Name\nJürgen;Weiß\n"_s.toUtf8());
        p.menue(u"Spieler importieren…"_s);
        auto *waehler = p.form1->findChild<Mannschaftswahl *>("Importwahl");
        QVERIFY(waehler && waehler->isVisible());
        QCOMPARE(waehler->windowTitle(), u"Spieler importieren"_s);
        QVERIFY(!p.startseite());

        p.plattform.datei_antworten.enqueue(liste);
        QTest::mouseClick(waehler->Button2, Qt::LeftButton);
        QVERIFY(!waehler->isVisible());
        QVERIFY(p.adressen2() && p.adressen2()->isVisible());
        SpielerimportFenster *vorschau = p.adressen2()->m_import;
        QVERIFY(vorschau && vorschau->isVisible());
        QTest::mouseClick(vorschau->m_importieren, Qt::LeftButton);
        QCOMPARE(p.plattform.meldungen.constLast().text,
                 u"1 Spieler übernommen, 0 schon vorhanden, 0 übersprungen."_s);
        QCOMPARE(p.adressen2()->GroupBox2->title(), u"Bereits 2 vorhandene Namen"_s);
        QVERIFY(!p.startseite());
    }

    void menue_exportiert_ohne_fenster()
    {
        Programm p;
        const QString ziel = p.pfad(u"mannschaft2.csv"_s);
        p.plattform.datei_antworten.enqueue(ziel);
        p.menue(u"Spieler exportieren…"_s);
        auto *waehler = p.form1->findChild<Mannschaftswahl *>("Exportwahl");
        QVERIFY(waehler && waehler->isVisible());
        QTest::mouseClick(waehler->Button2, Qt::LeftButton);
        // The start reports the help file missing from the test folder first.
        QCOMPARE(p.plattform.meldungen.constLast().text, u"1 Spieler exportiert."_s);
        QCOMPARE(p.plattform.meldungen.constLast().art, TestPlattform::Meldung::Information);
        QByteArray bytes;
        QVERIFY(speicher::datei_lesen(ziel, bytes));
        QCOMPARE(bytes,
                 QByteArray("\xEF\xBB\xBFName;Vorname;Strasse;Plz/Ort;Telefon;Fax;Mobil;Email\r\n"
                            "Meier;Hans;;;;;;\r\n"));
        QVERIFY(!p.adressen2() || !p.adressen2()->isVisible());
        QVERIFY(p.startseite());
    }
};

QTEST_MAIN(TstTeilnehmerErfassen)
#include "tst_teilnehmer_erfassen.moc"
