#include "matchplan/offene_meldungen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

using namespace Qt::StringLiterals;

const QString offene_meldungen_datei = u"Tischmeldungen.json"_s;

QByteArray offene_meldungen_schreiben(const QList<Tischmeldung> &meldungen)
{
    QJsonArray liste;
    for (const Tischmeldung &m : meldungen)
        liste.append(QJsonObject{{u"doppel"_s, m.spiel.doppel},
                                 {u"spalte"_s, m.spiel.spalte},
                                 {u"zeile"_s, m.spiel.zeile},
                                 {u"name1"_s, m.spiel.name1},
                                 {u"name2"_s, m.spiel.name2},
                                 {u"datum"_s, m.spiel.datum.toString(Qt::ISODate)},
                                 {u"runde"_s, m.runde},
                                 {u"tisch"_s, m.tisch},
                                 {u"tore1"_s, m.tore1},
                                 {u"tore2"_s, m.tore2},
                                 {u"steht"_s, m.steht},
                                 {u"zeitpunkt"_s, m.zeitpunkt.toString(Qt::ISODate)},
                                 {u"adresse"_s, m.adresse}});
    return QJsonDocument(liste).toJson(QJsonDocument::Compact);
}

namespace {

std::optional<int> zahl(const QJsonObject &objekt, const QString &name, int von, int bis)
{
    const QJsonValue wert = objekt.value(name);
    if (!wert.isDouble())
        return std::nullopt;
    const double d = wert.toDouble();
    if (!(d >= von && d <= bis) || d != double(int(d)))
        return std::nullopt;
    return int(d);
}

std::optional<Tischmeldung> meldung_lesen(const QJsonObject &o)
{
    const auto spalte = zahl(o, u"spalte"_s, 1, 10);
    const auto zeile = zahl(o, u"zeile"_s, 1, 10);
    const auto runde = zahl(o, u"runde"_s, 0, 100);
    const auto tisch = zahl(o, u"tisch"_s, 0, 10);
    const auto tore1 = zahl(o, u"tore1"_s, 0, 99);
    const auto tore2 = zahl(o, u"tore2"_s, 0, 99);
    const QDate datum = QDate::fromString(o.value(u"datum"_s).toString(), Qt::ISODate);
    const QDateTime zeitpunkt =
        QDateTime::fromString(o.value(u"zeitpunkt"_s).toString(), Qt::ISODate);
    if (!spalte || !zeile || !runde || !tisch || !tore1 || !tore2 || !datum.isValid() ||
        !zeitpunkt.isValid() || !o.value(u"doppel"_s).isBool())
        return std::nullopt;
    Tischmeldung m;
    m.spiel = {o.value(u"doppel"_s).toBool(),  *spalte, *zeile, o.value(u"name1"_s).toString(),
               o.value(u"name2"_s).toString(), datum};
    m.runde = *runde;
    m.tisch = *tisch;
    m.tore1 = *tore1;
    m.tore2 = *tore2;
    m.steht = o.value(u"steht"_s).toString();
    m.zeitpunkt = zeitpunkt;
    m.adresse = o.value(u"adresse"_s).toString();
    return m;
}

} // namespace

QList<Tischmeldung> offene_meldungen_lesen(const QByteArray &bytes)
{
    QList<Tischmeldung> meldungen;
    const QJsonDocument dokument = QJsonDocument::fromJson(bytes);
    for (const QJsonValue &wert : dokument.array()) {
        if (meldungen.size() >= offene_meldungen_hoechstens)
            break;
        if (const std::optional<Tischmeldung> m = meldung_lesen(wert.toObject()))
            meldungen << *m;
    }
    return meldungen;
}
