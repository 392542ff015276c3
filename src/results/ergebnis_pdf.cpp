#include "results/ergebnis_pdf.h"

#include "grid/ausgabetabelle.h"
#include "printing/pdf_speichern.h"
#include "printing/tabellensatz.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

using namespace Qt::StringLiterals;

QList<DruckSeite> ergebnis_seiten(const GitterModell &gitter, const QString &ueberschrift,
                                  const QDate &heute, const Druckschrift &schrift)
{
    return tabellen_setzen(ueberschrift, heute, {ausgabetabelle(gitter)}, schrift);
}

void ergebnisse_als_pdf(const Zustand &zustand, Plattform &plattform, const GitterModell &gitter,
                        const QString &ueberschrift)
{
    const QString tag = QString(zustand.listen_datum).replace(u'.', u'_');
    pdf_speichern(plattform, zustand.pfad(u"Ergebnisliste_%1.pdf"_s.arg(tag)),
                  ergebnis_seiten(gitter, ueberschrift, plattform.jetzt().date(),
                                  druckschrift_aus_optionen(zustand.optionen)),
                  ueberschrift);
}
