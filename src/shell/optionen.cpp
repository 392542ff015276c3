#include "shell/optionen.h"

#include "storage/sichere_datei.h"

#include <QFile>

using namespace Qt::StringLiterals;

const QString optionen_dateiname = u"Vorlixn.opt"_s;

void TOptionen::auf_grundwerte_setzen()
{
    setze(opt::mannschaft_nr, 1);
    setze(opt::auswahl_art, 0);
    setze(opt::ruecksicherung_auto, 0);
    setze(opt::reserviert_text16, QString());
    setze(opt::sicherungs_pfad, QString());
    setze(opt::druck_schriftgroesse, 0);
    setze(opt::reserviert_int184, 0);
    setze(opt::sperrfarbe, 0);
    setze(opt::hintergrundfarbe, 0);
    setze(opt::reserviert_int204, 0);
    setze(opt::reserviert_int208, 0);
    setze(opt::zeilenhoehe_d, 18);
    for (int i = 0; i < 8; ++i)
        setze(speicher::Int32Feld{opt::reserviert_ints248 + 4 * i}, 0);
    setze(opt::name_mannschaft1, QString());
    setze(opt::name_mannschaft2, QString());
    setze(opt::reserviert_text493, QString());
    setze(opt::wav_datei, QString());
    setze(opt::reserviert_text695, QString());
    setze(opt::druck_schriftart, QString());
    for (const speicher::TextFeld &feld : opt::reserviert_texte878)
        setze(feld, QString());
    // The one-byte text 0x80, the euro sign in Windows-1252.
    setze_bytes(opt::reserviert_text1042.offset, "\x01\x80");
    setze(opt::reserviert_int1100, 5);
    setze(opt::auto_sicherung, 0);
    setze(opt::reserviert_int1108, 0);
    setze(opt::reserviert_int1112, 0);
    setze(opt::spieler_pro_mannschaft, 0);
    setze(opt::daten_einfuegen, 0);
    setze(opt::uhr_schliessen, 0);
    setze(opt::reserviert_farbe1128, 0x00B3B3FF);
    setze(opt::reserviert_farbe1132, 0x00B3B3FF);
    setze(opt::reserviert_int1208, 0);
}

namespace {

QString optionen_pfad(const QString &daten_pfad)
{
    return daten_pfad + optionen_dateiname;
}

} // namespace

bool optionen_anlegen(TOptionen &optionen, const QString &daten_pfad)
{
    TOptionen neu = optionen;
    neu.auf_grundwerte_setzen();
    // A file that cannot be written leaves the values in memory as they are.
    if (!speicher::datei_ersetzen(optionen_pfad(daten_pfad), neu.bytes()))
        return false;
    optionen = neu;
    return true;
}

void optionen_lesen(TOptionen &optionen, const QString &daten_pfad)
{
    QFile datei(optionen_pfad(daten_pfad));
    if (!datei.exists()) {
        optionen_anlegen(optionen, daten_pfad);
        return;
    }
    if (!datei.open(QIODevice::ReadOnly) || !optionen.von_bytes(datei.read(opt::groesse))) {
        datei.close();
        optionen_anlegen(optionen, daten_pfad);
    }
}

bool optionen_speichern(TOptionen &optionen, const QString &daten_pfad)
{
    // A deleted file is replaced by the reset values, which is no failure.
    if (!QFile::exists(optionen_pfad(daten_pfad)))
        return optionen_anlegen(optionen, daten_pfad);
    if (speicher::datei_ersetzen(optionen_pfad(daten_pfad), optionen.bytes()))
        return true;
    optionen_anlegen(optionen, daten_pfad);
    return false;
}
