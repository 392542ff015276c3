#include "matchplan/spielplan.h"

#include "grid/filtergrid.h"
#include "lineup/gruppendateien.h"
#include "matchplan/ergebniseingabe.h"
#include "matchplan/plan_profil.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spieltag_namen.h"
#include "matchplan/spieltag_pruefung.h"
#include "matchplan/wertung.h"
#include "shell/plattform.h"
#include "shell/zusatz.h"
#include "shell/zustand.h"
#include "storage/ganzzahl.h"

#include <QFile>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString tagestext(const QDate &tag)
{
    return tag.toString(u"dd.MM.yyyy"_s);
}

} // namespace

Spielplan::Spielplan(Zustand &zustand, Plattform &plattform, const SpielplanProfil &profil,
                     GitterModell &tabelle, GitterModell &matrix, QObject *eltern)
    : QObject(eltern)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_profil(profil)
    , m_tabelle(tabelle)
    , m_matrix(matrix)
{
    plan_gitter_einrichten(m_tabelle, m_matrix, m_profil);
    GitterEreignisse ereignisse = m_matrix.ereignisse();
    ereignisse.OnChange = [this](GitterModell &matrix) {
        // A cancelled editing puts the whole plan back when it ends.
        if (!matrix.editieren_verworfen())
            FilterGrid2Change();
    };
    ereignisse.OnSelectCell = [this](GitterModell &, int aCol, int aRow, bool &CanSelect) {
        FilterGrid2SelectCell(aCol, aRow, CanSelect);
    };
    ereignisse.OnEditBegin = [this](GitterModell &) {
        eingabe_beginnt();
    };
    ereignisse.OnEditEnd = [this](GitterModell &) {
        eingabe_endet();
    };
    ereignisse.OnHinweis = [this](const GitterModell &matrix, int aCol, int aRow) {
        const bool spiel = aCol >= 1 && aCol <= m_anzahl && aRow >= 1 && aRow <= m_anzahl;
        const QString text = matrix.Cells(aCol, aRow);
        return spiel && !text.isEmpty() ? zaehlt_nicht(text) : QString();
    };
    m_matrix.setze_ereignisse(std::move(ereignisse));
    // Opening or loading a plan empties the stack, which is no change of the day.
    connect(&m_schritte, &QUndoStack::indexChanged, this, [this] {
        if (m_schritte.count() > 0)
            emit tag_geaendert();
    });
    m_tische = zusatz_tische(m_zustand.daten_pfad);
    m_halle_tabelle.SetColCount(plan::max_tabellen_spalten);
    m_halle_tabelle.SetRowCount(plan::tabellen_zeilen);
    m_halle_matrix.SetColCount(plan::matrix_zellen);
    m_halle_matrix.SetRowCount(plan::matrix_zellen);
}

Spielplan::~Spielplan()
{
    GitterEreignisse ereignisse = m_matrix.ereignisse();
    ereignisse.OnChange = nullptr;
    ereignisse.OnSelectCell = nullptr;
    ereignisse.OnEditBegin = nullptr;
    ereignisse.OnEditEnd = nullptr;
    ereignisse.OnHinweis = nullptr;
    m_matrix.setze_ereignisse(std::move(ereignisse));
}

void Spielplan::oeffnen()
{
    if (m_profil.doppel) {
        gruppe1_lesen_doppel(m_zustand, m_lesefelder);
        gruppe2_lesen_doppel(m_zustand, m_lesefelder);
    } else {
        gruppe1_lesen_einzel(m_zustand, m_lesefelder);
        m_zustand.setze(opt::mannschaft_nr, nummer(Mannschaft::zwei));
        gruppe2_lesen_einzel(m_zustand, m_lesefelder);
    }
    m_anzahl = plan::anzahl_begrenzt(m_zustand.wert(opt::spieler_pro_mannschaft));
    m_zustand.plan_anzahl = m_anzahl;

    leeren();
    m_ueberschrift = plan_ueberschrift(m_profil, m_anzahl);
    m_titel = plan_fenstertitel(m_zustand.optionen.wert(opt::name_mannschaft1),
                                m_zustand.optionen.wert(opt::name_mannschaft2));
    m_datum = m_plattform.jetzt().date();
    plan_spalten_einrichten(m_tabelle, m_matrix, m_profil);
    farben_lesen();
    daten_ansehen();

    m_tabelle.CleanBlueCell();
    m_matrix.CleanBlueCell();
    m_matrix.SetCol(1);
    m_matrix.SetRow(1);
    m_matrix.SelectCells(1, 1);
    m_matrix.SetGoEditing(true);
    m_vor_eingabe.reset();
    m_eigener_tag = QDate();
    m_wiederhergestellt = false;
    if (!m_loeschen_laeuft)
        m_schritte.clear();
    mannschaften_werten_neu();
    emit geaendert();
}

