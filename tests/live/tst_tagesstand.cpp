#include "live/tagesstand.h"
#include "plan_testhilfe.h"
#include "stopwatch/stoppuhr.h"
#include "stopwatch/zeitanzeige.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstTagesstand : public QObject
{
    Q_OBJECT

    // A singles day of three entries per team; one player's name is markup.
    struct Tag : PlanAufbau
    {
        Tag()
            : PlanAufbau(einzel_profil(),
                         {u"Jürgen Weiß"_s, u"<img src=x onerror=alert(1)>"_s, u"Änne Groß"_s},
                         {u"Ülkü Maßmann"_s, u"Björn \"Bö\" Schäfer"_s, u"Grete Süß"_s})
        {
            zustand.optionen.setze(opt::name_mannschaft1, u"Grün-Weiß"_s);
            zustand.optionen.setze(opt::name_mannschaft2, u"Rot"_s);
        }
        QByteArray dokument(const Zeitanzeige &uhr, qint64 fassung = 7) const
        {
            return stand_dokument(stand_objekt(tagesstand(&plan, uhr, true, QDate(2026, 12, 1))),
                                  fassung);
        }
    };

private slots:
    void stand_eines_spieltags()
    {
        Tag tag;
        // The column's team-1 entry scores the second number.
        tag.eintragen(2, 3, u"4:6"_s);
        tag.eintragen(1, 1, u"9:1"_s);
        const QByteArray erwartet =
            "{\"datum\":\"Dienstag, 8. Dezember 2026\",\"fassung\":7,"
            "\"mannschaften\":["
            "{\"name\":\"Grün-Weiß\",\"sieger\":false,\"zeile\":\"Grün-"
            "Weiß: 1 Spiel gewonnen, 7 Punkte, 7 Spiele offen\"},"
            "{\"name\":\"Rot\",\"sieger\":false,\"zeile\":\"Rot: 1 Spiel "
            "gewonnen, 13 Punkte, 7 Spiele offen\"}],"
            "\"plan\":true,\"rangliste\":["
            "{\"ges\":\"9\",\"mannschaft\":\"Rot\",\"name\":\"Ülkü "
            "Maßmann\",\"platz\":\"1\",\"spiele\":1},"
            "{\"ges\":\"6\",\"mannschaft\":\"Grün-Weiß\",\"name\":\"<img "
            "src=x onerror=alert(1)>\",\"platz\":\"2\",\"spiele\":1},"
            "{\"ges\":\"4\",\"mannschaft\":\"Rot\",\"name\":\"Grete "
            "Süß\",\"platz\":\"3\",\"spiele\":1},"
            "{\"ges\":\"1\",\"mannschaft\":\"Grün-Weiß\",\"name\":\"Jürgen "
            "Weiß\",\"platz\":\"4\",\"spiele\":1},"
            "{\"ges\":\"\",\"mannschaft\":\"Grün-Weiß\",\"name\":\"Änne "
            "Groß\",\"platz\":\"\",\"spiele\":0},"
            "{\"ges\":\"\",\"mannschaft\":\"Rot\",\"name\":\"Björn "
            "\\\"Bö\\\" Schäfer\",\"platz\":\"\",\"spiele\":0}],"
            "\"uhr\":{\"farbe\":\"#ffff00\",\"laeuft\":true,\"text\":\"0 :42\"}}";
        QCOMPARE(tag.dokument({u"0 :42"_s, uhr_gelb}), erwartet);
    }

    // A snapshot built while a result is typed (each second of a running game builds one) shows
    // the day as of the last closed editing.
    void halb_getipptes_bleibt_im_plan()
    {
        Tag tag;
        tag.eintragen(1, 1, u"9:1"_s);
        const Zeitanzeige uhr{u"0 :42"_s, uhr_gelb};
        const QByteArray vorher = tag.dokument(uhr);

        tag.tippen(2, 3, u"4:6"_s);
        QCOMPARE(tag.ges(Mannschaft::eins, 2), u"6"_s);
        QCOMPARE(tag.dokument(uhr), vorher);

        tag.matrix.editieren_endet();
        QVERIFY(tag.dokument(uhr) != vorher);
        QVERIFY(tag.dokument(uhr).contains("\"ges\":\"6\""));
    }

    void ohne_plan_und_ohne_laufendes_spiel()
    {
        const QJsonObject stand = stand_objekt(
            tagesstand(nullptr, Zeitanzeige{u"00 : 00"_s, clBtnFace}, false, QDate(2027, 1, 1)));
        QCOMPARE(
            QJsonDocument(stand).toJson(QJsonDocument::Compact),
            QByteArray("{\"datum\":\"Freitag, 1. Januar 2027\",\"mannschaften\":[],\"plan\":false,"
                       "\"rangliste\":[],\"uhr\":{\"farbe\":null,\"laeuft\":false,\"text\":\"00 : "
                       "00\"}}"));
    }

    void sieger_und_runden()
    {
        Tag tag;
        for (int c = 1; c <= 3; ++c) {
            for (int r = 1; r <= 2; ++r)
                tag.eintragen(c, r, u"1:3"_s);
        }
        Tagesstand stand = tagesstand(&tag.plan, Zeitanzeige{u"05 : 07"_s, uhr_gruen}, true, {});
        QVERIFY(stand.mannschaften[0].sieger);
        QVERIFY(stand.mannschaften[0].zeile.startsWith(u"Grün-Weiß hat den Spieltag gewonnen"_s));
        QVERIFY(!stand.mannschaften[1].sieger);
        QCOMPARE(stand_objekt(stand).value(u"uhr"_s)[u"farbe"_s].toString(), u"#00ff00"_s);
        QVERIFY(!stand_objekt(stand).contains(u"runden"_s));

        stand.runden =
            LiveRunden{.aktuell = LiveRunde{2,
                                            {{1, u"Jürgen Weiß"_s, u"Grete Süß"_s, u"5:3"_s},
                                             {2, u"Änne Groß"_s, u"Rot"_s, {}}}},
                       .naechste = std::nullopt};
        const QJsonObject runden = stand_objekt(stand).value(u"runden"_s).toObject();
        QCOMPARE(
            QJsonDocument(runden).toJson(QJsonDocument::Compact),
            QByteArray(
                "{\"aktuell\":{\"nummer\":2,\"tische\":["
                "{\"ergebnis\":\"5:3\",\"links\":\"Jürgen Weiß\",\"rechts\":\"Grete "
                "Süß\",\"tisch\":1},"
                "{\"ergebnis\":\"\",\"links\":\"Änne Groß\",\"rechts\":\"Rot\",\"tisch\":2}]}}"));
    }

    // The round plan's current round and the next one with an open game: each table's names
    // in the order the result is typed, the row entry left with the left score.
    void runden_aus_dem_plan()
    {
        Tag tag;
        tag.plan.tische_geaendert(2);
        tag.eintragen(2, 2, u"5:3"_s);
        tag.plan.setze_datum(QDate(2026, 11, 11));
        const QJsonObject stand = stand_objekt(
            tagesstand(&tag.plan, Zeitanzeige{u"00 : 00"_s, clBtnFace}, false, QDate(2026, 12, 1)));
        QCOMPARE(stand.value(u"datum"_s).toString(), u"Mittwoch, 11. November 2026"_s);
        const auto tisch = [](int nummer, const QString &links, const QString &rechts,
                              const QString &ergebnis) {
            return QJsonObject{{u"tisch"_s, nummer},
                               {u"links"_s, links},
                               {u"rechts"_s, rechts},
                               {u"ergebnis"_s, ergebnis}};
        };
        const QJsonObject erwartet{
            {u"aktuell"_s,
             QJsonObject{
                 {u"nummer"_s, 1},
                 {u"tische"_s, QJsonArray{tisch(1, u"Björn \"Bö\" Schäfer"_s,
                                                u"<img src=x onerror=alert(1)>"_s, u"5:3"_s),
                                          tisch(2, u"Ülkü Maßmann"_s, u"Jürgen Weiß"_s, {})}}}},
            {u"naechste"_s,
             QJsonObject{{u"nummer"_s, 2},
                         {u"tische"_s,
                          QJsonArray{tisch(1, u"Grete Süß"_s, u"Änne Groß"_s, {}),
                                     tisch(2, u"Björn \"Bö\" Schäfer"_s, u"Jürgen Weiß"_s, {})}}}}};
        QCOMPARE(stand.value(u"runden"_s).toObject(), erwartet);
    }
};

QTEST_MAIN(TstTagesstand)
#include "tst_tagesstand.moc"
