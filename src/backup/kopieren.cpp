#include "backup/kopieren.h"

#include "lineup/auslosungsprotokoll.h"
#include "shell/tischannahme.h"
#include "shell/zusatz.h"
#include "storage/sichere_datei.h"

#include <QDir>

using namespace Qt::StringLiterals;

const QStringList &muster_manuell()
{
    static const QStringList muster{u"*.opt"_s,
                                    u"*.akt"_s,
                                    u"*.dat"_s,
                                    u"*.stm"_s,
                                    u"*.frb"_s,
                                    protokoll_datei,
                                    QString::fromUtf16(tischmeldungen_dateiname),
                                    QString::fromUtf16(zusatz_dateiname)};
    return muster;
}

const QStringList &muster_automatisch()
{
    // ".tub" beside ".tab": without its result matrix a restored match day is incomplete.
    static const QStringList muster{u"*.opt"_s,
                                    u"*.adr"_s,
                                    u"*.akt"_s,
                                    u"*.dat"_s,
                                    u"*.grp"_s,
                                    u"*.tab"_s,
                                    u"*.tub"_s,
                                    u"*.erg"_s,
                                    u"*.stm"_s,
                                    u"*.frb"_s,
                                    protokoll_datei,
                                    QString::fromUtf16(tischmeldungen_dateiname),
                                    QString::fromUtf16(zusatz_dateiname)};
    return muster;
}

QString standard_sicherungsordner()
{
    return QDir::homePath() + u"/Vorlix_Quarel_Backup"_s;
}

QString datumsordner_name(const QDate &datum)
{
    return datum.toString(u"dd_MM_yyyy"_s);
}

QString mit_trenner(const QString &ordner)
{
    return ordner.endsWith(u'/') ? ordner : ordner + u'/';
}

bool verz_anl(const QString &ordner)
{
    return QDir().mkpath(ordner);
}

QStringList passende_dateien(const QString &ordner, const QStringList &muster)
{
    const QDir verzeichnis(ordner);
    QStringList namen;
    for (const QString &eines : muster)
        namen += verzeichnis.entryList({eines}, QDir::Files | QDir::Hidden,
                                       QDir::Name | QDir::IgnoreCase);
    return namen;
}

std::optional<QString> KopiereDatei(const QString &quelle, const QString &ziel)
{
    const std::optional<QString> grund = speicher::datei_kopieren(quelle, ziel);
    if (!grund)
        return std::nullopt;
    return u"Die Datei %1 konnte nicht nach %2 kopiert werden.\n%3"_s.arg(quelle, ziel, *grund);
}

Kopierergebnis dateien_kopieren(const QString &quell_ordner, const QStringList &namen,
                                const QString &ziel_ordner, const Fortschritt &fortschritt)
{
    Kopierergebnis ergebnis;
    const QDir von(quell_ordner);
    const QDir nach(ziel_ordner);
    for (const QString &name : namen) {
        const Kopierschritt schritt{von.filePath(name), nach.filePath(name),
                                    int(ergebnis.kopiert.size()), int(namen.size())};
        if (fortschritt)
            fortschritt(schritt);
        if (const std::optional<QString> fehler = KopiereDatei(schritt.quelle, schritt.ziel)) {
            ergebnis.fehler = *fehler;
            break;
        }
        ergebnis.kopiert.append(schritt.ziel);
    }
    return ergebnis;
}

Kopierergebnis Dir_lesen(const QString &quell_ordner, const QStringList &muster,
                         const QString &ziel_ordner, const Fortschritt &fortschritt)
{
    return dateien_kopieren(quell_ordner, passende_dateien(quell_ordner, muster), ziel_ordner,
                            fortschritt);
}
