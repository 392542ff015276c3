#include "shell/knopf_fenster.h"

#include "shell/kuerzel.h"

#include <QPushButton>

QPushButton *knopf_anlegen(QWidget *eltern, const char *objekt_name, const QString &beschriftung)
{
    return knopf_anlegen(eltern, objekt_name, beschriftung, ohne_kuerzel(beschriftung));
}

QPushButton *knopf_anlegen(QWidget *eltern, const char *objekt_name, const QString &beschriftung,
                           const QString &zugaenglicher_name)
{
    auto *knopf = new QPushButton(beschriftung, eltern);
    knopf->setObjectName(objekt_name);
    knopf->setAccessibleName(zugaenglicher_name);
    knopf->setAutoDefault(false);
    return knopf;
}
