#include "help/hilfe_taste_fenster.h"

#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QShortcut>
#include <QWidget>

void hilfe_zeigen(Zustand &zustand, Plattform &plattform, int thema)
{
    plattform.hilfe_oeffnen(zustand.hilfe_datei, thema);
}

void hilfe_taste_einrichten(QWidget *fenster, Zustand &zustand, Plattform &plattform, int thema)
{
    auto *taste = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    taste->setContext(Qt::WindowShortcut);
    QObject::connect(taste, &QShortcut::activated, fenster,
                     [&zustand, &plattform, thema] { hilfe_zeigen(zustand, plattform, thema); });
}
