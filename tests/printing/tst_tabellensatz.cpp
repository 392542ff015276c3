#include "druck_testhilfe.h"
#include "printing/seitenausgabe.h"
#include "printing/tabellensatz.h"

#include <QPageSize>
#include <QTemporaryDir>

#include <QtTest>

using namespace Qt::StringLiterals;

class TstTabellensatz : public QObject
{
    Q_OBJECT

    static Ausgabetabelle tabelle(int spalten, int zeilen, const QString &zelle)
    {
        Ausgabetabelle t;
        t.titel = u"Liste"_s;
        for (int s = 1; s <= spalten; ++s)
            t.spalten << u"Spalte %1"_s.arg(s);
        for (int z = 1; z <= zeilen; ++z) {
            QStringList zeile;
            for (int s = 1; s <= spalten; ++s)
                zeile << u"%1 %2.%3"_s.arg(zelle).arg(z).arg(s);
            t.zeilen << zeile;
        }
        return t;
    }

    static QList<DruckText> texte(const DruckSeite &seite, const QString &anfang)
    {
        QList<DruckText> gefunden;
        for (const DruckText &text : seite.texte)
            if (text.text.startsWith(anfang))
                gefunden << text;
        return gefunden;
    }

private slots:
    // Every page gets the head; a long list goes on with its column titles again, no row lost,
    // and no line below the bottom margin.
    void lange_liste_auf_mehreren_seiten()
    {
        const QList<DruckSeite> seiten =
            tabellen_setzen(u"Saisonübersicht"_s, QDate(2026, 12, 8), {tabelle(3, 120, u"Zeile"_s)},
                            {u"DejaVu Sans"_s, 10});

        QVERIFY(seiten.size() >= 3);
        int zeilen = 0;
        for (qsizetype i = 0; i < seiten.size(); ++i) {
            const DruckSeite &seite = seiten[i];
            QCOMPARE(seite.nummer, i + 1);
            QCOMPARE(texte(seite, u"Saisonübersicht"_s).size(), 1);
            QCOMPARE(texte(seite, u"Erstellt am: 08.12.2026"_s).size(), 1);
            QCOMPARE(texte(seite, u"Seite "_s).first().text, u"Seite %1"_s.arg(i + 1));
            QCOMPARE(texte(seite, u"Spalte 1"_s).size(), 1);
            for (const DruckText &text : seite.texte)
                QVERIFY(text.y + hoehe_bei_96_dpi(u"DejaVu Sans"_s, 13, true) <=
                        druck::seiten_hoehe);
            zeilen += int(texte(seite, u"Zeile "_s).size());
        }
        QCOMPARE(zeilen, 120 * 3);
        // The list's title stands once, on its first page.
        QCOMPARE(texte(seiten[0], u"Liste"_s).size(), 1);
        QCOMPARE(texte(seiten[1], u"Liste"_s).size(), 0);
    }

    // A list too wide for the page is set smaller until it fits; at the smallest size the
    // columns are narrowed and their texts clipped, all within the page.
    void breite_liste_data()
    {
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("kleinste");
        QTest::addColumn<int>("groesste");
        QTest::newRow("passt") << 3 << 10 << 10;
        QTest::newRow("kleiner") << 12 << tabellensatz::kleinste_groesse + 1 << 9;
        QTest::newRow("kleinste") << 40 << tabellensatz::kleinste_groesse
                                  << tabellensatz::kleinste_groesse;
    }
    void breite_liste()
    {
        QFETCH(int, spalten);
        QFETCH(int, kleinste);
        QFETCH(int, groesste);
        const QList<DruckSeite> seiten = tabellen_setzen(
            u"Ü"_s, QDate(2026, 12, 8), {tabelle(spalten, 2, u"Wert"_s)}, {u"DejaVu Sans"_s, 10});

        const DruckSeite &seite = seiten.first();
        QList<DruckText> zellen;
        for (const DruckText &text : seite.texte)
            if (text.y > seite.rechtecke.first().flaeche.bottom())
                zellen << text;
        QCOMPARE(zellen.size(), spalten * 2);
        for (qsizetype i = 0; i < zellen.size(); ++i) {
            const DruckText &zelle = zellen[i];
            QCOMPARE(zelle.groesse, zellen.first().groesse);
            QVERIFY(zelle.x >= tabellensatz::rand);
            QVERIFY(zelle.x + zelle.breite <= druck::seiten_breite - tabellensatz::rand);
            // Only a table that is too wide at the smallest size loses text, marked by "…".
            QCOMPARE(zelle.text.startsWith(u"Wert "),
                     zelle.groesse > tabellensatz::kleinste_groesse);
            QCOMPARE(zelle.text.endsWith(u'…'), zelle.groesse == tabellensatz::kleinste_groesse);
            // Left to right in a row, each cell ending before the next begins.
            if (i > 0 && zellen[i - 1].y == zelle.y)
                QVERIFY(zellen[i - 1].x + zellen[i - 1].breite <= zelle.x);
        }
        QVERIFY(zellen.first().groesse >= kleinste);
        QVERIFY(zellen.first().groesse <= groesste);
    }

