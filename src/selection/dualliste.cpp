#include "selection/dualliste.h"

#include "rosters/adresse.h"
#include "selection/auswahl_ablage.h"
#include "selection/spielereintrag.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

using namespace Qt::StringLiterals;

namespace {

const QString meldung_einzel = u"Es können 10 Spieler ausgewählt werden. "_s;
const QString meldung_doppel = u"Es können nur 20 Spieler ausgewählt werden. "_s;

void fuellen(SortierteListe &liste, const QStringList &texte)
{
    liste.leeren();
    for (const QString &text : texte)
        liste.einfuegen(text);
}

} // namespace

DualListe::DualListe(Zustand &zustand, Plattform &plattform, Namensfelder &einzel_felder,
                     Namensfelder &doppel_felder, QObject *parent)
    : QObject(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_einzel_felder(einzel_felder)
    , m_doppel_felder(doppel_felder)
    , m_titel(u"Gruppen zusammenstellen"_s)
{
}

bool DualListe::angehakt(Mannschaft mannschaft) const
{
    return m_angehakt[nummer(mannschaft) - 1];
}

bool DualListe::doppel() const
{
    return m_zustand.wert(opt::doppel_modus) == 1;
}

void DualListe::oeffnen()
{
    m_quelle.leeren();
    m_ziel.leeren();
    m_knoepfe = Knoepfe{};
    m_angehakt[0] = true;
    m_angehakt[1] = false;
    spielart_waehlen(false);
}

void DualListe::markieren(Seite seite, const QList<int> &indizes)
{
    (seite == Seite::quelle ? m_quelle : m_ziel).markieren(indizes);
}

void DualListe::daten_ansehen()
{
    fuellen(m_quelle,
            spieler_eintraege(m_zustand.pfad(adressen_dateiname(m_mannschaft)), doppel()));
}

void DualListe::mannschaft_angeklickt(Mannschaft mannschaft)
{
    bool &haken = m_angehakt[nummer(mannschaft) - 1];
    haken = !haken;
    if (haken)
        m_angehakt[nummer(andere(mannschaft)) - 1] = false;
    mannschaft_waehlen(mannschaft);
    emit geaendert();
}

void DualListe::mannschaft_waehlen(Mannschaft mannschaft)
{
    // Also when the click removed the tick: the clicked box's team is the one worked on.
    m_mannschaft = mannschaft;
    m_zustand.setze(opt::mannschaft_nr, nummer(mannschaft));
    m_quelle.leeren();
    m_ziel.leeren();
    m_knoepfe.hinzufuegen = m_knoepfe.alle_hinzufuegen = true;
    m_knoepfe.entfernen = m_knoepfe.alle_entfernen = true;
    // Nothing chosen yet: storing now would wipe the team's stored choice and line-up.
    speichern_freigeben();
    daten_ansehen();
    m_titel = u"Gruppen zusammenstellen Mannschaft %1"_s.arg(nummer(mannschaft));
}

void DualListe::spielart_waehlen(bool doppel)
{
    m_zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
    m_zustand.optionen_speichern();
    // Entries of the other game kind have another text, so the lists are built anew.
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        if (angehakt(mannschaft)) {
            mannschaft_waehlen(mannschaft);
            break;
        }
    }
    emit geaendert();
}

void DualListe::SetItem(SortierteListe &liste, int index)
{
    liste.markieren_nahe(index);
    SetButtons();
}

void DualListe::SetButtons()
{
    m_knoepfe.hinzufuegen = m_knoepfe.alle_hinzufuegen = !m_quelle.leer();
    m_knoepfe.entfernen = m_knoepfe.alle_entfernen = !m_ziel.leer();
}

void DualListe::grenze_melden()
{
    // Informs only: what was moved stays moved.
    if (m_ziel.anzahl() < grenze())
        return;
    m_titel = u"Sie können nur %1 Spieler auswählen"_s.arg(grenze());
    m_knoepfe.alle_hinzufuegen = false;
    speichern_freigeben();
    emit geaendert();
    m_plattform.information(doppel() ? meldung_doppel : meldung_einzel);
}

void DualListe::hinzufuegen()
{
    const int index = m_quelle.GetFirstSelection();
    // Tested once before the move: a multiple selection may carry the list beyond the limit.
    if (m_ziel.anzahl() < grenze())
        m_quelle.MoveSelected(m_ziel);
    SetItem(m_quelle, index);
    grenze_melden();
    speichern_freigeben();
    emit geaendert();
}

void DualListe::quelle_angeklickt()
{
    m_knoepfe.hinzufuegen = m_knoepfe.alle_hinzufuegen = true;
    if (!doppel() && m_ziel.anzahl() >= grenze_einzel) {
        emit geaendert();
        m_plattform.information(meldung_einzel);
        return;
    }
    hinzufuegen();
}

void DualListe::alle_hinzufuegen()
{
    m_quelle.alle_verschieben(m_ziel);
    SetItem(m_quelle, 0);
    m_knoepfe.laden = !m_ziel.leer();
    grenze_melden();
    speichern_freigeben();
    emit geaendert();
}

void DualListe::zurueckgeben()
{
    const int index = m_ziel.GetFirstSelection();
    m_ziel.MoveSelected(m_quelle);
    SetItem(m_ziel, index);
    m_knoepfe.laden = !m_quelle.leer();
    speichern_freigeben();
}

void DualListe::entfernen()
{
    zurueckgeben();
    emit geaendert();
}

void DualListe::ziel_angeklickt()
{
    zurueckgeben();
    m_knoepfe.entfernen = m_knoepfe.alle_entfernen = true;
    m_knoepfe.laden = true;
    emit geaendert();
}

void DualListe::alle_entfernen()
{
    m_ziel.alle_verschieben(m_quelle);
    SetItem(m_ziel, 0);
    m_knoepfe.speichern = false;
    emit geaendert();
}

void DualListe::auswahl_laden()
{
    // Taken as stored: neither the roster, the limits nor the game kind are checked.
    const Auswahl gespeichert = ::auswahl_laden(m_zustand, m_mannschaft, doppel());
    fuellen(m_quelle, gespeichert.quelle);
    fuellen(m_ziel, gespeichert.ziel);
    speichern_freigeben();
    emit geaendert();
}

void DualListe::auswahl_speichern()
{
    ::auswahl_speichern(m_zustand, m_plattform, m_mannschaft, doppel(),
                        {m_quelle.texte(), m_ziel.texte()}, m_einzel_felder, m_doppel_felder);
}
