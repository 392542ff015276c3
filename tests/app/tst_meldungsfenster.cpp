#include "app/meldungsfenster_fenster.h"
#include "appearance/oberflaeche_fenster.h"
#include "programm.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstMeldungsfenster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { oberflaeche_einrichten(); }

    // A short message would make a box too narrow for its title, which a window manager then
    // elides.
    void kurze_meldung_laesst_platz_fuer_den_titel()
    {
        const auto box = meldungsfenster(QMessageBox::Information, u"OK?"_s, nullptr);
        box->setStandardButtons(QMessageBox::Ok);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->windowTitle(), programm_name);
        QFont fett = box->font();
        fett.setBold(true);
        // The title, and beside it an icon and three buttons of at least 20 pixels each.
        QVERIFY2(box->width() >= QFontMetrics(fett).horizontalAdvance(box->windowTitle()) + 80,
                 qPrintable(QString::number(box->width())));
        QCOMPARE(box->text(), u"OK?"_s);
    }
};

QTEST_MAIN(TstMeldungsfenster)
#include "tst_meldungsfenster.moc"
