#include "shell/zusatz.h"

#include <QList>
#include <QSettings>
#include <QVariant>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString datei(const QString &daten_pfad)
{
    return daten_pfad + QString::fromUtf16(zusatz_dateiname);
}

int lesen(const QString &daten_pfad, const QString &schluessel, int vorgabe, int von, int bis)
{
    const QSettings einstellungen(datei(daten_pfad), QSettings::IniFormat);
    bool ok = false;
    const int wert = einstellungen.value(schluessel).toInt(&ok);
    return ok && wert >= von && wert <= bis ? wert : vorgabe;
}

std::optional<QString> schreiben(const QString &daten_pfad,
                                 const QList<std::pair<QString, QVariant>> &werte)
{
    QSettings einstellungen(datei(daten_pfad), QSettings::IniFormat);
    for (const auto &[schluessel, wert] : werte)
        einstellungen.setValue(schluessel, wert);
    einstellungen.sync();
    if (einstellungen.status() == QSettings::NoError)
        return std::nullopt;
    return u"Die Datei \"%1\" konnte nicht geschrieben werden."_s.arg(datei(daten_pfad));
}

} // namespace

int zusatz_tische(const QString &daten_pfad)
{
    return lesen(daten_pfad, u"Rundenplan/Tische"_s, 0, 0, tische_hoechstens);
}

std::optional<QString> zusatz_tische_setzen(const QString &daten_pfad, int tische)
{
    return schreiben(daten_pfad, {{u"Rundenplan/Tische"_s, tische}});
}

int zusatz_live_port(const QString &daten_pfad)
{
    return lesen(daten_pfad, u"Live/Port"_s, live_port_vorgabe, 1024, 65535);
}

std::optional<QString> zusatz_live_port_setzen(const QString &daten_pfad, int port)
{
    return schreiben(daten_pfad, {{u"Live/Port"_s, port}});
}

bool zusatz_tischmeldungen(const QString &daten_pfad)
{
    return lesen(daten_pfad, u"Live/Tischmeldungen"_s, 0, 0, 1) == 1;
}

std::optional<QString> zusatz_tischmeldungen_setzen(const QString &daten_pfad, bool an)
{
    return schreiben(daten_pfad, {{u"Live/Tischmeldungen"_s, an ? 1 : 0}});
}

QByteArray zusatz_tagesgeheimnis(const QString &daten_pfad, const QDate &tag)
{
    const QSettings einstellungen(datei(daten_pfad), QSettings::IniFormat);
    if (einstellungen.value(u"Tischmeldungen/Tag"_s).toString() != tag.toString(Qt::ISODate))
        return {};
    return QByteArray::fromHex(einstellungen.value(u"Tischmeldungen/Geheimnis"_s).toByteArray());
}

std::optional<QString> zusatz_tagesgeheimnis_setzen(const QString &daten_pfad, const QDate &tag,
                                                    const QByteArray &geheimnis)
{
    return schreiben(daten_pfad,
                     {{u"Tischmeldungen/Tag"_s, tag.toString(Qt::ISODate)},
                      {u"Tischmeldungen/Geheimnis"_s, QString::fromLatin1(geheimnis.toHex())}});
}
