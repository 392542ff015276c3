#include "printing/pdf_speichern.h"

#include "printing/seitenausgabe.h"
#include "shell/plattform.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString pdf_dateiname(const QString &gewaehlt)
{
    if (gewaehlt.trimmed().isEmpty())
        return {};
    return QFileInfo(gewaehlt).suffix().isEmpty() ? gewaehlt + u".pdf"_s : gewaehlt;
}

void pdf_speichern(Plattform &plattform, const QString &vorschlag, const QList<DruckSeite> &seiten,
                   const QString &titel)
{
    const QString pfad = pdf_dateiname(plattform.datei_speichern_dialog(
        u"Als PDF speichern"_s, vorschlag, u"PDF-Dateien (*.pdf)"_s));
    if (pfad.isEmpty())
        return;
    if (!seiten_als_pdf(seiten, pfad, QPageSize(QPageSize::A4), titel))
        plattform.schreibfehler(u"Die PDF-Datei konnte nicht geschrieben werden:\n"_s +
                                QDir::toNativeSeparators(pfad));
}
