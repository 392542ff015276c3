#include "rosters/spielerimport_fenster.h"

#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/plattform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int spalten_je_reihe = 3;
constexpr int hinweisspalte = adr::feldanzahl;

QString dateibeschreibung(const QString &pfad, const speicher::CsvTabelle &tabelle)
{
    const QString kodierung =
        tabelle.kodierung == speicher::CsvKodierung::utf8 ? u"UTF-8"_s : u"Windows-1252"_s;
    const QString trenner = tabelle.trenner == '\t'
                                ? u"Tabulator"_s
                                : u"„%1“"_s.arg(QChar::fromLatin1(tabelle.trenner));
    return u"Datei: %1 (%2, Trennzeichen %3)"_s.arg(QFileInfo(pfad).fileName(), kodierung, trenner);
}

} // namespace

SpielerimportFenster::SpielerimportFenster(const QString &daten_pfad, Mannschaft mannschaft,
                                           Plattform &plattform, const QString &datei,
                                           const speicher::CsvTabelle &vorschau, QWidget *parent)
    : QDialog(parent)
    , m_daten_pfad(daten_pfad)
    , m_mannschaft(mannschaft)
    , m_plattform(plattform)
    , m_pfad(datei)
    , m_tabelle(vorschau)
    , m_bestand(bestand_saetze(daten_pfad, mannschaft))
{
    setObjectName("Spielerimport");
    setWindowTitle(u"Spieler importieren – Mannschaft %1"_s.arg(nummer(mannschaft)));
    oberflaeche_aufbauen();
    const bool kopf = !m_tabelle.zeilen.isEmpty() && ist_kopfzeile(m_tabelle.zeilen.constFirst());
    m_kopfzeile->setChecked(kopf);
    spaltenlisten_fuellen();
    Importspalten keine;
    keine.fill(nicht_uebernehmen);
    spalten_setzen(kopf ? spalten_erkennen(m_tabelle.zeilen.constFirst()) : keine);
    vorschau_zeigen();
}