void Spielplan::leeren()
{
    // Also the columns a larger plan used before, so that no old score lies hidden there.
    m_tabelle.SetColCount(plan::max_tabellen_spalten);
    for (GitterModell *gitter : {&m_tabelle, &m_matrix})
        gitter->ClearGrid(false);
}

void Spielplan::farben_lesen()
{
    m_farben = planfarben_lesen(m_zustand.optionen);
    m_tabelle.SetColor(m_farben.hintergrund);
    m_matrix.SetColor(m_farben.hintergrund);
}

void Spielplan::daten_ansehen()
{
    const int punkte = plan::schriftgroesse_wirksam(m_zustand.wert(m_profil.schriftgroesse));
    const int hoehe = plan::zeilenhoehe_wirksam(m_zustand.wert(m_profil.zeilenhoehe));
    for (GitterModell *gitter : {&m_tabelle, &m_matrix}) {
        Schrift schrift = gitter->Font();
        schrift.font.setPointSize(punkte);
        gitter->SetFont(schrift);
        gitter->SetDefaultRowHeight(hoehe);
        gitter->SetFixedColor(clBtnFace);
    }
    plan_beschriften(m_tabelle, m_matrix, m_zustand, m_profil, m_anzahl);
    emit geaendert();
}

void Spielplan::FilterGrid2Change()
{
    QString meldung;
    zelle_uebernehmen(m_tabelle, m_matrix, m_matrix.Selection().Left, m_matrix.Selection().Top,
                      m_anzahl, &meldung);
    Sortieren();
    // After the ranking, so that the plan behind the message already shows the game open.
    if (ist_kein_integer_meldung(meldung))
        m_plattform.umwandlungsfehler(meldung);
    else if (!meldung.isEmpty())
        m_plattform.fehler(meldung);
}

void Spielplan::zelle_erneut_uebernehmen()
{
    if (zelle_uebernehmen(m_tabelle, m_matrix, m_matrix.Selection().Left, m_matrix.Selection().Top,
                          m_anzahl))
        Sortieren();
}

void Spielplan::FilterGrid2SelectCell(int aCol, int aRow, bool &)
{
    matrixzelle_pruefen(m_matrix, aCol, aRow, m_anzahl, m_plattform);
}

void Spielplan::Sortieren()
{
    wertung_berechnen(m_tabelle, m_anzahl, m_plattform);
    mannschaften_werten_neu();
}

void Spielplan::tische_geaendert(int tische)
{
    if (tische == m_tische)
        return;
    m_tische = tische;
    if (const std::optional<QString> fehler = zusatz_tische_setzen(m_zustand.daten_pfad, tische))
        m_plattform.schreibfehler(*fehler);
    mannschaften_werten_neu();
}

void Spielplan::rundenplan_neu()
{
    if (m_rundenplan.anzahl != m_anzahl || m_rundenplan.tische != std::min(m_tische, m_anzahl))
        m_rundenplan = m_tische > 0 ? rundenplan_erstellen(m_anzahl, m_tische) : Rundenplan{};
}

void Spielplan::mannschaften_werten_neu()
{
    m_laufende_wertung = mannschaften_werten(m_tabelle, m_anzahl);
    emit laufend_gewertet();
    if (!m_vor_eingabe)
        festhalten();
}

