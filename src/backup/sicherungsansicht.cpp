#include "backup/sicherungsansicht.h"

#include "appearance/farbsatz.h"
#include "backup/auto_sicherung.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QString titel_sicherung = u"Vorlix-Quarel Datensicherung"_s;
const QString titel_wiederherstellung = u"Vorlix-Quarel Datenwiederherstellung"_s;
const QString beschriftung_von_backup = u"Kopiere Dateien von Backup Verzeichnis:"_s;
const QString beschriftung_nach_ziel = u"Kopiere Dateien nach Zielverzeichnis:"_s;
const QString meldung_markieren = u"  Markieren Sie bitte mit der Maus die Datei,     \n"
                                  u"      die wieder hergestellt werden soll.         \n"_s;
const QString meldung_datei = u" Die Datei wurde wieder hergestellt.   \n"
                              u"                                          "_s;
const QString meldung_dateien = u" Die Dateien wurden wieder hergestellt.   \n"
                                u"                                          "_s;

bool gleiche_datei(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QString namensstamm(const QString &dateiname)
{
    const qsizetype punkt = dateiname.lastIndexOf(u'.');
    return punkt < 0 ? dateiname : dateiname.left(punkt);
}

QStringList spieltag_gitterstaemme(const QString &dateiname)
{
    // D_Gr08_14_03_2026.grp belongs to D_Tab1Gr08_14_03_2026.Tab and D_Tab2Gr08_14_03_2026.Tub.
    static const QRegularExpression satzname(u"^([DE]_)(Gr\\d\\d_\\d\\d_\\d\\d_\\d{4})\\.grp$"_s,
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch treffer = satzname.match(dateiname);
    if (!treffer.hasMatch())
        return {};
    return {treffer.captured(1) + u"Tab1"_s + treffer.captured(2),
            treffer.captured(1) + u"Tab2"_s + treffer.captured(2)};
}

QStringList familien_dateien(const QString &ordner, const QString &dateiname)
{
    QStringList namen = stamm_dateien(ordner, namensstamm(dateiname));
    for (const QString &stamm : spieltag_gitterstaemme(dateiname))
        namen += stamm_dateien(ordner, stamm);
    return namen;
}

QStringList stamm_dateien(const QString &ordner, const QString &stamm)
{
    QStringList namen;
    const QStringList alle =
        QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : alle) {
        // A prefix test rather than a pattern, so that brackets or stars in a name stay plain.
        if (name.compare(stamm, Qt::CaseInsensitive) == 0 ||
            name.startsWith(stamm + u'.', Qt::CaseInsensitive))
            namen.append(name);
    }
    return namen;
}

Sicherungsansicht::Sicherungsansicht(Zustand &zustand, Plattform &plattform, Sicherungsstand &stand,
                                     QObject *parent)
    : QObject(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_stand(stand)
{
}

QString Sicherungsansicht::titel() const
{
    return m_seite == Seite::sicherung ? titel_sicherung : titel_wiederherstellung;
}

QString Sicherungsansicht::knopf_text() const
{
    return m_seite == Seite::sicherung ? u"Daten sichern >>"_s : u"Wiederherstellen"_s;
}

void Sicherungsansicht::oeffnen()
{
    m_zustand.optionen_lesen();
    sicherung_herrichten();
}

void Sicherungsansicht::sicherung_herrichten()
{
    m_seite = Seite::sicherung;
    m_quelle = m_zustand.daten_pfad;
    const QString gesetzt = m_zustand.optionen.wert(opt::sicherungs_pfad);
    m_ziel = gesetzt.isEmpty() ? standard_sicherungsordner() : gesetzt;
    m_auto_sicherung = m_zustand.wert(opt::auto_sicherung) == 1;
    m_beschriftung_von = beschriftung_von_backup;
    m_beschriftung_nach = beschriftung_nach_ziel;
    m_rueck_ordner.clear();
    m_rueck_quelle.clear();
    m_rueck_ziel.clear();
    m_gewaehlte_datei.clear();
    emit geaendert();
}

bool Sicherungsansicht::pfad_passt(const QString &ordner)
{
    const QString zu_lang = pfad_zu_lang_text(ordner);
    if (zu_lang.isEmpty())
        return true;
    m_plattform.information(zu_lang);
    return false;
}

bool Sicherungsansicht::pfad_speichern(const QString &ordner)
{
    if (!pfad_passt(ordner))
        return false;
    m_zustand.optionen.setze(opt::sicherungs_pfad, ordner);
    m_zustand.optionen_speichern();
    return true;
}

void Sicherungsansicht::ziel_ordner_gewaehlt(const QString &ordner)
{
    if (!pfad_speichern(ordner))
        return;
    m_ziel = ordner;
    emit geaendert();
}

void Sicherungsansicht::ziel_getippt(const QString &text)
{
    m_ziel = text;
}

void Sicherungsansicht::datum_anfuegen()
{
    if (!pfad_speichern(m_ziel))
        return;
    m_stand.datiert = true;
    m_ziel = mit_trenner(m_ziel) + datumsordner_name(m_plattform.jetzt().date());
    emit geaendert();
}

void Sicherungsansicht::auto_sicherung_schalten(bool an)
{
    if (an && m_ziel.isEmpty())
        m_ziel = standard_sicherungsordner();
    // The box stays unticked: the automatic backup would use a cut folder.
    if (an && !pfad_passt(m_ziel)) {
        m_auto_sicherung = false;
        emit geaendert();
        return;
    }
    m_auto_sicherung = an;
    if (an) {
        m_zustand.setze(opt::auto_sicherung, 1);
        m_zustand.optionen.setze(opt::sicherungs_pfad, m_ziel);
    } else {
        m_zustand.setze(opt::auto_sicherung, 0);
        m_zustand.setze(opt::ruecksicherung_auto, 0);
    }
    m_zustand.optionen_speichern();
    emit geaendert();
}

bool Sicherungsansicht::sichern(const Fortschritt &fortschritt)
{
    // An empty field would name the root folder; the proposed folder is meant.
    if (m_ziel.trimmed().isEmpty()) {
        m_ziel = standard_sicherungsordner();
        emit geaendert();
    }
    const QString ziel = mit_trenner(m_ziel);
    if (!m_stand.datiert && !pfad_speichern(ziel))
        return false;
    if (!verz_anl(ziel)) {
        m_plattform.information(anlegefehler_text(ziel));
        return false;
    }
    const Kopierergebnis ergebnis =
        Dir_lesen(m_zustand.daten_pfad, muster_manuell(), ziel, fortschritt);
    if (!ergebnis.ok()) {
        m_plattform.schreibfehler(ergebnis.fehler);
        return false;
    }
    // The set leaves out rosters and match days; the organiser must not take it for all data.
    const qsizetype anzahl = ergebnis.kopiert.size();
    const QString dateien = anzahl == 1 ? u"1 Datei"_s : u"%1 Dateien"_s.arg(anzahl);
    m_plattform.information(dateien + u" nach "_s + ziel + u" gesichert. "_s +
                            u"Spielerlisten und Spieltage sichert die automatische Sicherung "
                            u"beim Beenden."_s);
    return true;
}

void Sicherungsansicht::beenden()
{
    if (m_seite == Seite::wiederherstellung)
        m_stand.datiert = true;
    if (!m_stand.datiert)
        pfad_speichern(m_ziel);
}

void Sicherungsansicht::sicherung_zeigen()
{
    sicherung_herrichten();
}

void Sicherungsansicht::wiederherstellung_zeigen()
{
    m_seite = Seite::wiederherstellung;
    // The box follows the restore setting; as nothing sets that to 1, a ticked box is
    // unticked here and the automatic backup switched off.
    const bool soll = m_zustand.wert(opt::ruecksicherung_auto) == 1;
    if (soll != m_auto_sicherung)
        auto_sicherung_schalten(soll);
    m_beschriftung_von = beschriftung_von_backup;
    m_beschriftung_nach = beschriftung_nach_ziel;
    m_modus = Modus::einzeln;
    rueck_ordner_gewaehlt(sicherungsordner(m_zustand));
}

void Sicherungsansicht::rueck_ordner_gewaehlt(const QString &ordner)
{
    m_rueck_ordner = ordner;
    m_rueck_quelle = ordner;
    m_rueck_ziel = m_zustand.daten_pfad;
    // A file picked in another folder is not among the files listed now.
    m_gewaehlte_datei.clear();
    emit geaendert();
}

void Sicherungsansicht::datei_angeklickt(const QString &name)
{
    if (m_modus == Modus::selektiert)
        return;
    m_gewaehlte_datei = name;
    m_rueck_quelle = QDir(m_rueck_ordner).filePath(name);
    m_rueck_ziel = m_zustand.daten_pfad + name;
    emit geaendert();
}

void Sicherungsansicht::modus_waehlen(Modus modus)
{
    m_modus = modus;
    emit geaendert();
}

void Sicherungsansicht::rueck_quelle_getippt(const QString &text)
{
    m_rueck_quelle = text;
}

void Sicherungsansicht::rueck_ziel_getippt(const QString &text)
{
    m_rueck_ziel = text;
}

bool Sicherungsansicht::nichts_gewaehlt()
{
    m_plattform.information(meldung_markieren);
    return false;
}

void Sicherungsansicht::zurueckgeholt(const QStringList &ziele)
{
    const QString optionen = m_zustand.pfad(optionen_dateiname);
    const QString farben = m_zustand.pfad(farben_dateiname);
    for (const QString &ziel : ziele) {
        if (gleiche_datei(ziel, optionen)) {
            m_zustand.optionen_lesen();
            m_auto_sicherung = m_zustand.wert(opt::auto_sicherung) == 1;
            emit geaendert();
        } else if (gleiche_datei(ziel, farben)) {
            // Else the next save in "Farbwahl" writes the old colours over the restored file.
            farben_lesen(m_zustand.farben, m_zustand.daten_pfad);
        }
    }
}

bool Sicherungsansicht::wiederherstellen(const QStringList &markierte,
                                         const Fortschritt &fortschritt)
{
    m_beschriftung_von = u"Kopiere Dateien von:"_s;
    m_beschriftung_nach = u"Kopiere Dateien nach:"_s;
    emit geaendert();

    Kopierergebnis ergebnis;
    QString erfolg = meldung_dateien;
    switch (m_modus) {
    case Modus::einzeln:
        if (!datei_gewaehlt())
            return nichts_gewaehlt();
        if (const std::optional<QString> fehler = KopiereDatei(m_rueck_quelle, m_rueck_ziel))
            ergebnis.fehler = *fehler;
        else
            ergebnis.kopiert.append(m_rueck_ziel);
        erfolg = meldung_datei;
        break;
    case Modus::namensgleich:
        // Without a picked file the stem would be empty and every file would match.
        if (!datei_gewaehlt())
            return nichts_gewaehlt();
        ergebnis =
            dateien_kopieren(m_rueck_ordner, familien_dateien(m_rueck_ordner, m_gewaehlte_datei),
                             m_zustand.daten_pfad, fortschritt);
        break;
    case Modus::selektiert:
        if (markierte.isEmpty())
            return nichts_gewaehlt();
        ergebnis = dateien_kopieren(m_rueck_ordner, markierte, m_zustand.daten_pfad, fortschritt);
        break;
    }
    zurueckgeholt(ergebnis.kopiert);
    if (!ergebnis.ok()) {
        m_plattform.schreibfehler(ergebnis.fehler);
        return false;
    }
    if (!ergebnis.kopiert.isEmpty())
        m_plattform.information(erfolg);
    return true;
}
