#include "app/ueber_fenster.h"

#include "app/ueber.h"
#include "help/hilfe_taste_fenster.h"
#include "pictures/zeichnungen.h"
#include "programm.h"
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

    Version = new QLabel(u"Version "_s + programm_version);
    Version->setObjectName(u"Version"_s);
    spalte->addWidget(Version);

    auto *lizenz_titel = new QLabel(u"Verwendete &Bibliotheken und ihre Lizenzen:"_s);
    Lizenzen = new QTextBrowser;
    Lizenzen->setObjectName(u"Lizenzen"_s);
    Lizenzen->setAccessibleName(u"Verwendete Bibliotheken und ihre Lizenzen"_s);
    Lizenzen->setOpenLinks(false);
    QString liste = u"<table cellpadding=\"3\">"_s;
    for (const Bibliothek &b : verwendete_bibliotheken())
        liste += u"<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>"_s.arg(
            b.name.toHtmlEscaped(), b.zweck.toHtmlEscaped(), b.lizenz.toHtmlEscaped());
    Lizenzen->setHtml(liste + u"</table>"_s);
    lizenz_titel->setBuddy(Lizenzen);
    spalte->addWidget(lizenz_titel);
    spalte->addWidget(Lizenzen, 1);

    auto *ordner_titel = new QLabel(u"&Datenordner:"_s);
    Datenordner = new QLineEdit;
    Datenordner->setObjectName(u"Datenordner"_s);
    Datenordner->setReadOnly(true);
    Datenordner->setAccessibleName(u"Datenordner"_s);
    ordner_titel->setBuddy(Datenordner);
    OrdnerOeffnen = new QPushButton(u"Datenordner ö&ffnen"_s);
    OrdnerOeffnen->setObjectName(u"OrdnerOeffnen"_s);
    auto *ordner_zeile = new QHBoxLayout;
    ordner_zeile->addWidget(Datenordner, 1);
    ordner_zeile->addWidget(OrdnerOeffnen);
    spalte->addWidget(ordner_titel);
    spalte->addLayout(ordner_zeile);

    Schliessen = new QPushButton(u"&Schließen"_s);
    Schliessen->setObjectName(u"Schliessen"_s);
    Schliessen->setDefault(true);
    auto *knopf_zeile = new QHBoxLayout;
    knopf_zeile->addStretch();
    knopf_zeile->addWidget(Schliessen);
    spalte->addLayout(knopf_zeile);

    connect(OrdnerOeffnen, &QPushButton::clicked, this,
            [this] { m_plattform.ordner_zeigen(m_zustand.daten_pfad); });
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void UeberFenster::zeigen()
{
    Datenordner->setText(m_zustand.daten_pfad);
    open();
}
