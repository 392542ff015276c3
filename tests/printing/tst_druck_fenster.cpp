#include "app/hauptfenster_fenster.h"
#include "druck_testhilfe.h"
#include "printing/drucken_fenster.h"
#include "printing/druckwahl_fenster.h"
#include "printing/tabellensatz.h"
#include "shell/kuerzel.h"
#include "storage/satzdatei.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QtTest>

using namespace Qt::StringLiterals;

// The print module linked in, so that its windows are the classes seen here.
Q_IMPORT_PLUGIN(QtDruckModul)

class TstDruckFenster : public QObject
{
    Q_OBJECT

    static inline const QString art = u"DejaVu Sans"_s;

    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> form1;

        Programm()
        {
            optionen_anlegen(zustand.optionen, zustand.daten_pfad);
            zustand.optionen.setze(opt::druck_schriftart, art);
            zustand.setze(opt::druck_schriftgroesse, 12);
            zustand.optionen_speichern();
            kader_schreiben(Mannschaft::eins, 3);
            kader_schreiben(Mannschaft::zwei, 80);
            zustand.optionen.setze(opt::name_mannschaft2, u" Füchse Groß-Nord "_s);
            zustand.optionen_speichern();
            QVERIFY(speicher::datei_ersetzen(pfad(u"Vorlix_Turnier-Hilfe.chm"_s), "chm"));
            form1 = std::make_unique<TForm1>(zustand, plattform);
            form1->show();
        }
        void kader_schreiben(Mannschaft mannschaft, int anzahl)
        {
            QList<QByteArray> saetze;
            for (const adresse &satz : testkader(anzahl))
                saetze << satz.bytes();
            QVERIFY(speicher::satzdatei_schreiben(pfad(adressen_dateiname(mannschaft)), saetze));
        }
        void adressen_drucken()
        {
            for (QAction *aktion : form1->menuBar()->findChildren<QAction *>())
                if (ohne_kuerzel(aktion->text()) == u"Adressen drucken"_s && !aktion->menu())
                    return aktion->trigger();
            QFAIL("menu entry missing");
        }
        TForm15 *form15() const { return form1->findChild<TForm15 *>(); }
        TForm14 *form14() const { return form1->findChild<TForm14 *>(); }
        TForm14 &oeffnen(Mannschaft mannschaft)
        {
            adressen_drucken();
            QTest::mouseClick(mannschaft == Mannschaft::eins ? form15()->Button1
                                                             : form15()->Button2,
                              Qt::LeftButton);
            return *form14();
        }
        bool startseite() const { return form1->Panel5->isVisible(); }
        // What the options file holds now.
        TOptionen gespeichert() const
        {
            TOptionen optionen;
            optionen_lesen(optionen, zustand.daten_pfad);
            return optionen;
        }
    };

    static int titelgroesse(const TForm14 &f) { return f.liste().seiten[0].texte[0].groesse; }
    static QString schriftart(const TForm14 &f) { return f.liste().seiten[0].texte[0].schriftart; }

    static void pfeil_hoch(QSpinBox *feld)
    {
        QStyleOptionSpinBox option;
        option.initFrom(feld);
        option.subControls = QStyle::SC_SpinBoxUp;
        option.buttonSymbols = feld->buttonSymbols();
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect pfeil =
            feld->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, feld);
        QTest::mouseClick(feld, Qt::LeftButton, {}, pfeil.center());
    }

    static void tippen(QSpinBox *feld, const QString &text)
    {
        feld->setFocus();
        feld->findChild<QLineEdit *>()->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, text);
    }

    static QStringList namen(int anzahl)
    {
        QStringList liste;
        for (const adresse &satz : testkader(anzahl))
            liste << satz.wert(adr::name);
        return liste;
    }

