#include "appearance/farbwahl_fenster.h"

#include "appearance/stil_anwenden.h"
#include "appearance/stile.h"
#include "help/hilfe_taste_fenster.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFarbe::TFarbe(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    setObjectName("Farbe");
    setWindowTitle(u"Farbwahl"_s);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    platzieren();
}

void TFarbe::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);

    Panel1 = new QLabel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setMargin(6);
    QFont schrift = Panel1->font();
    schrift.setBold(true);
    Panel1->setFont(schrift);
    spalte->addWidget(Panel1);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setAccessibleName(u"Verfügbare Styles"_s);
    ListBox1->addItems(stil_namen());
    ListBox1->setMinimumSize(260, 420);
    spalte->addWidget(ListBox1, 1);

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [this, knoepfe](const char *name, const QString &text) {
        auto *k = knopf_anlegen(this, name, text);
        knoepfe->addWidget(k);
        return k;
    };
    Style_Button = knopf("Style_Button", u"Style &aktivieren"_s);
    Button1 = knopf("Button1", u"&Speichern"_s);
    Button22 = knopf("Button22", u"&Beenden"_s);
    Style_Button->setEnabled(false);
    spalte->addLayout(knoepfe);

    connect(ListBox1, &QListWidget::itemClicked, this, &TFarbe::ListBox1Click);
    // Choosing with the arrow keys counts as a click.
    connect(ListBox1, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *eintrag) { ListBox1Click(eintrag); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TFarbe::ListBox1DblClick);
    connect(Style_Button, &QPushButton::clicked, this, &TFarbe::Style_ButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TFarbe::Button1Click);
    connect(Button22, &QPushButton::clicked, this, &TFarbe::close);
}

void TFarbe::platzieren()
{
    mittig_platzieren(*this, m_plattform.bildschirm());
}

void TFarbe::zeigen()
{
    aktiven_stil_zeigen();
    show();
    raise();
    activateWindow();
}

void TFarbe::aktiven_stil_zeigen()
{
    Panel1->setText(u"Aktiver Style > "_s + m_zustand.stil_name);
}

void TFarbe::ListBox1Click(QListWidgetItem *eintrag)
{
    if (!eintrag)
        return;
    m_gewaehlt = eintrag->text();
    Style_Button->setEnabled(true);
}

void TFarbe::ListBox1DblClick(QListWidgetItem *eintrag)
{
    ListBox1Click(eintrag);
    stil_uebernehmen();
}

void TFarbe::Style_ButtonClick()
{
    stil_uebernehmen();
    close();
}

void TFarbe::Button1Click()
{
    if (const std::optional<QString> fehler =
            farben_speichern(m_zustand.farben, m_zustand.daten_pfad))
        m_plattform.schreibfehler(*fehler);
    farben_lesen(m_zustand.farben, m_zustand.daten_pfad);
    close();
}

void TFarbe::stil_uebernehmen()
{
    if (stil_anwenden(m_zustand, m_gewaehlt) &&
        !style_speichern(m_zustand.daten_pfad, m_zustand.stil_name))
        m_plattform.schreibfehler(
            u"Der Style gilt nur bis zum Ende des Programms: Die Datei \"%1\" konnte nicht "
            u"geschrieben werden."_s.arg(
                QDir::toNativeSeparators(m_zustand.pfad(style_dateiname))));
    aktiven_stil_zeigen();
}

void TFarbe::closeEvent(QCloseEvent *ereignis)
{
    // Also for the close box: the main window must not stay without its start page.
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}
