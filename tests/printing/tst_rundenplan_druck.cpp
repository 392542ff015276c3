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

    // What one printed game says: round, table and both names.
    using Zeile = std::tuple<int, int, QString, QString>;

    static QString name1(int eintrag) { return u"Müller"_s + QString::number(eintrag); }
    static QString name2(int eintrag) { return u"Weiß"_s + QString::number(eintrag); }

    static QList<Druckrunde> runden(const Rundenplan &plan)
    {
        QList<Druckrunde> ergebnis;
        for (const Runde &runde : plan.runden) {
            Druckrunde druckrunde;
            for (const Rundenspiel &spiel : runde)
                druckrunde << Druckpaarung{spiel.tisch, name1(spiel.spalte), name2(spiel.zeile)};
            ergebnis << druckrunde;
        }
        return ergebnis;
    }

    static QList<Zeile> erwartet(const Rundenplan &plan)
    {
        QList<Zeile> zeilen;
        for (qsizetype i = 0; i < plan.runden.size(); ++i) {
            for (const Rundenspiel &spiel : plan.runden[i])
                zeilen << Zeile{int(i) + 1, spiel.tisch, name1(spiel.spalte), name2(spiel.zeile)};
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
        const QList<DruckSeite> seiten = rundenplan_seiten(runden(plan), tag, {art, 10});
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
        const QRegularExpression spielzeile(u"^\\s*(\\d+)\\s+(Müller\\d+)\\s+(Weiß\\d+)\\s*$"_s);
        QList<Zeile> gelesen;
        int runde = 0;
        for (const QString &zeile : text.split(u'\n')) {
            if (const auto m = rundenzeile.match(zeile); m.hasMatch())
                runde = m.captured(1).toInt();
            else if (const auto m = spielzeile.match(zeile); m.hasMatch())
                gelesen << Zeile{runde, m.captured(1).toInt(), m.captured(2), m.captured(3)};
        }
        QCOMPARE(gelesen, erwartet(plan));
        QCOMPARE(text.count(u"Ergebnis"_s), text.count(u"Mannschaft 1"_s));
    }

    // A font too large for a round on one page still prints every game.
    void riesige_schrift()
    {
        const Rundenplan plan = rundenplan_erstellen(10, 10);
        const QList<DruckSeite> seiten = rundenplan_seiten(runden(plan), tag, {art, 100});
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
        const QList<DruckSeite> seiten = spielzettel_seiten(runden(plan), tag, {art, 30});
        QCOMPARE(seiten.size(), (n * n + 7) / 8);
        im_rand(seiten);
        QTemporaryDir ordner;
        const QString pfad = pdf_schreiben(ordner, seiten);
        QVERIFY(!pfad.isEmpty());
        a4_mit_rand(pfad, int(seiten.size()));
        if (QTest::currentTestFailed())
            return;

        // Each slip read on its own, cut out of its page by its place.
        // The date stands at the slip's top right; poppler may read it before the round.
        const QRegularExpression zettel(
            u"^(11\\.12\\.2026\\s+)?Runde (\\d+), Tisch (\\d+)\\s+(11\\.12\\.2026\\s+)?"
            u"Mannschaft 1\\s+(Müller\\d+)\\s+Mannschaft 2\\s+(Weiß\\d+)\\s+Ergebnis\\s+:$"_s);
        const int breite = (druck::seiten_breite - 2 * rundendruck::rand) / 2;
        const int hoehe = (druck::seiten_hoehe - 2 * rundendruck::rand) / 4;
        QList<Zeile> gelesen;
        for (int i = 0; i < n * n; ++i) {
            const int stelle = i % rundendruck::zettel_pro_seite;
            const int x = rundendruck::rand + (stelle % 2) * breite;
            const int y = rundendruck::rand + (stelle / 2) * hoehe;
            auto punkte = [](int einheiten) {
                return QString::number(int(einheiten * punkte_je_einheit));
            };
            const QString seite = QString::number(i / rundendruck::zettel_pro_seite + 1);
            const QString text = poppler(
                u"pdftotext"_s, {u"-f"_s, seite, u"-l"_s, seite, u"-x"_s, punkte(x + 2), u"-y"_s,
                                 punkte(y + 2), u"-W"_s, punkte(breite - 4), u"-H"_s,
                                 punkte(hoehe - 4), u"-enc"_s, u"UTF-8"_s, pfad, u"-"_s});
            const QRegularExpressionMatch m = zettel.match(text.trimmed());
            QVERIFY2(m.hasMatch(), qPrintable(text));
            QCOMPARE(text.count(u"11.12.2026"_s), 1);
            gelesen << Zeile{m.captured(2).toInt(), m.captured(3).toInt(), m.captured(5),
                             m.captured(6)};
        }
        QCOMPARE(gelesen, erwartet(plan));
    }
};

QTEST_MAIN(TstRundenplanDruck)
#include "tst_rundenplan_druck.moc"