private slots:
    void waehler_oeffnet_das_druckfenster_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<int>("spieler");
        QTest::newRow("1") << 1 << 3;
        QTest::newRow("2") << 2 << 80;
    }
    void waehler_oeffnet_das_druckfenster()
    {
        QFETCH(int, mannschaft);
        QFETCH(int, spieler);
        Programm p;
        QVERIFY(!p.form15() && !p.form14());
        p.adressen_drucken();
        TForm15 *waehler = p.form15();
        QVERIFY(waehler && waehler->isVisible());
        QCOMPARE(waehler->windowTitle(), u"Teilnehmer drucken"_s);
        QVERIFY(waehler->windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect schirm = p.plattform.schirm;
        QCOMPARE(waehler->pos(), QPoint((schirm.width() - waehler->width()) / 2,
                                        (schirm.height() - waehler->height()) / 2));
        QVERIFY(!p.startseite());

        QTest::mouseClick(mannschaft == 1 ? waehler->Button1 : waehler->Button2, Qt::LeftButton);
        QVERIFY(!waehler->isVisible());
        QVERIFY(!p.startseite());
        TForm14 *f = p.form14();
        QVERIFY(f && f->isVisible());
        QVERIFY(f->windowState() & Qt::WindowMaximized);
        QCOMPARE(f->windowTitle(), u"Mitglieder Adressen drucken"_s);
        QCOMPARE(f->RxSpinEdit1->value(), 12);
        QCOMPARE(f->ComboBox1->currentFont().family(), art);
        QVERIFY(f->Button1->isVisible());
        QVERIFY(!f->Button4->isVisible());
        QCOMPARE(f->NicePreview1->viewMode(), QPrintPreviewWidget::SinglePageView);
        QCOMPARE(f->NicePreview1->pageCount(), f->liste().seiten.size());
        QStringList gedruckt;
        for (const DruckSeite &seite : f->liste().seiten)
            for (const DruckText &t : seite.texte)
                if (t.x == tabellensatz::rand + tabellensatz::innen && !t.fett &&
                    t.text != u"Name"_s)
                    gedruckt << t.text;
        QCOMPARE(gedruckt, namen(spieler));
        const QList<DruckText> &erste = f->liste().seiten[0].texte;
        QVERIFY(std::any_of(erste.cbegin(), erste.cend(), [](const DruckText &t) {
            return t.text == u"Erstellt am: 08.12.2026"_s;
        }));
        // The team's name stands under the title, "Mannschaft 1" when it has none.
        QVERIFY(std::any_of(erste.cbegin(), erste.cend(), [mannschaft](const DruckText &t) {
            return t.text == (mannschaft == 1 ? u"Mannschaft 1"_s : u"Füchse Groß-Nord"_s) &&
                   t.fett;
        }));

        QTest::mouseClick(f->Button3, Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QVERIFY(p.startseite());
        QCOMPARE(p.plattform.hilfe_geschlossen, 1);

        // Opened again for the other team, the same window shows the other roster.
        p.oeffnen(mannschaft == 1 ? Mannschaft::zwei : Mannschaft::eins);
        QCOMPARE(p.form14(), f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->NicePreview1->pageCount(), f->liste().seiten.size());
        QCOMPARE(f->liste().seiten.size() > 1, mannschaft == 1);
    }

    void waehler_beenden_zeigt_die_startseite()
    {
        Programm p;
        p.adressen_drucken();
        QTest::mouseClick(p.form15()->Button3, Qt::LeftButton);
        QVERIFY(!p.form15()->isVisible());
        QVERIFY(p.startseite());
        QVERIFY(!p.form14());
        p.adressen_drucken();
        QVERIFY(!p.startseite());
        p.form15()->close();
        QVERIFY(p.startseite());
    }

    void schriftart_legt_sofort_neu_an()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::eins);
        const int serif = f.ComboBox1->findText(u"DejaVu Serif"_s);
        QVERIFY(serif >= 0);
        f.ComboBox1->setCurrentIndex(serif);
        QCOMPARE(p.gespeichert().wert(opt::druck_schriftart), u"DejaVu Serif"_s);
        QCOMPARE(schriftart(f), u"DejaVu Serif"_s);
        QCOMPARE(titelgroesse(f), 15);
    }

    void getippte_groesse_wirkt_erst_mit_pfeil_oder_schriftart()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::zwei);
        const int seiten_bei_12 = f.liste().seiten.size();
        tippen(f.RxSpinEdit1, u"20"_s);
        QCOMPARE(p.gespeichert().wert(opt::druck_schriftgroesse), 20);
        QCOMPARE(titelgroesse(f), 15);
        QCOMPARE(f.liste().seiten.size(), seiten_bei_12);

        pfeil_hoch(f.RxSpinEdit1);
        QCOMPARE(f.RxSpinEdit1->value(), 21);
        QCOMPARE(p.gespeichert().wert(opt::druck_schriftgroesse), 21);
        QCOMPARE(titelgroesse(f), 24);
        QVERIFY(f.liste().seiten.size() > seiten_bei_12);
        QCOMPARE(f.NicePreview1->pageCount(), f.liste().seiten.size());

        tippen(f.RxSpinEdit1, u"9"_s);
        QCOMPARE(titelgroesse(f), 24);
        f.ComboBox1->setCurrentIndex(f.ComboBox1->findText(u"DejaVu Serif"_s));
        QCOMPARE(titelgroesse(f), 12);
    }

    void keine_ganze_zahl_laesst_die_groesse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << QString();
        QTest::newRow("null") << u"0"_s;
        QTest::newRow("buchstaben") << u"zwölf"_s;
    }
    void keine_ganze_zahl_laesst_die_groesse()
    {
        QFETCH(QString, text);
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::eins);
        f.RxSpinEdit1->setFocus();
        f.RxSpinEdit1->findChild<QLineEdit *>()->selectAll();
        QTest::keyClick(f.RxSpinEdit1, Qt::Key_Backspace);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, f.RxSpinEdit1, Qt::Key_unknown, c, Qt::NoModifier);
        QCOMPARE(p.gespeichert().wert(opt::druck_schriftgroesse), 12);
        QCOMPARE(p.zustand.wert(opt::druck_schriftgroesse), 12);
    }

    void eine_und_zwei_seiten()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::zwei);
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        QCOMPARE(f.NicePreview1->viewMode(), QPrintPreviewWidget::AllPagesView);
        QVERIFY(!f.Button1->isVisible());
        QVERIFY(f.Button4->isVisible());
        QTest::mouseClick(f.Button4, Qt::LeftButton);
        QCOMPARE(f.NicePreview1->viewMode(), QPrintPreviewWidget::SinglePageView);
        QCOMPARE(f.NicePreview1->zoomFactor(), 1.0);
        QVERIFY(f.Button1->isVisible());
        QVERIFY(!f.Button4->isVisible());
        // A new layout returns to one page.
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        pfeil_hoch(f.RxSpinEdit1);
        QCOMPARE(f.NicePreview1->viewMode(), QPrintPreviewWidget::SinglePageView);
        QVERIFY(f.Button1->isVisible());
    }

    void als_pdf_speichern_data()
    {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QString>("datei");
        QTest::newRow("mit Endung") << u"liste.pdf"_s << u"liste.pdf"_s;
        QTest::newRow("ohne Endung") << u"Mannschaft zwei"_s << u"Mannschaft zwei.pdf"_s;
    }
    void als_pdf_speichern()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, datei);
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::zwei);
        p.plattform.datei_antworten << p.pfad(antwort);
        QTest::mouseClick(f.Button7, Qt::LeftButton);
        QVERIFY(p.plattform.meldungen.isEmpty());
        const QString pfad = p.pfad(datei);
        QCOMPARE(pdf_seiten(pfad), f.liste().seiten.size());
        QVERIFY(f.liste().seiten.size() > 1);
        QVERIFY(in_reihenfolge(pdf_text(pfad), namen(80)));
        QVERIFY(f.isVisible());
    }

    // "Querformat" lays the list out on landscape pages, for the preview, the printer and the
    // PDF; cleared, upright again.
    void querformat()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::zwei);
        const qsizetype hochkant = f.liste().seiten.size();
        QVERIFY(!f.querformat()->isChecked());
        QTest::mouseClick(f.querformat(), Qt::LeftButton);
        QVERIFY(f.querformat()->isChecked());
        QCOMPARE(f.drucker().pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(f.liste().seiten.size() > hochkant);
        for (const DruckSeite &seite : f.liste().seiten) {
            QVERIFY(seite.quer);
            for (const DruckText &t : seite.texte)
                QVERIFY2(t.x + t.breite <= 1056 - tabellensatz::rand, qPrintable(t.text));
        }
        p.plattform.datei_antworten << p.pfad(u"quer.pdf"_s);
        QTest::mouseClick(f.Button7, Qt::LeftButton);
        QVERIFY(p.plattform.meldungen.isEmpty());
        const QString info = poppler(u"pdfinfo"_s, {p.pfad(u"quer.pdf"_s)});
        static const QRegularExpression seitengroesse(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s);
        const QRegularExpressionMatch groesse = seitengroesse.match(info);
        QVERIFY2(groesse.hasMatch() &&
                     groesse.captured(1).toDouble() > groesse.captured(2).toDouble(),
                 qPrintable(info));
        QVERIFY(in_reihenfolge(pdf_text(p.pfad(u"quer.pdf"_s)), namen(80)));

        QTest::mouseClick(f.querformat(), Qt::LeftButton);
        QCOMPARE(f.drucker().pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(f.liste().seiten.size(), hochkant);
        QVERIFY(!f.liste().seiten[0].quer);
    }

    void pdf_abbrechen_oder_unbeschreibbar()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::eins);
        QTest::mouseClick(f.Button7, Qt::LeftButton);
        QVERIFY(p.plattform.meldungen.isEmpty());

        const QString datei = p.pfad(u"ein_text.txt"_s);
        QVERIFY(speicher::datei_ersetzen(datei, "x"));
        const QString ziel = datei + u"/liste.pdf"_s;
        p.plattform.datei_antworten << ziel;
        QTest::mouseClick(f.Button7, Qt::LeftButton);
        QCOMPARE(p.plattform.meldungen.size(), 1);
        QCOMPARE(p.plattform.meldungen[0].art, TestPlattform::Meldung::Schreibfehler);
        QCOMPARE(p.plattform.meldungen[0].text,
                 u"Die PDF-Datei konnte nicht geschrieben werden:\n"_s + ziel);
    }

    void drucken_gibt_alle_seiten_in_einem_auftrag_aus()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::zwei);
        const QString pfad = p.pfad(u"drucker.pdf"_s);
        f.drucker().setOutputFileName(pfad);
        QTest::mouseClick(f.Button2, Qt::LeftButton);
        QVERIFY(p.plattform.meldungen.isEmpty());
        QVERIFY(f.isVisible());
        QCOMPARE(pdf_seiten(pfad), f.liste().seiten.size());
        QVERIFY(poppler(u"pdfinfo"_s, {pfad}).contains(u"Printing ..."_s));
        QVERIFY(in_reihenfolge(pdf_text(pfad), namen(80)));
    }

    void drucken_ohne_drucker_meldet_es()
    {
        Programm p;
        TForm14 &f = p.oeffnen(Mannschaft::eins);
        f.drucker().setOutputFormat(QPrinter::PdfFormat);
        f.drucker().setOutputFileName(QString());
        QTest::mouseClick(f.Button2, Qt::LeftButton);
        QCOMPARE(p.plattform.texte(),
                 QStringList{u"Der Druck konnte nicht gestartet werden. Bitte wählen Sie mit "
                             u"\"Anderen Drucker wählen\" einen Drucker."_s});
    }

    void f1_oeffnet_die_hilfe()
    {
        Programm p;
        p.adressen_drucken();
        QVERIFY(QTest::qWaitForWindowActive(p.form15()));
        QTest::keyClick(p.form15()->Button1, Qt::Key_F1);
        TForm14 &f = p.oeffnen(Mannschaft::eins);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(f.RxSpinEdit1, Qt::Key_F1);
        const QString hilfe = p.zustand.hilfe_datei;
        QCOMPARE(p.plattform.hilfe_aufrufe,
                 (QList<QPair<QString, int>>{{hilfe, 150}, {hilfe, 150}}));
    }

    void bedienelemente_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("objekt");
        QTest::addColumn<QString>("text");
        QTest::newRow("15 1") << u"Form15"_s << u"Button1"_s
                              << u"Teilnehmer Mannschaft &1 drucken"_s;
        QTest::newRow("15 2") << u"Form15"_s << u"Button2"_s
                              << u"Teilnehmer Mannschaft &2 drucken"_s;
        QTest::newRow("15 3") << u"Form15"_s << u"Button3"_s << u"&Beenden"_s;
        QTest::newRow("14 1") << u"Form14"_s << u"Button1"_s << u"&Zwei Seiten"_s;
        QTest::newRow("14 4") << u"Form14"_s << u"Button4"_s << u"&Eine Seite"_s;
        QTest::newRow("14 2") << u"Form14"_s << u"Button2"_s << u"&Drucken"_s;
        QTest::newRow("14 7") << u"Form14"_s << u"Button7"_s << u"Als &PDF speichern"_s;
        QTest::newRow("14 6") << u"Form14"_s << u"Button6"_s << u"Anderen Drucker &wählen"_s;
        QTest::newRow("14 3") << u"Form14"_s << u"Button3"_s << u"&Beenden"_s;
        QTest::newRow("Groesse") << u"Form14"_s << u"RxSpinEdit1"_s << u"Schrift&grösse"_s;
        QTest::newRow("Art") << u"Form14"_s << u"ComboBox1"_s << u"Schrift&art"_s;
        QTest::newRow("Vorschau") << u"Form14"_s << u"NicePreview1"_s << u"Druckvorschau"_s;
        QTest::newRow("Querformat") << u"Form14"_s << u"Querformat"_s << u"&Querformat"_s;
    }
    void bedienelemente()
    {
        QFETCH(QString, fenster);
        QFETCH(QString, objekt);
        QFETCH(QString, text);
        Programm p;
        p.oeffnen(Mannschaft::eins);
        QWidget *f = fenster == u"Form15"_s ? static_cast<QWidget *>(p.form15()) : p.form14();
        QCOMPARE(f->objectName(), fenster);
        auto *element = f->findChild<QWidget *>(objekt);
        QVERIFY(element);
        QCOMPARE(element->accessibleName(), QString(text).remove(u'&'));
        if (auto *knopf = qobject_cast<QAbstractButton *>(element)) {
            QCOMPARE(knopf->text(), text);
        } else if (text.contains(u'&')) {
            const auto labels = f->findChildren<QLabel *>();
            QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [&](const QLabel *l) {
                return l->text() == text && l->buddy() == element;
            }));
        }
    }
};

QTEST_MAIN(TstDruckFenster)
#include "tst_druck_fenster.moc"
