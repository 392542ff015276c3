#include "grid/filterbedingung.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Columns "Name" (text) and "Punkte" (number); a value of a number column that is no number
// cannot be read.
const QStringList titel{u"Name"_s, u"Punkte"_s};

int spalte_zu(const QString &name)
{
    for (int c = 0; c < titel.size(); ++c) {
        if (titel[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

std::optional<Vergleichswert> umwandeln(int spalte, const QString &text, QString *fehler)
{
    if (spalte == 0)
        return Vergleichswert(text.trimmed());
    bool ok = false;
    const double zahl = text.trimmed().toDouble(&ok);
    if (ok)
        return Vergleichswert(zahl);
    if (fehler)
        *fehler = u"keine Zahl: %1"_s.arg(text);
    return std::nullopt;
}

} // namespace

class TstFilterbedingung : public QObject
{
    Q_OBJECT

private slots:
    void bedingungen_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("punkte");
        QTest::addColumn<bool>("erfuellt");
        QTest::newRow("gleich") << u"name=Anna"_s << u"Anna"_s << u"3"_s << true;
        QTest::newRow("ungleich vor kleiner") << u"Punkte<>3"_s << u"Anna"_s << u"3"_s << false;
        QTest::newRow("groesser gleich vor groesser")
            << u"Punkte>=3"_s << u"Anna"_s << u"3"_s << true;
        QTest::newRow("zahl nach wert, nicht nach text")
            << u"Punkte>9"_s << u"Anna"_s << u"10"_s << true;
        QTest::newRow("enthaelt") << u"Name~nn"_s << u"Anna"_s << u"3"_s << true;
        QTest::newRow("not dreht um") << u"not Name~nn"_s << u"Anna"_s << u"3"_s << false;
        QTest::newRow("alle muessen gelten")
            << u"Name=Anna;Punkte<3"_s << u"Anna"_s << u"3"_s << false;
        QTest::newRow("stueck ohne operator zaehlt nicht")
            << u"Name=Anna;irgendwas"_s << u"Anna"_s << u"3"_s << true;
        QTest::newRow("unlesbare zelle erfuellt nichts")
            << u"Punkte<100"_s << u"Anna"_s << u"viel"_s << false;
    }
    void bedingungen()
    {
        QFETCH(QString, filter);
        QFETCH(QString, name);
        QFETCH(QString, punkte);
        QFETCH(bool, erfuellt);
        std::vector<TFiltRec> bedingungen;
        QCOMPARE(filter_lesen(filter, u';', spalte_zu, umwandeln, bedingungen), QString());
        const QStringList zeile{name, punkte};
        QCOMPARE(
            bedingungen_erfuellt(
                bedingungen, [&](int spalte) { return umwandeln(spalte, zeile[spalte], nullptr); }),
            erfuellt);
    }

    void fehler_lassen_keine_bedingung_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("unbekannte spalte")
            << u"Name=Anna;Alter>3"_s << u"Fehler beim Auflösen von Filter: Name=Anna;Alter>3"_s;
        QTest::newRow("wert passt nicht zur spalte")
            << u"Name=Anna;Punkte>x"_s << u"keine Zahl: x"_s;
    }
    void fehler_lassen_keine_bedingung()
    {
        QFETCH(QString, filter);
        QFETCH(QString, meldung);
        std::vector<TFiltRec> bedingungen{TFiltRec{}};
        QCOMPARE(filter_lesen(filter, u';', spalte_zu, umwandeln, bedingungen), meldung);
        QVERIFY(bedingungen.empty());
        QVERIFY(!bedingungen_erfuellt(bedingungen, [](int) { return Vergleichswert(1.0); }));
    }
};

QTEST_GUILESS_MAIN(TstFilterbedingung)
#include "tst_filterbedingung.moc"
