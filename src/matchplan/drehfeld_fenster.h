#pragma once

#include <QSpinBox>

// A whole-number spin edit that tells its up and down buttons (and arrow keys) apart from a
// typed value: valueChanged for every change, geklickt only for a step.
class Drehfeld : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;
    void stepBy(int schritte) override;

signals:
    void geklickt(int schritte);
};
