#include "app/hauptfenster_fenster.h"
#include "gruppen_testhilfe.h"
#include "lineup/auslosungsprotokoll.h"
#include "lineup/doppel_gruppen_fenster.h"
#include "lineup/einzel_gruppen_fenster.h"
#include "lineup/gruppen_anzeige.h"
#include "lineup/gruppendateien.h"
#include "shell/kuerzel.h"
#include "storage/text1252.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
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

    // The main window with the line-up files of the test, as the program has it after start-up.
    struct MitHauptfenster : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> hauptfenster;

        explicit MitHauptfenster(int doppel_modus)
        {
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel_modus);
            zustand.optionen_speichern();
        }
        // "Gruppen" on the tool bar; the window it opened.
        AuslosungsFenster *gruppen()
        {
            if (!hauptfenster) {
                hauptfenster = std::make_unique<TForm1>(zustand, plattform);
                hauptfenster->show();
            }
            QTest::mouseClick(hauptfenster->findChild<QToolButton *>("SpeedButton4"),
                              Qt::LeftButton);
            if (hauptfenster->Form7 && hauptfenster->Form7->isVisible())
                return hauptfenster->Form7;
            return hauptfenster->Form8;
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

    // Typed as a person types, key by key, umlauts too.
    static void tippen(QLineEdit *feld, const QString &text)
    {
        feld->clear();
        for (const QChar zeichen : text)
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, zeichen, Qt::NoModifier);
    }

    static QStringList protokoll(const TestOrdner &o)
    {
        return QString::fromLatin1(dateiinhalt(o.pfad(protokoll_datei)))
            .split(u"\r\n"_s, Qt::SkipEmptyParts);
    }

