#include "shell/arbeitsbereich_fenster.h"

#include <QVBoxLayout>
#include <QtTest>

class TstArbeitsbereichFenster : public QObject
{
    Q_OBJECT

private slots:
    void mittig_platzieren_data()
    {
        QTest::addColumn<QRect>("bereich");
        QTest::addColumn<int>("nach_unten");
        QTest::newRow("Bildschirm") << QRect(0, 0, 1280, 1024) << 0;
        QTest::newRow("unter einer Leiste") << QRect(0, 40, 1280, 984) << 50;
        QTest::newRow("zweiter Bildschirm") << QRect(1280, 0, 1920, 1080) << 0;
    }
    void mittig_platzieren()
    {
        QFETCH(QRect, bereich);
        QFETCH(int, nach_unten);
        QWidget fenster;
        auto *inhalt = new QWidget;
        inhalt->setFixedSize(300, 200);
        auto *spalte = new QVBoxLayout(&fenster);
        spalte->setContentsMargins(0, 0, 0, 0);
        spalte->addWidget(inhalt);
        ::mittig_platzieren(fenster, bereich, nach_unten);
        QCOMPARE(fenster.size(), QSize(300, 200));
        QCOMPARE(fenster.pos(), QPoint(bereich.x() + (bereich.width() - 300) / 2,
                                       bereich.y() + (bereich.height() - 200) / 2 + nach_unten));
    }
};

QTEST_MAIN(TstArbeitsbereichFenster)
#include "tst_arbeitsbereich_fenster.moc"
