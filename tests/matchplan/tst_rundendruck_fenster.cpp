#include "../printing/druck_testhilfe.h"
#include "matchplan/rundendruck.h"
#include "matchplan/rundendruck_fenster.h"
#include "plan_testhilfe.h"

#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// "Rundenplan drucken" and "Spielzettel drucken" in the print module's preview, and their PDFs,
// for three entries per team at two tables with the names from the plan's matrix.
class TstRundendruckFenster : public QObject
{
    Q_OBJECT

private slots:
    void vorschau_und_pdf_data()
    {
        QTest::addColumn<bool>("zettel");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("seiten");
        QTest::addColumn<QStringList>("inhalt"); // in this order
        QTest::addColumn<QString>("letzte_runde");
        // The row entry (team 2) stands left with the score typed first, under its team's name.
        QTest::newRow("Rundenplan") << false << u"Rundenplan"_s << 1
                                    << QStringList{u"Rundenplan"_s,
                                                   u"Erstellt am: 08.12.2026"_s,
                                                   u"Runde 1"_s,
                                                   u"Tisch"_s,
                                                   u"Rot-Gelb Möhringen"_s,
                                                   u"Grün-Weiß"_s,
                                                   u"Ergebnis"_s,
                                                   u"Bäcker"_s,
                                                   u"Jürgen Weiß"_s,
                                                   u"5:3"_s,
                                                   u"Schäfer"_s,
                                                   u"Müller"_s,
                                                   u"Runde 2"_s}
                                    << u"Runde 5"_s;
        QTest::newRow("Spielzettel") << true << u"Spielzettel"_s << 2
                                     << QStringList{u"08.12.2026"_s,
                                                    u"Runde 1, Tisch 1"_s,
                                                    u"Rot-Gelb Möhringen"_s,
                                                    u"Grün-Weiß"_s,
                                                    u"Bäcker"_s,
                                                    u"Jürgen Weiß"_s,
                                                    u"5"_s,
                                                    u"3"_s,
                                                    u"Runde 2, Tisch 1"_s,
                                                    u"Runde 5, Tisch 2"_s,
                                                    u"Bäcker"_s,
                                                    u"Özdemir"_s}
                                     << u"Runde 5, Tisch 2"_s;
    }
    void vorschau_und_pdf()
    {
        QFETCH(bool, zettel);
        QFETCH(QString, titel);
        QFETCH(int, seiten);
        QFETCH(QStringList, inhalt);
        QFETCH(QString, letzte_runde);
        PlanAufbau p(einzel_profil(), {u"Müller"_s, u"Jürgen Weiß"_s, u"Özdemir"_s},
                     {u"Schäfer"_s, u"Bäcker"_s, u"Groß"_s});
        p.zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß"_s);
        p.zustand.optionen.setze(opt::name_mannschaft2, u"Rot-Gelb Möhringen"_s);
        p.plan.tische_geaendert(2);
        // Bäcker (team 2, the matrix row) won 5:3 against Jürgen Weiß in round 1 at table 1.
        p.eintragen(2, 2, u"5:3"_s);
        QWidget eltern;
        const Seitenvorschau vorschau = zettel
                                            ? spielzettel_vorschau(p.zustand, p.plattform, p.plan)
                                            : rundenplan_vorschau(p.zustand, p.plattform, p.plan);
        QWidget *fenster = rundendruck_zeigen(vorschau, p.plattform, &eltern);
        QVERIFY(fenster);
        QCOMPARE(fenster->objectName(), u"Seitenvorschau"_s);
        QCOMPARE(fenster->windowTitle(), titel);
        QCOMPARE(fenster->findChild<QPrintPreviewWidget *>()->pageCount(), seiten);

        p.plattform.datei_antworten.enqueue(p.pfad(u"Halle"_s));
        auto *pdf_knopf = fenster->findChild<QPushButton *>("Button7");
        QCOMPARE(pdf_knopf->accessibleName(), u"Als PDF speichern"_s);
        QTest::mouseClick(pdf_knopf, Qt::LeftButton);
        QCOMPARE(pdf_seiten(p.pfad(u"Halle.pdf"_s)), seiten);
        const QString text = pdf_text(p.pfad(u"Halle.pdf"_s));
        QVERIFY2(in_reihenfolge(text, inhalt), qPrintable(text));
        QVERIFY(text.contains(letzte_runde));
        QVERIFY(p.plattform.meldungen.isEmpty());
    }
};

QTEST_MAIN(TstRundendruckFenster)
#include "tst_rundendruck_fenster.moc"
