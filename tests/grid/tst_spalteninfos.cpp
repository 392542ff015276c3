#include "grid/spalteninfos.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<TColInfo> mit_titel(const QString &titel)
{
    auto info = std::make_unique<TColInfo>();
    info->Titel = titel;
    return info;
}

// The titles of the table, "-" for a column without information.
QString titel(const Spalteninfos &infos)
{
    QStringList texte;
    for (int c = 0; c < infos.groesse(); ++c)
        texte << (infos.holen(c) ? infos.holen(c)->Titel : u"-"_s);
    return texte.join(u' ');
}

} // namespace

class TstSpalteninfos : public QObject
{
    Q_OBJECT

private slots:
    void tabelle_mit_luecken()
    {
        Spalteninfos infos;
        infos.setzen(-1, mit_titel(u"nie"_s));
        QCOMPARE(infos.groesse(), 0);
        infos.setzen(2, mit_titel(u"c"_s));
        QCOMPARE(titel(infos), u"- - c"_s);
        QVERIFY(!infos.holen(7));
        infos.einfuegen(1);
        QCOMPARE(titel(infos), u"- - - c"_s);
        infos.einfuegen(6); // beyond the end: the gap is filled up first
        QCOMPARE(titel(infos), u"- - - c - - -"_s);
        infos.tauschen(3, 8);
        QCOMPARE(titel(infos), u"- - - - - - - - c"_s);
        infos.entfernen(0);
        infos.entfernen(20);
        QCOMPARE(titel(infos), u"- - - - - - - c"_s);
        infos.leeren();
        QVERIFY(!infos.holen(0));
    }

    void parameterstring_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("zurueck");
        QTest::newRow("alle felder") << u"Name;37;;-16777201;80;I;2;36;;255"_s << QString()
                                     << u"Name;37;;-16777201;80;I;2;36;;255"_s;
        QTest::newRow("leere felder behalten die vorgabe")
            << u"Nr;;;;;F"_s << QString() << u"Nr;36;;-16777201;64;F;0;36;;-16777211"_s;
        QTest::newRow("kaputte zahl")
            << u"Nr;37;;;8x;I"_s << u"8x"_s << u"Nr;37;;-16777201;64; ;0;36;;-16777211"_s;
        QTest::newRow("kaputte farbe")
            << u"Nr;;;rot"_s << u"rot"_s << u"Nr;36;;-16777201;64; ;0;36;;-16777211"_s;
    }
    void parameterstring()
    {
        QFETCH(QString, text);
        QFETCH(QString, fehler);
        QFETCH(QString, zurueck);
        TColInfo info;
        const QString meldung = spalteninfo_lesen(info, text, u';', {});
        QCOMPARE(meldung.isEmpty(), fehler.isEmpty());
        QVERIFY(meldung.contains(fehler));
        QCOMPARE(spalteninfo_text(info, u';'), zurueck);
    }
};

QTEST_MAIN(TstSpalteninfos)
#include "tst_spalteninfos.moc"
