#include "lineup/gruppendateien.h"

#include "lineup/gruppe.h"
#include "lineup/namensfelder.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QFile>

using namespace Qt::StringLiterals;

const QString gruppe1_e_datei = u"Gruppe1_E.gr1"_s;
const QString gruppe2_e_datei = u"Gruppe2_E.gr2"_s;
const QString gruppe1_d_datei = u"Gruppe1_D.gr1"_s;
const QString gruppe2_d_datei = u"Gruppe2_D.gr2"_s;

namespace {

QString aufstellung_pfad(const Zustand &zustand, Mannschaft mannschaft)
{
    return zustand.pfad(aufstellungsdatei(mannschaft));
}

bool schreiben(Zustand &zustand, Mannschaft mannschaft)
{
    return speicher::datei_ersetzen(aufstellung_pfad(zustand, mannschaft),
                                    gruppe_der_mannschaft(zustand, mannschaft).bytes());
}

// True when the record was read and the fields are to be filled.
bool einlesen(Zustand &zustand, Mannschaft mannschaft)
{
    switch (gruppendatei_lesen(aufstellung_pfad(zustand, mannschaft),
                               gruppe_der_mannschaft(zustand, mannschaft))) {
    case Gruppendatei::fehlt:
        return false;
    case Gruppendatei::beschaedigt:
        gruppe_anlegen(zustand, mannschaft);
        return false;
    case Gruppendatei::gelesen:
        break;
    }
    return true;
}

void spieler_zahl_setzen(Zustand &zustand, int letzter_eintrag)
{
    if (letzter_eintrag > 0)
        zustand.setze(opt::spieler_pro_mannschaft, letzter_eintrag);
}

void lesen_doppel(Zustand &zustand, Mannschaft mannschaft, Namensfelder &felder)
{
    // The window shows one team at a time: without a stored line-up it shows none, rather
    // than the other team's names left in its fields.
    if (!QFile::exists(aufstellung_pfad(zustand, mannschaft))) {
        felder.leeren(1, Namensfelder::anzahl);
        felder.setze_auslosung(mannschaft, std::nullopt);
        return;
    }
    if (!einlesen(zustand, mannschaft))
        return;
    // Another window may have drawn this line-up since this one last showed it.
    felder.setze_auslosung(mannschaft, zustand.auslosung_nr.at(nummer(mannschaft) - 1));
    const TGruppe &gruppe = gruppe_der_mannschaft(zustand, mannschaft);
    const int erster = grp::erster_slot(mannschaft);
    for (int feld = 1; feld <= Namensfelder::anzahl; ++feld)
        felder.setze(feld, gruppe.name(erster + feld - 1));
    spieler_zahl_setzen(zustand, gruppe.letztes_volles_paar(mannschaft));
}

} // namespace

Gruppendatei gruppendatei_lesen(const QString &pfad, TGruppe &gruppe)
{
    QFile datei(pfad);
    if (!datei.exists())
        return Gruppendatei::fehlt;
    if (!datei.open(QIODevice::ReadOnly) || !gruppe.von_bytes(datei.read(grp::groesse)))
        return Gruppendatei::beschaedigt;
    return Gruppendatei::gelesen;
}

QString aufstellungsdatei(Mannschaft mannschaft)
{
    return mannschaft == Mannschaft::eins ? gruppe1_e_datei : gruppe2_e_datei;
}

QString teilnehmerdatei_doppel(Mannschaft mannschaft)
{
    return mannschaft == Mannschaft::eins ? gruppe1_d_datei : gruppe2_d_datei;
}

TGruppe &gruppe_der_mannschaft(Zustand &zustand, Mannschaft mannschaft)
{
    return mannschaft == Mannschaft::eins ? zustand.gruppe1 : zustand.gruppe2;
}

bool gruppe_speichern(Zustand &zustand, Mannschaft mannschaft)
{
    return schreiben(zustand, mannschaft) || gruppe_anlegen(zustand, mannschaft);
}

bool gruppe_anlegen(Zustand &zustand, Mannschaft mannschaft)
{
    // A missing file is created empty first. A line-up already there is never emptied: on a
    // full disk the empty file would be written and the record not, and the line-up be lost.
    const QString pfad = aufstellung_pfad(zustand, mannschaft);
    if (!QFile::exists(pfad))
        speicher::datei_ersetzen(pfad, QByteArrayView());
    return schreiben(zustand, mannschaft);
}

void gruppe1_lesen_doppel(Zustand &zustand, Namensfelder &felder)
{
    lesen_doppel(zustand, Mannschaft::eins, felder);
}

void gruppe2_lesen_doppel(Zustand &zustand, Namensfelder &felder)
{
    lesen_doppel(zustand, Mannschaft::zwei, felder);
}

void gruppe1_lesen_einzel(Zustand &zustand, Namensfelder &felder)
{
    if (!einlesen(zustand, Mannschaft::eins))
        return;
    // Team 1 fills all twenty fields; team 2's reader, run after it, overwrites 11..20.
    for (int slot = 1; slot <= grp::slots_pro_mannschaft; ++slot)
        felder.setze(slot, zustand.gruppe1.name(slot));
    spieler_zahl_setzen(zustand,
                        zustand.gruppe1.letzter_belegter_slot(1, grp::slots_pro_mannschaft));
}

void gruppe2_lesen_einzel(Zustand &zustand, Namensfelder &felder)
{
    if (!einlesen(zustand, Mannschaft::zwei))
        return;
    const int erster = grp::erster_slot(Mannschaft::zwei);
    for (int k = 1; k <= grp::eintraege_pro_mannschaft; ++k)
        felder.setze(grp::eintraege_pro_mannschaft + k, zustand.gruppe2.name(erster + k - 1));
    spieler_zahl_setzen(
        zustand, zustand.gruppe2.letzter_belegter_slot(erster, grp::eintraege_pro_mannschaft));
}

void einzel_aufstellungen_speichern(Zustand &zustand, const Namensfelder &felder)
{
    for (int k = 1; k <= grp::eintraege_pro_mannschaft; ++k) {
        zustand.gruppe1.setze_name(k, felder.text(k));
        zustand.gruppe2.setze_name(grp::erster_slot(Mannschaft::zwei) + k - 1,
                                   felder.text(grp::eintraege_pro_mannschaft + k));
    }
    gruppe1_speichern(zustand);
    gruppe2_speichern(zustand);
    for (const Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei})
        zustand.auslosung_nr.at(nummer(mannschaft) - 1) = felder.auslosung(mannschaft);
}
