#include "app/einstellungen_fenster.h"
#include "appearance/kontrast.h"
#include "schreibschutz.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstEinstellungenFenster : public QObject
{
    Q_OBJECT

    // The program's state after start-up with the settings window created once.
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        TForm10 form10{zustand, plattform};

        Programm() { zustand.optionen_lesen(); }
        // The options as the file holds them now.
        TOptionen gespeichert() const
        {
            TOptionen o;
            QByteArray bytes;
            speicher::datei_lesen(pfad(u"Vorlixn.opt"_s), bytes);
            o.von_bytes(bytes);
            return o;
        }
        // Another window changes the file behind the settings window's back.
        void datei_aendern(const std::function<void(TOptionen &)> &aenderung)
        {
            TOptionen o = gespeichert();
            aenderung(o);
            QVERIFY(speicher::datei_ersetzen(pfad(u"Vorlixn.opt"_s), o.bytes()));
        }
        QByteArray datei(const QString &name) const
        {
            QByteArray bytes;
            speicher::datei_lesen(pfad(name), bytes);
            return bytes;
        }
    };

    static void tippen(QLineEdit *feld, const QString &text)
    {
        feld->setFocus();
        feld->selectAll();
        for (QChar zeichen : text)
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen),
                                Qt::NoModifier);
    }
    static void klicken(QAbstractButton *knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }
    static QColor feldfarbe(QLineEdit *feld) { return feld->palette().color(QPalette::Base); }

