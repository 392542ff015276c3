#include "matchplan/drehfeld_fenster.h"

void Drehfeld::stepBy(int schritte)
{
    const int vorher = value();
    QSpinBox::stepBy(schritte);
    if (value() != vorher)
        emit geklickt(value() - vorher);
}
