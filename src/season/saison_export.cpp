#include "season/saison_export.h"

#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString feld(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

void zeile(QString &csv, const QStringList &felder)
{
    QStringList teile;
    for (const QString &text : felder)
        teile << feld(text);
    csv += teile.join(u';') + u"\r\n"_s;
}

} // namespace

QByteArray csv_bytes(const QList<Ausgabetabelle> &tabellen)
{
    QString csv;
    for (qsizetype i = 0; i < tabellen.size(); ++i) {
        if (i > 0)
            csv += u"\r\n"_s;
        if (!tabellen[i].titel.isEmpty())
            zeile(csv, {tabellen[i].titel});
        zeile(csv, tabellen[i].spalten);
        for (const QStringList &z : tabellen[i].zeilen)
            zeile(csv, z);
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

QString csv_dateiname(const QString &gewaehlt)
{
    if (gewaehlt.trimmed().isEmpty())
        return {};
    return QFileInfo(gewaehlt).suffix().isEmpty() ? gewaehlt + u".csv"_s : gewaehlt;
}

void saison_exportieren(const Zustand &zustand, Plattform &plattform,
                        const QList<Ausgabetabelle> &tabellen)
{
    const QString datei = csv_dateiname(plattform.datei_speichern_dialog(
        u"CSV-Export"_s, zustand.pfad(u"Saison.csv"_s), u"CSV-Dateien (*.csv)"_s));
    if (datei.isEmpty())
        return;
    if (!speicher::datei_ersetzen(datei, csv_bytes(tabellen))) {
        plattform.schreibfehler(
            u"Die Datei %1 konnte nicht geschrieben werden.\n"
            u"Die Saisonübersicht wurde nicht exportiert."_s.arg(QDir::toNativeSeparators(datei)));
        return;
    }
    plattform.information(u"Die Saisonübersicht wurde exportiert."_s);
}
