#include "../printing/druck_testhilfe.h"
#include "app/hauptfenster_fenster.h"
#include "ergebnis_testhilfe.h"
#include "grid/filtergrid_fenster.h"
#include "matchplan/dateiwahl_fenster.h"
#include "matchplan/spielplan_fenster.h"
#include "pictures/bildschirmfoto.h"
#include "results/ergebnisliste.h"
#include "results/ergebnisliste_fenster.h"
#include "shell/kuerzel.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstErgebnislisteFenster : public QObject
{
    Q_OBJECT

    // The program after start-up with one stored day of three entries per team.
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> haupt;
        bool doppel;

        explicit Programm(bool doppel_, int anzahl = 3)
            : doppel(doppel_)
        {
            QFile hilfe(pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
            hilfe.open(QIODevice::WriteOnly);
            zustand.optionen_lesen();
            zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
            zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Süd"_s);
            zustand.setze(doppel ? opt::zeilenhoehe_liste_d : opt::zeilenhoehe_liste_e, 5);
            zustand.setze(doppel ? opt::schriftgroesse_liste_d : opt::schriftgroesse_liste_e, 11);
            zustand.optionen_speichern();
            TSpieltag satz = spieltag_fuer(doppel, anzahl);
            satz.setze(doppel ? spt::doppel_name(Mannschaft::eins, 1, 1)
                              : spt::einzel_name(Mannschaft::eins, 1),
                       u"Jürgen Weiß"_s);
            spieltag_ablegen(zustand, satz, doppel, anzahl);
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
        }

        // "Ergebnisse ansehen", then the stored day chosen.
        ErgebnislisteFenster *oeffnen()
        {
            for (QAction *aktion : haupt->findChildren<QAction *>()) {
                if (ohne_kuerzel(aktion->text()) == u"Ergebnisse ansehen"_s)
                    aktion->trigger();
            }
            auto *wahl = haupt->findChild<TForm12 *>("Form12");
            if (!wahl || wahl->FileListBox1->count() != 1)
                return nullptr;
            wahl->FileListBox1->setCurrentRow(0);
            QTest::mouseClick(wahl->Button1, Qt::LeftButton);
            return haupt->findChild<ErgebnislisteFenster *>(doppel ? "Form11" : "Form13");
        }
    };

    static void titel_klicken(TFilterGrid *gitter, const QString &titel)
    {
        const QRect zelle =
            gitter->visualRect(gitter->model()->index(0, titel_spalte(gitter->modell(), titel)));
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, zelle.center());
    }

    // Pixels of a drawn cell that show dark red text.
    static int dunkelrote_punkte(TFilterGrid *gitter, int spalte, int zeile)
    {
        const QImage bild = gitter->viewport()->grab().toImage();
        const QRect zelle = gitter->visualRect(gitter->model()->index(zeile, spalte));
        int punkte = 0;
        for (int y = zelle.top(); y <= zelle.bottom(); ++y) {
            for (int x = zelle.left(); x <= zelle.right(); ++x) {
                const QColor farbe = bild.pixelColor(x, y);
                punkte += farbe.red() > 80 && farbe.green() < 60 && farbe.blue() < 60 ? 1 : 0;
            }
        }
        return punkte;
    }

