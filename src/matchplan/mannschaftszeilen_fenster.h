#pragma once

#include <QWidget>

class QLabel;
class Spielplan;

// The team score under the standings of a plan window: one line per team, following every
// ranking of the plan.
class MannschaftsZeilen : public QWidget
{
    Q_OBJECT

public:
    MannschaftsZeilen(Spielplan &plan, QWidget *eltern);

    QLabel *m_zeile1 = nullptr;
    QLabel *m_zeile2 = nullptr;

private:
    void spiegeln();

    Spielplan &m_plan;
};
