#include "../printing/druck_testhilfe.h"
#include "../results/ergebnis_testhilfe.h"
#include "app/hauptfenster_fenster.h"
#include "grid/filtergrid_fenster.h"
#include "saison_testhilfe.h"
#include "season/saison_fenster.h"
#include "shell/kuerzel.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstSaisonFenster : public QObject
{
    Q_OBJECT

    // The program after start-up on the season of the helper.
    struct Programm : TestOrdner
    {
        TestPlattform plattform;
        std::unique_ptr<TForm1> haupt;

        Programm()
        {
            QFile hilfe(pfad(u"Vorlix_Turnier-Hilfe.chm"_s));
            hilfe.open(QIODevice::WriteOnly);
            zustand.optionen_lesen();
            zustand.optionen.setze(opt::name_mannschaft1, u"Bären Süd"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Füchse Nord"_s);
            haupt = std::make_unique<TForm1>(zustand, plattform);
            haupt->show();
        }

        // "Anzeigen" > "Saisonübersicht".
        SaisonFenster *oeffnen()
        {
            for (QAction *aktion : haupt->findChildren<QAction *>()) {
                if (ohne_kuerzel(aktion->text()) == u"Saisonübersicht"_s)
                    aktion->trigger();
            }
            return haupt->findChild<SaisonFenster *>("Saison");
        }
    };

    static void titel_klicken(TFilterGrid *gitter, const QString &titel)
    {
        const QRect zelle =
            gitter->visualRect(gitter->model()->index(0, titel_spalte(gitter->modell(), titel)));
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, zelle.center());
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void aus_dem_hauptfenster()
    {
        Programm p;
        QVERIFY(saison_anlegen(p.zustand));

        SaisonFenster *saison = p.oeffnen();

        QVERIFY(saison);
        QVERIFY(saison->isVisible());
        QVERIFY(!p.haupt->Panel5->isVisible());
        QCOMPARE(saison->windowTitle(), u"Saisonübersicht"_s);
        QCOMPARE(saison->Panel2->text(), u"Saisonübersicht Bären Süd gegen Füchse Nord"_s);
        QCOMPARE(saison->Label3->text(),
                 u"Gewonnene Spieltage: Bären Süd 2, Füchse Nord 1, unentschieden 1; "
                 u"beschädigt und nicht gezählt: 2"_s);
        QCOMPARE(saison->FilterGrid1->modell().RowCount(), 7);
        QCOMPARE(saison->FilterGrid2->modell().RowCount(), 9);
        // The window with its frame fills the work area.
        QCOMPARE(saison->frameGeometry(), p.plattform.arbeit);
        for (auto [label, gitter] : {std::pair{saison->Label1, saison->FilterGrid1},
                                     {saison->Label2, saison->FilterGrid2}}) {
            QCOMPARE(label->buddy(), gitter);
            QCOMPARE(gitter->accessibleName(), ohne_kuerzel(label->text()));
        }
        for (QPushButton *knopf : {saison->Button1, saison->Button2, saison->Button3})
            QCOMPARE(knopf->accessibleName(), ohne_kuerzel(knopf->text()));

        QVERIFY(QTest::qWaitForWindowActive(saison));
        QTest::keyClick(saison, Qt::Key_F1);
        QCOMPARE(p.plattform.hilfe_aufrufe.size(), 1);

        // A day saved meanwhile shows at the next opening.
        QTest::mouseClick(saison->Button1, Qt::LeftButton);
        QVERIFY(!saison->isVisible());
        QVERIFY(p.haupt->Panel5->isVisible());
        QVERIFY(spieltag_spielen(p.zustand, einzel_profil(), {u"Jörg"_s}, {u"Weiß"_s},
                                 QDate(2026, 5, 2), {{1, 1, 3, 10}}));
        QCOMPARE(p.oeffnen(), saison);
        QCOMPARE(saison->FilterGrid1->modell().RowCount(), 8);
        QVERIFY(saison->Label3->text().contains(u"Füchse Nord 2"_s));
    }

    // On a low screen the player table does not fit; both tables open with their heading row
    // on top.
    void oeffnet_oben()
    {
        Programm p;
        QVERIFY(saison_anlegen(p.zustand));
        p.plattform.arbeit = {0, 0, 1366, 300};

        SaisonFenster *saison = p.oeffnen();

        QVERIFY(saison);
        QVERIFY(QTest::qWaitForWindowExposed(saison));
        TFilterGrid *spieler = saison->FilterGrid2;
        QVERIFY(spieler->rowViewportPosition(spieler->modell().RowCount() - 1) >
                spieler->viewport()->height());
        for (TFilterGrid *gitter : {saison->FilterGrid1, saison->FilterGrid2})
            QCOMPARE(gitter->rowViewportPosition(0), 0);
    }

    void titelklick_und_csv()
    {
        Programm p;
        QVERIFY(saison_anlegen(p.zustand));
        SaisonFenster *saison = p.oeffnen();
        QVERIFY(saison);

        titel_klicken(saison->FilterGrid2, u"Siege"_s);
        titel_klicken(saison->FilterGrid2, u"Siege"_s);
        // Most wins first; players with as many wins keep their order.
        QCOMPARE(spalte_text(saison->FilterGrid2->modell(), 0).mid(1, 4),
                 (QStringList{"Björn", "Käthe", "Ülla", "Weiß"}));

        p.plattform.datei_antworten.enqueue(p.pfad(u"Saison"_s));
        QTest::mouseClick(saison->Button2, Qt::LeftButton);
        QByteArray csv;
        QVERIFY(speicher::datei_lesen(p.pfad(u"Saison.csv"_s), csv));
        // In the order shown.
        QVERIFY(csv.contains("Spieler;Mannschaft;Spieltage;Siege;Platz im Schnitt;Bester Platz\r\n"
                             "Bj\xC3\xB6rn;B\xC3\xA4ren S\xC3\xBC"
                             "d;"));
        QVERIFY(csv.contains("\r\nWei\xC3\x9F;F\xC3\xBC"
                             "chse Nord;3;2;2,67;2\r\n"));
        QCOMPARE(p.plattform.texte(), QStringList{u"Die Saisonübersicht wurde exportiert."_s});
    }

    // "Drucken": the print module's preview of the pages; its "Als PDF speichern" writes them.
    void druckvorschau_und_pdf()
    {
        Programm p;
        QVERIFY(saison_anlegen(p.zustand));
        SaisonFenster *saison = p.oeffnen();
        QVERIFY(saison);

        QTest::mouseClick(saison->Button3, Qt::LeftButton);

        auto *vorschau = saison->findChild<QWidget *>("Seitenvorschau");
        QVERIFY(vorschau);
        QVERIFY(vorschau->isVisible());
        QCOMPARE(vorschau->windowTitle(), saison->Panel2->text());
        auto *seiten = vorschau->findChild<QPrintPreviewWidget *>();
        QVERIFY(seiten);
        QCOMPARE(seiten->pageCount(), 1);

        p.plattform.datei_antworten.enqueue(p.pfad(u"Saison 2026"_s));
        auto *pdf_knopf = vorschau->findChild<QPushButton *>("Button7");
        QCOMPARE(pdf_knopf->accessibleName(), u"Als PDF speichern"_s);
        QTest::mouseClick(pdf_knopf, Qt::LeftButton);

        const QString text = pdf_text(p.pfad(u"Saison 2026.pdf"_s));
        QVERIFY2(in_reihenfolge(text, {u"Saisonübersicht Bären Süd gegen Füchse Nord"_s,
                                       u"14.03.2026"_s, u"18.04.2026"_s, u"beschädigt"_s,
                                       u"Gewonnene Spieltage"_s, u"Björn"_s, u"Weiß"_s}),
                 qPrintable(text));

        QTest::mouseClick(vorschau->findChild<QPushButton *>("Button3"), Qt::LeftButton);
        QTRY_VERIFY(!saison->findChild<QWidget *>("Seitenvorschau"));
        QVERIFY(saison->isVisible());
    }
};

QTEST_MAIN(TstSaisonFenster)
#include "tst_saison_fenster.moc"