void Spielplan::festhalten()
{
    rundenplan_neu();
    zellen_kopieren(m_halle_tabelle, m_tabelle, plan::max_tabellen_spalten, plan::tabellen_zeilen);
    zellen_kopieren(m_halle_matrix, m_matrix, plan::matrix_zellen, plan::matrix_zellen);
    m_wertung = m_laufende_wertung;
    m_runden = rundenanzeige(m_rundenplan, m_halle_tabelle, m_halle_matrix);
    emit ergebnisse_geaendert();
}

QString Spielplan::mannschaftsname(Mannschaft mannschaft) const
{
    const auto feld =
        mannschaft == Mannschaft::eins ? opt::name_mannschaft1 : opt::name_mannschaft2;
    return ::mannschaftsname(m_zustand.optionen.wert(feld), mannschaft);
}

QString Spielplan::mannschaft_zeile(Mannschaft mannschaft) const
{
    return ::mannschaft_zeile(m_wertung, mannschaft, mannschaftsname(mannschaft));
}

QString Spielplan::laufende_zeile(Mannschaft mannschaft) const
{
    return ::mannschaft_zeile(m_laufende_wertung, mannschaft, mannschaftsname(mannschaft));
}

void Spielplan::speichern()
{
    const QDate heute = m_plattform.jetzt().date();
    QDate tag = heute;
    // A stored day corrected later is written back as that day, not counted a second time.
    if (m_eigener_tag.isValid() && m_eigener_tag != heute &&
        m_plattform.warnung_ja_nein(u"Den Spieltag vom %1 mit dieser Änderung überschreiben?"_s.arg(
            tagestext(m_eigener_tag))))
        tag = m_eigener_tag;
    m_zustand.optionen.setze(opt::turnier_datum, tagestext(tag));
    const Spieltagdateien namen = spieltag_dateinamen(m_profil.doppel, m_anzahl, tag);
    if (tag != m_eigener_tag && QFile::exists(m_zustand.pfad(namen.satz)) &&
        !m_plattform.warnung_ja_nein(
            u"Für den %1 ist schon ein Spieltag gespeichert. Ersetzen?"_s.arg(tagestext(tag))))
        return;
    QStringList nicht_geschrieben;
    const std::pair<GitterModell *, QString> dateien[] = {{&m_tabelle, namen.tabelle},
                                                          {&m_matrix, namen.matrix}};
    for (const auto &[gitter, name] : dateien) {
        if (!gitter->SaveToPath(m_zustand.pfad(name)))
            nicht_geschrieben << name;
    }
    if (!m_zustand.optionen_speichern())
        nicht_geschrieben << optionen_dateiname;
    if (!spieltag_schreiben(m_zustand.pfad(namen.satz),
                            spieltag_aus_tabelle(m_tabelle, m_profil.doppel, m_anzahl)))
        nicht_geschrieben << namen.satz;
    m_eigener_tag = tag;
    // Results that seem saved but are not would be lost when the window is closed.
    if (!nicht_geschrieben.isEmpty()) {
        m_plattform.schreibfehler(u"Der Spieltag konnte nicht vollständig gespeichert werden.\n"
                                  u"Nicht geschrieben:\n%1"_s.arg(nicht_geschrieben.join(u'\n')));
        return;
    }
    m_schritte.setClean();
    m_wiederhergestellt = false;
    emit gespeichert();
}

