#include "backup/datensicherung_fenster.h"

#include "appearance/stil_anwenden.h"
#include "backup/auto_sicherung.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/beschriftung_fenster.h"
#include "shell/pfadfeld_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/farbwert.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TDatensicherung::TDatensicherung(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Dialog)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    setObjectName("Datensicherung");
    setWindowTitle(u"Automatische Datensicherung"_s);
    oberflaeche_aufbauen();
}

void TDatensicherung::oberflaeche_aufbauen()
{
    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    aussen->addWidget(Panel1);

    auto *spalte = new QVBoxLayout(Panel1);
    Label1 = new QLabel(u"Die automatische Datensicherung wird ausgeführt."_s, Panel1);
    Label1->setObjectName("Label1");
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    Label2 = new QLabel(u"Bitte warten . . ."_s, Panel1);
    Label2->setObjectName("Label2");
    Edit1 = pfadfeld_anlegen(Panel1, "Edit1", Pfadeingabe::nur_lesen);
    Label3 = beschriftung_anlegen(Panel1, "Label3", u"Quellverzeichniss"_s, Edit1);
    Edit2 = pfadfeld_anlegen(Panel1, "Edit2", Pfadeingabe::nur_lesen);
    Label4 = beschriftung_anlegen(Panel1, "Label4", u"Zielverzeichnis"_s, Edit2);
    for (QWidget *teil :
         std::initializer_list<QWidget *>{Label1, Label2, Label3, Edit1, Label4, Edit2})
        spalte->addWidget(teil);
    Edit1->setMinimumWidth(520);
}

void TDatensicherung::farben_anwenden()
{
    const Tcolor1 &farben = m_zustand.farben;
    flaeche_faerben(*Panel1, farben.wert(frb::form_umr));
    for (QLineEdit *feld : {Edit1, Edit2}) {
        QPalette palette = feld->palette();
        palette.setColor(QPalette::Base, farbe_zu_qcolor(farben.wert(frb::listb)));
        palette.setColor(QPalette::Text, farbe_zu_qcolor(farben.wert(frb::listb_font)));
        feld->setPalette(palette);
    }
}

void TDatensicherung::mittig_zeigen()
{
    mittig_platzieren(*this, m_plattform.arbeitsbereich());
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TDatensicherung::Lesen()
{
    Edit1->clear();
    Edit2->clear();
    farben_anwenden();
    mittig_zeigen();
    const bool gesichert = ::Lesen(m_zustand, m_plattform, [this](const Kopierschritt &schritt) {
        Edit1->setText(schritt.quelle);
        Edit2->setText(schritt.ziel);
        // Lets the screen show each file; the person's input waits until the copy is over.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    hide();
    return gesichert;
}
