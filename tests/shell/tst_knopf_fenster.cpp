#include "shell/knopf_fenster.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstKnopfFenster : public QObject
{
    Q_OBJECT

private slots:
    void knopf_anlegen_data()
    {
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("zugaenglich");
        QTest::newRow("Kürzel vorn") << u"&Beenden"_s << u"Beenden"_s;
        QTest::newRow("Kürzel mitten")
            << u"Anderen Drucker &wählen"_s << u"Anderen Drucker wählen"_s;
        QTest::newRow("doppeltes &") << u"Ein && &Aus"_s << u"Ein & Aus"_s;
        QTest::newRow("ohne Kürzel") << u">>"_s << u">>"_s;
    }
    void knopf_anlegen()
    {
        QFETCH(QString, beschriftung);
        QFETCH(QString, zugaenglich);
        // In a dialog a button would be a default button unless told otherwise.
        QDialog eltern;
        QPushButton *knopf = ::knopf_anlegen(&eltern, "Button7", beschriftung);
        QVERIFY(knopf->parent() == &eltern);
        QCOMPARE(knopf->objectName(), u"Button7"_s);
        QCOMPARE(knopf->text(), beschriftung);
        QCOMPARE(knopf->accessibleName(), zugaenglich);
        QVERIFY(!knopf->autoDefault());
    }
    void eigener_zugaenglicher_name()
    {
        QDialog eltern;
        QPushButton *knopf =
            ::knopf_anlegen(&eltern, "Button4", u">"_s, u"Markierte Spieler auswählen"_s);
        QCOMPARE(knopf->text(), u">"_s);
        QCOMPARE(knopf->accessibleName(), u"Markierte Spieler auswählen"_s);
        QVERIFY(!knopf->autoDefault());
    }
};

QTEST_MAIN(TstKnopfFenster)
#include "tst_knopf_fenster.moc"
