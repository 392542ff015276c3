#include "druck_testhilfe.h"
#include "matchplan/rundenplan.h"
#include "printing/rundenplan_druck.h"
#include "printing/seitenausgabe.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace Qt::StringLiterals;

// The round plan and the game slips laid out and written as PDF, read back with poppler.
class TstRundenplanDruck : public QObject
{
    Q_OBJECT

    static inline const QString art = u"DejaVu Sans"_s;
    static inline const QDate tag{2026, 12, 11};
    static constexpr double punkte_je_einheit = 595.28 / druck::seiten_breite;

    // What one printed game says: round, table, both names left to right and the result.
    using Zeile = std::tuple<int, int, QString, QString, QString>;

    static inline const Druckmannschaften mannschaften{u"Rot-Gelb Möhringen"_s, u"Grün-Weiß"_s};

    static QString name1(int eintrag) { return u"Müller"_s + QString::number(eintrag); }
    static QString name2(int eintrag) { return u"Weiß"_s + QString::number(eintrag); }
    // Games of equal entries have a result already, the row's entry scoring first.
    static QString ergebnis(const Rundenspiel &spiel)
    {
        return spiel.spalte == spiel.zeile ? u"%1:%2"_s.arg(spiel.zeile + 4).arg(spiel.spalte)
                                           : QString();
    }

    static QList<Druckrunde> runden(const Rundenplan &plan)
    {
        QList<Druckrunde> ergebnis;
        for (const Runde &runde : plan.runden) {
            Druckrunde druckrunde;
            for (const Rundenspiel &spiel : runde)
                druckrunde << Druckpaarung{spiel.tisch, name2(spiel.zeile), name1(spiel.spalte),
                                           TstRundenplanDruck::ergebnis(spiel)};
            ergebnis << druckrunde;
        }
        return ergebnis;
    }

    static QList<Zeile> erwartet(const Rundenplan &plan)
    {
        QList<Zeile> zeilen;
        for (qsizetype i = 0; i < plan.runden.size(); ++i) {
            for (const Rundenspiel &spiel : plan.runden[i])
                zeilen << Zeile{int(i) + 1, spiel.tisch, name2(spiel.zeile), name1(spiel.spalte),
                                ergebnis(spiel)};
        }
        return zeilen;
    }

    static QString pdf_schreiben(const QTemporaryDir &ordner, const QList<DruckSeite> &seiten)
    {
        const QString pfad = ordner.filePath(u"runden.pdf"_s);
        if (!seiten_als_pdf(seiten, pfad, QPageSize(QPageSize::A4), rundendruck::plan_titel))
            return {};
        return pfad;
    }

    // Every page is A4 and no word comes closer than 15 mm to an edge.
    static void a4_mit_rand(const QString &pfad, int seiten)
    {
        QCOMPARE(pdf_seiten(pfad), seiten);
        const QString info = poppler(u"pdfinfo"_s, {u"-l"_s, QString::number(seiten), pfad});
        QCOMPARE(info.count(QRegularExpression(
                     u"Page +\\d+ size: +595(\\.\\d+)? x (841\\.\\d+|842) pts \\(A4\\)"_s)),
                 seiten);
        const QList<PdfWort> woerter = pdf_woerter(pfad);
        QVERIFY(!woerter.isEmpty());
        QCOMPARE(ausserhalb_des_randes(woerter), QStringList());
    }

