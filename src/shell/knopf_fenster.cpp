#include "shell/knopf_fenster.h"

#include "shell/kuerzel.h"

#include <QPushButton>

QPushButton *knopf_anlegen(QWidget *eltern, const char *objekt_name, const QString &beschriftung)
{
    return knopf_anlegen(eltern, objekt_name, beschriftung, ohne_kuerzel(beschriftung));
}

void feste_knopfgroesse(QPushButton *knopf, int breite, int hoehe)
{
    knopf->setProperty(feste_knopfgroesse_eigenschaft, true);
    knopf->resize(breite, hoehe);
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
