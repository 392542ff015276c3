#include "backup/auto_sicherung.h"

#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/text1252.h"

using namespace Qt::StringLiterals;

QString anlegefehler_text(const QString &ordner)
{
    return u"Beim Anlegen von "_s + ordner + u" ist ein Fehler aufgetreten!"_s;
}

QString pfad_zu_lang_text(const QString &ordner)
{
    const int hoechstens = opt::sicherungs_pfad.kapazitaet;
    if (speicher::nach_1252(ordner).size() <= hoechstens)
        return {};
    return u"Der Pfad ist zu lang (höchstens %1 Zeichen): %2"_s.arg(hoechstens).arg(ordner);
}

QString sicherungsordner(const Zustand &zustand)
{
    const QString gesetzt = zustand.optionen.wert(opt::sicherungs_pfad);
    return mit_trenner(gesetzt.isEmpty() ? standard_sicherungsordner() : gesetzt);
}

bool Lesen(const Zustand &zustand, Plattform &plattform, const Fortschritt &fortschritt)
{
    const QString basis = sicherungsordner(zustand);
    // A folder that cannot be created (a stick not plugged in) is reported, but must not keep
    // the program from ending: nothing was copied, so nothing is half done.
    if (!verz_anl(basis)) {
        plattform.information(anlegefehler_text(basis));
        return true;
    }
    const QString tagesordner = basis + datumsordner_name(plattform.jetzt().date()) + u'/';
    if (!verz_anl(tagesordner)) {
        plattform.signalton();
        plattform.information(u"Verzeichnis "_s + tagesordner + u" kann nicht erstellt werden. "_s +
                              u"\n"_s + u"\n"_s +
                              u"Lesen Sie bitte die Hilfedatei über Datensicherung."_s + u"\n"_s);
        return true;
    }
    const Kopierergebnis ergebnis =
        Dir_lesen(zustand.daten_pfad, muster_automatisch(), tagesordner, fortschritt);
    if (!ergebnis.ok()) {
        plattform.fehler(ergebnis.fehler);
        return false;
    }
    return true;
}
