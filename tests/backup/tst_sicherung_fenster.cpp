#include "app/hauptfenster_fenster.h"
#include "app/werbung_fenster.h"
#include "backup/datensicherung_fenster.h"
#include "backup/ordnerbaum_fenster.h"
#include "backup/sicherung_fenster.h"
#include "sicherung_testhilfe.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstSicherungFenster : public QObject
{
    Q_OBJECT

    QTemporaryDir m_heim;

    struct Aufbau
    {
        TestOrdner daten;
        TestPlattform plattform;
        QTemporaryDir sicherung;
        // Kept across openings, as the main window keeps it.
        Sicherungsstand stand;
        QWidget eltern;

        Aufbau()
        {
            daten.zustand.optionen_lesen();
            dateien_anlegen(daten.ordner.path(),
                            {u"Adressen1.adr"_s, u"aktuelle_Liste1.akt"_s, u"x.dat"_s});
        }
        // A new window as the main window builds it at each opening.
        TBack5 *oeffnen()
        {
            auto *fenster = new TBack5(daten.zustand, plattform, stand, &eltern);
            fenster->oeffnen();
            return fenster;
        }
        QString gespeicherter_pfad() const
        {
            TOptionen optionen;
            optionen_lesen(optionen, daten.zustand.daten_pfad);
            return optionen.wert(opt::sicherungs_pfad);
        }
        void pfad_setzen(const QString &pfad)
        {
            daten.zustand.optionen.setze(opt::sicherungs_pfad, pfad);
            daten.zustand.optionen_speichern();
        }
    };

    static void tippen(QLineEdit *feld, const QString &text)
    {
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, text);
    }

    // Clicks a file of the list once the list has loaded it.
    static void datei_klicken(TBack5 *f, const QString &name,
                              Qt::KeyboardModifiers tasten = Qt::NoModifier)
    {
        auto *modell = qobject_cast<QFileSystemModel *>(f->FileListBox1->model());
        QVERIFY(modell);
        const QString pfad = QDir(modell->rootPath()).filePath(name);
        QTRY_VERIFY(modell->index(pfad).isValid() &&
                    !f->FileListBox1->visualRect(modell->index(pfad)).isEmpty());
        QTest::mouseClick(f->FileListBox1->viewport(), Qt::LeftButton, tasten,
                          f->FileListBox1->visualRect(modell->index(pfad)).center());
    }

    // Radio buttons and check boxes take clicks on their box and text only, not on the width
    // the layout gives them.
    static void ankreuzen(QAbstractButton *knopf)
    {
        QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(8, knopf->height() / 2));
    }

    static void wiederherstellung_zeigen(TBack5 *f)
    {
        QTest::mouseClick(f->PageControl1->tabBar(), Qt::LeftButton, {},
                          f->PageControl1->tabBar()->tabRect(1).center());
        QCOMPARE(f->PageControl1->currentIndex(), 1);
    }

