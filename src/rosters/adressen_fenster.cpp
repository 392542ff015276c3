#include "rosters/adressen_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "rosters/adressbestand.h"
#include "rosters/spielerexport.h"
#include "rosters/spielerimport_fenster.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int hilfe_thema_adressen = 1050;
constexpr int versatz_unter_mitte = 50;
constexpr int feld_breite = 280;
constexpr int liste_breite = 240;

QString rahmentitel(int anzahl)
{
    return u"Bereits %1 vorhandene Namen"_s.arg(anzahl);
}

} // namespace

AdressenFenster::AdressenFenster(Zustand &zustand, Plattform &plattform,
                                 QString &gewaehlter_eintrag, const Profil &profil, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_gewaehlt(gewaehlter_eintrag)
    , m_profil(profil)
{
    setObjectName(profil.objekt_name);
    setWindowTitle(profil.titel);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    platzieren();
}

void AdressenFenster::oberflaeche_aufbauen()
{
    auto *raster = new QGridLayout(this);

    GroupBox1 = new QGroupBox(u"Personendaten"_s, this);
    GroupBox1->setObjectName("GroupBox1");
    auto *formular = new QFormLayout(GroupBox1);
    for (int i = 0; i < adr::feldanzahl; ++i) {
        const QString beschriftung = QString::fromUtf16(adr::eingabefelder[i].beschriftung);
        auto *label = new QLabel(beschriftung, GroupBox1);
        auto *feld = new QLineEdit(GroupBox1);
        feld->setObjectName(u"Edit%1"_s.arg(i + 3));
        feld->setAccessibleName(beschriftung);
        feld->setMinimumWidth(feld_breite);
        feld->installEventFilter(this);
        label->setBuddy(feld);
        formular->addRow(label, feld);
        m_felder[i] = feld;
    }
    Edit3 = m_felder[0];
    Edit4 = m_felder[1];
    Edit5 = m_felder[2];
    Edit6 = m_felder[3];
    Edit7 = m_felder[4];
    Edit8 = m_felder[5];
    Edit9 = m_felder[6];
    Edit10 = m_felder[7];
    raster->addWidget(GroupBox1, 0, 0);

    Button1 = knopf_anlegen("Button1", u"&Speichern >>"_s);
    raster->addWidget(Button1, 0, 1, Qt::AlignVCenter);

    GroupBox2 = new QGroupBox(u"Bereits vorhandene Namen"_s, this);
    GroupBox2->setObjectName("GroupBox2");
    auto *rahmen = new QHBoxLayout(GroupBox2);
    ListBox1 = new QListWidget(GroupBox2);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setAccessibleName(u"Vorhandene Namen"_s);
    ListBox1->setMinimumWidth(liste_breite);
    ListBox1->installEventFilter(this);
    rahmen->addWidget(ListBox1);
    raster->addWidget(GroupBox2, 0, 2);

    Button3 = knopf_anlegen("Button3", u"&Löschen"_s);
    Button4 = knopf_anlegen("Button4", u"&Hilfe"_s);
    Button2 = knopf_anlegen("Button2", u"&Beenden"_s);
    raster->addLayout(knopfreihe_anlegen({Button3, Button4, nullptr, Button2}), 1, 0, 1, 3);
    m_importieren = knopf_anlegen("SpielerImportieren", u"Spieler &importieren…"_s);
    m_exportieren = knopf_anlegen("SpielerExportieren", u"Spieler e&xportieren…"_s);
    raster->addLayout(knopfreihe_anlegen({m_importieren, m_exportieren, nullptr}), 2, 0, 1, 3);

    setTabOrder(Edit10, Button1);
    setTabOrder(Button1, ListBox1);
    setTabOrder(ListBox1, Button3);
    setTabOrder(Button3, Button4);
    setTabOrder(Button4, m_importieren);
    setTabOrder(m_importieren, m_exportieren);
    setTabOrder(m_exportieren, Button2);

    connect(Edit4, &QLineEdit::textChanged, this, &AdressenFenster::Edit4Change);
    // Every click picks, the entry picked already too; so do the arrow keys.
    connect(ListBox1, &QListWidget::itemClicked, this, &AdressenFenster::ListBox1Click);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &AdressenFenster::ListBox1Click);
    connect(Button1, &QPushButton::clicked, this, &AdressenFenster::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &AdressenFenster::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &AdressenFenster::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &AdressenFenster::Button4Click);
    connect(m_importieren, &QPushButton::clicked, this, &AdressenFenster::spieler_importieren);
    connect(m_exportieren, &QPushButton::clicked, this, &AdressenFenster::spieler_exportieren);
    Edit4Change();
}

QPushButton *AdressenFenster::knopf_anlegen(const char *objekt_name, const QString &text)
{
    auto *knopf = ::knopf_anlegen(this, objekt_name, text);
    knopf->installEventFilter(this);
    return knopf;
}

void AdressenFenster::platzieren()
{
    mittig_platzieren(*this, m_plattform.bildschirm(), versatz_unter_mitte);
}

void AdressenFenster::oeffnen()
{
    felder_leeren();
    liste_laden();
    show();
    raise();
    activateWindow();
    Edit3->setFocus();
}

void AdressenFenster::felder_leeren()
{
    for (QLineEdit *feld : m_felder)
        feld->clear();
}

void AdressenFenster::liste_laden()
{
    QStringList eintraege = adresse_laden(m_zustand.daten_pfad, m_profil.mannschaft);
    eintraege_sortieren(eintraege);
    ListBox1->clear();
    ListBox1->addItems(eintraege);
    GroupBox2->setTitle(rahmentitel(ListBox1->count()));
}

