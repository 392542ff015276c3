#include "gruppen_testhilfe.h"
#include "lineup/doppel_gruppen_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "lineup/gruppen_anzeige.h"
#include "lineup/gruppendateien.h"
#include "shell/hauptfenster_fenster.h"
#include "storage/text1252.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstGruppenFenster : public QObject
{
    Q_OBJECT

    // The program's state after start-up, with both draw windows created once.
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        TForm7 form7{zustand, plattform};
        TForm8 form8{zustand, plattform};

        explicit Programm(int doppel_modus)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel_modus);
            zustand.optionen_speichern();
            zustand.zufall.saen(plattform.saat);
        }
        static QStringList texte(const AuslosungsFenster &fenster, int von, int bis)
        {
            QStringList ergebnis;
            for (int nr = von; nr <= bis; ++nr)
                ergebnis << fenster.findChild<QLineEdit *>(u"Edit%1"_s.arg(nr))->text();
            return ergebnis;
        }
        static QStringList sortiert(QStringList liste)
        {
            liste.sort();
            return liste;
        }
    };

    static void klicken(QWidget *fenster, const char *name)
    {
        auto *knopf = fenster->findChild<QAbstractButton *>(name);
        QVERIFY(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }

    // The stored slots of a file as the bytes that stand at (slot - 1) * 51.
    static QList<QByteArray> gespeichert(const QString &pfad, int von, int bis)
    {
        const QByteArray datei = dateiinhalt(pfad);
        QList<QByteArray> ergebnis;
        for (int slot = von; slot <= bis; ++slot)
            ergebnis << slot_bytes(datei, slot);
        return ergebnis;
    }

    static QList<QByteArray> als_1252(const QStringList &namen)
    {
        QList<QByteArray> ergebnis;
        for (const QString &name : namen)
            ergebnis << speicher::nach_1252(name);
        return ergebnis;
    }

private slots:
    void einzel_lost_beide_mannschaften_aus_und_speichert()
    {
        Programm p(0);
        const QStringList blau = namen(u"Blau"_s, 5), rot = namen(u"Rot"_s, 3);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, rot)));
        klicken(&p.form8, "Button5"); // disables both re-draw buttons

        gruppen_mitspieler_anzeigen(p.zustand, p.form7, p.form8);

        QVERIFY(p.form8.isVisible());
        QVERIFY(!p.form7.isVisible());
        QVERIFY(p.form8.Button3->isEnabled() && p.form8.Button4->isEnabled());
        const QStringList team1 = Programm::texte(p.form8, 1, 5);
        const QStringList team2 = Programm::texte(p.form8, 11, 13);
        QCOMPARE(Programm::sortiert(team1), blau);
        QCOMPARE(Programm::sortiert(team2), rot);
        QCOMPARE(Programm::texte(p.form8, 6, 10), QStringList(5, QString()));
        QCOMPARE(gespeichert(p.pfad(gruppe1_e_datei), 1, 5), als_1252(team1));
        QCOMPARE(gespeichert(p.pfad(gruppe2_e_datei), 21, 23), als_1252(team2));
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 3);
    }

    void doppel_zeigt_was_gespeichert_ist()
    {
        Programm p(1);
        const QStringList blau = namen(u"Blau"_s, 4), rot = namen(u"Rot"_s, 6);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, rot)));
        const QByteArray datei1 = dateiinhalt(p.pfad(gruppe1_e_datei));
        const QByteArray datei2 = dateiinhalt(p.pfad(gruppe2_e_datei));

        gruppen_mitspieler_anzeigen(p.zustand, p.form7, p.form8);

        QVERIFY(p.form7.isVisible());
        QVERIFY(p.form7.RadioButton1->isChecked());
        QCOMPARE(Programm::texte(p.form7, 1, 6), blau + QStringList(2, QString()));
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 1);
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 2);

        klicken(&p.form7, "RadioButton2");
        QCOMPARE(Programm::texte(p.form7, 1, 6), rot);
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 3);
        QCOMPARE(dateiinhalt(p.pfad(gruppe1_e_datei)), datei1);
        QCOMPARE(dateiinhalt(p.pfad(gruppe2_e_datei)), datei2);
    }

    void doppel_neu_mischen_lost_die_gewaehlte_mannschaft()
    {
        Programm p(1);
        const QStringList rot = namen(u"Rot"_s, 6);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_d_datei), namen_ab(21, rot)));
        p.form7.zeigen();

        klicken(&p.form7, "RadioButton2");
        klicken(&p.form7, "Button3");
        QVERIFY2(!QFile::exists(p.pfad(gruppe2_e_datei)), "an empty window draws nothing");

        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, namen(u"alt"_s, 8))));
        klicken(&p.form7, "RadioButton2");
        klicken(&p.form7, "Button3");
        const QStringList gezogen = Programm::texte(p.form7, 1, 6);
        QCOMPARE(Programm::sortiert(gezogen), rot);
        QCOMPARE(Programm::texte(p.form7, 7, 20), QStringList(14, QString()));
        QCOMPARE(gespeichert(p.pfad(gruppe2_e_datei), 21, 28),
                 als_1252(gezogen) + QList<QByteArray>(2));
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 3);

        QSignalSpy startseite(&p.form7, &AuslosungsFenster::startseite_zeigen);
        klicken(&p.form7, "Button1");
        QCOMPARE(startseite.count(), 1);
        QVERIFY(!p.form7.isVisible());
    }

    void loeschen_und_speichern_speichert_leere_aufstellungen()
    {
        Programm p(0);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, namen(u"Blau"_s, 10))));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, namen(u"Rot"_s, 10))));
        gruppen_mitspieler_anzeigen(p.zustand, p.form7, p.form8);
        QSignalSpy startseite(&p.form8, &AuslosungsFenster::startseite_zeigen);

        klicken(&p.form8, "Button5");
        QCOMPARE(Programm::texte(p.form8, 1, 20), QStringList(20, QString()));
        QVERIFY(!p.form8.Button3->isEnabled());
        QVERIFY(!p.form8.Button4->isEnabled());
        QVERIFY(p.form8.isVisible());
        QCOMPARE(startseite.count(), 0);

        klicken(&p.form8, "Button1");
        QCOMPARE(gespeichert(p.pfad(gruppe1_e_datei), 1, 10), QList<QByteArray>(10));
        QCOMPARE(gespeichert(p.pfad(gruppe2_e_datei), 21, 30), QList<QByteArray>(10));
        QCOMPARE(startseite.count(), 1);
        QVERIFY(!p.form8.isVisible());
    }

    void beenden_und_neu_auswaehlen_speichern_nichts()
    {
        Programm p(0);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, namen(u"Blau"_s, 4))));
        gruppen_mitspieler_anzeigen(p.zustand, p.form7, p.form8);
        const QByteArray datei = dateiinhalt(p.pfad(gruppe1_e_datei));
        QSignalSpy startseite(&p.form8, &AuslosungsFenster::startseite_zeigen);
        QSignalSpy auswahl(&p.form8, &TForm8::neu_auswaehlen);

        klicken(&p.form8, "Button5");
        klicken(&p.form8, "Button6");
        QCOMPARE(auswahl.count(), 1);
        QCOMPARE(startseite.count(), 1);
        QVERIFY(!p.form8.isVisible());

        p.form8.zeigen();
        klicken(&p.form8, "Button2");
        QCOMPARE(startseite.count(), 2);
        QVERIFY(!p.form8.isVisible());
        QCOMPARE(dateiinhalt(p.pfad(gruppe1_e_datei)), datei);
    }

    void schliessfeld_zeigt_die_startseite()
    {
        Programm p(1);
        for (AuslosungsFenster *fenster : {static_cast<AuslosungsFenster *>(&p.form7),
                                           static_cast<AuslosungsFenster *>(&p.form8)}) {
            QSignalSpy startseite(fenster, &AuslosungsFenster::startseite_zeigen);
            fenster->zeigen();
            QVERIFY(fenster->close()); // what the close box does
            QCOMPARE(startseite.count(), 1);
        }
    }

    void doppelfenster_zeigt_ohne_datei_keine_fremden_namen()
    {
        Programm p(1);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, namen(u"Rot"_s, 4))));
        gruppen_mitspieler_anzeigen(p.zustand, p.form7, p.form8);
        QVERIFY(p.form7.findChild<QRadioButton *>("RadioButton1")->isChecked());
        QCOMPARE(Programm::texte(p.form7, 1, 20), QStringList(20, QString()));
        klicken(&p.form7, "RadioButton2");
        QCOMPARE(Programm::texte(p.form7, 1, 4), namen(u"Rot"_s, 4));
    }

    void deutsche_namen_werden_gezeigt_und_unveraendert_gespeichert()
    {
        Programm p(0);
        // Windows-1252 bytes as another writer stored them.
        const QList<QByteArray> roh{"J\xFCrgen \xD6zt\xFCrk", "Gro\xDF", "K\xE4the \x80uro",
                                    "\xC4nne M\xFCller"};
        const QStringList lesbar{u"Jürgen Öztürk"_s, u"Groß"_s, u"Käthe €uro"_s, u"Änne Müller"_s};
        TGruppe gruppe;
        for (int i = 0; i < roh.size(); ++i)
            gruppe.setze_bytes(i * 51, char(roh.at(i).size()) + roh.at(i));
        QVERIFY(speicher::datei_ersetzen(p.pfad(gruppe1_e_datei), gruppe.bytes()));

        gruppen_mitspieler_anzeigen(p.zustand, p.form7, p.form8);
        const QStringList gezeigt = Programm::texte(p.form8, 1, 4);
        QCOMPARE(Programm::sortiert(gezeigt), Programm::sortiert(lesbar));

        klicken(&p.form8, "Button1");
        const QList<QByteArray> bytes = gespeichert(p.pfad(gruppe1_e_datei), 1, 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(bytes.at(i), roh.at(lesbar.indexOf(gezeigt.at(i))));
    }

    void lage_hilfe_und_zugaengliche_namen()
    {
        Programm p(1);
        const QRect schirm = p.plattform.schirm;
        QCOMPARE(p.form7.x(), (schirm.width() - p.form7.width()) / 2);
        QCOMPARE(p.form7.y(), (schirm.height() - p.form7.height()) / 2 + 50);
        QCOMPARE(p.form8.x(), (schirm.width() - p.form8.width()) / 2);
        QCOMPARE(p.form8.y(), (schirm.height() - p.form8.height()) / 2 + 40);
        QCOMPARE(p.form7.windowTitle(), u"Zufällige Gruppen erstellen"_s);
        QCOMPARE(p.form8.windowTitle(), u"Einzelspiel Gruppen erstellen"_s);

        QCOMPARE(p.form7.namensfeld(3)->accessibleName(), u"Gruppe 2 Spieler 1"_s);
        QCOMPARE(p.form7.namensfeld(20)->accessibleName(), u"Gruppe 10 Spieler 2"_s);
        QCOMPARE(p.form8.namensfeld(1)->accessibleName(), u"Mannschaft 1 Sp1"_s);
        QCOMPARE(p.form8.namensfeld(20)->accessibleName(), u"Mannschaft 2 Sp10"_s);
        for (AuslosungsFenster *fenster : {static_cast<AuslosungsFenster *>(&p.form7),
                                           static_cast<AuslosungsFenster *>(&p.form8)}) {
            for (QWidget *element : fenster->findChildren<QWidget *>()) {
                if (qobject_cast<QAbstractButton *>(element) || qobject_cast<QLineEdit *>(element))
                    QVERIFY2(!element->accessibleName().isEmpty(),
                             qPrintable(element->objectName()));
            }
            for (int nr = 1; nr <= 20; ++nr)
                QVERIFY(fenster->namensfeld(nr)->isReadOnly());
        }

        p.form8.zeigen();
        QVERIFY(QTest::qWaitForWindowActive(&p.form8));
        QTest::keyClick(&p.form8, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe.size(), 1);
        QCOMPARE(p.plattform.hilfe_aufrufe.first().second, 150);
    }

    void hauptfenster_oeffnet_die_gruppen_data()
    {
        QTest::addColumn<int>("doppel_modus");
        QTest::addColumn<QString>("menue");
        QTest::addRow("einzel, Werkzeugknopf") << 0 << QString();
        QTest::addRow("doppel, Werkzeugknopf") << 1 << QString();
        QTest::addRow("einzel, Anzeigen") << 0 << u"Gruppen Mitspieler anzeigen"_s;
        QTest::addRow("doppel, Gruppen erstellen") << 1 << u"Gruppen erstellen"_s;
    }

    void hauptfenster_oeffnet_die_gruppen()
    {
        QFETCH(int, doppel_modus);
        QFETCH(QString, menue);
        TestOrdner t;
        TestPlattform plattform;
        t.zustand.optionen_lesen();
        t.zustand.setze(opt::doppel_modus, doppel_modus);
        QVERIFY(gruppendatei_anlegen(t.pfad(gruppe1_e_datei), namen_ab(1, namen(u"Blau"_s, 4))));
        TForm1 hauptfenster(t.zustand, plattform);
        hauptfenster.show();
        AuslosungsFenster *fenster = doppel_modus == 1
                                         ? static_cast<AuslosungsFenster *>(hauptfenster.Form7)
                                         : hauptfenster.Form8;

        if (menue.isEmpty()) {
            QTest::mouseClick(hauptfenster.findChild<QToolButton *>("SpeedButton4"),
                              Qt::LeftButton);
        } else {
            const QList<QAction *> aktionen = hauptfenster.menuBar()->findChildren<QAction *>();
            const auto aktion = std::find_if(aktionen.begin(), aktionen.end(), [&](QAction *a) {
                return a->text() == menue && !a->menu();
            });
            QVERIFY(aktion != aktionen.end());
            (*aktion)->trigger();
        }
        QVERIFY(fenster->isVisible());
        QVERIFY(!hauptfenster.Panel5->isVisible());
        QCOMPARE(Programm::sortiert(Programm::texte(*fenster, 1, 4)), namen(u"Blau"_s, 4));

        klicken(fenster, doppel_modus == 1 ? "Button1" : "Button2");
        QVERIFY(!fenster->isVisible());
        QVERIFY(hauptfenster.Panel5->isVisible());
    }
};

QTEST_MAIN(TstGruppenFenster)
#include "tst_gruppen_fenster.moc"
