#include "shell/pfadfeld_fenster.h"

#include <QLineEdit>

QLineEdit *pfadfeld_anlegen(QWidget *eltern, const char *objekt_name, Pfadeingabe eingabe)
{
    auto *feld = new QLineEdit(eltern);
    feld->setObjectName(objekt_name);
    feld->setReadOnly(eingabe == Pfadeingabe::nur_lesen);
    return feld;
}