private slots:
    void einzel_zeigt_und_wiederholt_die_auslosungen()
    {
        Programm p(0);
        const QStringList blau = namen(u"Blau"_s, 6), rot = namen(u"Rot"_s, 4);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, rot)));
        p.plattform.saaten << 111 << 222;
        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        p.form8.zeigen();
        TForm8::Nummernzeile &team1 = p.form8.m_nummernzeilen[0];
        TForm8::Nummernzeile &team2 = p.form8.m_nummernzeilen[1];
        QCOMPARE(team1.anzeige->text(), u"Auslosung Nr. 111"_s);
        QCOMPARE(team2.anzeige->text(), u"Auslosung Nr. 222"_s);
        const QStringList erste = Programm::texte(p.form8, 1, 6);

        klicken(&p.form8, "Button3");
        QCOMPARE(team1.anzeige->text(), u"Auslosung Nr. 4711"_s);
        QVERIFY(Programm::texte(p.form8, 1, 6) != erste);

        tippen(team1.feld, u" 111"_s);
        klicken(&p.form8, "Wiederholen1");
        QCOMPARE(Programm::texte(p.form8, 1, 6), erste);
        QCOMPARE(team1.anzeige->text(), u"Auslosung Nr. 111"_s);
        QCOMPARE(gespeichert(p.pfad(gruppe1_e_datei), 1, 6), als_1252(erste));
        const QStringList zeilen = protokoll(p);
        QCOMPARE(zeilen.size(), 4);
        QCOMPARE(zeilen.last(), zeilen.first());
        QCOMPARE(zeilen.first(),
                 u"08.12.2026;10:30:00;Einzelspiel;Mannschaft 1;111;"_s + erste.join(u';'));
        QVERIFY(zeilen.at(1).startsWith(u"08.12.2026;10:30:00;Einzelspiel;Mannschaft 2;222;"_s));
        QVERIFY(p.plattform.meldungen.isEmpty());

        // "Löschen" shows no draw any more, and "Wiederholen" waits for the next opening.
        klicken(&p.form8, "Button5");
        QCOMPARE(team1.anzeige->text(), QString());
        QCOMPARE(team2.anzeige->text(), QString());
        QVERIFY(!team1.wiederholen->isEnabled() && !team2.wiederholen->isEnabled());
        p.form8.mischen_erlauben();
        QVERIFY(team1.wiederholen->isEnabled() && team2.wiederholen->isEnabled());
    }

    // The doubles window shows one team at a time and the number of the draw that team's
    // line-up file holds, also when the singles window drew it since.
    void doppel_zeigt_die_nummer_der_gezeigten_mannschaft()
    {
        Programm p(1);
        const QStringList teilnehmer = namen(u"Paar"_s, 8);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_d_datei), namen_ab(1, teilnehmer)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, teilnehmer)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, namen(u"Rot"_s, 4))));
        p.form7.zeigen();
        klicken(&p.form7, "RadioButton2");
        klicken(&p.form7, "RadioButton1");
        QLabel *anzeige = p.form7.m_nummernzeile.anzeige;
        QCOMPARE(anzeige->text(), QString());

        p.plattform.saat = 48213;
        klicken(&p.form7, "Button3");
        QCOMPARE(anzeige->text(), u"Auslosung Nr. 48213"_s);
        const QStringList paare = Programm::texte(p.form7, 1, 8);
        klicken(&p.form7, "RadioButton2");
        QCOMPARE(anzeige->text(), QString());
        klicken(&p.form7, "RadioButton1");
        QCOMPARE(anzeige->text(), u"Auslosung Nr. 48213"_s);

        p.plattform.saaten << 5 << 6;
        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        klicken(&p.form7, "RadioButton2");
        QCOMPARE(anzeige->text(), u"Auslosung Nr. 6"_s);
        klicken(&p.form7, "RadioButton1");
        QCOMPARE(anzeige->text(), u"Auslosung Nr. 5"_s);

        tippen(p.form7.m_nummernzeile.feld, u"48213"_s);
        klicken(&p.form7, "Wiederholen");
        QCOMPARE(Programm::texte(p.form7, 1, 8), paare);
        QCOMPARE(anzeige->text(), u"Auslosung Nr. 48213"_s);
        QCOMPARE(protokoll(p).last(),
                 u"08.12.2026;10:30:00;Doppelspiel;Mannschaft 1;48213;"_s + paare.join(u';'));
    }

    void unsinn_in_nr_wird_gemeldet_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("meldung");
        const QString keine = u"'%1' ist keine gültige Auslosungsnummer.\n"
                              u"Eine Auslosungsnummer ist eine ganze Zahl von 0 bis 4294967295."_s;
        QTest::newRow("Buchstaben") << u"abc"_s << keine.arg(u"abc"_s);
        QTest::newRow("Umlaut") << u"12ä"_s << keine.arg(u"12ä"_s);
        QTest::newRow("zu groß") << u"4294967296"_s << keine.arg(u"4294967296"_s);
        QTest::newRow("negativ") << u"-1"_s << keine.arg(u"-1"_s);
        QTest::newRow("leer") << QString()
                              << u"Bitte im Feld \"Nr.\" die Nummer der Auslosung eingeben, die "
                                 u"wiederholt werden soll."_s;
    }

    void unsinn_in_nr_wird_gemeldet()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, meldung);
        Programm p(0);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, namen(u"Blau"_s, 4))));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_d_datei), namen_ab(1, namen(u"Blau"_s, 4))));
        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        klicken(&p.form7, "RadioButton2");
        klicken(&p.form7, "RadioButton1");
        const QByteArray aufstellung = dateiinhalt(p.pfad(gruppe1_e_datei));
        const QByteArray zeilen = dateiinhalt(p.pfad(protokoll_datei));

        for (AuslosungsFenster *fenster : {static_cast<AuslosungsFenster *>(&p.form7),
                                           static_cast<AuslosungsFenster *>(&p.form8)}) {
            p.plattform.meldungen.clear();
            const bool doppel = fenster == &p.form7;
            tippen(fenster->findChild<QLineEdit *>(doppel ? "Nr" : "Nr1"), getippt);
            klicken(fenster, doppel ? "Wiederholen" : "Wiederholen1");
            QCOMPARE(p.plattform.texte(), QStringList{meldung});
            QCOMPARE(p.plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
        }
        QCOMPARE(dateiinhalt(p.pfad(gruppe1_e_datei)), aufstellung);
        QCOMPARE(dateiinhalt(p.pfad(protokoll_datei)), zeilen);
    }

    void einzel_zeigt_beide_auslosungen_und_erlaubt_neues_mischen()
    {
        MitHauptfenster p(0);
        const QStringList blau = namen(u"Blau"_s, 5), rot = namen(u"Rot"_s, 3);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, rot)));

        AuslosungsFenster *fenster = p.gruppen();
        auto *form8 = qobject_cast<TForm8 *>(fenster);
        QVERIFY(form8);
        QVERIFY(form8->isVisible());
        QVERIFY(!p.hauptfenster->Form7);
        const QStringList team1 = Programm::texte(*form8, 1, 5);
        QCOMPARE(Programm::sortiert(team1), blau);
        QCOMPARE(Programm::sortiert(Programm::texte(*form8, 11, 13)), rot);
        QCOMPARE(gespeichert(p.pfad(gruppe1_e_datei), 1, 5), als_1252(team1));

        klicken(form8, "Button5"); // disables both re-draw buttons
        klicken(form8, "Button2");
        QCOMPARE(p.gruppen(), fenster);
        QVERIFY(form8->Button3->isEnabled() && form8->Button4->isEnabled());
    }

    void doppel_zeigt_was_gespeichert_ist()
    {
        MitHauptfenster p(1);
        const QStringList blau = namen(u"Blau"_s, 4), rot = namen(u"Rot"_s, 6);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, rot)));
        const QByteArray datei1 = dateiinhalt(p.pfad(gruppe1_e_datei));
        const QByteArray datei2 = dateiinhalt(p.pfad(gruppe2_e_datei));

        auto *form7 = qobject_cast<TForm7 *>(p.gruppen());
        QVERIFY(form7);
        QVERIFY(form7->isVisible());
        QVERIFY(form7->RadioButton1->isChecked());
        QCOMPARE(Programm::texte(*form7, 1, 6), blau + QStringList(2, QString()));

        klicken(form7, "RadioButton2");
        QCOMPARE(Programm::texte(*form7, 1, 6), rot);
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);
        QCOMPARE(p.zustand.wert(opt::spieler_pro_mannschaft), 3);

        // Opening again shows team 1, with its option checked.
        klicken(form7, "Button1");
        QCOMPARE(p.gruppen(), form7);
        QVERIFY(form7->RadioButton1->isChecked());
        QCOMPARE(Programm::texte(*form7, 1, 4), blau);
        QCOMPARE(dateiinhalt(p.pfad(gruppe1_e_datei)), datei1);
        QCOMPARE(dateiinhalt(p.pfad(gruppe2_e_datei)), datei2);
    }

    // A screen reader checks an option with its toggle action, not with a click: the window must
    // show that team, or the next draw would store team 2 over the names of team 1 it shows.
    void umschalten_ohne_klick_zeigt_die_mannschaft()
    {
        MitHauptfenster p(1);
        const QStringList blau = namen(u"Blau"_s, 4), rot = namen(u"Rot"_s, 6);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, blau)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_e_datei), namen_ab(21, rot)));
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe2_d_datei), namen_ab(21, rot)));
        auto *form7 = qobject_cast<TForm7 *>(p.gruppen());
        QVERIFY(form7);

        QAccessibleInterface *option = QAccessible::queryAccessibleInterface(form7->RadioButton2);
        QVERIFY(option && option->actionInterface());
        option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(form7->RadioButton2->isChecked());
        QCOMPARE(Programm::texte(*form7, 1, 6), rot);
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 2);

        klicken(form7, "Button3");
        QCOMPARE(Programm::sortiert(Programm::texte(*form7, 1, 6)), rot);
        QCOMPARE(gespeichert(p.pfad(gruppe1_e_datei), 1, 4), als_1252(blau));

        form7->RadioButton1->setChecked(true); // the keyboard's arrow keys do the same
        QCOMPARE(Programm::texte(*form7, 1, 4), blau);
        QCOMPARE(p.zustand.wert(opt::mannschaft_nr), 1);
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
        klicken(&p.form7, "RadioButton1");
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
        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        p.form8.zeigen();
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
        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        p.form8.zeigen();
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

    void schliessfeld_und_esc_zeigen_die_startseite_data()
    {
        QTest::addColumn<bool>("esc");
        QTest::newRow("Schließfeld") << false;
        QTest::newRow("Esc") << true;
    }
    void schliessfeld_und_esc_zeigen_die_startseite()
    {
        QFETCH(bool, esc);
        Programm p(0);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, namen(u"Blau"_s, 4))));
        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        klicken(&p.form8, "Button5");
        for (AuslosungsFenster *fenster : {static_cast<AuslosungsFenster *>(&p.form7),
                                           static_cast<AuslosungsFenster *>(&p.form8)}) {
            QSignalSpy startseite(fenster, &AuslosungsFenster::startseite_zeigen);
            fenster->zeigen();
            QVERIFY(QTest::qWaitForWindowActive(fenster));
            if (esc)
                QTest::keyClick(fenster, Qt::Key_Escape);
            else
                QVERIFY(fenster->close()); // what the close box does
            QVERIFY(!fenster->isVisible());
            QCOMPARE(startseite.count(), 1);
        }
        // Like "Beenden", Esc stores nothing of the emptied singles window.
        QCOMPARE(gespeichert(p.pfad(gruppe1_e_datei), 1, 4).count(QByteArray()), 0);
    }

    // "Karl-Heinz Müller-Lüdenscheidt" must not read "arl-Heinz ...": a long name shows its start.
    void lange_namen_zeigen_ihren_anfang()
    {
        Programm p(1);
        const QString lang = u"Karl-Heinz Müller-Lüdenscheidt-Großenbrode"_s;
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), {{1, lang}, {2, lang}}));
        p.form7.zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(&p.form7));
        klicken(&p.form7, "RadioButton2");
        klicken(&p.form7, "RadioButton1");
        QLineEdit *feld = p.form7.namensfeld(1);
        QCOMPARE(feld->text(), lang);
        QVERIFY(feld->fontMetrics().horizontalAdvance(lang) > feld->width());
        QCOMPARE(feld->cursorPosition(), 0);
        const auto cursor_links = [](QLineEdit *f) {
            return f->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        };
        QCOMPARE(cursor_links(feld), cursor_links(p.form7.namensfeld(3)));
    }

    void fenster_wachsen_nicht_in_leere_kaesten()
    {
        Programm p(1);
        for (AuslosungsFenster *fenster : {static_cast<AuslosungsFenster *>(&p.form7),
                                           static_cast<AuslosungsFenster *>(&p.form8)}) {
            fenster->zeigen();
            const QSize vorher = fenster->size();
            fenster->resize(vorher * 2);
            QCOMPARE(fenster->size(), vorher);
        }
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

        einzel_gruppen_anzeigen(p.zustand, p.plattform, p.form8.namensfelder());
        p.form8.zeigen();
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
        QCOMPARE(p.form7.RadioButton2->accessibleName(), u"Gruppen Mannschaft 2"_s);
        QCOMPARE(p.form8.Button6->accessibleName(), u"Neu auswählen"_s);
        for (AuslosungsFenster *fenster : {static_cast<AuslosungsFenster *>(&p.form7),
                                           static_cast<AuslosungsFenster *>(&p.form8)}) {
            // A window to a screen reader, not a filler.
            QCOMPARE(QAccessible::queryAccessibleInterface(fenster)->role(), QAccessible::Dialog);
            QList<QChar> kuerzel;
            for (QWidget *element : fenster->findChildren<QWidget *>()) {
                if (qobject_cast<QAbstractButton *>(element) || qobject_cast<QLineEdit *>(element))
                    QVERIFY2(!element->accessibleName().isEmpty(),
                             qPrintable(element->objectName()));
                if (auto *knopf = qobject_cast<QAbstractButton *>(element)) {
                    QCOMPARE(knopf->accessibleName(), ohne_kuerzel(knopf->text()));
                    const qsizetype stelle = knopf->text().indexOf(u'&');
                    QVERIFY2(stelle >= 0, qPrintable(knopf->text()));
                    kuerzel << knopf->text().at(stelle + 1).toLower();
                }
            }
            QCOMPARE(QSet<QChar>(kuerzel.begin(), kuerzel.end()).size(), kuerzel.size());
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
        MitHauptfenster p(doppel_modus);
        QVERIFY(gruppendatei_anlegen(p.pfad(gruppe1_e_datei), namen_ab(1, namen(u"Blau"_s, 4))));
        p.hauptfenster = std::make_unique<TForm1>(p.zustand, p.plattform);
        TForm1 &hauptfenster = *p.hauptfenster;
        hauptfenster.show();

        if (menue.isEmpty()) {
            QTest::mouseClick(hauptfenster.findChild<QToolButton *>("SpeedButton4"),
                              Qt::LeftButton);
        } else {
            const QList<QAction *> aktionen = hauptfenster.menuBar()->findChildren<QAction *>();
            const auto aktion = std::find_if(aktionen.begin(), aktionen.end(), [&](QAction *a) {
                return ohne_kuerzel(a->text()) == menue && !a->menu();
            });
            QVERIFY(aktion != aktionen.end());
            (*aktion)->trigger();
        }
        AuslosungsFenster *fenster = doppel_modus == 1
                                         ? static_cast<AuslosungsFenster *>(hauptfenster.Form7)
                                         : hauptfenster.Form8;
        QVERIFY(fenster);
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
