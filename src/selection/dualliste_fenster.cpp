#include "selection/dualliste_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/knopfreihe_fenster.h"
#include "shell/kuerzel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Rebuilds a list box from its model entries, marks and all; the current item is the first
// marked one so that the keyboard goes on from there.
void liste_spiegeln(QListWidget *ansicht, const SortierteListe &liste)
{
    const QSignalBlocker sperre(ansicht);
    ansicht->clear();
    QListWidgetItem *aktuell = nullptr;
    for (const SortierteListe::Eintrag &eintrag : liste.eintraege()) {
        auto *zeile = new QListWidgetItem(eintrag.text, ansicht);
        zeile->setSelected(eintrag.markiert);
        if (eintrag.markiert && !aktuell)
            aktuell = zeile;
    }
    if (aktuell) {
        ansicht->setCurrentItem(aktuell, QItemSelectionModel::NoUpdate);
        ansicht->scrollToItem(aktuell);
    }
}

QLabel *zaehler(const char *objekt_name, const QString &zugaenglicher_name, QWidget *eltern)
{
    auto *label = new QLabel(u"0"_s, eltern);
    label->setObjectName(objekt_name);
    label->setAccessibleName(zugaenglicher_name);
    return label;
}

} // namespace

TDualListDlg::TDualListDlg(Zustand &zustand, Plattform &plattform, Namensfelder &einzel_felder,
                           Namensfelder &doppel_felder, QWidget *parent)
    : QDialog(parent)
    , m_liste(zustand, plattform, einzel_felder, doppel_felder)
{
    setObjectName("DualListDlg");
    oberflaeche_aufbauen();
    verbinden();
    hilfe_taste_einrichten(this, zustand, plattform);
    spiegeln();
}

QListWidget *TDualListDlg::liste(const char *objekt_name, QLabel *beschriftung)
{
    auto *liste = new QListWidget(this);
    liste->setObjectName(objekt_name);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setAccessibleName(ohne_kuerzel(beschriftung->text()));
    liste->setMinimumSize(200, 300);
    beschriftung->setBuddy(liste);
    return liste;
}

void TDualListDlg::oberflaeche_aufbauen()
{
    auto *raster = new QGridLayout(this);
    listen_aufbauen(raster);
    raster->addLayout(verschiebeknoepfe_aufbauen(), 1, 1);
    raster->addWidget(spielart_aufbauen(), 2, 0);
    raster->addLayout(mannschaften_aufbauen(), 2, 2);
    Button1 = knopf_anlegen(this, "Button1", u"Auswahl &laden"_s);
    Button2 = knopf_anlegen(this, "Button2", u"Auswahl &speichern"_s);
    Button3 = knopf_anlegen(this, "Button3", u"&Beenden"_s);
    raster->addLayout(knopfreihe_anlegen({nullptr, Button1, Button2, Button3}), 3, 0, 1, 3);
}

// The two lists under their captions and counters, left and right.
void TDualListDlg::listen_aufbauen(QGridLayout *raster)
{
    auto *quell_beschriftung = new QLabel(u"Noch vorhandene Spieler"_s, this);
    quell_beschriftung->setObjectName("Label1");
    auto *ziel_beschriftung = new QLabel(u"Ausgewählte Spieler"_s, this);
    ziel_beschriftung->setObjectName("Label2");
    Label3 = zaehler("Label3", u"Anzahl noch vorhandene Spieler"_s, this);
    Label6 = zaehler("Label6", u"Anzahl ausgewählte Spieler"_s, this);
    SrcList = liste("SrcList", quell_beschriftung);
    DstList = liste("DstList", ziel_beschriftung);

    auto *quell_kopf = new QHBoxLayout;
    quell_kopf->addWidget(quell_beschriftung);
    quell_kopf->addWidget(Label3);
    quell_kopf->addStretch();
    auto *ziel_kopf = new QHBoxLayout;
    ziel_kopf->addWidget(ziel_beschriftung);
    ziel_kopf->addWidget(Label6);
    ziel_kopf->addStretch();
    raster->addLayout(quell_kopf, 0, 0);
    raster->addLayout(ziel_kopf, 0, 2);
    raster->addWidget(SrcList, 1, 0);
    raster->addWidget(DstList, 1, 2);
}

QVBoxLayout *TDualListDlg::verschiebeknoepfe_aufbauen()
{
    Button4 = knopf_anlegen(this, "Button4", u">"_s, u"Markierte Spieler auswählen"_s);
    Button5 = knopf_anlegen(this, "Button5", u">>"_s, u"Alle Spieler auswählen"_s);
    Button6 = knopf_anlegen(this, "Button6", u"<"_s, u"Markierte Spieler zurücknehmen"_s);
    Button7 = knopf_anlegen(this, "Button7", u"<<"_s, u"Alle Spieler zurücknehmen"_s);
    auto *mitte = new QVBoxLayout;
    mitte->addStretch();
    for (QPushButton *verschieben : {Button4, Button5, Button6, Button7}) {
        verschieben->setToolTip(verschieben->accessibleName());
        verschieben->setFixedWidth(48);
        mitte->addWidget(verschieben);
    }
    mitte->addStretch();
    return mitte;
}

