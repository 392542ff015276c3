#include "gitter_hilfe.h"
#include "grid/datumtext.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString tz = u"\u00AB"_s;

QString felder(const QStringList &liste)
{
    return liste.join(tz);
}

} // namespace

class TstParameterstring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void vorgaben_als_parameterstring()
    {
        GitterModell gitter;
        gitter.SetDefaultColWidth(70);
        gitter.ColInfo_Create(2);
        QCOMPARE(gitter.ColInfoToParamStr(2),
                 felder({QString(), u"36"_s, QString(), u"-16777201"_s, u"70"_s, u" "_s, u"0"_s,
                         u"36"_s, QString(), u"-16777211"_s}));
        QCOMPARE(gitter.ColInfoToParamStr(3), QString());
    }

    void parameterstring_lesen()
    {
        GitterModell gitter;
        TColInfo *info = gitter.ParamStrToColInfo(
            1, felder({QString(), u"37"_s, QString(), u"-16777201"_s, u"0"_s, u"I"_s, u"0"_s,
                       u"37"_s, QString(), u"-16777211"_s}));
        QVERIFY(info);
        QCOMPARE(info->TitAlign, 37);
        QCOMPARE(info->Width, 0);
        QCOMPARE(info->Typ, QChar(u'I'));
        QCOMPARE(info->DatColor, clWindow);
        QVERIFY(!info->TitFont);
        QCOMPARE(gitter.ParamStrToColInfo(1, QString()), nullptr);
        QCOMPARE(gitter.GetColInfo(1), info); // an empty string keeps what was there
    }

    void farbfelder_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<int>("farbe");
        QTest::newRow("name") << u"clBtnFace"_s << int(clBtnFace);
        QTest::newRow("name klein") << u"clhighlight"_s << int(clHighlight);
        QTest::newRow("weiss") << u"clWhite"_s << 0xFFFFFF;
        QTest::newRow("zahl") << u"255"_s << 255;
        QTest::newRow("systemzahl") << u"-16777208"_s << int(clWindowText);
        QTest::newRow("hex") << u"$00FF00"_s << 0x00FF00;
    }
    void farbfelder()
    {
        QFETCH(QString, feld);
        QFETCH(int, farbe);
        GitterModell gitter;
        TColInfo *info = gitter.ParamStrToColInfo(0, felder({u"T"_s, QString(), QString(), feld}));
        QCOMPARE(info->TitColor, farbe);
        QCOMPARE(gitter.ColInfoToParamStr(0).split(tz).at(3),
                 feld.startsWith(u'-') || feld.front().isDigit() ? feld : QString::number(farbe));
    }

    void kaputte_zahl_meldet_und_behaelt_vorherige_felder()
    {
        GitterModell gitter;
        QString fehler;
        TColInfo *info =
            gitter.ParamStrToColInfo(0, felder({u"Nr"_s, u"37"_s, QString(), u"x1"_s}), &fehler);
        QVERIFY(info);
        QCOMPARE(info->TitAlign, 37);
        QCOMPARE(fehler, u"'x1' ist kein gültiger Integerwert"_s);
        fehler.clear();
        gitter.ParamStrToColInfo(0, felder({u"Nr"_s, u"3,5"_s}), &fehler);
        QCOMPARE(fehler, u"'3,5' ist kein gültiger Integerwert"_s);
    }

    void schrift_lesen_und_schreiben()
    {
        Schrift schrift;
        text_zu_schrift(u"Arial;10;255;BU;"_s, schrift);
        QCOMPARE(schrift.font.family(), u"Arial"_s);
        QCOMPARE(schrift.font.pointSize(), 10);
        QCOMPARE(schrift.Color, 255);
        QVERIFY(schrift.font.bold() && schrift.font.underline());
        QVERIFY(!schrift.font.italic() && !schrift.font.strikeOut());
        QCOMPARE(schrift_zu_text(schrift), u"Arial*10*255*BU*"_s);
        text_zu_schrift(u"*abc*-16777208*ISb*"_s, schrift);
        QCOMPARE(schrift.font.family(), u"Arial"_s);
        QCOMPARE(schrift.font.pointSize(), 10);
        QCOMPARE(schrift.Color, clWindowText);
        QVERIFY(schrift.font.italic() && schrift.font.strikeOut() && !schrift.font.bold());
    }

    void spaltenmerkmale_hin_und_zurueck()
    {
        GitterModell gitter;
        const QString merkmale =
            u"3\u00AF"_s +
            felder({QString(), u"37"_s, QString(), u"-16777201"_s, u"0"_s, u" "_s, u"0"_s, u"37"_s,
                    QString(), u"-16777201"_s}) +
            u"\u00AF"_s +
            felder({u"Name"_s, u"36"_s, u"Tahoma*8*-16777208*B*"_s, u"-16777201"_s, u"120"_s,
                    u" "_s, u"0"_s, u"36"_s, QString(), u"-16777211"_s}) +
            u"\u00AF\u00AFName;"_s;
        QVERIFY(gitter.SetColFeatures(merkmale));
        QCOMPARE(gitter.ColCount(), 3);
        QCOMPARE(gitter.Cells(1, 0), u"Name"_s);
        QCOMPARE(gitter.ColWidths(1), 120);
        QVERIFY(gitter.GetColInfo(1)->TitFont->font.bold());
        QVERIFY(!gitter.GetColInfo(2));
        QCOMPARE(gitter.SortierCols(), u"Name;"_s);
        QCOMPARE(gitter.ColFeatures(), merkmale);
    }

    void spaltenmerkmale_ohne_gueltige_anzahl_aendern_nichts_data()
    {
        QTest::addColumn<QString>("merkmale");
        QTest::newRow("null") << u"0\u00AF\u00AF"_s;
        QTest::newRow("keine zahl") << u"x\u00AFa\u00AF"_s;
        QTest::newRow("riesig") << u"2000000000\u00AF"_s;
    }
    void spaltenmerkmale_ohne_gueltige_anzahl_aendern_nichts()
    {
        QFETCH(QString, merkmale);
        GitterModell gitter;
        const QString vorher = gitter.ColFeatures();
        QVERIFY(!gitter.SetColFeatures(merkmale));
        QCOMPARE(gitter.ColFeatures(), vorher);
    }

    void titelspalte_und_titelzeile()
    {
        GitterModell gitter;
        gitter.SetRowCount(7);
        gitter.SetCells(0, 6, u"alt"_s);
        gitter.SetFixedColsText(u" ; ; ; ; ; ;"_s);
        QCOMPARE(gitter.Cols(0),
                 (QStringList{u" "_s, u" "_s, u" "_s, u" "_s, u" "_s, u" "_s, QString()}));
        QCOMPARE(gitter.FixedColsText(), u" ; ; ; ; ; ;;"_s);
        gitter.SetColNamen(u"A;;C;"_s);
        QCOMPARE(gitter.ColNamen(), u"A; ;C;;;"_s);
        gitter.SetFixedRows(2);
        QCOMPARE(gitter.ColNamen(), QString());
    }

    void typisierter_zugriff()
    {
        GitterModell gitter;
        gitter.SetAsBoolean(1, 1, true);
        QCOMPARE(gitter.Cells(1, 1), u"J"_s);
        for (const QString &wahr : {u"ja "_s, u"j"_s, u"True"_s, u"1"_s, u"RUE"_s}) {
            gitter.SetCells(1, 1, wahr);
            QVERIFY2(gitter.GetAsBoolean(1, 1), qPrintable(wahr));
        }
        for (const QString &falsch : {u"nein"_s, QString(), u"N"_s, u"2"_s}) {
            gitter.SetCells(1, 1, falsch);
            QVERIFY2(!gitter.GetAsBoolean(1, 1), qPrintable(falsch));
        }
        gitter.SetCells(1, 2, QString());
        QCOMPARE(gitter.GetAsDate(1, 2), -2147483647.0);
        QCOMPARE(gitter.GetAsTime(1, 2), 0.0);
        gitter.SetAsDateTime(1, 2, *datum_zeit_lesen(u"08.12.2026 10:30"_s, QDate()));
        QCOMPARE(gitter.Cells(1, 2), u"08.12.2026 10:30:00"_s);
        gitter.SetAsDateTime(1, 2, gitter.GetAsDate(1, 2));
        QCOMPARE(gitter.Cells(1, 2), u"08.12.2026"_s);
        gitter.SetAsFloat(1, 3, 1234.5);
        QCOMPARE(gitter.Cells(1, 3), u"1234,5"_s);
        gitter.ColInfoC(1)->Typ = u'F';
        gitter.ColInfoC(1)->Dez = 2;
        gitter.SetAsFloat(1, 3, 3.14159);
        QCOMPARE(gitter.Cells(1, 3), u"3,14"_s);
        gitter.SetAsCurr(1, 4, 1234.5);
        QCOMPARE(gitter.GetAsCurr(1, 4), 1234.5);
        gitter.SetAsCurr(1, 4, 1e300);
        QCOMPARE(gitter.Cells(1, 4), QString());
        gitter.SetAsInteger(1, 4, -12);
        QCOMPARE(gitter.GetAsInteger(1, 4), -12);
    }

    void datum_ohne_jahr_nimmt_das_jahr_von_heute_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("datum"); // invalid: no date
        QTest::newRow("ohne jahr") << QDate(2031, 5, 2) << u"1.3."_s << QDate(2031, 3, 1);
        QTest::newRow("mit uhrzeit")
            << QDate(2027, 1, 1) << u"24.12. 18:00"_s << QDate(2027, 12, 24);
        QTest::newRow("ohne heute") << QDate() << u"1.3."_s << QDate();
        QTest::newRow("mit jahr ohne heute") << QDate() << u"1.3.2026"_s << QDate(2026, 3, 1);
    }
    void datum_ohne_jahr_nimmt_das_jahr_von_heute()
    {
        QFETCH(QDate, heute);
        QFETCH(QString, text);
        QFETCH(QDate, datum);
        GitterModell gitter;
        if (heute.isValid())
            gitter.setze_heute([heute] { return heute; });
        gitter.SetCells(1, 1, text);
        gitter.ColInfoC(1)->Typ = u'D';
        const double erwartet =
            datum.isValid() ? double(QDate(1899, 12, 30).daysTo(datum)) : -2147483647.0;
        QCOMPARE(gitter.GetAsDate(1, 1), erwartet);
        const auto wert = gitter.StrToColFormat(1, text);
        QVERIFY(wert);
        QCOMPARE(std::get<double>(*wert), erwartet);
    }

    void vergleichswerte_data()
    {
        QTest::addColumn<QChar>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("wert"); // invalid: conversion error
        QTest::newRow("ohne info") << QChar() << u" a "_s << QVariant(u"a"_s);
        QTest::newRow("text") << QChar(u' ') << u" a "_s << QVariant(u"a"_s);
        QTest::newRow("text leer") << QChar(u' ') << QString() << QVariant(QString());
        QTest::newRow("I") << QChar(u'I') << u"1.234"_s << QVariant(1234.0);
        QTest::newRow("I leer") << QChar(u'I') << u"  "_s << QVariant(0.0);
        QTest::newRow("F") << QChar(u'F') << u"2,5"_s << QVariant(2.5);
        QTest::newRow("C") << QChar(u'C') << u"3,50 €"_s << QVariant(3.5);
        QTest::newRow("D") << QChar(u'D') << u"31.12.1899 18:00"_s << QVariant(1.0);
        QTest::newRow("D ungueltig") << QChar(u'D') << u"morgen"_s << QVariant(-2147483647.0);
        QTest::newRow("T") << QChar(u'T') << u"12:00"_s << QVariant(0.5);
        QTest::newRow("T ungueltig") << QChar(u'T') << u"25:00"_s << QVariant();
        QTest::newRow("d ungueltig") << QChar(u'd') << u"gestern"_s << QVariant();
    }
    void vergleichswerte()
    {
        QFETCH(QChar, typ);
        QFETCH(QString, text);
        QFETCH(QVariant, wert);
        GitterModell gitter;
        if (!typ.isNull())
            gitter.ColInfoC(1)->Typ = typ;
        QString fehler;
        const auto ergebnis = gitter.StrToColFormat(1, text, &fehler);
        if (!wert.isValid()) {
            QVERIFY(!ergebnis);
            QVERIFY(fehler.contains(text));
            return;
        }
        QVERIFY(ergebnis);
        if (wert.typeId() == QMetaType::Double)
            QCOMPARE(std::get<double>(*ergebnis), wert.toDouble());
        else
            QCOMPARE(std::get<QString>(*ergebnis), wert.toString());
    }
};

QTEST_MAIN(TstParameterstring)
#include "tst_parameterstring.moc"
