#include "app/werbung_fenster.h"

#include "programm.h"

#include "app/startbild_fenster.h"
#include "help/hilfe_taste_fenster.h"
#include "shell/kuerzel.h"
#include "shell/plattform.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TForm3::TForm3(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QDialog(parent)
    , m_plattform(plattform)
{
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, zustand, m_plattform);
}

void TForm3::oberflaeche_aufbauen()
{
    setObjectName("Form3");
    setWindowTitle(programm_name);

    Image1 = new Startbild(this);
    Image1->setObjectName("Image1");

    Label1 = new QLabel(u"Diese Seite könnte Ihre Werbung anzeigen."_s, this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    QFont schrift = Label1->font();
    schrift.setPointSize(18);
    schrift.setBold(true);
    Label1->setFont(schrift);

    Button1 = new QPushButton(u"&Beenden"_s, this);
    Button1->setObjectName("Button1");
    Button1->setAccessibleName(ohne_kuerzel(Button1->text()));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *spalte = new QVBoxLayout(this);
    spalte->addStretch();
    spalte->addWidget(Image1, 0, Qt::AlignHCenter);
    spalte->addSpacing(24);
    spalte->addWidget(Label1);
    spalte->addStretch();
    spalte->addWidget(Button1, 0, Qt::AlignHCenter);
    spalte->addSpacing(24);
}

void TForm3::showEvent(QShowEvent *ereignis)
{
    setGeometry(m_plattform.arbeitsbereich());
    QDialog::showEvent(ereignis);
}