    // Titles much wider than their numbers are broken at blanks before the size shrinks.
    void lange_titel_umbrechen()
    {
        Ausgabetabelle t;
        for (int s = 1; s <= 8; ++s)
            t.spalten << u"Siege Füchse Groß-Nord %1"_s.arg(s);
        t.zeilen = {QStringList(8, u"12"_s)};

        const DruckSeite seite =
            tabellen_setzen(u"Ü"_s, QDate(2026, 12, 8), {t}, {u"DejaVu Sans"_s, 10}).first();

        const QList<DruckText> siege = texte(seite, u"Siege"_s);
        QCOMPARE(siege.size(), 8);
        const QList<DruckText> nord = texte(seite, u"Groß-Nord"_s);
        QCOMPARE(nord.size(), 8);
        QVERIFY(nord.first().y > siege.first().y);
        const QList<DruckText> zellen = texte(seite, u"12"_s);
        QCOMPARE(zellen.size(), 8);
        QCOMPARE(zellen.first().groesse, 10);
        QVERIFY(zellen.first().y > nord.first().y);
        QCOMPARE(seite.rechtecke.size(), 1);
        QVERIFY(seite.rechtecke.first().flaeche.bottom() < zellen.first().y);
    }

    // A heading wider than the page is broken into lines at blanks, every word kept; a word
    // wider than the page is set smaller and, below the smallest size, shortened.
    void lange_ueberschrift_data()
    {
        QTest::addColumn<QString>("ueberschrift");
        QTest::addColumn<bool>("ganz");
        QTest::newRow("Einzel, lange Namen")
            << u"Ergebnisse für Spiele zwischen Füchse Groß-Nord Tischfußballverein und "
               u"Kickerfreunde Mönchengladbach-Rheydt vom 11.12.2026"_s
            << true;
        QTest::newRow("ein Wort") << QString(60, u'W') << true;
        QTest::newRow("ein Wort zu lang") << QString(200, u'W') << false;
    }
    void lange_ueberschrift()
    {
        QFETCH(QString, ueberschrift);
        QFETCH(bool, ganz);
        const QList<DruckSeite> seiten = tabellen_setzen(
            ueberschrift, QDate(2026, 12, 8), {tabelle(3, 90, u"Zeile"_s)}, {u"DejaVu Sans"_s, 10});
        QVERIFY(seiten.size() > 1);
        for (const DruckSeite &seite : seiten) {
            QStringList zeilen;
            int y = 0;
            for (const DruckText &text : seite.texte) {
                if (!text.fett || text.text == u"Liste"_s)
                    continue;
                QVERIFY(text.x >= tabellensatz::rand);
                QVERIFY(text.x + text.breite <= druck::seiten_breite - tabellensatz::rand);
                QVERIFY(text.y >= y);
                y = text.y + hoehe_bei_96_dpi(u"DejaVu Sans"_s, text.groesse, true);
                zeilen << text.text;
            }
            QCOMPARE(zeilen.join(u' ') == ueberschrift, ganz);
            if (!ganz)
                QVERIFY(zeilen.join(u' ').endsWith(u'…'));
            QVERIFY(texte(seite, u"Erstellt am: 08.12.2026"_s).first().y >= y);
        }
    }

    // Results and season pages read back from the PDF keep 15 mm free on every side.
    void pdf_mit_rand()
    {
        Ausgabetabelle t = tabelle(12, 70, u"Wert"_s);
        const QList<DruckSeite> seiten = tabellen_setzen(
            u"Ergebnisse für Spiele zwischen Füchse Groß-Nord Tischfußballverein und "
            u"Kickerfreunde Mönchengladbach-Rheydt vom 11.12.2026"_s,
            QDate(2026, 12, 8), {t, tabelle(3, 5, u"Zeile"_s)}, {u"DejaVu Sans"_s, 12});
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"liste.pdf"_s);
        QVERIFY(seiten_als_pdf(seiten, pfad, QPageSize(QPageSize::A4), u"Liste"_s));
        const QList<PdfWort> woerter = pdf_woerter(pfad);
        QVERIFY(woerter.size() > 12 * 70);
        QCOMPARE(ausserhalb_des_randes(woerter), QStringList());
        QCOMPARE(ueberlappende_woerter(woerter), QStringList());
        QVERIFY(in_reihenfolge(pdf_text(pfad), {u"vom 11.12.2026"_s, u"Erstellt am"_s}));
    }

    // Numbers stand in the middle of their column, texts at its left edge.
    void ausrichtung()
    {
        Ausgabetabelle t;
        t.spalten = {u"Name"_s, u"Platz"_s};
        t.ausrichtung = {Ausgabetabelle::Ausrichtung::links, Ausgabetabelle::Ausrichtung::mitte};
        t.zeilen = {{u"Jörg"_s, u"1"_s}, {u"Käthe Übermaß"_s, u"12345678"_s}};

        const DruckSeite seite =
            tabellen_setzen(u"Ü"_s, QDate(2026, 12, 8), {t}, {u"DejaVu Sans"_s, 10}).first();

        QCOMPARE(texte(seite, u"Jörg"_s).first().x, tabellensatz::rand + tabellensatz::innen);
        const DruckText eins = texte(seite, u"1"_s).first();
        const DruckText lang = texte(seite, u"12345678"_s).first();
        QVERIFY(eins.x > lang.x);
        QCOMPARE(eins.x + eins.breite, lang.x + lang.breite);
    }
};

QTEST_MAIN(TstTabellensatz)
#include "tst_tabellensatz.moc"