bool Spielplan::laden(const QString &name, const QString &ordner)
{
    const QString anzahl_text = anzahl_text_tabelle(name);
    const std::optional<qint32> anzahl = ganzzahl_lesen(anzahl_text);
    if (!anzahl) {
        m_plattform.umwandlungsfehler(kein_integer_meldung(anzahl_text));
        return false;
    }
    const QString ort = ordner.isEmpty() ? m_zustand.daten_pfad : ordner;
    const QDate tag_der_datei = QDate::fromString(datum_aus_dateiname(name), u"dd.MM.yyyy"_s);
    const QString satz_name =
        tag_der_datei.isValid() ? spieltag_dateinamen(m_profil.doppel, *anzahl, tag_der_datei).satz
                                : QString();
    // A damaged grid is refused before the plan changes at all.
    if (const QString kaputt = beschaedigte_gitterdatei(ort, name); !kaputt.isEmpty()) {
        m_plattform.fehler(spieltag_beschaedigt_meldung(kaputt));
        return false;
    }
    const QDate tag = QDate::fromString(m_zustand.listen_datum, u"dd.MM.yyyy"_s);
    if (tag.isValid())
        m_datum = tag;
    m_anzahl = plan::anzahl_begrenzt(*anzahl);
    m_zustand.plan_anzahl = m_anzahl;
    if (!m_profil.doppel)
        m_zustand.setze(opt::spieler_pro_mannschaft, m_anzahl);

    const std::pair<GitterModell *, QString> dateien[] = {{&m_tabelle, name},
                                                          {&m_matrix, matrix_dateiname(name)}};
    for (const auto &[gitter, datei] : dateien) {
        gitter->SetFileName(ort + datei);
        if (QFile::exists(gitter->FileName()) && !gitter->LoadFromFile(true))
            m_plattform.fehler(gitter->letzter_fehler());
    }
    // A file may bring other sizes; the plan keeps its fixed places.
    m_tabelle.SetColCount(m_anzahl + 3);
    m_tabelle.SetRowCount(plan::tabellen_zeilen);
    m_matrix.SetColCount(plan::matrix_zellen);
    m_matrix.SetRowCount(plan::matrix_zellen);
    farben_lesen();
    m_vor_eingabe.reset();
    Sortieren();
    m_schritte.clear();
    // A set kept for recovery belongs to the stored day of its name, if there is one.
    const QString gespeichert =
        m_zustand.pfad(spieltag_dateinamen(m_profil.doppel, m_anzahl, tag_der_datei).satz);
    m_eigener_tag = tag_der_datei.isValid() && (ordner.isEmpty() || QFile::exists(gespeichert))
                        ? tag_der_datei
                        : QDate();
    m_wiederhergestellt = !ordner.isEmpty();
    emit geaendert();
    if (!satz_name.isEmpty() && !satzdatei_ganz(ort + satz_name))
        m_plattform.information(satz_beschaedigt_meldung(satz_name));
    return true;
}

bool Spielplan::ungespeichert() const
{
    const bool geaendert = m_wiederhergestellt || !m_schritte.isClean() ||
                           (m_vor_eingabe && *m_vor_eingabe != stand());
    return geaendert && plan::eingetragene_spiele(m_matrix, m_anzahl) > 0;
}

void Spielplan::eingabe_beginnt()
{
    // An editor that went without closing properly ends here.
    eingabe_endet();
    m_vor_eingabe = stand();
}

void Spielplan::eingabe_endet()
{
    if (!m_vor_eingabe)
        return;
    if (m_matrix.editieren_verworfen()) {
        // Escape: the cell and the standings as they were when editing began.
        Planstand vorher = std::move(*m_vor_eingabe);
        m_vor_eingabe.reset();
        stand_herstellen(vorher);
        return;
    }
    // Typing back to the text the cell had when editing began sends no change notification,
    // so the standings take the cell over as it reads now. A refused text was reported while
    // it was typed; this runs while the editor closes, where no message may interrupt.
    const auto [spalte, zeile] = m_matrix.editierte_zelle();
    if (zelle_uebernehmen(m_tabelle, m_matrix, spalte, zeile, m_anzahl))
        Sortieren();
    Planstand vorher = std::move(*m_vor_eingabe);
    m_vor_eingabe.reset();
    Planstand nachher = stand();
    // Pushing the step does it again, which hands the result to the hall.
    if (nachher != vorher)
        schritt_ablegen(std::move(vorher), std::move(nachher));
    else
        festhalten();
}

void Spielplan::zelle_leeren(int aCol, int aRow)
{
    if (aCol < 1 || aCol > m_anzahl || aRow < 1 || aRow > m_anzahl ||
        m_matrix.Cells(aCol, aRow).isEmpty())
        return;
    eingabe_endet();
    Planstand vorher = stand();
    m_matrix.SetCells(aCol, aRow, QString());
    zelle_uebernehmen(m_tabelle, m_matrix, aCol, aRow, m_anzahl);
    Sortieren();
    schritt_ablegen(std::move(vorher), stand());
}

void Spielplan::schritt_ablegen(Planstand vorher, Planstand nachher)
{
    const auto herstellen = [this](const Planstand &stand) {
        stand_herstellen(stand);
    };
    m_schritte.push(new Planschritt(herstellen, std::move(vorher), std::move(nachher)));
}