private slots:
    void beschriftungen_und_zugaengliche_namen_data()
    {
        QTest::addColumn<QString>("objekt");
        QTest::addColumn<QString>("name");
        const auto zeile = [](const char *objekt, const QString &name) {
            QTest::newRow(objekt) << QString::fromLatin1(objekt) << name;
        };
        zeile("Edit1", u"Mannschaft 1"_s);
        zeile("Edit7", u"Mannschaft 2"_s);
        zeile("DateEdit1", u"Datum"_s);
        zeile("Edit2", u"Farbe Gruppe 1"_s);
        zeile("Edit3", u"Farbe Gruppe 2"_s);
        zeile("Edit4", u"Hntergrundfarbe"_s);
        zeile("Edit5", u"Sperrfarbe"_s);
        zeile("Edit6", u"Wav-Datei"_s);
        zeile("Button3", u"Testen"_s);
        zeile("CheckBox1", u"Beim Turnierplanstart vorhandene Daten einfügen."_s);
        zeile("CheckBox2", u"Auswahl per Haken vor Person"_s);
        zeile("CheckBox3", u"Personen Auswahl mit 2 Listen"_s);
        zeile("Button1", u"Speichern"_s);
        zeile("Button2", u"Beenden"_s);
        zeile("SpeedButton1", u"Farbe Gruppe 1 wählen"_s);
        zeile("SpeedButton3", u"Farbe Gruppe 2 wählen"_s);
        zeile("SpeedButton2", u"Hntergrundfarbe wählen"_s);
        zeile("SpeedButton4", u"Sperrfarbe wählen"_s);
        zeile("SpeedButton5", u"Wav-Datei wählen"_s);
        zeile("SpeedButton6", u"Wav-Datei entfernen"_s);
    }
    void beschriftungen_und_zugaengliche_namen()
    {
        QFETCH(QString, objekt);
        QFETCH(QString, name);
        Programm p;
        p.form10.oeffnen();
        auto *element = p.form10.findChild<QWidget *>(objekt);
        QVERIFY(element);
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(element);
        QVERIFY(zugang);
        QCOMPARE(zugang->text(QAccessible::Name), name);
    }

    void jedes_bedienelement_hat_einen_namen()
    {
        Programm p;
        p.form10.oeffnen();
        QCOMPARE(p.form10.windowTitle(), u"Einstellungen"_s);
        QCOMPARE(p.form10.PageControl1->count(), 1);
        QCOMPARE(p.form10.PageControl1->tabText(0), u"Einstellungen"_s);
        for (QWidget *w : p.form10.findChildren<QWidget *>()) {
            if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus)
                continue;
            QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(zugang && !zugang->text(QAccessible::Name).isEmpty(),
                     qPrintable(w->objectName() + u' ' + w->metaObject()->className()));
        }
    }

    void oeffnen_zeigt_die_gespeicherten_werte()
    {
        Programm p;
        p.datei_aendern([](TOptionen &o) {
            o.setze(opt::name_mannschaft1, u"Blau-Weiß"_s);
            o.setze(opt::name_mannschaft2, u"Rot"_s);
            o.setze(opt::turnier_datum, u"14.03.2026"_s);
            o.setze(opt::farbe_gruppe1, 0x0000FF);
            o.setze(opt::farbe_gruppe2, 0x00FF00);
            o.setze(opt::hintergrundfarbe, 0xFF0000);
            o.setze(opt::sperrfarbe, 0x808080);
            o.setze(opt::wav_datei, u"hupe.wav"_s);
            o.setze(opt::daten_einfuegen, 1);
            o.setze(opt::auswahl_art, 1);
        });
        QSignalSpy verborgen(&p.form10, &TForm10::startseite_verbergen);
        TForm10 &f = p.form10;
        f.oeffnen();
        QCOMPARE(verborgen.count(), 1);
        QVERIFY(f.isVisible());
        QCOMPARE(f.Edit1->text(), u"Blau-Weiß"_s);
        QCOMPARE(f.Edit7->text(), u"Rot"_s);
        QCOMPARE(f.DateEdit1->text(), u"14.03.2026"_s);
        QCOMPARE(feldfarbe(f.Edit2), QColor(255, 0, 0));
        QCOMPARE(feldfarbe(f.Edit3), QColor(0, 255, 0));
        QCOMPARE(feldfarbe(f.Edit4), QColor(0, 0, 255));
        QCOMPARE(feldfarbe(f.Edit5), QColor(128, 128, 128));
        QCOMPARE(f.Edit6->text(), u"hupe.wav"_s);
        QVERIFY(f.CheckBox1->isChecked());
        QVERIFY(!f.CheckBox2->isChecked());
        QVERIFY(f.CheckBox3->isChecked());
        QVERIFY(!f.CheckBox2->isVisible());
        // Centred, 50 pixels below the middle of the screen.
        const QRect schirm = p.plattform.schirm;
        QCOMPARE(f.x(), (schirm.width() - f.width()) / 2);
        QCOMPARE(f.y(), (schirm.height() - f.height()) / 2 + 50);
    }

    void beenden_verwirft_namen_und_behaelt_die_farbe()
    {
        Programm p;
        p.datei_aendern([](TOptionen &o) { o.setze(opt::name_mannschaft1, u"Alt"_s); });
        TForm10 &f = p.form10;
        f.oeffnen();
        tippen(f.Edit1, u"Füße & Söhne €"_s);
        QCOMPARE(f.Edit1->text(), u"Füße & Söhne €"_s);
        f.CheckBox1->setChecked(true);
        p.plattform.farb_antworten.enqueue(QColor(0x10, 0x20, 0x30));
        klicken(f.SpeedButton2);
        QSignalSpy gezeigt(&f, &TForm10::startseite_zeigen);
        klicken(f.Button2);
        QVERIFY(!f.isVisible());
        QCOMPARE(gezeigt.count(), 1);
        const TOptionen o = p.gespeichert();
        QCOMPARE(o.wert(opt::name_mannschaft1), u"Alt"_s);
        QCOMPARE(o.wert(opt::hintergrundfarbe), 0x302010);
        QCOMPARE(o.wert(opt::daten_einfuegen), 0);
        // Opened again, the window shows what is stored.
        f.oeffnen();
        QCOMPARE(f.Edit1->text(), u"Alt"_s);
        QCOMPARE(feldfarbe(f.Edit4), QColor(0x10, 0x20, 0x30));
    }

    void speichern_schneidet_und_speichert()
    {
        Programm p;
        TForm10 &f = p.form10;
        f.oeffnen();
        const QString lang = u"Ä"_s.repeated(99) + u"Öß"_s;
        tippen(f.Edit1, lang);
        tippen(f.Edit7, u"Zweite Mannschaft €"_s);
        tippen(f.DateEdit1, u"08.12.2026 abends"_s);
        klicken(f.CheckBox1);
        p.plattform.farb_antworten.enqueue(QColor(255, 255, 0));
        klicken(f.SpeedButton4);
        QSignalSpy gezeigt(&f, &TForm10::startseite_zeigen);
        klicken(f.Button1);
        QVERIFY(!f.isVisible());
        QCOMPARE(gezeigt.count(), 1);
        const TOptionen o = p.gespeichert();
        QCOMPARE(o.wert(opt::name_mannschaft1), u"Ä"_s.repeated(99) + u"Ö"_s);
        QCOMPARE(o.wert(opt::name_mannschaft2), u"Zweite Mannschaft €"_s);
        QCOMPARE(o.bytes().mid(392, 20), QByteArray("\x13Zweite Mannschaft \x80"));
        QCOMPARE(o.wert(opt::turnier_datum), u"08.12.2026"_s);
        QCOMPARE(o.wert(opt::daten_einfuegen), 1);
        QCOMPARE(o.wert(opt::sperrfarbe), 0x00FFFF);
    }

    void farbknoepfe_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QColor>("vorgabe"); // what the plan draws while nothing is chosen
        QTest::newRow("Farbe Gruppe 1")
            << u"SpeedButton1"_s << u"Edit2"_s << 196 << QColor(0xD0, 0xE8, 0xFF);
        QTest::newRow("Farbe Gruppe 2")
            << u"SpeedButton3"_s << u"Edit3"_s << 200 << QColor(0xFF, 0xF4, 0xC8);
        QTest::newRow("Hntergrundfarbe")
            << u"SpeedButton2"_s << u"Edit4"_s << 192 << QColor(Qt::white);
        QTest::newRow("Sperrfarbe")
            << u"SpeedButton4"_s << u"Edit5"_s << 188 << QColor(0xD8, 0xD8, 0xD8);
    }
    void farbknoepfe()
    {
        QFETCH(QString, knopf);
        QFETCH(QString, feld);
        QFETCH(int, offset);
        QFETCH(QColor, vorgabe);
        Programm p;
        TForm10 &f = p.form10;
        const QByteArray eigene = "[Farben]\r\nColorB=0000FF\r\n";
        QVERIFY(speicher::datei_ersetzen(p.pfad(u"farb.txt"_s), eigene));
        f.oeffnen();
        auto *k = f.findChild<QToolButton *>(knopf);
        auto *e = f.findChild<QLineEdit *>(feld);

        // Cancelled: nothing changes, "farb.txt" included.
        klicken(k);
        QCOMPARE(p.plattform.gezeigte_eigene_farben.size(), 16);
        QCOMPARE(p.plattform.gezeigte_eigene_farben[1], QColor(255, 0, 0));
        QCOMPARE(p.plattform.gezeigte_eigene_farben[0], QColor(Qt::white));
        QCOMPARE(p.datei(u"farb.txt"_s), eigene);
        QCOMPARE(p.gespeichert().wert(speicher::FarbeFeld{offset}), 0);
        QCOMPARE(feldfarbe(e), vorgabe);
        QCOMPARE(e->text(), u"(Vorgabe)"_s);
        QCOMPARE(p.plattform.farb_starts.last(), vorgabe);

        // Chosen, with a custom colour changed in the dialog.
        QList<QColor> geaendert = p.plattform.gezeigte_eigene_farben;
        geaendert[15] = QColor(0x12, 0x34, 0x56);
        p.plattform.geaenderte_eigene_farben = geaendert;
        p.plattform.farb_antworten.enqueue(QColor(0xAB, 0xCD, 0xEF));
        klicken(k);
        QCOMPARE(feldfarbe(e), QColor(0xAB, 0xCD, 0xEF));
        QCOMPARE(e->text(), QString());
        QCOMPARE(p.gespeichert().wert(speicher::FarbeFeld{offset}), 0xEFCDAB);
        QByteArray erwartet = "[Farben]\r\nColorB=0000FF\r\nColorA=FFFFFFFF\r\n";
        for (char name = 'C'; name <= 'O'; ++name)
            erwartet += "Color" + QByteArray(1, name) + "=FFFFFFFF\r\n";
        erwartet += "ColorP=563412\r\n";
        QCOMPARE(p.datei(u"farb.txt"_s), erwartet);
    }

    // The defaults shown on a fresh options file are not stored by "Speichern"; black picked is
    // kept apart from never chosen.
    void vorgaben_bleiben_ungespeichert()
    {
        Programm p;
        TForm10 &f = p.form10;
        f.oeffnen();
        for (QLineEdit *feld : {f.Edit2, f.Edit3, f.Edit4, f.Edit5})
            QVERIFY(kontrast(feld->palette().color(QPalette::Text), feldfarbe(feld)) >= 4.5);
        p.plattform.farb_antworten.enqueue(QColor(Qt::black));
        klicken(f.SpeedButton1);
        QCOMPARE(f.Edit2->text(), QString());
        klicken(f.Button1);
        const QByteArray farben = p.gespeichert().bytes().mid(188, 16);
        QCOMPARE(farben, QByteArray(8, '\0') + QByteArray("\x01\x01\x01\0", 4) +
                             QByteArray(4, '\0'));
        f.oeffnen();
        QCOMPARE(f.Edit2->text(), QString());
        QCOMPARE(f.Edit3->text(), u"(Vorgabe)"_s);
        QCOMPARE(feldfarbe(f.Edit2), QColor(1, 1, 1));
    }

    void unlesbare_farbdatei_wird_gemeldet()
    {
        Programm p;
        QVERIFY(QDir(p.ordner.path()).mkdir(u"farb.txt"_s));
        p.form10.oeffnen();
        p.plattform.farb_antworten.enqueue(QColor(1, 2, 3));
        klicken(p.form10.SpeedButton1);
        QCOMPARE(p.plattform.texte(), QStringList{u"Die Datei "_s + p.pfad(u"farb.txt"_s) +
                                                  u" kann nicht geöffnet werden."_s});
        QVERIFY(p.plattform.gezeigte_eigene_farben.isEmpty());
        QCOMPARE(p.plattform.farb_antworten.size(), 1);
        QCOMPARE(p.gespeichert().wert(opt::farbe_gruppe1), 0);
    }

    void farbdatei_schreibfehler_wird_gemeldet()
    {
        Programm p;
        QVERIFY(speicher::datei_ersetzen(p.pfad(u"farb.txt"_s), "ColorA=0000FF\r\n"));
        p.form10.oeffnen();
        QList<QColor> geaendert(16, QColor(Qt::white));
        geaendert[3] = QColor(0x12, 0x34, 0x56);
        p.plattform.geaenderte_eigene_farben = geaendert;
        p.plattform.farb_antworten.enqueue(QColor(1, 2, 3));
        {
            const Schreibschutz schutz(p.ordner.path());
            QVERIFY(schutz.wirksam());
            klicken(p.form10.SpeedButton1);
        }
        const QString meldung = u"Die eigenen Farben wurden nicht gespeichert: Die Datei "_s +
                                p.pfad(u"farb.txt"_s) + u" konnte nicht geschrieben werden."_s;
        QVERIFY2(p.plattform.texte().contains(meldung), qPrintable(p.plattform.texte().join('|')));
        QCOMPARE(p.datei(u"farb.txt"_s), QByteArray("ColorA=0000FF\r\n"));
        // The chosen colour itself is taken.
        QCOMPARE(feldfarbe(p.form10.Edit2), QColor(1, 2, 3));
    }

    void schreibgeschuetzt_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::newRow("Speichern") << u"Button1"_s;
        QTest::newRow("Farbe") << u"SpeedButton1"_s;
        QTest::newRow("Wav-Datei entfernen") << u"SpeedButton6"_s;
    }
    // In a read-only data folder every store of the settings names the file it could not
    // write, in a box with "OK".
    void schreibgeschuetzt()
    {
        QFETCH(QString, knopf);
        Programm p;
        p.form10.oeffnen();
        tippen(p.form10.Edit1, u"Neue Mannschaft"_s);
        p.plattform.farb_antworten.enqueue(QColor(1, 2, 3));
        const QByteArray vorher = p.datei(u"Vorlixn.opt"_s);
        {
            const Schreibschutz schutz(p.ordner.path());
            QVERIFY(schutz.wirksam());
            klicken(p.form10.findChild<QAbstractButton *>(knopf));
        }
        const QString meldung = u"Die Einstellungen wurden nicht gespeichert: Die Datei \""_s +
                                p.pfad(u"Vorlixn.opt"_s) + u"\" konnte nicht geschrieben werden."_s;
        QVERIFY2(p.plattform.texte().contains(meldung), qPrintable(p.plattform.texte().join('|')));
        for (const TestPlattform::Meldung &m : p.plattform.meldungen)
            QCOMPARE(m.art, TestPlattform::Meldung::Schreibfehler);
        QCOMPARE(p.datei(u"Vorlixn.opt"_s), vorher);
    }

    void wav_datei_waehlen_data()
    {
        QTest::addColumn<QString>("antwort"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("gespeichert");
        // Only '/' separates folders here; a colon or a backslash belongs to the name.
        QTest::newRow("Doppelpunkt") << u"/home/verein/Horn: lang.wav"_s << u"Horn: lang.wav"_s;
        QTest::newRow("Backslash")
            << u"/media/stick/C:\\Sounds\\horn.wav"_s << u"C:\\Sounds\\horn.wav"_s;
        QTest::newRow("Unix-Pfad") << u"/home/verein/Töne/Tröte.wav"_s << u"Tröte.wav"_s;
        QTest::newRow("abgebrochen") << QString() << u"alt.wav"_s;
        // The path is cut to 100 bytes before its name is taken.
        QTest::newRow("120 Bytes")
            << u"/"_s + u"o"_s.repeated(88) + u"/abcdefghijklmnopqrstuvwxyz.wav"_s
            << u"abcdefghij"_s;
    }
    void wav_datei_waehlen()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, gespeichert);
        Programm p;
        p.datei_aendern([](TOptionen &o) { o.setze(opt::wav_datei, u"alt.wav"_s); });
        p.form10.oeffnen();
        // A change to the file shows whether the window saved its options again.
        p.datei_aendern([](TOptionen &o) { o.setze(opt::druck_schriftgroesse, 99); });
        if (!antwort.isEmpty())
            p.plattform.datei_antworten.enqueue(antwort);
        klicken(p.form10.SpeedButton5);
        QCOMPARE(p.form10.Edit6->text(), gespeichert);
        const TOptionen o = p.gespeichert();
        QCOMPARE(o.wert(opt::wav_datei), gespeichert);
        QCOMPARE(o.wert(opt::druck_schriftgroesse), 0);
    }

    void wav_datei_entfernen()
    {
        Programm p;
        p.datei_aendern([](TOptionen &o) { o.setze(opt::wav_datei, u"alt.wav"_s); });
        p.form10.oeffnen();
        klicken(p.form10.SpeedButton6);
        QVERIFY(p.form10.Edit6->text().isEmpty());
        QCOMPARE(p.gespeichert().wert(opt::wav_datei), QString());
    }

    void testen_spielt_die_hupe_data()
    {
        QTest::addColumn<QString>("wav_datei");
        QTest::addColumn<bool>("vorhanden");
        QTest::newRow("vorhanden") << u"horn.wav"_s << true;
        QTest::newRow("fehlt") << u"horn.wav"_s << false;
        QTest::newRow("leer") << QString() << true;
    }
    void testen_spielt_die_hupe()
    {
        QFETCH(QString, wav_datei);
        QFETCH(bool, vorhanden);
        Programm p;
        QVERIFY(QDir(p.ordner.path()).mkdir(u"Wav-Dateien"_s));
        if (vorhanden)
            QVERIFY(speicher::datei_ersetzen(p.pfad(u"Wav-Dateien/horn.wav"_s), "RIFF"));
        p.datei_aendern([&](TOptionen &o) { o.setze(opt::wav_datei, wav_datei); });
        p.form10.oeffnen();
        klicken(p.form10.Button3);
        const QStringList erwartet = vorhanden && !wav_datei.isEmpty()
                                         ? QStringList{p.pfad(u"Wav-Dateien/horn.wav"_s)}
                                         : QStringList{};
        QCOMPARE(p.plattform.abgespielte_toene, erwartet);
    }

    void versteckte_haken_schliessen_sich_aus()
    {
        Programm p;
        TForm10 &f = p.form10;
        f.oeffnen();
        QVERIFY(f.CheckBox2->isChecked());
        f.CheckBox3->click();
        QVERIFY(!f.CheckBox2->isChecked());
        QCOMPARE(p.zustand.wert(opt::auswahl_art), 1);
        f.CheckBox2->click();
        QVERIFY(!f.CheckBox3->isChecked());
        QCOMPARE(p.zustand.wert(opt::auswahl_art), 0);
    }

    void kalender_setzt_das_datum()
    {
        Programm p;
        TForm10 &f = p.form10;
        f.oeffnen();
        auto *kalender = f.findChild<QCalendarWidget *>(u"Kalender1"_s);
        QVERIFY(kalender);
        emit kalender->clicked(QDate(2026, 5, 1));
        QCOMPARE(f.DateEdit1->text(), u"01.05.2026"_s);
    }

    void f1_oeffnet_die_hilfe()
    {
        Programm p;
        p.form10.oeffnen();
        p.form10.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.form10));
        QTest::keyClick(&p.form10, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe.size(), 1);
        QCOMPARE(p.plattform.hilfe_aufrufe[0].second, 150);
    }
};

QTEST_MAIN(TstEinstellungenFenster)
#include "tst_einstellungen_fenster.moc"