private slots:
    void aus_dem_hauptfenster_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("ueberschrift");
        QTest::addColumn<QString>("erste_zeile");
        QTest::newRow("Doppel") << true << "Ergebnisse für Grün-Weiß gegen Süd vom 14.03.2026"
                                << "1/1|Jürgen Weiß|P1|101|102|103|501|1";
        QTest::newRow("Einzel") << false
                                << "Ergebnisse für Spiele zwischen Grün-Weiß und Süd vom 14.03.2026"
                                << "1/1|Jürgen Weiß|101|102|103|501|1";
    }
    void aus_dem_hauptfenster()
    {
        QFETCH(bool, doppel);
        QFETCH(QString, ueberschrift);
        QFETCH(QString, erste_zeile);
        Programm p(doppel);

        ErgebnislisteFenster *liste = p.oeffnen();

        QVERIFY(liste);
        QCOMPARE(bool(qobject_cast<TForm11 *>(liste)), doppel);
        QVERIFY(liste->isVisible());
        QVERIFY(!p.haupt->Panel5->isVisible());
        QCOMPARE(liste->windowTitle(), u"Ergebnisliste vom 14.03.2026"_s);
        QCOMPARE(liste->Panel2->text(), ueberschrift);
        // A stored row height below 8 is drawn as 18, and shown so.
        QCOMPARE(liste->RxSpinEdit2->value(), 18);
        QCOMPARE(liste->RxSpinEdit2->suffix(), u" (Vorgabe)"_s);
        QCOMPARE(liste->RxSpinEdit3->value(), 11);
        QCOMPARE(liste->RxSpinEdit3->suffix(), QString());
        TFilterGrid *gitter = liste->FilterGrid1;
        QCOMPARE(zeile_text(gitter->modell(), 1), erste_zeile);
        QCOMPARE(spalte_text(gitter->modell(), 0),
                 (QStringList{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"}));
        QCOMPARE(gitter->rowHeight(1), 18);
        QCOMPARE(gitter->modell().Font().font.pointSize(), 11);
        QCOMPARE(gitter->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff, doppel);
        QCOMPARE(gitter->palette().color(QPalette::Highlight), QColor(228, 226, 143));
        // The current row's text in dark red on the selection colour, the others' not.
        QCOMPARE(gitter->modell().Row(), 1);
        QVERIFY(dunkelrote_punkte(gitter, 1, 1) > 0);
        QCOMPARE(dunkelrote_punkte(gitter, 1, 2), 0);
        QCOMPARE(gitter->palette().color(QPalette::Base), QColor(0xE2, 0xE2, 0xE2));
        // The window with its frame fills the work area.
        QCOMPARE(liste->frameGeometry(), p.plattform.arbeit);

        // The bottom row around the middle; captions with mnemonics, names without.
        const QList<QPushButton *> knoepfe{liste->Button1, liste->Button2, liste->Button3};
        const QStringList texte{u"&Beenden"_s, u"&Export"_s, u"&Screenshot"_s};
        const std::array<int, 3> links = ergebnis_knopfreihe(liste->width(), 90);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(knoepfe[i]->text(), texte[i]);
            QCOMPARE(knoepfe[i]->accessibleName(), ohne_kuerzel(texte[i]));
            QCOMPARE(knoepfe[i]->x(), links[size_t(i)]);
        }
        QCOMPARE(liste->Label2->text(), u"&Zeilenhöhe"_s);
        QCOMPARE(liste->Label2->buddy(), liste->RxSpinEdit2);
        QCOMPARE(liste->Label3->text(), u"Schrift&größe"_s);
        QCOMPARE(liste->Label3->buddy(), liste->RxSpinEdit3);
        QVERIFY(!gitter->accessibleName().isEmpty());

        QVERIFY(QTest::qWaitForWindowActive(liste));
        QTest::keyClick(liste, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe.size(), 1);
        QCOMPARE(p.plattform.hilfe_aufrufe[0].second, 150);
    }

    // Ten entries per team on a low screen: the rows don't all fit, and the list still opens
    // with its heading row on top.
    void oeffnet_oben_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::newRow("Doppel") << true;
        QTest::newRow("Einzel") << false;
    }
    void oeffnet_oben()
    {
        QFETCH(bool, doppel);
        Programm p(doppel, 10);
        p.plattform.arbeit = {0, 0, 1366, 300};

        ErgebnislisteFenster *liste = p.oeffnen();

        QVERIFY(liste);
        TFilterGrid *gitter = liste->FilterGrid1;
        QVERIFY(QTest::qWaitForWindowExposed(liste));
        QVERIFY(gitter->rowViewportPosition(gitter->modell().RowCount() - 1) >
                gitter->viewport()->height());
        QCOMPARE(gitter->rowViewportPosition(0), 0);
        QCOMPARE(gitter->modell().Row(), 1);
    }

    // A record cut in half is reported under the name the file choice shows; no list opens.
    void halber_spieltag_wird_gemeldet()
    {
        Programm p(false);
        QFile satz(p.pfad(u"E_Gr03_14_03_2026.grp"_s));
        QVERIFY(satz.resize(satz.size() / 2));

        ErgebnislisteFenster *liste = p.oeffnen();

        QVERIFY(!liste || !liste->isVisible());
        QCOMPARE(p.plattform.texte(), QStringList{u"Der Spieltag E_Gr03_14_03_2026.grp ist "
                                                  u"beschädigt und wurde nicht geladen."_s});
        QCOMPARE(p.plattform.meldungen.first().art, TestPlattform::Meldung::Fehler);
    }

    void titelklick_mit_der_maus_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("klicks");
        QTest::addColumn<QStringList>("gruppen");
        QTest::newRow("Doppel Platz zweimal")
            << true << "Platz" << 2
            << QStringList{"Gruppe", "2/3", "1/3", "2/2", "1/2", "2/1", "1/1"};
        QTest::newRow("Einzel Platz einmal")
            << false << "Platz" << 1
            << QStringList{"Gruppe", "1/1", "2/1", "1/2", "2/2", "1/3", "2/3"};
        // Equal keys keep their order, descending too.
        QTest::newRow("Doppel Gruppe zweimal")
            << true << "Gruppe" << 2
            << QStringList{"Gruppe", "1/1", "1/2", "1/3", "2/1", "2/2", "2/3"};
    }
    void titelklick_mit_der_maus()
    {
        QFETCH(bool, doppel);
        QFETCH(QString, titel);
        QFETCH(int, klicks);
        QFETCH(QStringList, gruppen);
        Programm p(doppel);
        ErgebnislisteFenster *liste = p.oeffnen();
        QVERIFY(liste);

        for (int i = 0; i < klicks; ++i)
            titel_klicken(liste->FilterGrid1, titel);

        QCOMPARE(spalte_text(liste->FilterGrid1->modell(), 0), gruppen);
    }

    void groessen_und_beenden_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::newRow("Doppel") << true;
        QTest::newRow("Einzel") << false;
    }
    void groessen_und_beenden()
    {
        QFETCH(bool, doppel);
        Programm p(doppel);
        ErgebnislisteFenster *liste = p.oeffnen();
        QVERIFY(liste);

        for (QSpinBox *feld : {liste->RxSpinEdit2, liste->RxSpinEdit3}) {
            QLineEdit *zeile = feld->findChild<QLineEdit *>();
            zeile->selectAll();
            QTest::keyClicks(zeile, feld == liste->RxSpinEdit2 ? u"25"_s : u"14"_s);
        }
        QCOMPARE(liste->FilterGrid1->rowHeight(1), 25);
        QCOMPARE(liste->FilterGrid1->modell().Font().font.pointSize(), 14);

        QTest::mouseClick(liste->Button1, Qt::LeftButton);

        QVERIFY(!liste->isVisible());
        QVERIFY(p.haupt->Panel5->isVisible());
        TOptionen datei;
        optionen_lesen(datei, p.zustand.daten_pfad);
        QCOMPARE(datei.wert(doppel ? opt::zeilenhoehe_liste_d : opt::zeilenhoehe_liste_e), 25);
        QCOMPARE(datei.wert(doppel ? opt::schriftgroesse_liste_d : opt::schriftgroesse_liste_e),
                 14);
        QCOMPARE(datei.wert(doppel ? opt::zeilenhoehe_liste_e : opt::zeilenhoehe_liste_d), 0);
    }

    // On a fresh options file both sizes show what the list is drawn with, marked as the
    // default and not stored; an arrow steps from there and stores the new size.
    void groessen_zeigen_was_gilt_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<bool>("schrift"); // the font size, else the row height
        QTest::addColumn<int>("taste");
        QTest::newRow("Doppel Schrift hoch") << true << true << int(Qt::Key_Up);
        QTest::newRow("Einzel Schrift runter") << false << true << int(Qt::Key_Down);
        QTest::newRow("Einzel Zeilen hoch") << false << false << int(Qt::Key_Up);
    }
    void groessen_zeigen_was_gilt()
    {
        QFETCH(bool, doppel);
        QFETCH(bool, schrift);
        QFETCH(int, taste);
        Programm p(doppel);
        const speicher::Int32Feld schrift_feld =
            doppel ? opt::schriftgroesse_liste_d : opt::schriftgroesse_liste_e;
        const speicher::Int32Feld zeilen_feld =
            doppel ? opt::zeilenhoehe_liste_d : opt::zeilenhoehe_liste_e;
        p.zustand.setze(schrift_feld, 0);
        p.zustand.setze(zeilen_feld, 0);
        p.zustand.optionen_speichern();
        ErgebnislisteFenster *liste = p.oeffnen();
        QVERIFY(liste);
        const int desktop = QFont().pointSize();
        QVERIFY(desktop > 1);
        QCOMPARE(liste->RxSpinEdit3->value(), desktop);
        QCOMPARE(liste->RxSpinEdit3->text(), u"%1 (Vorgabe)"_s.arg(desktop));
        QCOMPARE(liste->RxSpinEdit2->value(), 18);
        QCOMPARE(liste->RxSpinEdit2->text(), u"18 (Vorgabe)"_s);
        QCOMPARE(liste->FilterGrid1->rowHeight(1), 18);
        QCOMPARE(liste->FilterGrid1->modell().Font().font.pointSize(), desktop);

        QSpinBox *feld = schrift ? liste->RxSpinEdit3 : liste->RxSpinEdit2;
        const int vorher = feld->value();
        const int nachher = vorher + (taste == Qt::Key_Up ? 1 : -1);
        QTest::keyClick(feld, Qt::Key(taste));
        QCOMPARE(feld->text(), QString::number(nachher));
        if (schrift)
            QCOMPARE(liste->FilterGrid1->modell().Font().font.pointSize(), nachher);
        else
            QCOMPARE(liste->FilterGrid1->rowHeight(1), nachher);

        QTest::mouseClick(liste->Button1, Qt::LeftButton);
        TOptionen datei;
        optionen_lesen(datei, p.zustand.daten_pfad);
        QCOMPARE(datei.wert(schrift_feld), schrift ? nachher : 0);
        QCOMPARE(datei.wert(zeilen_feld), schrift ? 0 : nachher);
    }

    void export_knopf()
    {
        Programm p(false);
        ErgebnislisteFenster *liste = p.oeffnen();
        QVERIFY(liste);
        titel_klicken(liste->FilterGrid1, u"Platz"_s);
        titel_klicken(liste->FilterGrid1, u"Platz"_s);
        p.plattform.datei_antworten.enqueue(p.pfad(u"Liste"_s));

        QTest::mouseClick(liste->Button2, Qt::LeftButton);

        QByteArray inhalt;
        QVERIFY(speicher::datei_lesen(p.pfad(u"Liste.csv"_s), inhalt));
        const QList<QByteArray> zeilen = inhalt.split('\n');
        QCOMPARE(zeilen.size(), 8);
        QCOMPARE(zeilen[0],
                 "Spieler#Spiel 1#Spiel 2#Spiel 3#Gesamt#Platz#" + QByteArray(14, '#') + '\r');
        QVERIFY(zeilen[1].startsWith("B3#"));
        QVERIFY(zeilen[6].startsWith("J\xFCrgen Wei\xDF#101#"));
        QCOMPARE(p.plattform.texte().last(), u" Die Daten wurden exportiert.  "_s);
    }

    // "Als PDF speichern": the list in the order shown under its heading; a file that cannot
    // be written is reported.
    void pdf_knopf_data()
    {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QString>("datei");
        QTest::newRow("ohne Endung") << "Liste"
                                     << "Liste.pdf";
        QTest::newRow("Ordner fehlt") << "fehlt/Liste.pdf"
                                      << "";
    }
    void pdf_knopf()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, datei);
        Programm p(false);
        ErgebnislisteFenster *liste = p.oeffnen();
        QVERIFY(liste);
        titel_klicken(liste->FilterGrid1, u"Platz"_s);
        titel_klicken(liste->FilterGrid1, u"Platz"_s);
        p.plattform.datei_antworten.enqueue(p.pfad(antwort));

        QCOMPARE(liste->Button4->accessibleName(), u"Als PDF speichern"_s);
        QTest::mouseClick(liste->Button4, Qt::LeftButton);

        if (datei.isEmpty()) {
            QCOMPARE(p.plattform.texte(),
                     QStringList{u"Die PDF-Datei konnte nicht geschrieben werden:\n"_s +
                                 p.pfad(antwort)});
            QVERIFY(!QFile::exists(p.pfad(antwort)));
            return;
        }
        QVERIFY(p.plattform.texte().isEmpty());
        QByteArray pdf;
        QVERIFY(speicher::datei_lesen(p.pfad(datei), pdf));
        QVERIFY(pdf.startsWith("%PDF"));
        const QString text = pdf_text(p.pfad(datei));
        QVERIFY2(in_reihenfolge(text, {liste->Panel2->text(), u"Erstellt am: 08.12.2026"_s,
                                       u"Gruppe"_s, u"Platz"_s, u"B3"_s, u"A3"_s, u"B2"_s, u"A2"_s,
                                       u"B1"_s, u"Jürgen Weiß"_s}),
                 qPrintable(text));
    }

    // Every window with a "Screenshot" button captures its own place on the screen.
    void screenshot_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<int>("quantwert");
        QTest::newRow("Doppelplan") << "Form5" << 8;
        QTest::newRow("Einzelplan") << "Form6" << 8;
        QTest::newRow("Doppelliste") << "Form11" << 1;
        QTest::newRow("Einzelliste") << "Form13" << 1;
    }
    void screenshot()
    {
        QFETCH(QString, fenster);
        QFETCH(int, quantwert);
        TestOrdner t;
        TestPlattform plattform;
        t.zustand.optionen_lesen();
        std::unique_ptr<QWidget> w;
        QPushButton *knopf = nullptr;
        if (fenster.startsWith(u"Form1"_s)) {
            auto *liste =
                fenster == u"Form11"_s
                    ? static_cast<ErgebnislisteFenster *>(new TForm11(t.zustand, plattform))
                    : new TForm13(t.zustand, plattform);
            w.reset(liste);
            knopf = liste->Button3;
        } else {
            auto *plan = fenster == u"Form5"_s
                             ? static_cast<SpielplanFenster *>(new TForm5(t.zustand, plattform))
                             : new TForm6(t.zustand, plattform);
            w.reset(plan);
            knopf = plan->Button5;
        }
        w->setGeometry(30, 40, 800, 600);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        plattform.aufnahme = QImage(1280, 1024, QImage::Format_RGB32);
        plattform.aufnahme.fill(Qt::darkGreen);
        plattform.datei_antworten.enqueue(t.pfad(u"Spieltag3"_s));

        QTest::mouseClick(knopf, Qt::LeftButton);
        auto *foto = w->findChild<Bildschirmfoto *>();
        QVERIFY(foto);
        QVERIFY(foto->wartezeit()->isActive());
        foto->aufnehmen();

        const QRect rahmen = w->frameGeometry();
        QCOMPARE(plattform.aufnahme_bereiche, QList<QRect>{rahmen});
        QByteArray jpeg;
        QVERIFY(speicher::datei_lesen(t.pfad(u"Spieltag3.jpg"_s), jpeg));
        QCOMPARE(jpeg_erster_quantwert(jpeg), quantwert);
        QImage gelesen;
        QVERIFY(gelesen.loadFromData(jpeg, "JPG"));
        QCOMPARE(gelesen.size(), rahmen.size());
        QVERIFY(!QFile::exists(t.pfad(u"Spieltag3.bmp"_s)));
    }
};

QTEST_MAIN(TstErgebnislisteFenster)
#include "tst_ergebnisliste_fenster.moc"
