#include "shell/start.h"

#include "programm.h"
#include "shell/daten_ordner.h"
#include "shell/zustand.h"

#include <QLocale>

void programm_vorbereiten(Zustand &zustand, const QString &programm_ordner)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    zustand.programm_ordner = programm_ordner;
    zustand.daten_pfad = daten_pfad_bestimmen(programm_ordner);
    zustand.version_text = programm_version;
    zustand.optionen_lesen();
}
