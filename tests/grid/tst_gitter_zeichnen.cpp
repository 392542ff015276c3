#include "grid/filtergrid_fenster.h"

#include <QPainter>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Vorbereitung = std::function<void(TFilterGrid &)>;

constexpr TColor rot = 0x0000FF;
constexpr TColor gruen = 0x00FF00;
constexpr TColor blau = 0xFF0000;
constexpr TColor ocker = 0x4080C0;

// Three data rows under a title row, one title column; the cursor stands on (1, 1).
void aufbauen(TFilterGrid &gitter)
{
    GitterModell &modell = gitter.modell();
    modell.SetColCount(4);
    modell.SetRowCount(4);
    modell.SetFixedCols(1);
    modell.SetFixedRows(1);
    modell.SetDefaultRowHeight(24);
    for (int c = 0; c < 4; ++c)
        modell.SetColWidths(c, 90);
    modell.SetColor(ocker);
    gitter.GradientStartColor = clWhite;
    gitter.GradientEndColor = 0x808080;
    Schrift schrift;
    schrift.font = QFont(u"DejaVu Sans"_s, 9);
    schrift.Color = clBlack;
    modell.SetFont(schrift);
    gitter.resize(400, 160);
    gitter.show();
}

QImage bild(TFilterGrid &gitter)
{
    return gitter.grab().toImage();
}

QRect zellrahmen(TFilterGrid &gitter, int aCol, int aRow)
{
    const QRect rahmen = gitter.visualRect(gitter.model()->index(aRow, aCol));
    return rahmen.translated(gitter.viewport()->mapTo(&gitter, QPoint(0, 0)));
}

bool nah(const QColor &ist, const QColor &soll)
{
    return std::abs(ist.red() - soll.red()) <= 12 && std::abs(ist.green() - soll.green()) <= 12 &&
           std::abs(ist.blue() - soll.blue()) <= 12;
}

int dunkle_punkte(const QImage &bild, const QRect &bereich)
{
    int anzahl = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            anzahl += QColor(bild.pixel(x, y)).lightness() < 96;
    }
    return anzahl;
}

TColInfo *info(TFilterGrid &gitter, int aCol)
{
    return gitter.modell().ColInfoC(aCol);
}

} // namespace

Q_DECLARE_METATYPE(Vorbereitung)

class TstGitterZeichnen : public QObject
{
    Q_OBJECT

private slots:
    void hintergrund_data()
    {
        QTest::addColumn<Vorbereitung>("vorbereitung");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QColor>("oben");
        QTest::addColumn<QColor>("unten");
        const QColor weiss(255, 255, 255);
        const QColor grau(128, 128, 128);
        const QColor ocker_q(0xC0, 0x80, 0x40);

        QTest::newRow("ohne Spalteninfo die Gitterfarbe")
            << Vorbereitung([](TFilterGrid &) {}) << 2 << 2 << ocker_q << ocker_q;
        QTest::newRow("Datenfarbe der Spalteninfo")
            << Vorbereitung([](TFilterGrid &g) { info(g, 2)->DatColor = gruen; }) << 2 << 2
            << QColor(Qt::green) << QColor(Qt::green);
        QTest::newRow("ausgewählt mit Spalteninfo") << Vorbereitung([](TFilterGrid &g) {
            info(g, 2)->DatColor = gruen;
            g.modell().SelectRowColor = rot;
            g.modell().SetSelection({2, 2, 2, 2});
        }) << 2 << 2 << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("ausgewählt ohne Spalteninfo") << Vorbereitung([](TFilterGrid &g) {
            g.modell().SelectRowColor = rot;
            g.modell().SetSelection({2, 2, 2, 2});
        }) << 2 << 2 << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("CleanBlueCell nimmt die Auswahl") << Vorbereitung([](TFilterGrid &g) {
            g.modell().SelectRowColor = rot;
            g.modell().SetSelection({2, 2, 2, 2});
            g.modell().CleanBlueCell();
        }) << 2 << 2 << ocker_q << ocker_q;
        QTest::newRow("Titelzelle im Verlauf")
            << Vorbereitung([](TFilterGrid &) {}) << 2 << 0 << weiss << grau;
        QTest::newRow("Titelzelle klassisch") << Vorbereitung([](TFilterGrid &g) {
            g.DrawingStyle = gdsClassic;
            info(g, 2)->TitColor = blau;
        }) << 2 << 0 << QColor(Qt::blue) << QColor(Qt::blue);
        QTest::newRow("Haken färbt eine Datenzelle") << Vorbereitung([](TFilterGrid &g) {
            g.modell().setze_ereignisse(
                {.RowColorProc = [](GitterModell &, qint32 &, QPainter &p, int c, int r, int) {
                    if (c == 3 && r == 2)
                        p.setBrush(Qt::red);
                }});
        }) << 3 << 2 << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("Haken färbt die erste Datenspalte: Verlauf")
            << Vorbereitung([](TFilterGrid &g) {
                   g.modell().setze_ereignisse(
                       {.RowColorProc = [](GitterModell &, qint32 &, QPainter &p, int c, int, int) {
                           if (c == 1)
                               p.setBrush(Qt::red);
                       }});
               })
            << 1 << 2 << QColor(Qt::red) << QColor(128, 0, 0);
        QTest::newRow("Haken färbt eine Titelzelle: Verlauf aus ihrer Farbe")
            << Vorbereitung([](TFilterGrid &g) {
                   g.modell().setze_ereignisse({.RowColorProc = [](GitterModell &, qint32 &,
                                                                   QPainter &p, int c, int r, int) {
                       if (c == 3 && r == 0)
                           p.setBrush(QColor(0, 0, 255));
                   }});
               })
            << 3 << 0 << QColor(Qt::blue) << QColor(0, 0, 128);
        QTest::newRow("GradientToAllCells")
            << Vorbereitung([](TFilterGrid &g) { g.modell().SetGradientToAllCells(true); }) << 3
            << 3 << ocker_q << QColor(0x41, 0x01, 0x00);
    }

