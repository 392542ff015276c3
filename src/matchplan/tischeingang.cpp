#include "matchplan/tischeingang.h"

#include "grid/filtergrid.h"
#include "matchplan/plan_profil.h"
#include "matchplan/spielplan.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

using namespace Qt::StringLiterals;

Tischeingang::Tischeingang(Zustand &zustand, Plattform &plattform, Spielplan &plan,
                           const GitterModell &matrix, QObject *eltern)
    : QObject(eltern)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_plan(plan)
    , m_matrix(matrix)
{
}

QList<Tischspiel> Tischeingang::spiele() const
{
    QList<Tischspiel> spiele;
    const QDate heute = m_plattform.jetzt().date();
    const int anzahl = m_plan.anzahl();
    for (int zeile = 1; zeile <= anzahl; ++zeile) {
        for (int spalte = 1; spalte <= anzahl; ++spalte)
            spiele << Tischspiel{m_plan.profil().doppel,
                                 spalte,
                                 zeile,
                                 m_matrix.Cells(spalte, 0).trimmed(),
                                 m_matrix.Cells(0, zeile).trimmed(),
                                 heute};
    }
    return spiele;
}

std::optional<Tischspiel> Tischeingang::spiel(QByteArrayView schluessel) const
{
    const QByteArray geheimnis =
        tagesgeheimnis_lesen(m_zustand.daten_pfad, m_plattform.jetzt().date());
    return spiel_zum_schluessel(schluessel, geheimnis, spiele());
}

bool Tischeingang::im_plan(const Tischspiel &spiel) const
{
    return spiele().contains(spiel);
}

QString Tischeingang::steht(const Tischspiel &spiel) const
{
    return stand_aus_zelle(m_matrix.Cells(spiel.spalte, spiel.zeile));
}

Tischlage Tischeingang::lage_von(const Tischspiel &spiel) const
{
    Tischlage lage;
    const Rundenplan &rundenplan = m_plan.rundenplan();
    for (qsizetype runde = 0; runde < rundenplan.runden.size(); ++runde) {
        for (const Rundenspiel &rundenspiel : rundenplan.runden[runde]) {
            if (rundenspiel.spalte == spiel.spalte && rundenspiel.zeile == spiel.zeile) {
                lage.runde = int(runde) + 1;
                lage.tisch = rundenspiel.tisch;
            }
        }
    }
    lage.name1 = spiel.name1;
    lage.name2 = spiel.name2;
    lage.mannschaft1 = m_plan.mannschaftsname(Mannschaft::eins);
    lage.mannschaft2 = m_plan.mannschaftsname(Mannschaft::zwei);
    lage.steht = steht(spiel);
    const Meldungsende ende = m_meldungen.ende(spiel);
    lage.ende = Tischlage::Ende(ende.art);
    lage.tore1 = ende.tore1;
    lage.tore2 = ende.tore2;
    return lage;
}

std::optional<Tischlage> Tischeingang::lage(QByteArrayView schluessel)
{
    const std::optional<Tischspiel> gefunden = spiel(schluessel);
    if (!gefunden)
        return std::nullopt;
    return lage_von(*gefunden);
}

bool Tischeingang::melden(QByteArrayView schluessel, int tore1, int tore2, const QString &adresse)
{
    const std::optional<Tischspiel> gefunden = spiel(schluessel);
    if (!gefunden || tore1 < 0 || tore1 > 99 || tore2 < 0 || tore2 > 99)
        return false;
    const Tischlage lage = lage_von(*gefunden);
    Tischmeldung meldung{*gefunden, lage.runde, lage.tisch,          tore1,
                         tore2,     lage.steht, m_plattform.jetzt(), adresse};
    aufschreiben(meldung, u"gemeldet"_s);
    if (const std::optional<Tischmeldung> ersetzt = m_meldungen.melden(meldung))
        aufschreiben(*ersetzt, u"ersetzt"_s);
    emit geaendert();
    emit eingegangen();
    return true;
}

QStringList Tischeingang::texte() const
{
    QStringList texte;
    const QDateTime jetzt = m_plattform.jetzt();
    for (Tischmeldung meldung : m_meldungen.offen()) {
        // The organiser may have typed a result meanwhile.
        meldung.steht = steht(meldung.spiel);
        texte << meldungstext(meldung, jetzt);
    }
    return texte;
}

std::optional<QString> Tischeingang::uebernehmen(int index)
{
    if (index < 0 || index >= m_meldungen.offen().size())
        return std::nullopt;
    const Tischmeldung meldung = m_meldungen.offen()[index];
    if (!im_plan(meldung.spiel)) {
        m_meldungen.beenden(index, Meldungsende::verworfen);
        aufschreiben(meldung, u"verworfen"_s);
        emit geaendert();
        return u"Das Spiel %1 – %2 steht nicht mehr im Plan. Die Meldung ist verworfen."_s.arg(
            meldung.spiel.name1, meldung.spiel.name2);
    }
    m_meldungen.beenden(index, Meldungsende::uebernommen);
    m_plan.ergebnis_eintragen(meldung.spiel.spalte, meldung.spiel.zeile,
                              meldung_zellentext(meldung));
    aufschreiben(meldung, u"übernommen"_s);
    emit geaendert();
    return std::nullopt;
}

void Tischeingang::verwerfen(int index)
{
    const std::optional<Tischmeldung> meldung = m_meldungen.beenden(index, Meldungsende::verworfen);
    if (!meldung)
        return;
    aufschreiben(*meldung, u"verworfen"_s);
    emit geaendert();
}

void Tischeingang::wiederaufnehmen(const QList<Tischmeldung> &meldungen)
{
    for (const Tischmeldung &meldung : meldungen)
        m_meldungen.melden(meldung);
    emit geaendert();
}

void Tischeingang::aufschreiben(const Tischmeldung &meldung, const QString &ausgang)
{
    const QString pfad = m_zustand.pfad(tischmeldungen_datei);
    const bool geschrieben =
        meldungszeile_anhaengen(pfad, meldungszeile(meldung, m_plattform.jetzt(), ausgang));
    // Reported once, until a line can be written again; a proposal from the hall must not
    // raise a box for every phone.
    if (!geschrieben && !m_fehler_gemeldet)
        m_plattform.schreibfehler(
            u"Die Datei \"%1\" konnte nicht geschrieben werden. Die Meldungen von den Tischen "
            u"werden nicht aufgezeichnet."_s.arg(pfad));
    m_fehler_gemeldet = !geschrieben;
}

std::function<QString(int, int)> Tischeingang::zetteladressen(const QString &seite)
{
    if (seite.isEmpty())
        return {};
    const Tagesgeheimnis geheimnis =
        tagesgeheimnis(m_zustand.daten_pfad, m_plattform.jetzt().date());
    if (geheimnis.fehler)
        m_plattform.schreibfehler(*geheimnis.fehler);
    const QList<Tischspiel> spiele = this->spiele();
    return [seite, spiele, schluessel = geheimnis.geheimnis](int spalte, int zeile) {
        for (const Tischspiel &spiel : spiele) {
            if (spiel.spalte == spalte && spiel.zeile == zeile)
                return tischadresse(seite, tischschluessel(schluessel, spiel));
        }
        return QString();
    };
}

void Tischeingang::neue_zettel()
{
    const Tagesgeheimnis geheimnis =
        tagesgeheimnis(m_zustand.daten_pfad, m_plattform.jetzt().date(), true);
    if (geheimnis.fehler)
        m_plattform.schreibfehler(*geheimnis.fehler);
}
