#include "season/saison.h"

#include <QCollator>
#include <QDir>
#include <QHash>
#include <algorithm>

namespace {

using Schluessel = std::pair<qint32, QString>; // team number, name

// A player counts once per day, with the games of all entries the name stood in and the best
// of their ranks.
struct Tagesergebnis
{
    int siege = 0;
    std::optional<int> platz;
};

void tag_zaehlen(const Saisontag &tag, QHash<Schluessel, Spielerbilanz> &spieler)
{
    QHash<Schluessel, Tagesergebnis> heute;
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        for (const Saisoneintrag &eintrag : tag.von(mannschaft)) {
            for (const QString &name : eintrag.namen) {
                Tagesergebnis &ergebnis = heute[{nummer(mannschaft), name}];
                ergebnis.siege += eintrag.siege;
                if (eintrag.platz && (!ergebnis.platz || *eintrag.platz < *ergebnis.platz))
                    ergebnis.platz = eintrag.platz;
            }
        }
    }
    for (auto it = heute.cbegin(); it != heute.cend(); ++it) {
        Spielerbilanz &bilanz = spieler[it.key()];
        bilanz.name = it.key().second;
        bilanz.mannschaft = Mannschaft(it.key().first);
        ++bilanz.spieltage;
        bilanz.siege += it->siege;
        if (it->platz) {
            bilanz.platz_summe += *it->platz;
            ++bilanz.platz_anzahl;
            bilanz.bester_platz = std::min(bilanz.bester_platz.value_or(*it->platz), *it->platz);
        }
    }
}

} // namespace

std::optional<double> Spielerbilanz::durchschnitt() const
{
    if (platz_anzahl == 0)
        return std::nullopt;
    return double(platz_summe) / platz_anzahl;
}

Saison saison_auswerten(QList<Saisontag> tage)
{
    std::stable_sort(tage.begin(), tage.end(),
                     [](const Saisontag &a, const Saisontag &b) { return a.datum < b.datum; });
    Saison saison;
    QHash<Schluessel, Spielerbilanz> spieler;
    for (const Saisontag &tag : tage) {
        if (tag.beschaedigt) {
            ++saison.beschaedigt;
            continue;
        }
        switch (tag.sieger()) {
        case Sieger::mannschaft1:
            ++saison.gewonnene_tage[0];
            break;
        case Sieger::mannschaft2:
            ++saison.gewonnene_tage[1];
            break;
        case Sieger::unentschieden:
            ++saison.unentschieden;
            break;
        }
        tag_zaehlen(tag, spieler);
    }
    saison.tage = std::move(tage);

    saison.spieler = spieler.values();
    QCollator deutsch{QLocale(QLocale::German, QLocale::Germany)};
    deutsch.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(saison.spieler.begin(), saison.spieler.end(),
              [&deutsch](const Spielerbilanz &a, const Spielerbilanz &b) {
                  if (a.mannschaft != b.mannschaft)
                      return a.mannschaft < b.mannschaft;
                  const int vergleich = deutsch.compare(a.name, b.name);
                  return vergleich != 0 ? vergleich < 0 : a.name < b.name;
              });
    return saison;
}

QStringList saisontag_dateien(const QString &ordner)
{
    return QDir(ordner).entryList(saisontag_muster, QDir::Files, QDir::Name);
}

Saison saison_lesen(const QString &ordner)
{
    QList<Saisontag> tage;
    for (const QString &datei : saisontag_dateien(ordner))
        tage.append(saisontag_lesen(ordner, datei));
    return saison_auswerten(std::move(tage));
}