private slots:
    void initTestCase() { qputenv("HOME", m_heim.path().toLocal8Bit()); }

    void oeffnen_zeigt_die_sicherungsseite()
    {
        Aufbau a;
        QPointer<TBack5> f = a.oeffnen();
        QVERIFY(f->isVisible());
        QVERIFY(f->isModal());
        QCOMPARE(f->windowTitle(), u"Vorlix-Quarel Datensicherung"_s);
        QCOMPARE(f->PageControl1->currentWidget(), f->TabSheet1);
        QCOMPARE(f->PageControl1->tabText(0).remove(u'&'), u"Datensicherung"_s);
        QCOMPARE(f->PageControl1->tabText(1).remove(u'&'), u"Datenwiederherstellung"_s);
        QCOMPARE(f->Edit1->text(), a.daten.zustand.daten_pfad);
        QVERIFY(f->Edit1->isReadOnly());
        QCOMPARE(f->Edit2->text(), m_heim.path() + u"/Vorlix_Quarel_Backup"_s);
        QVERIFY(!f->Edit2->isReadOnly());
        QVERIFY(f->Button4->isEnabled());
        QVERIFY(!f->CheckBox1->isChecked());
        QVERIFY(!f->FileListBox1->isVisibleTo(f));
        QVERIFY(f->ProgressBar1->isVisible());

        const QList<QPair<QAbstractButton *, QString>> knoepfe{
            {f->Button1, u"Daten sichern >>"_s},
            {f->Button2, u"Beenden"_s},
            {f->Button4, u"Datum anfügen"_s},
            {f->CheckBox1, u"Automatische Datensicherung nach Programmende."_s},
            {f->RadioButton1, u"Dateien einzeln wiederherstellen."_s},
            {f->RadioButton2, u"Alle Dateien eines Namens gemeinsam wiederherstellen."_s},
            {f->RadioButton3, u"Selektierte Dateien wiederherstellen"_s},
        };
        for (const auto &[knopf, text] : knoepfe) {
            QCOMPARE(knopf->text().remove(u'&'), text);
            QVERIFY2(knopf->text().contains(u'&'), qPrintable(text));
            QCOMPARE(knopf->accessibleName(), text);
        }
        const QList<QPair<QLabel *, QString>> beschriftungen{
            {f->Label1, u"Kopiere Dateien von Quellverzeichnis:"_s},
            {f->Label2, u"Kopiere Dateien nach Zielverzeichnis:"_s},
            {f->Panel4, u"Wählen Sie bei Bedarf ein anderes Zielverzeichnis."_s},
            {f->Label3, u"Kopiere Dateien von Backup Verzeichnis:"_s},
            {f->Label4, u"Kopiere Dateien nach Zielverzeichnis:"_s},
            {f->Panel5, u"Wählen Sie bei Bedarf ein anderes Quellverzeichnis."_s},
        };
        for (const auto &[label, text] : beschriftungen) {
            QCOMPARE(label->text().remove(u'&'), text);
            QVERIFY(label->buddy());
            QCOMPARE(label->buddy()->accessibleName(), text);
        }
        // Every control a person can reach has a name.
        for (QWidget *w : f->findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus && !qobject_cast<QTabBar *>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
        f->close();
    }

    void ordner_im_baum_wird_gespeichert()
    {
        Aufbau a;
        QDir(a.daten.ordner.path()).mkdir(u"unter"_s);
        const QString unter = a.daten.pfad(u"unter"_s);
        TBack5 *f = a.oeffnen();
        auto *modell = qobject_cast<QFileSystemModel *>(f->DirectoryListBox1->model());
        // The tree opens at the program folder and keeps it in view while folders are read.
        const auto sichtbar = [&](const QString &ordner) {
            const QRect zeile = f->DirectoryListBox1->visualRect(modell->index(ordner));
            return !zeile.isEmpty() && f->DirectoryListBox1->viewport()->rect().contains(zeile);
        };
        QTRY_VERIFY(sichtbar(QDir::cleanPath(a.daten.zustand.daten_pfad)) && sichtbar(unter));
        QCOMPARE(modell->filePath(f->DirectoryListBox1->currentIndex()),
                 QDir::cleanPath(a.daten.zustand.daten_pfad));
        QTest::mouseClick(f->DirectoryListBox1->viewport(), Qt::LeftButton, {},
                          f->DirectoryListBox1->visualRect(modell->index(unter)).center());
        QCOMPARE(f->Edit2->text(), unter);
        QCOMPARE(a.gespeicherter_pfad(), unter);
        f->close();
    }

    void datum_anfuegen_ueber_zwei_oeffnungen()
    {
        Aufbau a;
        const QString basis = a.sicherung.filePath(u"basis"_s);
        a.pfad_setzen(basis);
        QPointer<TBack5> f = a.oeffnen();
        QSignalSpy fertig(f.data(), &QDialog::finished);
        QTest::mouseClick(f->Button4, Qt::LeftButton);
        QCOMPARE(f->Edit2->text(), basis + u"/08_12_2026"_s);
        QTest::mouseClick(f->Button1, Qt::LeftButton);
        QCOMPARE(fertig.size(), 1);
        QTRY_VERIFY(!f);
        QCOMPARE(eintraege(basis + u"/08_12_2026"_s),
                 (QStringList{u"aktuelle_Liste1.akt"_s, u"Vorlixn.opt"_s, u"x.dat"_s}));
        QCOMPARE(a.gespeicherter_pfad(), basis);

        f = a.oeffnen();
        QCOMPARE(f->Edit2->text(), basis);
        tippen(f->Edit2, a.sicherung.filePath(u"anders"_s));
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        QTRY_VERIFY(!f);
        QCOMPARE(a.gespeicherter_pfad(), basis);
    }

    void beenden_speichert_den_vorschlag()
    {
        Aufbau a;
        QPointer<TBack5> f = a.oeffnen();
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        QTRY_VERIFY(!f);
        QCOMPARE(a.gespeicherter_pfad(), m_heim.path() + u"/Vorlix_Quarel_Backup"_s);
    }

    void schliessfeld_speichert_nichts()
    {
        Aufbau a;
        QPointer<TBack5> f = a.oeffnen();
        QSignalSpy fertig(f.data(), &QDialog::finished);
        tippen(f->Edit2, a.sicherung.path());
        f->reject();
        QCOMPARE(fertig.size(), 1);
        QCOMPARE(a.gespeicherter_pfad(), QString());
    }

    void haken_schaltet_und_speichert()
    {
        Aufbau a;
        TBack5 *f = a.oeffnen();
        ankreuzen(f->CheckBox1);
        TOptionen optionen;
        optionen_lesen(optionen, a.daten.zustand.daten_pfad);
        QCOMPARE(optionen.wert(opt::auto_sicherung), 1);
        QCOMPARE(optionen.wert(opt::sicherungs_pfad), f->Edit2->text());
        f->close();
    }

    void fehler_beim_sichern_laesst_das_fenster_offen_data()
    {
        QTest::addColumn<QString>("im_weg"); // a file or folder under the backup folder
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<bool>("anlegefehler");
        QTest::newRow("ordner nicht anlegbar") << "datei"
                                               << "datei/ziel" << true;
        QTest::newRow("datei nicht kopierbar") << "ziel/x.dat/"
                                               << "ziel" << false;
    }
    void fehler_beim_sichern_laesst_das_fenster_offen()
    {
        QFETCH(QString, im_weg);
        QFETCH(QString, ziel);
        QFETCH(bool, anlegefehler);
        Aufbau a;
        if (im_weg.endsWith(u'/'))
            QDir().mkpath(a.sicherung.filePath(im_weg));
        else
            dateien_anlegen(a.sicherung.path(), {im_weg});
        TBack5 *f = a.oeffnen();
        QSignalSpy fertig(f, &QDialog::finished);
        const QString zielordner = a.sicherung.filePath(ziel);
        tippen(f->Edit2, zielordner);
        QTest::mouseClick(f->Button1, Qt::LeftButton);

        QCOMPARE(fertig.size(), 0);
        QVERIFY(f->isVisible());
        QCOMPARE(a.plattform.meldungen.size(), 1);
        if (anlegefehler) {
            QCOMPARE(a.plattform.texte().first(),
                     u"Beim Anlegen von "_s + zielordner + u"/ ist ein Fehler aufgetreten!"_s);
        } else {
            // Two files went before the one in the way, and the fields show the folders again.
            QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Schreibfehler);
            QVERIFY(a.plattform.texte().first().contains(a.daten.pfad(u"x.dat"_s)));
            QCOMPARE(eintraege(zielordner),
                     (QStringList{u"aktuelle_Liste1.akt"_s, u"Vorlixn.opt"_s, u"x.dat"_s}));
            QCOMPARE(f->ProgressBar1->value(), 2);
            QCOMPARE(f->ProgressBar1->maximum(), 3);
            QCOMPARE(f->Edit1->text(), a.daten.zustand.daten_pfad);
            QCOMPARE(f->Edit2->text(), zielordner);
        }
        QVERIFY(f->Button1->isEnabled());
        f->close();
    }

    void wiederherstellungsseite_und_eine_datei()
    {
        Aufbau a;
        speicher::datei_ersetzen(a.sicherung.filePath(u"Adressen1.adr"_s), "gesichert");
        speicher::datei_ersetzen(a.sicherung.filePath(u"Adressen2.adr"_s), "zwei");
        a.pfad_setzen(a.sicherung.path());
        a.daten.zustand.setze(opt::auto_sicherung, 1);
        a.daten.zustand.optionen_speichern();
        QPointer<TBack5> f = a.oeffnen();
        QVERIFY(f->CheckBox1->isChecked());

        wiederherstellung_zeigen(f);
        QCOMPARE(f->windowTitle(), u"Vorlix-Quarel Datenwiederherstellung"_s);
        QCOMPARE(f->Button1->text().remove(u'&'), u"Wiederherstellen"_s);
        QVERIFY(!f->CheckBox1->isChecked());
        TOptionen optionen;
        optionen_lesen(optionen, a.daten.zustand.daten_pfad);
        QCOMPARE(optionen.wert(opt::auto_sicherung), 0);
        QVERIFY(f->FileListBox1->isVisible());
        QVERIFY(!f->Button4->isEnabled());
        QVERIFY(f->RadioButton1->isChecked());
        QCOMPARE(f->Edit3->text(), a.sicherung.path() + u'/');
        QCOMPARE(f->Edit4->text(), a.daten.zustand.daten_pfad);

        datei_klicken(f, u"Adressen1.adr"_s);
        QCOMPARE(f->Edit3->text(), a.sicherung.filePath(u"Adressen1.adr"_s));
        QCOMPARE(f->Edit4->text(), a.daten.pfad(u"Adressen1.adr"_s));
        QTest::mouseClick(f->Button1, Qt::LeftButton);
        QCOMPARE(a.plattform.texte(), QStringList{u" Die Datei wurde wieder hergestellt.   \n"
                                                  u"                                          "_s});
        QCOMPARE(inhalt(a.daten.pfad(u"Adressen1.adr"_s)), "gesichert");
        QVERIFY(!QFile::exists(a.daten.pfad(u"Adressen2.adr"_s)));
        QTRY_VERIFY(!f);
    }

    void wiederherstellung_traegt_die_farben()
    {
        Aufbau a;
        a.daten.zustand.farben.setze(frb::form_umr, 0x0000C0); // stored as 0x00BBGGRR
        a.daten.zustand.farben.setze(frb::D_bs_fa, 0x00C000);
        TBack5 *f = a.oeffnen();
        const QColor stil = f->palette().color(QPalette::Window);
        QVERIFY(stil != QColor(0xC0, 0, 0));
        wiederherstellung_zeigen(f);
        QCOMPARE(f->palette().color(QPalette::Window), QColor(0xC0, 0, 0));
        QCOMPARE(f->Panel3->palette().color(QPalette::Window), QColor(0, 0xC0, 0));
        QTest::mouseClick(f->PageControl1->tabBar(), Qt::LeftButton, {},
                          f->PageControl1->tabBar()->tabRect(0).center());
        QCOMPARE(f->windowTitle(), u"Vorlix-Quarel Datensicherung"_s);
        QCOMPARE(f->palette().color(QPalette::Window), stil);
        QCOMPARE(f->Panel3->palette().color(QPalette::Window), stil);
        f->close();
    }

    void ohne_gewaehlte_datei_bleibt_das_fenster_offen()
    {
        Aufbau a;
        a.pfad_setzen(a.sicherung.path());
        TBack5 *f = a.oeffnen();
        wiederherstellung_zeigen(f);
        QTest::mouseClick(f->Button1, Qt::LeftButton);
        QCOMPARE(a.plattform.texte(),
                 QStringList{u"  Markieren Sie bitte mit der Maus die Datei,     \n"
                             u"      die wieder hergestellt werden soll.         \n"_s});
        QCOMPARE(f->Label3->text().remove(u'&'), u"Kopiere Dateien von:"_s);
        QCOMPARE(f->Label4->text().remove(u'&'), u"Kopiere Dateien nach:"_s);
        QCOMPARE(f->Edit3->accessibleName(), u"Kopiere Dateien von:"_s);
        QVERIFY(f->isVisible());
        f->close();
    }

    void selektierte_dateien()
    {
        Aufbau a;
        for (const char *name : {"a.akt", "b.akt", "c.akt"})
            speicher::datei_ersetzen(a.sicherung.filePath(QString::fromUtf8(name)), name);
        a.pfad_setzen(a.sicherung.path());
        QPointer<TBack5> f = a.oeffnen();
        wiederherstellung_zeigen(f);
        ankreuzen(f->RadioButton3);
        QCOMPARE(f->FileListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
        datei_klicken(f, u"c.akt"_s);
        datei_klicken(f, u"a.akt"_s, Qt::ControlModifier);
        QCOMPARE(f->Edit3->text(), a.sicherung.path() + u'/'); // clicks only select
        QTest::mouseClick(f->Button1, Qt::LeftButton);
        QCOMPARE(a.plattform.texte(), QStringList{u" Die Dateien wurden wieder hergestellt.   \n"
                                                  u"                                          "_s});
        QCOMPARE(inhalt(a.daten.pfad(u"a.akt"_s)), "a.akt");
        QCOMPARE(inhalt(a.daten.pfad(u"c.akt"_s)), "c.akt");
        QVERIFY(!QFile::exists(a.daten.pfad(u"b.akt"_s)));
        QTRY_VERIFY(!f);
    }

    void befehl_oeffnet_und_schliessen_zeigt_die_startseite()
    {
        Aufbau a;
        QFile(a.daten.pfad(u"Vorlix_Turnier-Hilfe.chm"_s)).open(QIODevice::WriteOnly);
        TForm1 haupt(a.daten.zustand, a.plattform);
        haupt.show();
        QTest::mouseClick(haupt.findChild<QToolButton *>(u"SpeedButton7"_s), Qt::LeftButton);
        QPointer<TBack5> f = haupt.findChild<TBack5 *>();
        QVERIFY(f && f->isVisible());
        QVERIFY(!haupt.Panel5->isVisible());
        haupt.setWindowTitle(QString());
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        QVERIFY(haupt.Panel5->isVisible());
        QVERIFY(haupt.windowTitle().startsWith(u"Vorlix Turnier-Quarel 2"_s));
        QTRY_VERIFY(!f);

        // Each opening builds the window anew.
        QTest::mouseClick(haupt.findChild<QToolButton *>(u"SpeedButton7"_s), Qt::LeftButton);
        QCOMPARE(haupt.findChildren<TBack5 *>().size(), 1);
        QVERIFY(haupt.findChild<TBack5 *>() != nullptr);
    }

    // The main window builds the window anew but keeps the dated mark for the next opening.
    void datum_gilt_ueber_die_oeffnungen_des_hauptfensters()
    {
        Aufbau a;
        const QString basis = a.sicherung.filePath(u"basis"_s);
        a.pfad_setzen(basis);
        TForm1 haupt(a.daten.zustand, a.plattform);
        auto *knopf = haupt.findChild<QToolButton *>(u"SpeedButton7"_s);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QPointer<TBack5> f = haupt.findChild<TBack5 *>();
        QTest::mouseClick(f->Button4, Qt::LeftButton);
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        QTRY_VERIFY(!f);

        QTest::mouseClick(knopf, Qt::LeftButton);
        f = haupt.findChild<TBack5 *>();
        QCOMPARE(f->Edit2->text(), basis);
        tippen(f->Edit2, a.sicherung.filePath(u"anders"_s));
        QTest::mouseClick(f->Button2, Qt::LeftButton);
        QTRY_VERIFY(!f);
        QCOMPARE(a.gespeicherter_pfad(), basis);
    }

    void beenden_sichert_automatisch()
    {
        Aufbau a;
        QFile(a.daten.pfad(u"Vorlix_Turnier-Hilfe.chm"_s)).open(QIODevice::WriteOnly);
        a.pfad_setzen(a.sicherung.filePath(u"basis"_s));
        a.daten.zustand.setze(opt::auto_sicherung, 1);
        TForm1 haupt(a.daten.zustand, a.plattform);
        haupt.show();
        a.daten.zustand.farben.setze(frb::form_umr, 0x0000C0);
        a.daten.zustand.farben.setze(frb::listb, 0xC00000);
        a.daten.zustand.farben.setze(frb::listb_font, 0x00C000);
        const QString tag = a.sicherung.filePath(u"basis/08_12_2026"_s);
        // The timer also runs while the backup lets the screen repaint, so it watches for the
        // advertising page rather than expecting it at its first tick.
        QStringList bei_der_werbung;
        QTimer wache;
        connect(&wache, &QTimer::timeout, &haupt, [&] {
            if (!haupt.Form3 || !haupt.Form3->isVisible())
                return;
            bei_der_werbung = eintraege(tag);
            haupt.Form3->accept();
        });
        wache.start(10);
        QTest::mouseClick(haupt.findChild<QToolButton *>(u"SpeedButton11"_s), Qt::LeftButton);
        // The advertising page opens without a nested event loop; the watch closes it.
        QTRY_VERIFY(!haupt.isVisible());
        // The main window wrote the colour record at its start.
        QCOMPARE(bei_der_werbung, (QStringList{u"Adressen1.adr"_s, u"aktuelle_Liste1.akt"_s,
                                               u"farben.frb"_s, u"Vorlixn.opt"_s, u"x.dat"_s}));
        QVERIFY(!haupt.isVisible());
        QVERIFY(haupt.Datensicherung);
        QVERIFY(!haupt.Datensicherung->isVisible());
        QCOMPARE(haupt.Datensicherung->windowTitle(), u"Automatische Datensicherung"_s);
        QCOMPARE(haupt.Datensicherung->Edit2->text(), tag + u"/farben.frb"_s); // the last pattern
        QCOMPARE(haupt.Datensicherung->Panel1->palette().color(QPalette::Window),
                 QColor(0xC0, 0, 0));
        for (QLineEdit *feld : {haupt.Datensicherung->Edit1, haupt.Datensicherung->Edit2}) {
            QCOMPARE(feld->palette().color(QPalette::Base), QColor(0, 0, 0xC0));
            QCOMPARE(feld->palette().color(QPalette::Text), QColor(0, 0xC0, 0));
        }
    }

    void nur_ein_kopierfehler_haelt_das_ende_an_data()
    {
        QTest::addColumn<QString>("basis");  // under the backup folder
        QTest::addColumn<QString>("im_weg"); // a file or, with a trailing '/', a folder
        QTest::addColumn<bool>("endet");
        QTest::newRow("ordner nicht anlegbar") << "datei/basis"
                                               << "datei" << true;
        QTest::newRow("tagesordner nicht anlegbar") << "basis"
                                                    << "basis/08_12_2026" << true;
        QTest::newRow("datei nicht kopierbar") << "basis"
                                               << "basis/08_12_2026/x.dat/" << false;
    }
    void nur_ein_kopierfehler_haelt_das_ende_an()
    {
        QFETCH(QString, basis);
        QFETCH(QString, im_weg);
        QFETCH(bool, endet);
        Aufbau a;
        QFile(a.daten.pfad(u"Vorlix_Turnier-Hilfe.chm"_s)).open(QIODevice::WriteOnly);
        if (im_weg.endsWith(u'/'))
            QDir().mkpath(a.sicherung.filePath(im_weg));
        else
            dateien_anlegen(a.sicherung.path(), {im_weg});
        a.pfad_setzen(a.sicherung.filePath(basis));
        a.daten.zustand.setze(opt::auto_sicherung, 1);
        TForm1 haupt(a.daten.zustand, a.plattform);
        haupt.show();
        QTimer wache;
        connect(&wache, &QTimer::timeout, &haupt, [&] {
            if (haupt.Form3 && haupt.Form3->isVisible())
                haupt.Form3->accept();
        });
        wache.start(10);
        QTest::mouseClick(haupt.findChild<QToolButton *>(u"SpeedButton11"_s), Qt::LeftButton);

        QCOMPARE(a.plattform.meldungen.size(), 1);
        if (endet) {
            // A stick that is not plugged in: reported, and the program ends all the same.
            QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Information);
            QVERIFY(a.plattform.texte().first().contains(a.sicherung.filePath(basis)));
            QTRY_VERIFY(!haupt.isVisible());
        } else {
            QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
            QVERIFY(a.plattform.texte().first().contains(a.daten.pfad(u"x.dat"_s)));
            QVERIFY(haupt.isVisible());
            QVERIFY(!haupt.Form3 || !haupt.Form3->isVisible());
        }
        QVERIFY(!haupt.Datensicherung->isVisible());
    }
};

QTEST_MAIN(TstSicherungFenster)
#include "tst_sicherung_fenster.moc"