    void hintergrund()
    {
        QFETCH(Vorbereitung, vorbereitung);
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(QColor, oben);
        QFETCH(QColor, unten);
        TFilterGrid gitter;
        aufbauen(gitter);
        vorbereitung(gitter);
        QVERIFY(QTest::qWaitForWindowExposed(&gitter));
        const QImage b = bild(gitter);
        const QRect z = zellrahmen(gitter, spalte, zeile);
        const QColor ist_oben = b.pixelColor(z.left() + 2, z.top() + 1);
        const QColor ist_unten = b.pixelColor(z.left() + 2, z.bottom() - 1);
        QVERIFY2(nah(ist_oben, oben), qPrintable(ist_oben.name()));
        QVERIFY2(nah(ist_unten, unten), qPrintable(ist_unten.name()));
    }

    void haken_bekommt_zustand_und_schriftfarbe_data()
    {
        QTest::addColumn<bool>("mit_info");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QColor>("schriftfarbe");
        const QColor fenster = farbe_zu_qcolor(clWindow);
        QTest::newRow("Datenzelle") << true << 3 << 3 << 0 << QColor(Qt::black);
        QTest::newRow("Titelzelle") << true << 3 << 0 << int(gdFixed) << QColor(Qt::black);
        QTest::newRow("ausgewählt mit Spalteninfo") << true << 2 << 2 << int(gdSelected) << fenster;
        QTest::newRow("ausgewählt ohne Spalteninfo: umgekehrt")
            << false << 2 << 2 << int(gdSelected) << QColor(Qt::white);
    }

    void haken_bekommt_zustand_und_schriftfarbe()
    {
        QFETCH(bool, mit_info);
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(int, zustand);
        QFETCH(QColor, schriftfarbe);
        TFilterGrid gitter;
        aufbauen(gitter);
        if (mit_info) {
            for (int c = 0; c < 4; ++c)
                info(gitter, c);
        }
        gitter.modell().SetSelection({2, 2, 2, 2});
        std::optional<int> gesehen;
        QColor farbe;
        gitter.modell().setze_ereignisse(
            {.RowColorProc = [&](GitterModell &, qint32 &, QPainter &p, int c, int r, int z) {
                if (c == spalte && r == zeile) {
                    gesehen = z & ~gdFocused;
                    farbe = p.pen().color();
                }
            }});
        bild(gitter);
        QVERIFY(gesehen);
        QCOMPARE(*gesehen, zustand);
        QCOMPARE(farbe, schriftfarbe);
    }

    void typobjekt_bekommt_den_vorbereiteten_text_data()
    {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<QString>("zelle");
        QTest::addColumn<QString>("text");
        QTest::newRow("Abstand 1") << 1 << u"12"_s << u" 12 "_s;
        QTest::newRow("Abstand 0") << 0 << u"12"_s << u"12"_s;
        QTest::newRow("Tabulator wird ein Leerzeichen") << 2 << u"\tx"_s << u" "_s;
    }

    void typobjekt_bekommt_den_vorbereiteten_text()
    {
        QFETCH(int, abstand);
        QFETCH(QString, zelle);
        QFETCH(QString, text);
        TFilterGrid gitter;
        aufbauen(gitter);
        gitter.modell().Distance = abstand;
        info(gitter, 2)->Typ = u'O';
        info(gitter, 2)->DatColor = gruen;
        gitter.modell().SetCells(2, 3, zelle);
        QString gesehen;
        QRect gesehen_rahmen;
        gitter.modell().setze_ereignisse(
            {.TypObjectProc = [&](GitterModell &, qint32 &, QPainter &p, int c, int r, QRect &rect,
                                  const QString &s, int) {
                if (c == 2 && r == 3) {
                    gesehen = s;
                    gesehen_rahmen = rect;
                    p.fillRect(rect.adjusted(10, 4, -10, -4), Qt::blue);
                }
            }});
        const QImage b = bild(gitter);
        QCOMPARE(gesehen, text);
        QCOMPARE(gesehen_rahmen, gitter.visualRect(gitter.model()->index(3, 2)));
        const QRect z = zellrahmen(gitter, 2, 3);
        QCOMPARE(b.pixelColor(z.center()), QColor(Qt::blue));
        QCOMPARE(b.pixelColor(z.left() + 2, z.top() + 2), QColor(Qt::green));
    }