Adresstexte AdressenFenster::texte() const
{
    Adresstexte ergebnis;
    for (int i = 0; i < adr::feldanzahl; ++i)
        ergebnis[i] = m_felder[i]->text();
    return ergebnis;
}

void AdressenFenster::Edit4Change()
{
    Button1->setEnabled(!Edit4->text().isEmpty());
}

void AdressenFenster::ListBox1Click()
{
    const QList<QListWidgetItem *> auswahl = ListBox1->selectedItems();
    if (auswahl.isEmpty())
        return;
    m_gewaehlt = auswahl.constFirst()->text();
    const std::optional<adresse> satz =
        adresse_einfuegen(m_zustand.daten_pfad, m_profil.mannschaft, m_gewaehlt);
    if (!satz)
        return;
    const Adresstexte werte = texte_der_adresse(*satz);
    for (int i = 0; i < adr::feldanzahl; ++i)
        m_felder[i]->setText(werte[i]);
}

void AdressenFenster::Button1Click()
{
    if (!adresse_speichern_oder_ersetzen(m_zustand.daten_pfad, m_profil.mannschaft, texte())) {
        // The fields keep what was typed, so that nothing is lost and the save can be repeated.
        m_plattform.schreibfehler(
            u"Der Spieler wurde nicht gespeichert: Die Datei \"%1\" konnte nicht geschrieben "
            u"werden."_s.arg(m_zustand.pfad(adressen_dateiname(m_profil.mannschaft))));
        return;
    }
    felder_leeren();
    liste_laden();
    if (m_profil.fokus_nach_speichern_auf_name)
        Edit3->setFocus();
}

void AdressenFenster::Button2Click()
{
    m_plattform.hilfe_schliessen();
    close();
}

void AdressenFenster::Button3Click()
{
    if (m_gewaehlt.isEmpty())
        return;
    const Adresspruefung pruefung =
        adresse_pruefen(m_zustand.daten_pfad, m_profil.mannschaft, Edit3->text(), Edit4->text());
    if (!pruefung.gefunden)
        return;
    adresse_loeschen(m_zustand.daten_pfad, m_profil.mannschaft, pruefung.position, m_plattform);
    felder_leeren();
    liste_laden();
}

void AdressenFenster::Button4Click()
{
    hilfe_zeigen(m_zustand, m_plattform, hilfe_thema_adressen);
}

void AdressenFenster::spieler_importieren()
{
    const QString datei =
        m_plattform.datei_oeffnen_dialog(u"Spieler importieren"_s, QDir::homePath(),
                                         u"Spielerlisten (*.csv *.txt);;Alle Dateien (*)"_s);
    if (datei.isEmpty())
        return;
    speicher::CsvTabelle vorschau;
    // The head row and the rows of the preview: quick whatever the size of the file.
    if (const std::optional<QString> fehler =
            spielerliste_lesen(datei, vorschau, SpielerimportFenster::vorschau_zeilen + 1)) {
        m_plattform.fehler(*fehler);
        return;
    }
    if (m_import)
        m_import->close();
    m_import = new SpielerimportFenster(m_zustand.daten_pfad, m_profil.mannschaft, m_plattform,
                                        datei, vorschau, this);
    m_import->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_import, &SpielerimportFenster::importiert, this, &AdressenFenster::liste_laden);
    m_import->open();
}

void AdressenFenster::spieler_exportieren()
{
    QString filter;
    const QString vorschlag =
        QDir::homePath() + u"/Spieler Mannschaft %1.csv"_s.arg(nummer(m_profil.mannschaft));
    const QString gewaehlt = m_plattform.datei_speichern_dialog_mit_art(
        u"Spieler exportieren"_s, vorschlag, export_filter(), filter);
    const Exportart art = export_art(gewaehlt, filter);
    const QString datei = export_dateiname(gewaehlt, art);
    if (datei.isEmpty())
        return;
    int anzahl = 0;
    if (const std::optional<QString> fehler =
            ::spieler_exportieren(m_zustand.daten_pfad, m_profil.mannschaft, datei, art, anzahl)) {
        m_plattform.schreibfehler(*fehler);
        return;
    }
    m_plattform.information(u"%1 Spieler exportiert."_s.arg(anzahl));
}

bool AdressenFenster::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        // Enter moves on like Tab and never reaches the control.
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    } else if (ereignis->type() == QEvent::KeyRelease) {
        // Releasing Down or Up in a field moves to the next or previous field.
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        const auto feld = std::find(m_felder.begin(), m_felder.end(), objekt);
        if (feld != m_felder.end() && taste == Qt::Key_Down && feld + 1 != m_felder.end()) {
            (*(feld + 1))->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (feld != m_felder.end() && taste == Qt::Key_Up && feld != m_felder.begin()) {
            (*(feld - 1))->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void AdressenFenster::closeEvent(QCloseEvent *ereignis)
{
    // Also for the close box: the main window must not stay without its start page.
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}

TAdressen::TAdressen(Zustand &zustand, Plattform &plattform, QString &gewaehlter_eintrag,
                     QWidget *parent)
    : AdressenFenster(
          zustand, plattform, gewaehlter_eintrag,
          {Mannschaft::eins, "Adressen", u"Spieler Mannschaft 1 erfassen/ändern."_s, false}, parent)
{
}

TAdressen2::TAdressen2(Zustand &zustand, Plattform &plattform, QString &gewaehlter_eintrag,
                       QWidget *parent)
    : AdressenFenster(
          zustand, plattform, gewaehlter_eintrag,
          {Mannschaft::zwei, "Adressen2", u"Spieler Mannschaft 2 erfassen/ändern."_s, true}, parent)
{
}
