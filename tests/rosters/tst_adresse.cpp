#include "rosters/adresse.h"
#include "storage/sichere_datei.h"
#include "test_ordner.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TstAdresse : public QObject
{
    Q_OBJECT

private slots:
    void felder_liegen_an_ihren_offsets()
    {
        adresse satz;
        satz.setze(adr::vorname, u"Jürgen"_s);
        satz.setze(adr::name, u"Meier"_s);
        satz.setze(adr::email, u"j@x.de"_s);
        satz.setze(adr::mobil, u"0171"_s);
        const QByteArray &b = satz.bytes();
        QCOMPARE(b.size(), 960);
        QCOMPARE(b.at(0), char(6));
        QCOMPARE(b.mid(1, 6), QByteArray("J\xfcrgen"));
        QCOMPARE(b.at(61), char(5));
        QCOMPARE(b.mid(306, 6), QByteArray("j@x.de"));
        QCOMPARE(b.mid(561, 4), QByteArray("0171"));
    }

    void unvollstaendiger_rest_wird_uebergangen()
    {
        TestOrdner ordner;
        adresse satz;
        satz.setze(adr::name, u"Müller"_s);
        const QString pfad = ordner.pfad(adressen_dateiname(Mannschaft::zwei));
        QVERIFY(speicher::datei_ersetzen(pfad, satz.bytes() + satz.bytes() + QByteArray(500, 'x')));
        const QList<adresse> liste = adressen_lesen(pfad);
        QCOMPARE(liste.size(), 2);
        QCOMPARE(liste.at(1).wert(adr::name), u"Müller"_s);
        QVERIFY(adressen_lesen(ordner.pfad(u"fehlt.adr"_s)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstAdresse)
#include "tst_adresse.moc"
