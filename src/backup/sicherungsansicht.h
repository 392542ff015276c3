#pragma once

#include "backup/kopieren.h"
#include "backup/sicherungsstand.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Plattform;
struct Zustand;

// The rules of "Daten sichern/wiederherstellen": a backup tab that copies the data files into a
// backup folder and a restore tab that copies files back into the data folder. The window only
// mirrors this state and passes the person's actions in.
class Sicherungsansicht : public QObject
{
    Q_OBJECT

public:
    enum class Seite { sicherung, wiederherstellung };
    enum class Modus { einzeln, namensgleich, selektiert };

    Sicherungsansicht(Zustand &zustand, Plattform &plattform, Sicherungsstand &stand,
                      QObject *parent = nullptr);

    Seite seite() const { return m_seite; }
    QString titel() const;
    QString knopf_text() const; // Button1
    bool datum_frei() const { return m_seite == Seite::sicherung; }
    bool auto_sicherung() const { return m_auto_sicherung; } // CheckBox1
    bool dateiliste_sichtbar() const { return m_seite == Seite::wiederherstellung; }

    // The backup tab: the data folder and the target folder.
    const QString &quelle() const { return m_quelle; } // Edit1
    const QString &ziel() const { return m_ziel; }     // Edit2

    // The restore tab: the folder whose files are listed, what is copied where, and the labels.
    const QString &rueck_ordner() const { return m_rueck_ordner; }
    const QString &rueck_quelle() const { return m_rueck_quelle; } // Edit3
    const QString &rueck_ziel() const { return m_rueck_ziel; }     // Edit4
    const QString &beschriftung_von() const { return m_beschriftung_von; }
    const QString &beschriftung_nach() const { return m_beschriftung_nach; }
    Modus modus() const { return m_modus; }
    bool datei_gewaehlt() const { return !m_gewaehlte_datei.isEmpty(); }

    // A new opening: the options read again, the backup tab shown.
    void oeffnen();

    void ziel_ordner_gewaehlt(const QString &ordner); // a folder chosen in the backup tab's tree
    void ziel_getippt(const QString &text);
    void datum_anfuegen();
    void auto_sicherung_schalten(bool an);
    // "Daten sichern >>"; true when done and the window closes.
    bool sichern(const Fortschritt &fortschritt);
    // "Beenden", before the window closes.
    void beenden();

    void sicherung_zeigen();
    void wiederherstellung_zeigen();
    void rueck_ordner_gewaehlt(const QString &ordner);
    void datei_angeklickt(const QString &name);
    void modus_waehlen(Modus modus);
    void rueck_quelle_getippt(const QString &text);
    void rueck_ziel_getippt(const QString &text);
    // "Wiederherstellen" with the files selected in the list, in list order; true when done and
    // the window closes.
    bool wiederherstellen(const QStringList &markierte, const Fortschritt &fortschritt);

signals:
    void geaendert();

private:
    void sicherung_herrichten();
    // False, with the message, when the folder does not fit the options' field.
    bool pfad_passt(const QString &ordner);
    bool pfad_speichern(const QString &ordner);
    bool nichts_gewaehlt();
    // After files came back: options restored over the running program's are read again.
    void zurueckgeholt(const QStringList &ziele);

    Zustand &m_zustand;
    Plattform &m_plattform;
    Sicherungsstand &m_stand;
    Seite m_seite = Seite::sicherung;
    bool m_auto_sicherung = false;
    QString m_quelle;
    QString m_ziel;
    QString m_rueck_ordner;
    QString m_rueck_quelle;
    QString m_rueck_ziel;
    QString m_beschriftung_von;
    QString m_beschriftung_nach;
    Modus m_modus = Modus::einzeln;
    QString m_gewaehlte_datei;
};

// The name stem shared by a file family: "Adressen1" for "Adressen1.adr".
QString namensstamm(const QString &dateiname);
// The files of the folder named stem + ".*" (and the stem alone), sorted by name: "Adressen1"
// takes Adressen1.adr and Adressen1.bak, never Adressen10.adr.
QStringList stamm_dateien(const QString &ordner, const QString &stamm);
// A match day's record names its two grid files by other stems: "D_Tab1Gr08_14_03_2026" and
// "D_Tab2Gr08_14_03_2026" for "D_Gr08_14_03_2026.grp"; none for any other name.
QStringList spieltag_gitterstaemme(const QString &dateiname);
// What "Alle Dateien eines Namens gemeinsam wiederherstellen." copies for a picked file: the
// files of its stem and, for a match day's record, those of its grid files, so that the day
// comes back whole.
QStringList familien_dateien(const QString &ordner, const QString &dateiname);