    // Nothing is laid out beyond the margins, lines and boxes included.
    static void im_rand(const QList<DruckSeite> &seiten)
    {
        const QRect innen(rundendruck::rand, rundendruck::rand,
                          druck::seiten_breite - 2 * rundendruck::rand,
                          druck::seiten_hoehe - 2 * rundendruck::rand);
        for (const DruckSeite &seite : seiten) {
            for (const DruckRechteck &r : seite.rechtecke)
                QVERIFY(innen.contains(r.flaeche));
            for (const DruckText &t : seite.texte)
                QVERIFY(innen.contains(QRect(t.x, t.y, t.breite, 1)));
        }
    }

private slots:
    void rundenplan_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("t");
        QTest::newRow("3 an 2 Tischen") << 3 << 2;
        QTest::newRow("10 an 3 Tischen, mehrere Seiten") << 10 << 3;
        QTest::newRow("10 an einem Tisch, 100 Runden") << 10 << 1;
        QTest::newRow("10 an 10 Tischen") << 10 << 10;
    }
    void rundenplan()
    {
        QFETCH(int, n);
        QFETCH(int, t);
        const Rundenplan plan = rundenplan_erstellen(n, t);
        const QList<DruckSeite> seiten =
            rundenplan_seiten(runden(plan), mannschaften, tag, {art, 10});
        im_rand(seiten);
        QTemporaryDir ordner;
        const QString pfad = pdf_schreiben(ordner, seiten);
        QVERIFY(!pfad.isEmpty());
        a4_mit_rand(pfad, int(seiten.size()));
        if (QTest::currentTestFailed())
            return;

        const QString text =
            poppler(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, pfad, u"-"_s});
        QCOMPARE(text.count(u"Erstellt am: 11.12.2026"_s), seiten.size());
        const QRegularExpression rundenzeile(u"^\\s*Runde (\\d+)\\s*$"_s);
        const QRegularExpression spielzeile(
            u"^\\s*(\\d+)\\s+(Weiß\\d+)\\s+(Müller\\d+)(?:\\s+(\\d+:\\d+))?\\s*$"_s);
        const QRegularExpression kopfzeile(
            u"^\\s*Tisch\\s+Rot-Gelb Möhringen\\s+Grün-Weiß\\s+Ergebnis\\s*$"_s);
        QList<Zeile> gelesen;
        int runde = 0;
        int koepfe = 0;
        for (const QString &zeile : text.split(u'\n')) {
            if (const auto m = rundenzeile.match(zeile); m.hasMatch())
                runde = m.captured(1).toInt();
            else if (const auto m = spielzeile.match(zeile); m.hasMatch())
                gelesen << Zeile{runde, m.captured(1).toInt(), m.captured(2), m.captured(3),
                                 m.captured(4)};
            koepfe += kopfzeile.match(zeile).hasMatch() ? 1 : 0;
        }
        QCOMPARE(gelesen, erwartet(plan));
        QCOMPARE(koepfe, text.count(u"Ergebnis"_s));
        QVERIFY(!text.contains(u"Mannschaft 1"_s));
    }

    // A font too large for a round on one page still prints every game.
    void riesige_schrift()
    {
        const Rundenplan plan = rundenplan_erstellen(10, 10);
        const QList<DruckSeite> seiten =
            rundenplan_seiten(runden(plan), mannschaften, tag, {art, 100});
        QVERIFY(seiten.size() > 10);
        im_rand(seiten);
        int namen = 0;
        for (const DruckSeite &seite : seiten)
            namen +=
                int(std::count_if(seite.texte.begin(), seite.texte.end(),
                                  [](const DruckText &t) { return t.text.startsWith(u"Müller"); }));
        QCOMPARE(namen, 100);
    }

    void spielzettel_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("t");
        QTest::newRow("3 an 2 Tischen, eine Seite und eins") << 3 << 2;
        QTest::newRow("4 an 4 Tischen, zwei volle Seiten") << 4 << 4;
        QTest::newRow("10 an 3 Tischen") << 10 << 3;
    }
    void spielzettel()
    {
        QFETCH(int, n);
        QFETCH(int, t);
        const Rundenplan plan = rundenplan_erstellen(n, t);
        const QList<DruckSeite> seiten =
            spielzettel_seiten(runden(plan), mannschaften, tag, {art, 30});
        QCOMPARE(seiten.size(), (n * n + 7) / 8);
        im_rand(seiten);
        QTemporaryDir ordner;
        const QString pfad = pdf_schreiben(ordner, seiten);
        QVERIFY(!pfad.isEmpty());
        a4_mit_rand(pfad, int(seiten.size()));
        if (QTest::currentTestFailed())
            return;

        // Each slip read on its own, by the places of its words: round and table at the top,
        // the left team and entry over the left box with the score typed first, the right ones
        // over the right box.
        const QList<PdfWort> woerter = pdf_woerter(pfad);
        const int breite = (druck::seiten_breite - 2 * rundendruck::rand) / 2;
        const int hoehe = (druck::seiten_hoehe - 2 * rundendruck::rand) / 4;
        const QRegularExpression kopf(u"Runde (\\d+), Tisch (\\d+)"_s);
        const QRegularExpression zahl(u"^\\d+$"_s);
        QList<Zeile> gelesen;
        for (int i = 0; i < n * n; ++i) {
            const int stelle = i % rundendruck::zettel_pro_seite;
            const QRectF zettel((rundendruck::rand + (stelle % 2) * breite) * punkte_je_einheit,
                                (rundendruck::rand + (stelle / 2) * hoehe) * punkte_je_einheit,
                                breite * punkte_je_einheit, hoehe * punkte_je_einheit);
            const double mitte = zettel.center().x();
            QStringList texte;
            const PdfWort *links = nullptr;
            const PdfWort *rechts = nullptr;
            QList<const PdfWort *> zahlen;
            for (const PdfWort &wort : woerter) {
                if (wort.seite != i / rundendruck::zettel_pro_seite + 1 ||
                    !zettel.contains(wort.rahmen))
                    continue;
                texte << wort.text;
                if (wort.text.startsWith(u"Weiß"_s))
                    links = &wort;
                else if (wort.text.startsWith(u"Müller"_s))
                    rechts = &wort;
                else if (links && zahl.match(wort.text).hasMatch() &&
                         wort.rahmen.top() > links->rahmen.bottom())
                    zahlen << &wort;
            }
            const QString text = texte.join(u' ');
            const QRegularExpressionMatch m = kopf.match(text);
            QVERIFY2(m.hasMatch() && links && rechts, qPrintable(text));
            QCOMPARE(text.count(u"11.12.2026"_s), 1);
            QVERIFY2(text.indexOf(u"Rot-Gelb Möhringen"_s) < text.indexOf(links->text) &&
                         text.indexOf(u"Grün-Weiß"_s) < text.indexOf(rechts->text),
                     qPrintable(text));
            QVERIFY(links->rahmen.right() < mitte && rechts->rahmen.left() > mitte);
            QString ergebnis;
            std::sort(zahlen.begin(), zahlen.end(), [](const PdfWort *a, const PdfWort *b) {
                return a->rahmen.left() < b->rahmen.left();
            });
            if (!zahlen.isEmpty()) {
                QCOMPARE(zahlen.size(), 2);
                QVERIFY(zahlen[0]->rahmen.right() < mitte && zahlen[1]->rahmen.left() > mitte);
                ergebnis = zahlen[0]->text + u':' + zahlen[1]->text;
            }
            gelesen << Zeile{m.captured(1).toInt(), m.captured(2).toInt(), links->text,
                             rechts->text, ergebnis};
        }
        QCOMPARE(gelesen, erwartet(plan));
    }
};

QTEST_MAIN(TstRundenplanDruck)
#include "tst_rundenplan_druck.moc"
