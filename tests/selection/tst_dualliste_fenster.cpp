#include "app/hauptfenster_fenster.h"
#include "auswahl_testhilfe.h"
#include "lineup/doppel_gruppen_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "lineup/gruppendateien.h"
#include "schreibschutz.h"
#include "selection/dualliste_fenster.h"
#include "selection/listen_satz.h"
#include "shell/kuerzel.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstDualListeFenster : public QObject
{
    Q_OBJECT

    // The program after start-up with rosters of German names for both teams.
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> form1;

        Programm()
        {
            QFile hilfe(pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
            hilfe.open(QIODevice::WriteOnly);
            zustand.optionen_lesen();
            kader_anlegen(
                pfad(adressen_dateiname(Mannschaft::eins)),
                {{u"Jürgen"_s, u"Öztürk"_s}, {u"Änne"_s, u"Groß"_s}, {u"Käthe"_s, u"Weiß"_s}});
            kader_anlegen(pfad(adressen_dateiname(Mannschaft::zwei)),
                          {{u"Björn"_s, u"Sørensen"_s}, {u"Ülkü"_s, u"Schäfer"_s}});
            form1 = std::make_unique<TForm1>(zustand, plattform);
            form1->show();
        }
        TDualListDlg &dlg() const { return *form1->DualListDlg; }
        static QStringList texte(const QListWidget *liste)
        {
            QStringList ergebnis;
            for (int i = 0; i < liste->count(); ++i)
                ergebnis << liste->item(i)->text();
            return ergebnis;
        }
        static void eintrag_klicken(QListWidget *liste, const QString &text)
        {
            const QList<QListWidgetItem *> treffer = liste->findItems(text, Qt::MatchExactly);
            QVERIFY(!treffer.isEmpty());
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(treffer.first()).center());
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
    void oeffnet_modal_im_anfangszustand_data()
    {
        QTest::addColumn<bool>("ueber_menue");
        QTest::newRow("Auswählen") << false;
        QTest::newRow("Mitspieler festlegen") << true;
    }
    void oeffnet_modal_im_anfangszustand()
    {
        QFETCH(bool, ueber_menue);
        Programm p;
        p.zustand.setze(opt::mannschaft_nr, 2);
        p.zustand.setze(opt::doppel_modus, 1);
        for (int mal = 1; mal <= 2; ++mal) {
            if (ueber_menue)
                menuepunkt(*p.form1, u"Mitspieler festlegen"_s)->trigger();
            else
                QTest::mouseClick(p.form1->findChild<QToolButton *>("SpeedButton3"),
                                  Qt::LeftButton);
            TDualListDlg &d = p.dlg();
            QVERIFY(d.isVisible());
            QCOMPARE(d.windowModality(), Qt::WindowModal);
            QCOMPARE(QApplication::activeModalWidget(), &d);
            QVERIFY(!p.form1->Panel5->isVisible());
            QCOMPARE(d.windowTitle(), u"Gruppen zusammenstellen Mannschaft 1"_s);
            QCOMPARE(Programm::texte(d.SrcList),
                     (QStringList{u"Änne Groß"_s, u"Jürgen Öztürk"_s, u"Käthe Weiß"_s}));
            QCOMPARE(d.DstList->count(), 0);
            QCOMPARE(d.Label3->text(), u"3"_s);
            QCOMPARE(d.Label6->text(), u"0"_s);
            QVERIFY(d.RadioButton1->isChecked() && !d.RadioButton2->isChecked());
            QVERIFY(d.CheckBox1->isChecked() && !d.CheckBox2->isChecked());
            for (QPushButton *knopf : {d.Button4, d.Button5, d.Button6, d.Button7, d.Button1})
                QVERIFY2(knopf->isEnabled(), qPrintable(knopf->objectName()));
            QVERIFY(!d.Button2->isEnabled());
            QCOMPARE(p.zustand.wert(opt::doppel_modus), 0);

            // Chosen entries are gone at the next opening.
            Programm::eintrag_klicken(d.SrcList, u"Käthe Weiß"_s);
            QCOMPARE(d.DstList->count(), 1);
            QTest::mouseClick(d.Button3, Qt::LeftButton);
            QVERIFY(!d.isVisible());
            QVERIFY(p.form1->Panel5->isVisible());
        }
        QCOMPARE(p.form1->findChildren<TDualListDlg *>().size(), 1);
    }

    void neu_auswaehlen_fuehrt_zur_auswahl()
    {
        Programm p;
        p.form1->befehl_ausfuehren(Befehl::gruppen_mitspieler_anzeigen);
        QTest::mouseClick(p.form1->Form8->Button6, Qt::LeftButton);
        QVERIFY(!p.form1->Form8->isVisible());
        QVERIFY(p.form1->DualListDlg && p.dlg().isVisible());
        QVERIFY(!p.form1->Panel5->isVisible());
        QTest::keyClick(&p.dlg(), Qt::Key_Escape);
        QVERIFY(!p.dlg().isVisible());
        QVERIFY(p.form1->Panel5->isVisible());
    }

    void klicks_und_knoepfe_verschieben()
    {
        Programm p;
        menuepunkt(*p.form1, u"Mitspieler festlegen"_s)->trigger();
        TDualListDlg &d = p.dlg();
        Programm::eintrag_klicken(d.SrcList, u"Jürgen Öztürk"_s);
        QCOMPARE(Programm::texte(d.DstList), QStringList{u"Jürgen Öztürk"_s});
        QCOMPARE(Programm::texte(d.SrcList), (QStringList{u"Änne Groß"_s, u"Käthe Weiß"_s}));
        QCOMPARE(d.Label3->text(), u"2"_s);
        QCOMPARE(d.Label6->text(), u"1"_s);
        QVERIFY(d.Button2->isEnabled());

        Programm::eintrag_klicken(d.DstList, u"Jürgen Öztürk"_s);
        QCOMPARE(d.DstList->count(), 0);
        QCOMPARE(d.Label3->text(), u"3"_s);
        QVERIFY(!d.Button2->isEnabled());

        // A selection made with the keyboard goes over with ">".
        d.SrcList->clearSelection();
        d.SrcList->item(0)->setSelected(true);
        d.SrcList->item(2)->setSelected(true);
        QTest::mouseClick(d.Button4, Qt::LeftButton);
        QCOMPARE(Programm::texte(d.DstList), (QStringList{u"Änne Groß"_s, u"Käthe Weiß"_s}));
        QCOMPARE(d.SrcList->selectedItems().size(), 1);

        QTest::mouseClick(d.Button7, Qt::LeftButton);
        QCOMPARE(d.SrcList->count(), 3);
        QVERIFY(!d.Button6->isEnabled() && !d.Button7->isEnabled());
        QTest::mouseClick(d.Button5, Qt::LeftButton);
        QCOMPARE(d.DstList->count(), 3);
        QVERIFY(!d.Button4->isEnabled() && !d.Button5->isEnabled());
        d.DstList->clearSelection();
        d.DstList->item(1)->setSelected(true);
        QTest::mouseClick(d.Button6, Qt::LeftButton);
        QCOMPARE(Programm::texte(d.SrcList), QStringList{u"Jürgen Öztürk"_s});
        QVERIFY(p.plattform.meldungen.isEmpty());
    }

    void spielart_und_mannschaft_per_klick()
    {
        Programm p;
        menuepunkt(*p.form1, u"Mitspieler festlegen"_s)->trigger();
        TDualListDlg &d = p.dlg();
        QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
        QCOMPARE(Programm::texte(d.SrcList), (QStringList{u"Groß"_s, u"Öztürk"_s, u"Weiß"_s}));
        Programm::eintrag_klicken(d.SrcList, u"Weiß"_s);
        QTest::mouseClick(d.RadioButton2, Qt::LeftButton); // already chosen: nothing changes
        QCOMPARE(Programm::texte(d.DstList), QStringList{u"Weiß"_s});

        QTest::mouseClick(d.CheckBox2, Qt::LeftButton);
        QVERIFY(d.CheckBox2->isChecked() && !d.CheckBox1->isChecked());
        QCOMPARE(d.windowTitle(), u"Gruppen zusammenstellen Mannschaft 2"_s);
        QCOMPARE(Programm::texte(d.SrcList), (QStringList{u"Schäfer"_s, u"Sørensen"_s}));
        QCOMPARE(d.DstList->count(), 0);
        QCOMPARE(d.Label6->text(), u"0"_s);

        QTest::mouseClick(d.CheckBox2, Qt::LeftButton);
        QVERIFY(!d.CheckBox2->isChecked() && !d.CheckBox1->isChecked());
        QCOMPARE(d.SrcList->count(), 2);
    }

    void speichern_lost_die_aufstellung_aus()
    {
        Programm p;
        menuepunkt(*p.form1, u"Mitspieler festlegen"_s)->trigger();
        TDualListDlg &d = p.dlg();
        QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
        QTest::mouseClick(d.CheckBox2, Qt::LeftButton);
        QTest::mouseClick(d.Button5, Qt::LeftButton);
        QTest::mouseClick(d.Button2, Qt::LeftButton);

        const QStringList aufstellung = gruppen_slots(p.pfad(gruppe2_e_datei), 21, 22);
        QCOMPARE(sortiert(aufstellung), sortiert({u"Schäfer"_s, u"Sørensen"_s}));
        QCOMPARE(p.form1->Form7->namensfeld(1)->text(), aufstellung.at(0));
        QCOMPARE(p.form1->Form7->namensfeld(2)->text(), aufstellung.at(1));
        QVERIFY(d.isVisible());
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 1);

        QTest::mouseClick(d.Button7, Qt::LeftButton);
        QTest::mouseClick(d.Button1, Qt::LeftButton);
        QCOMPARE(Programm::texte(d.DstList), (QStringList{u"Schäfer"_s, u"Sørensen"_s}));
        QVERIFY(d.Button2->isEnabled());
    }

    // In a read-only data folder "Auswahl speichern" names every file it could not write.
    void speichern_im_schreibgeschuetzten_ordner()
    {
        Programm p;
        menuepunkt(*p.form1, u"Mitspieler festlegen"_s)->trigger();
        TDualListDlg &d = p.dlg();
        QTest::mouseClick(d.Button5, Qt::LeftButton);
        const auto gruppe = [&p] {
            QByteArray inhalt;
            return speicher::datei_lesen(p.pfad(gruppe1_e_datei), inhalt) ? inhalt : "fehlt";
        };
        const QByteArray vorher = gruppe();
        {
            const Schreibschutz schutz(p.ordner.path());
            QVERIFY(schutz.wirksam());
            QTest::mouseClick(d.Button2, Qt::LeftButton);
        }
        // The draw works on the chosen names: its line-up, its log line, then the lists.
        const Auswahldateien dateien = auswahl_dateinamen(Mannschaft::eins, false);
        const QStringList texte = p.plattform.texte();
        QCOMPARE(texte.size(), 3);
        const QStringList listen{p.pfad(dateien.quelle), p.pfad(dateien.ziel),
                                 p.pfad(gruppe1_e_datei)};
        QVERIFY(texte[1].startsWith(u"Die Auslosung Nr. "_s));
        QVERIFY(texte[1].contains(u"\"Auslosungen.txt\""_s));
        QCOMPARE(texte[2], u"Die Auswahl wurde nicht vollständig gespeichert. "
                           u"Nicht geschrieben:\n"_s +
                               listen.join(u'\n'));
        QCOMPARE(texte[0], u"Die Aufstellung wurde nicht vollständig gespeichert. "
                           u"Nicht geschrieben:\n"_s +
                               p.pfad(u"Vorlixn.opt"_s) + u'\n' + p.pfad(gruppe1_e_datei));
        for (const TestPlattform::Meldung &meldung : p.plattform.meldungen)
            QCOMPARE(meldung.art, TestPlattform::Meldung::Schreibfehler);
        QCOMPARE(gruppe(), vorher);
    }

    void zugaengliche_namen_und_hilfe()
    {
        Programm p;
        menuepunkt(*p.form1, u"Mitspieler festlegen"_s)->trigger();
        TDualListDlg &d = p.dlg();
        for (QWidget *bedienelement : d.findChildren<QWidget *>()) {
            if (qobject_cast<QAbstractButton *>(bedienelement) ||
                qobject_cast<QListWidget *>(bedienelement))
                QVERIFY2(!bedienelement->accessibleName().isEmpty(),
                         qPrintable(bedienelement->objectName()));
        }
        QCOMPARE(d.SrcList->accessibleName(), u"Noch vorhandene Spieler"_s);
        QCOMPARE(d.DstList->accessibleName(), u"Ausgewählte Spieler"_s);
        QCOMPARE(d.Button2->accessibleName(), u"Auswahl speichern"_s);
        QCOMPARE(d.Button4->text(), u">"_s);
        QCOMPARE(d.Button7->text(), u"<<"_s);
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe.size(), 1);
        QCOMPARE(p.plattform.hilfe_aufrufe.first().second, 150);
    }
};

QTEST_MAIN(TstDualListeFenster)
#include "tst_dualliste_fenster.moc"
