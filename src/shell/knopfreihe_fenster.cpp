#include "shell/knopfreihe_fenster.h"

#include <QHBoxLayout>
#include <QWidget>

QHBoxLayout *knopfreihe_anlegen(std::initializer_list<QWidget *> knoepfe, QWidget *traeger)
{
    auto *reihe = new QHBoxLayout(traeger);
    for (QWidget *knopf : knoepfe) {
        if (knopf)
            reihe->addWidget(knopf);
        else
            reihe->addStretch();
    }
    return reihe;
}