QWidget *TDualListDlg::spielart_aufbauen()
{
    auto *spielart = new QWidget(this);
    auto *spielart_zeile = new QHBoxLayout(spielart);
    spielart_zeile->setContentsMargins(0, 0, 0, 0);
    RadioButton1 = new QRadioButton(u"&Einzelspiel"_s, spielart);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setAccessibleName(u"Einzelspiel"_s);
    RadioButton2 = new QRadioButton(u"&Doppelspiel"_s, spielart);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->setAccessibleName(u"Doppelspiel"_s);
    spielart_zeile->addWidget(RadioButton1);
    spielart_zeile->addWidget(RadioButton2);
    spielart_zeile->addStretch();
    return spielart;
}

QHBoxLayout *TDualListDlg::mannschaften_aufbauen()
{
    auto *mannschaften = new QHBoxLayout;
    CheckBox1 = new QCheckBox(u"Mannschaft &1"_s, this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setAccessibleName(u"Mannschaft 1"_s);
    CheckBox2 = new QCheckBox(u"Mannschaft &2"_s, this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setAccessibleName(u"Mannschaft 2"_s);
    mannschaften->addWidget(CheckBox1);
    mannschaften->addWidget(CheckBox2);
    mannschaften->addStretch();
    return mannschaften;
}

void TDualListDlg::verbinden()
{
    connect(&m_liste, &DualListe::geaendert, this, &TDualListDlg::spiegeln);
    connect(SrcList, &QListWidget::itemSelectionChanged, this,
            [this] { markierung_uebernehmen(DualListe::Seite::quelle, SrcList); });
    connect(DstList, &QListWidget::itemSelectionChanged, this,
            [this] { markierung_uebernehmen(DualListe::Seite::ziel, DstList); });
    connect(SrcList, &QListWidget::itemClicked, &m_liste, &DualListe::quelle_angeklickt);
    connect(DstList, &QListWidget::itemClicked, &m_liste, &DualListe::ziel_angeklickt);
    connect(Button4, &QPushButton::clicked, &m_liste, &DualListe::hinzufuegen);
    connect(Button5, &QPushButton::clicked, &m_liste, &DualListe::alle_hinzufuegen);
    connect(Button6, &QPushButton::clicked, &m_liste, &DualListe::entfernen);
    connect(Button7, &QPushButton::clicked, &m_liste, &DualListe::alle_entfernen);
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { spielart_angeklickt(false); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { spielart_angeklickt(true); });
    connect(CheckBox1, &QCheckBox::clicked, this,
            [this] { m_liste.mannschaft_angeklickt(Mannschaft::eins); });
    connect(CheckBox2, &QCheckBox::clicked, this,
            [this] { m_liste.mannschaft_angeklickt(Mannschaft::zwei); });
    connect(Button1, &QPushButton::clicked, &m_liste, &DualListe::auswahl_laden);
    connect(Button2, &QPushButton::clicked, &m_liste, &DualListe::auswahl_speichern);
    connect(Button3, &QPushButton::clicked, this, &TDualListDlg::accept);
}

void TDualListDlg::oeffnen()
{
    m_liste.oeffnen();
    open();
}

void TDualListDlg::markierung_uebernehmen(DualListe::Seite seite, QListWidget *liste)
{
    QList<int> zeilen;
    for (const QModelIndex &index : liste->selectionModel()->selectedRows())
        zeilen.append(index.row());
    m_liste.markieren(seite, zeilen);
}

void TDualListDlg::spielart_angeklickt(bool doppel)
{
    // A click on the kind already chosen changes nothing.
    if (doppel != m_liste.doppel())
        m_liste.spielart_waehlen(doppel);
}

void TDualListDlg::spiegeln()
{
    setWindowTitle(m_liste.titel());
    liste_spiegeln(SrcList, m_liste.quelle());
    liste_spiegeln(DstList, m_liste.ziel());
    Label3->setText(QString::number(m_liste.quelle().anzahl()));
    Label6->setText(QString::number(m_liste.ziel().anzahl()));
    const DualListe::Knoepfe &k = m_liste.knoepfe();
    Button4->setEnabled(k.hinzufuegen);
    Button5->setEnabled(k.alle_hinzufuegen);
    Button6->setEnabled(k.entfernen);
    Button7->setEnabled(k.alle_entfernen);
    Button1->setEnabled(k.laden);
    Button2->setEnabled(k.speichern);
    RadioButton1->setChecked(!m_liste.doppel());
    RadioButton2->setChecked(m_liste.doppel());
    CheckBox1->setChecked(m_liste.angehakt(Mannschaft::eins));
    CheckBox2->setChecked(m_liste.angehakt(Mannschaft::zwei));
}
