#include "shell/kurztext.h"

QString kurz_verketten(std::initializer_list<Glied> glieder)
{
    QString ergebnis;
    for (const Glied &glied : glieder) {
        ergebnis += glied.text;
        ergebnis.truncate(glied.grenze);
    }
    return ergebnis;
}
