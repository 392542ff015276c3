#pragma once

#include "rosters/spielerimport.h"

#include <QDialog>
#include <array>

class Plattform;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The preview of a member list before it is taken into a team's roster: which column fills
// which field, and the first rows as they will land, with their markers.
class SpielerimportFenster : public QDialog
{
    Q_OBJECT

public:
    static constexpr int vorschau_zeilen = 50;

    // vorschau holds the file's first rows, the head row among them.
    SpielerimportFenster(const QString &daten_pfad, Mannschaft mannschaft, Plattform &plattform,
                         const QString &datei, const speicher::CsvTabelle &vorschau,
                         QWidget *parent);

    QLabel *m_datei = nullptr;
    QCheckBox *m_kopfzeile = nullptr; // "Erste Zeile enthält Spaltennamen"
    std::array<QComboBox *, imp::zielanzahl> m_spalten{};
    QTableWidget *m_vorschau = nullptr;
    QCheckBox *m_aktualisieren = nullptr; // "Vorhandene aktualisieren"
    QPushButton *m_importieren = nullptr;
    QPushButton *m_abbrechen = nullptr;

signals:
    // The roster file was replaced.
    void importiert();

private:
    void oberflaeche_aufbauen();
    QWidget *spaltenwahl_aufbauen();
    void spaltenlisten_fuellen();
    void spalten_setzen(const Importspalten &spalten);
    Importspalten spalten() const;
    QList<QStringList> datenzeilen() const;
    void vorschau_zeigen();
    void kopfzeile_umgeschaltet();
    void importieren();

    const QString m_daten_pfad;
    const Mannschaft m_mannschaft;
    Plattform &m_plattform;
    const QString m_pfad;
    const speicher::CsvTabelle m_tabelle;
    const QList<QByteArray> m_bestand;
};
