#include "matchplan/mannschaftszeilen_fenster.h"

#include "matchplan/spielplan.h"

#include <QLabel>
#include <QVBoxLayout>

MannschaftsZeilen::MannschaftsZeilen(Spielplan &plan, QWidget *eltern)
    : QWidget(eltern)
    , m_plan(plan)
{
    setObjectName("Mannschaftszeilen");
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 2, 6, 2);
    spalte->setSpacing(0);
    for (auto [zeile, name] :
         {std::pair{&m_zeile1, "Mannschaft1Zeile"}, {&m_zeile2, "Mannschaft2Zeile"}}) {
        *zeile = new QLabel(this);
        (*zeile)->setObjectName(name);
        QFont schrift = (*zeile)->font();
        schrift.setBold(true);
        (*zeile)->setFont(schrift);
        spalte->addWidget(*zeile);
    }
    connect(&m_plan, &Spielplan::laufend_gewertet, this, &MannschaftsZeilen::spiegeln);
    connect(&m_plan, &Spielplan::geaendert, this, &MannschaftsZeilen::spiegeln);
    spiegeln();
}

void MannschaftsZeilen::spiegeln()
{
    m_zeile1->setText(m_plan.laufende_zeile(Mannschaft::eins));
    m_zeile2->setText(m_plan.laufende_zeile(Mannschaft::zwei));
}
