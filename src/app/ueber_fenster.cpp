#include "app/ueber_fenster.h"

#include "app/ueber.h"
#include "help/hilfe_taste_fenster.h"
#include "pictures/zeichnungen.h"
#include "programm.h"
#include "shell/beschriftung_fenster.h"
#include "shell/pfadfeld_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

UeberFenster::UeberFenster(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QDialog(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
}

void UeberFenster::oberflaeche_aufbauen()
{
    setObjectName(u"UeberFenster"_s);
    setWindowTitle(u"Über "_s + programm_name);
    resize(560, 480);
    auto *spalte = new QVBoxLayout(this);

    auto *kopf = new QHBoxLayout;
    auto *bild = new QLabel;
    bild->setPixmap(
        zeichnung::als_pixmap(zeichnung::startbild(), QSize(120, 75), devicePixelRatioF()));
    bild->setAccessibleName(u"Startbild"_s);
    kopf->addWidget(bild);
    auto *name = new QLabel(u"<b style=\"font-size:16pt\">%1</b><br>"
                            "Tischfußball-Turniere zweier Mannschaften"_s.arg(programm_name));
    kopf->addWidget(name, 1);
    spalte->addLayout(kopf);

    m_version = new QLabel(u"Version "_s + programm_version);
    m_version->setObjectName(u"Version"_s);
    spalte->addWidget(m_version);

    auto *lizenz_titel = new QLabel(u"Verwendete &Bibliotheken und ihre Lizenzen:"_s);
    m_lizenzen = new QTextBrowser;
    m_lizenzen->setObjectName(u"Lizenzen"_s);
    m_lizenzen->setAccessibleName(u"Verwendete Bibliotheken und ihre Lizenzen"_s);
    m_lizenzen->setOpenLinks(false);
    QString liste = u"<table cellpadding=\"3\">"_s;
    for (const Bibliothek &b : verwendete_bibliotheken())
        liste += u"<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>"_s.arg(
            b.name.toHtmlEscaped(), b.zweck.toHtmlEscaped(), b.lizenz.toHtmlEscaped());
    m_lizenzen->setHtml(liste + u"</table>"_s);
    lizenz_titel->setBuddy(m_lizenzen);
    spalte->addWidget(lizenz_titel);
    spalte->addWidget(m_lizenzen, 1);

    m_datenordner = pfadfeld_anlegen(nullptr, "Datenordner", Pfadeingabe::nur_lesen);
    QLabel *ordner_titel =
        beschriftung_anlegen(nullptr, nullptr, u"&Datenordner:"_s, m_datenordner, u"Datenordner"_s);
    m_ordner_oeffnen = new QPushButton(u"Datenordner ö&ffnen"_s);
    m_ordner_oeffnen->setObjectName(u"OrdnerOeffnen"_s);
    auto *ordner_zeile = new QHBoxLayout;
    ordner_zeile->addWidget(m_datenordner, 1);
    ordner_zeile->addWidget(m_ordner_oeffnen);
    spalte->addWidget(ordner_titel);
    spalte->addLayout(ordner_zeile);

    m_schliessen = new QPushButton(u"&Schließen"_s);
    m_schliessen->setObjectName(u"Schliessen"_s);
    m_schliessen->setDefault(true);
    auto *knopf_zeile = new QHBoxLayout;
    knopf_zeile->addStretch();
    knopf_zeile->addWidget(m_schliessen);
    spalte->addLayout(knopf_zeile);

    connect(m_ordner_oeffnen, &QPushButton::clicked, this,
            [this] { m_plattform.ordner_zeigen(m_zustand.daten_pfad); });
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void UeberFenster::zeigen()
{
    m_datenordner->setText(m_zustand.daten_pfad);
    open();
}