void Spielplan::rueckgaengig()
{
    eingabe_endet();
    m_schritte.undo();
}

void Spielplan::wiederholen()
{
    eingabe_endet();
    m_schritte.redo();
}

void Spielplan::ergebnis_loeschen(const std::function<void()> &oeffnen_lassen)
{
    eingabe_endet();
    Planstand vorher = stand();
    m_loeschen_laeuft = true;
    oeffnen_lassen();
    m_loeschen_laeuft = false;
    Planstand nachher = stand();
    // The opening command may have opened the other game kind's plan and left this one alone.
    if (nachher != vorher)
        schritt_ablegen(std::move(vorher), std::move(nachher));
}

bool Spielplan::ergebnis_eintragen(int spalte, int zeile, const QString &text)
{
    if (spalte < 1 || spalte > m_anzahl || zeile < 1 || zeile > m_anzahl)
        return false;
    eingabe_endet();
    Planstand vorher = stand();
    m_matrix.SetCells(spalte, zeile, text);
    QString meldung;
    if (!zelle_uebernehmen(m_tabelle, m_matrix, spalte, zeile, m_anzahl, &meldung) &&
        !meldung.isEmpty()) {
        stand_herstellen(vorher);
        return false;
    }
    Sortieren();
    Planstand nachher = stand();
    if (nachher != vorher)
        schritt_ablegen(std::move(vorher), std::move(nachher));
    return true;
}

Planstand Spielplan::stand() const
{
    return {m_anzahl, m_ueberschrift,
            zellen_lesen(m_tabelle, plan::max_tabellen_spalten, plan::tabellen_zeilen),
            zellen_lesen(m_matrix, plan::matrix_zellen, plan::matrix_zellen)};
}

void Spielplan::stand_herstellen(const Planstand &stand)
{
    const bool andere_eintraege =
        stand.anzahl != m_anzahl || stand.namen() != this->stand().namen();
    m_anzahl = stand.anzahl;
    m_zustand.plan_anzahl = m_anzahl;
    m_ueberschrift = stand.ueberschrift;
    m_tabelle.SetColCount(m_anzahl + 3);
    zellen_schreiben(m_tabelle, plan::max_tabellen_spalten, plan::tabellen_zeilen, stand.tabelle);
    zellen_schreiben(m_matrix, plan::matrix_zellen, plan::matrix_zellen, stand.matrix);
    mannschaften_werten_neu();
    emit geaendert();
    if (andere_eintraege)
        emit eintraege_geaendert();
}

int Spielplan::zeilenhoehe() const
{
    return m_tabelle.DefaultRowHeight();
}

int Spielplan::schriftgroesse() const
{
    return m_tabelle.Font().font.pointSize();
}

void Spielplan::tabellenhoehe_geaendert(int wert)
{
    m_zustand.setze(m_profil.tabelle1_hoehe, wert);
}

void Spielplan::zeilenhoehe_schritt(int schritte, int wert)
{
    const int hoehe = std::max(plan::kleinste_zeilenhoehe, m_tabelle.DefaultRowHeight() + schritte);
    for (GitterModell *gitter : {&m_tabelle, &m_matrix})
        gitter->SetDefaultRowHeight(hoehe);
    m_zustand.setze(m_profil.zeilenhoehe, wert);
    emit geaendert();
}

void Spielplan::zeilenhoehe_geaendert(int wert)
{
    if (!m_profil.zeilenhoehe_getippt_speichern)
        return;
    m_zustand.setze(m_profil.zeilenhoehe, wert);
    m_zustand.optionen_speichern();
}

void Spielplan::schriftgroesse_geaendert(int wert)
{
    const int punkte = plan::schriftgroesse_wirksam(wert);
    for (GitterModell *gitter : {&m_tabelle, &m_matrix}) {
        Schrift schrift = gitter->Font();
        schrift.font.setPointSize(punkte);
        gitter->SetFont(schrift);
    }
    m_zustand.setze(m_profil.schriftgroesse, wert);
    m_zustand.optionen_speichern();
    emit geaendert();
}
