#include "shell/beschriftung_fenster.h"

#include "shell/kuerzel.h"

#include <QLabel>

QLabel *beschriftung_anlegen(QWidget *eltern, const char *objekt_name, const QString &text)
{
    auto *label = new QLabel(text, eltern);
    if (objekt_name)
        label->setObjectName(objekt_name);
    return label;
}

QLabel *beschriftung_anlegen(QWidget *eltern, const char *objekt_name, const QString &text,
                             QWidget *feld)
{
    return beschriftung_anlegen(eltern, objekt_name, text, feld, ohne_kuerzel(text));
}

QLabel *beschriftung_anlegen(QWidget *eltern, const char *objekt_name, const QString &text,
                             QWidget *feld, const QString &zugaenglicher_name)
{
    QLabel *label = beschriftung_anlegen(eltern, objekt_name, text);
    label->setBuddy(feld);
    feld->setAccessibleName(zugaenglicher_name);
    return label;
}