void SpielerimportFenster::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    m_datei = new QLabel(dateibeschreibung(m_pfad, m_tabelle), this);
    spalte->addWidget(m_datei);
    m_kopfzeile = new QCheckBox(u"&Erste Zeile enthält Spaltennamen"_s, this);
    spalte->addWidget(m_kopfzeile);
    spalte->addWidget(spaltenwahl_aufbauen());

    m_vorschau = new QTableWidget(0, adr::feldanzahl + 1, this);
    m_vorschau->setObjectName("Vorschau");
    m_vorschau->setAccessibleName(u"Vorschau der ersten Zeilen"_s);
    m_vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList koepfe;
    for (const adr::Eingabefeld &feld : adr::eingabefelder)
        koepfe << QString::fromUtf16(feld.beschriftung);
    koepfe << u"Hinweis"_s;
    m_vorschau->setHorizontalHeaderLabels(koepfe);
    m_vorschau->horizontalHeader()->setStretchLastSection(true);
    m_vorschau->setMinimumSize(900, 300);
    spalte->addWidget(m_vorschau, 1);

    m_aktualisieren = new QCheckBox(u"&Vorhandene aktualisieren"_s, this);
    spalte->addWidget(m_aktualisieren);
    m_importieren = knopf_anlegen(this, "Importieren", u"&Importieren"_s);
    m_abbrechen = knopf_anlegen(this, "Abbrechen", u"Abbre&chen"_s);
    spalte->addLayout(knopfreihe_anlegen({nullptr, m_importieren, m_abbrechen}));

    connect(m_kopfzeile, &QCheckBox::toggled, this, &SpielerimportFenster::kopfzeile_umgeschaltet);
    connect(m_aktualisieren, &QCheckBox::toggled, this, &SpielerimportFenster::vorschau_zeigen);
    connect(m_importieren, &QPushButton::clicked, this, &SpielerimportFenster::importieren);
    connect(m_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget *SpielerimportFenster::spaltenwahl_aufbauen()
{
    auto *rahmen = new QGroupBox(u"Spalten der Datei"_s, this);
    auto *raster = new QGridLayout(rahmen);
    for (int z = 0; z < imp::zielanzahl; ++z) {
        const QString text = imp::beschriftung(imp::Ziel(z));
        auto *label = new QLabel(text, rahmen);
        auto *wahl = new QComboBox(rahmen);
        wahl->setObjectName(u"Spalte_%1"_s.arg(z));
        wahl->setAccessibleName(text);
        label->setBuddy(wahl);
        raster->addWidget(label, z / spalten_je_reihe, 2 * (z % spalten_je_reihe));
        raster->addWidget(wahl, z / spalten_je_reihe, 2 * (z % spalten_je_reihe) + 1);
        connect(wahl, &QComboBox::currentIndexChanged, this,
                &SpielerimportFenster::vorschau_zeigen);
        m_spalten[z] = wahl;
    }
    return rahmen;
}

// Each drop-down offers "(nicht übernehmen)" and every column, named by its head when the
// first row is one, else by its first value.
void SpielerimportFenster::spaltenlisten_fuellen()
{
    qsizetype anzahl = 0;
    for (const QStringList &zeile : m_tabelle.zeilen)
        anzahl = qMax(anzahl, zeile.size());
    const QStringList erste = m_tabelle.zeilen.value(0);
    for (QComboBox *wahl : m_spalten) {
        const QSignalBlocker sperre(wahl);
        const int gewaehlt =
            wahl->currentData().isValid() ? wahl->currentData().toInt() : nicht_uebernehmen;
        wahl->clear();
        wahl->addItem(u"(nicht übernehmen)"_s, nicht_uebernehmen);
        for (int s = 0; s < anzahl; ++s) {
            const QString inhalt = erste.value(s).left(30);
            wahl->addItem(m_kopfzeile->isChecked() ? u"Spalte %1: %2"_s.arg(s + 1).arg(inhalt)
                                                   : u"Spalte %1 (%2)"_s.arg(s + 1).arg(inhalt),
                          s);
        }
        wahl->setCurrentIndex(qMax(0, wahl->findData(gewaehlt)));
    }
}

void SpielerimportFenster::spalten_setzen(const Importspalten &spalten)
{
    for (int z = 0; z < imp::zielanzahl; ++z) {
        const QSignalBlocker sperre(m_spalten[z]);
        m_spalten[z]->setCurrentIndex(qMax(0, m_spalten[z]->findData(spalten[z])));
    }
}

Importspalten SpielerimportFenster::spalten() const
{
    Importspalten spalten;
    for (int z = 0; z < imp::zielanzahl; ++z)
        spalten[z] = m_spalten[z]->currentData().toInt();
    return spalten;
}

QList<QStringList> SpielerimportFenster::datenzeilen() const
{
    return m_tabelle.zeilen.mid(m_kopfzeile->isChecked() ? 1 : 0, vorschau_zeilen);
}

void SpielerimportFenster::vorschau_zeigen()
{
    const Importspalten gewaehlt = spalten();
    const Importlauf lauf =
        import_durchfuehren(m_bestand, datenzeilen(), gewaehlt, m_aktualisieren->isChecked());
    m_vorschau->setRowCount(int(lauf.zeilen.size()));
    for (int z = 0; z < lauf.zeilen.size(); ++z) {
        const Importzeile &zeile = lauf.zeilen.at(z);
        for (int f = 0; f < adr::feldanzahl; ++f)
            m_vorschau->setItem(z, f, new QTableWidgetItem(zeile.texte[f]));
        m_vorschau->setItem(z, hinweisspalte, new QTableWidgetItem(hinweis(zeile)));
    }
    m_vorschau->resizeColumnsToContents();
    // Without a first name every row would be skipped.
    m_importieren->setEnabled(gewaehlt[imp::vorname] != nicht_uebernehmen);
}

void SpielerimportFenster::kopfzeile_umgeschaltet()
{
    spaltenlisten_fuellen();
    if (m_kopfzeile->isChecked() && !m_tabelle.zeilen.isEmpty())
        spalten_setzen(spalten_erkennen(m_tabelle.zeilen.constFirst()));
    vorschau_zeigen();
}

void SpielerimportFenster::importieren()
{
    speicher::CsvTabelle tabelle;
    const int kopf = m_kopfzeile->isChecked() ? 1 : 0;
    if (const std::optional<QString> fehler =
            spielerliste_lesen(m_pfad, tabelle, import_hoechstzeilen + kopf)) {
        m_plattform.fehler(*fehler);
        return;
    }
    if (tabelle.abgeschnitten) {
        m_plattform.fehler(u"Die Datei hat mehr als %1 Zeilen; so viele Spieler nimmt eine "
                           u"Spielerliste nicht auf. Es wurde nichts importiert."_s.arg(
                               QLocale().toString(import_hoechstzeilen)));
        return;
    }
    Importbilanz bilanz;
    if (const std::optional<QString> fehler =
            spieler_importieren(m_daten_pfad, m_mannschaft, tabelle.zeilen.mid(kopf), spalten(),
                                m_aktualisieren->isChecked(), bilanz)) {
        m_plattform.schreibfehler(*fehler);
        return;
    }
    emit importiert();
    m_plattform.information(bilanz_text(bilanz));
    accept();
}
