#include "results/ergebnis_export.h"

#include "grid/filtergrid.h"
#include "grid/zahltext.h"
#include "season/saison_export.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"
#include "storage/textdatei.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int export_felder = 20;

const QString dateiart_raute = u"CSV-Dateien (*.csv)"_s;
const QString dateiart_tabellenkalkulation = u"Tabellenkalkulation (*.csv)"_s;

// The fields of one grid row: columns 1..20 trimmed; columns the grid does not have give
// empty fields.
QStringList export_felder_der_zeile(const GitterModell &gitter, int zeile)
{
    QStringList felder;
    for (int spalte = 1; spalte <= export_felder; ++spalte) {
        // The model may keep cells beyond its columns; they are not part of the list.
        felder << (spalte < gitter.ColCount() ? trimme_steuerzeichen(gitter.Cells(spalte, zeile))
                                              : QString());
    }
    return felder;
}

} // namespace

QStringList export_zeilen(const GitterModell &gitter)
{
    QStringList zeilen;
    for (int zeile = 0; zeile < gitter.RowCount(); ++zeile)
        zeilen << export_felder_der_zeile(gitter, zeile).join(u'#') + u'#';
    return zeilen;
}

QByteArray export_tabellenkalkulation(const GitterModell &gitter)
{
    // Only the grid's own columns: a spreadsheet shows no trailing empty ones.
    const int spalten = qBound(0, gitter.ColCount() - 1, export_felder);
    Ausgabetabelle tabelle;
    for (int zeile = 0; zeile < gitter.RowCount(); ++zeile) {
        const QStringList felder = export_felder_der_zeile(gitter, zeile).first(spalten);
        if (zeile == 0)
            tabelle.spalten = felder;
        else
            tabelle.zeilen << felder;
    }
    return csv_bytes({tabelle});
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
    QString dateiart;
    const QString datei = export_dateiname(plattform.datei_speichern_dialog_mit_art(
        u"Speichern unter"_s, zustand.daten_pfad,
        dateiart_raute + u";;"_s + dateiart_tabellenkalkulation, dateiart));
    if (datei.isEmpty())
        return;
    const bool geschrieben =
        dateiart == dateiart_tabellenkalkulation
            ? speicher::datei_ersetzen(datei, export_tabellenkalkulation(gitter))
            : speicher::textdatei_schreiben(datei, export_zeilen(gitter),
                                            speicher::Zeilenende::CRLF);
    if (!geschrieben) {
        plattform.schreibfehler(
            u"Die Datei %1 konnte nicht geschrieben werden.\n"
            u"Die Daten wurden nicht exportiert."_s.arg(QDir::toNativeSeparators(datei)));
        return;
    }
    plattform.information(u" Die Daten wurden exportiert.  "_s);
}
