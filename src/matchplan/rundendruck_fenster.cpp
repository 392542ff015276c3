#include "matchplan/rundendruck_fenster.h"

#include "shell/druck_modul.h"
#include "shell/module.h"
#include "shell/plattform.h"

using namespace Qt::StringLiterals;

QWidget *rundendruck_zeigen(const Seitenvorschau &vorschau, Plattform &plattform, QWidget *eltern)
{
    auto *druck = modul<DruckModul>(QString::fromLatin1(druck_modul_name));
    if (!druck) {
        plattform.fehler(
            u"Das Druckmodul wurde nicht gefunden; \"%1\" kann nicht gedruckt werden."_s.arg(
                vorschau.titel));
        return nullptr;
    }
    return druck->seiten_vorschau(vorschau, plattform, eltern);
}
