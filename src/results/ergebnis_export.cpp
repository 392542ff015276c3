#include "results/ergebnis_export.h"

#include "grid/filtergrid.h"
#include "grid/zahltext.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/textdatei.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int export_felder = 20;

} // namespace

QStringList export_zeilen(const GitterModell &gitter)
{
    QStringList zeilen;
    for (int zeile = 0; zeile < gitter.RowCount(); ++zeile) {
        QString text;
        for (int spalte = 1; spalte <= export_felder; ++spalte) {
            // The model may keep cells beyond its columns; they are not part of the list.
            if (spalte < gitter.ColCount())
                text += trimme_steuerzeichen(gitter.Cells(spalte, zeile));
            text += u'#';
        }
        zeilen << text;
    }
    return zeilen;
}

QString export_dateiname(const QString &gewaehlt)
{
    if (gewaehlt.compare(u" "_s) <= 0)
        return {};
    return gewaehlt.contains(u".csv"_s) ? gewaehlt : gewaehlt + u".csv"_s;
}

void ergebnisse_exportieren(const Zustand &zustand, Plattform &plattform,
                            const GitterModell &gitter)
{
    if (!QFile::exists(zustand.pfad(zustand.grp_datei)))
        return;
    const QString datei = export_dateiname(plattform.datei_speichern_dialog(
        u"Speichern unter"_s, zustand.daten_pfad, u"CSV-Dateien (*.csv)"_s));
    if (datei.isEmpty())
        return;
    if (!speicher::textdatei_schreiben(datei, export_zeilen(gitter), speicher::Zeilenende::CRLF)) {
        plattform.fehler(
            u"Die Datei %1 konnte nicht geschrieben werden.\n"
            u"Die Daten wurden nicht exportiert."_s.arg(QDir::toNativeSeparators(datei)));
        return;
    }
    plattform.information(u" Die Daten wurden exportiert.  "_s);
}
