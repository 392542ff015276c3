#include "matchplan/dateiwahl.h"

#include "matchplan/planaufbau.h"
#include "matchplan/spieltag_namen.h"
#include "matchplan/spieltag_pruefung.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/ganzzahl.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

std::optional<int> anzahl_oder_meldung(Plattform &plattform, const QString &text)
{
    const std::optional<qint32> anzahl = ganzzahl_lesen(text);
    if (!anzahl)
        plattform.umwandlungsfehler(kein_integer_meldung(text));
    return anzahl;
}

// The day a stored file holds, read from its name whatever the case of its extension; invalid
// when the name holds no date.
QDate gespeichert_am(const QString &name)
{
    const bool satz = name.endsWith(u"grp"_s, Qt::CaseInsensitive);
    return QDate::fromString(name.mid(satz ? 7 : 11, 10), u"dd_MM_yyyy"_s);
}

} // namespace

QString dateiwahl_muster(bool doppel, qint32 zweck)
{
    return (doppel ? u"D"_s : u"E"_s) + (zweck == zweck_laden ? u"*.Tab"_s : u"*.grp"_s);
}

QStringList dateiwahl_dateien(const Zustand &zustand, const QString &muster)
{
    QStringList namen = QDir(zustand.daten_pfad)
                            .entryList({muster}, QDir::Files | QDir::Hidden,
                                       QDir::Name | QDir::IgnoreCase);
    // Newest day first; names of the same day, and names without a date, in name order.
    QList<QDate> tage;
    for (const QString &name : namen)
        tage << gespeichert_am(name);
    QList<qsizetype> folge(namen.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&tage](qsizetype a, qsizetype b) {
        return tage[a].isValid() && (!tage[b].isValid() || tage[a] > tage[b]);
    });
    QStringList geordnet;
    for (qsizetype i : folge)
        geordnet << namen[i];
    return geordnet;
}

bool auswahl_auswerten(Zustand &zustand, Plattform &plattform, const QString &name)
{
    if (name.endsWith(u"grp"_s)) {
        const std::optional<int> anzahl = anzahl_oder_meldung(plattform, anzahl_text_satz(name));
        if (!anzahl)
            return false;
        zustand.plan_anzahl = plan::anzahl_begrenzt(*anzahl);
    }
    zustand.listen_datum = datum_aus_dateiname(name);
    return true;
}

bool ergebnisliste_vorbereiten(Zustand &zustand, Plattform &plattform, const QString &name)
{
    const std::optional<int> anzahl = anzahl_oder_meldung(plattform, anzahl_text_satz(name));
    if (!anzahl)
        return false;
    if (!satzdatei_ganz(zustand.pfad(name))) {
        plattform.fehler(spieltag_beschaedigt_meldung(name));
        return false;
    }
    zustand.optionen_lesen();
    zustand.setze(opt::spieler_pro_mannschaft, plan::anzahl_begrenzt(*anzahl));
    zustand.grp_datei = name;
    if (zustand.wert(opt::doppel_modus) != 1)
        zustand.plan_anzahl = zustand.wert(opt::spieler_pro_mannschaft);
    return true;
}

QString loeschen_frage(const QString &name)
{
    return u"              Möchten Sie die Datei               \n    >"_s + name + u"< \n"_s +
           u"               wirklich löschen ??               \n"_s;
}

void dateiwahl_loeschen(const Zustand &zustand, const QString &name)
{
    QFile::remove(zustand.pfad(name));
    QFile::remove(zustand.pfad(matrix_dateiname(name)));
}

std::array<int, 3> dreier_knopfreihe(int fensterbreite, int knopfbreite)
{
    const double mitte = fensterbreite / 2.0;
    const double w = knopfbreite;
    return {int(std::lround(mitte - 1.5 * w - 15)), int(std::lround(mitte - w / 2 - 10)),
            int(std::lround(mitte + w / 2 - 5))};
}