    void ausrichtung_setzt_den_text_data()
    {
        QTest::addColumn<int>("ausrichtung");
        QTest::addColumn<int>("drittel");
        QTest::newRow("links") << 36 << 0;
        QTest::newRow("mitte") << 37 << 1;
        QTest::newRow("rechts") << 38 << 2;
    }

    void ausrichtung_setzt_den_text()
    {
        QFETCH(int, ausrichtung);
        QFETCH(int, drittel);
        TFilterGrid gitter;
        aufbauen(gitter);
        info(gitter, 2)->DatAlign = ausrichtung;
        info(gitter, 2)->DatColor = clWhite;
        gitter.modell().SetColWidths(2, 180);
        gitter.modell().SetCells(2, 3, u"123"_s);
        const QImage b = bild(gitter);
        const QRect z = zellrahmen(gitter, 2, 3);
        const int breite = z.width() / 3;
        for (int d = 0; d < 3; ++d) {
            const QRect teil(z.left() + d * breite, z.top(), breite, z.height());
            QCOMPARE(dunkle_punkte(b, teil) > 0, d == drittel);
        }
    }

    void sortierte_titelzelle_zeigt_ihr_zeichen()
    {
        TFilterGrid gitter;
        aufbauen(gitter);
        gitter.modell().ShowSortIcon.Style = siStyle_Fill;
        gitter.modell().SetCells(2, 0, u"Nr"_s);
        for (int r = 1; r < 4; ++r)
            gitter.modell().SetCells(2, r, QString::number(5 - r));
        QVERIFY(QTest::qWaitForWindowExposed(&gitter));
        const QRect z = zellrahmen(gitter, 2, 0);
        const int h = gitter.rowHeight(0) / 4;
        const QRect zeichen(z.right() - 2 - h, z.top() + 2, h + 1, h + 1);
        QCOMPARE(dunkle_punkte(bild(gitter), zeichen), 0);
        gitter.modell().titel_klick_sortieren(2);
        QVERIFY(dunkle_punkte(bild(gitter), zeichen) > h);
    }

    void sortierte_schmale_spalte_wird_breiter()
    {
        TFilterGrid gitter;
        aufbauen(gitter);
        gitter.modell().SetCells(2, 0, u"Punkte"_s);
        const int knapp =
            QFontMetrics(gitter.modell().Font().font).horizontalAdvance(u" Punkte "_s) + 1;
        gitter.modell().SetColWidths(2, knapp);
        QVERIFY(QTest::qWaitForWindowExposed(&gitter));
        bild(gitter);
        QCoreApplication::processEvents();
        QCOMPARE(gitter.modell().ColWidths(2), knapp);
        gitter.modell().titel_klick_sortieren(2);
        bild(gitter);
        QTRY_VERIFY(gitter.modell().ColWidths(2) > knapp);
    }

    void zeilen_wachsen_mit_dem_text_data()
    {
        QTest::addColumn<int>("ausrichtung");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("punkte");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("umbrochen") << 20 << u"eins¯zwei¯drei¯vier"_s << 9 << 4;
        QTest::newRow("große Schrift") << 36 << u"Anna"_s << 30 << 1;
        QTest::newRow("kurz bleibt") << 36 << u"Anna"_s << 9 << 0;
    }

    void zeilen_wachsen_mit_dem_text()
    {
        QFETCH(int, ausrichtung);
        QFETCH(QString, text);
        QFETCH(int, punkte);
        QFETCH(int, zeilen);
        TFilterGrid gitter;
        aufbauen(gitter);
        TColInfo *spalte = info(gitter, 2);
        spalte->DatAlign = ausrichtung;
        spalte->DatFont = Schrift{QFont(u"DejaVu Sans"_s, punkte), clBlack};
        gitter.modell().SetCells(2, 2, text);
        bild(gitter);
        QCoreApplication::processEvents();
        const int zeile = QFontMetrics(spalte->DatFont->font).lineSpacing();
        if (zeilen == 0) {
            QCOMPARE(gitter.modell().RowHeights(2), 24);
            return;
        }
        QTRY_VERIFY(gitter.modell().RowHeights(2) >= zeilen * zeile);
        QVERIFY(gitter.rowHeight(2) >= zeilen * zeile);
    }
};

QTEST_MAIN(TstGitterZeichnen)
#include "tst_gitter_zeichnen.moc"
