#include "matchplan/spieltag_pruefung.h"

#include "grid/filtergrid.h"
#include "matchplan/spieltag.h"
#include "matchplan/spieltag_namen.h"
#include "storage/sichere_datei.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kopfzeilen = 5;
constexpr qint64 auswahlzeilen = 4;

// The count in line `nummer` (0-based) of the file, or -1.
qint64 zahl_in_zeile(QByteArrayView inhalt, int nummer)
{
    qsizetype anfang = 0;
    for (int i = 0; i < nummer; ++i) {
        const qsizetype ende = inhalt.indexOf('\n', anfang);
        if (ende < 0)
            return -1;
        anfang = ende + 1;
    }
    qsizetype ende = inhalt.indexOf('\n', anfang);
    if (ende < 0)
        ende = inhalt.size();
    bool ok = false;
    const int wert = inhalt.sliced(anfang, ende - anfang).toByteArray().trimmed().toInt(&ok);
    return ok && wert >= 0 ? wert : -1;
}

} // namespace

bool gitterbytes_ganz(QByteArrayView inhalt)
{
    const qint64 spalten = zahl_in_zeile(inhalt, 1);
    const qint64 zeilen = zahl_in_zeile(inhalt, 2);
    if (spalten < 0 || zeilen < 0)
        return false;
    const qint64 vorhanden =
        inhalt.count('\n') + (inhalt.isEmpty() || inhalt.endsWith('\n') ? 0 : 1);
    return vorhanden >= kopfzeilen + spalten * zeilen + 1 + spalten + auswahlzeilen;
}

bool gitterdatei_ganz(const QString &pfad)
{
    if (!QFileInfo::exists(pfad))
        return true;
    QByteArray inhalt;
    if (!speicher::datei_lesen(pfad, inhalt) || !gitterbytes_ganz(inhalt))
        return false;
    GitterModell probe;
    return probe.aus_bytes_laden(inhalt, true, true, probe.FileSollVersion, 0);
}

bool satzdatei_ganz(const QString &pfad)
{
    const QFileInfo datei(pfad);
    return !datei.exists() || datei.size() >= spt::groesse;
}

bool spieltag_ganz(const QString &ordner, const QString &tabellen_name, const QString &satz_name)
{
    return gitterdatei_ganz(ordner + tabellen_name) &&
           gitterdatei_ganz(ordner + matrix_dateiname(tabellen_name)) &&
           (satz_name.isEmpty() || satzdatei_ganz(ordner + satz_name));
}

QString beschaedigte_gitterdatei(const QString &ordner, const QString &tabellen_name)
{
    for (const QString &name : {tabellen_name, matrix_dateiname(tabellen_name)}) {
        if (!gitterdatei_ganz(ordner + name))
            return name;
    }
    return {};
}

QString spieltag_beschaedigt_meldung(const QString &name)
{
    return u"Der Spieltag %1 ist beschädigt und wurde nicht geladen."_s.arg(name);
}

QString satz_beschaedigt_meldung(const QString &satz_name)
{
    return u"Die Datei %1 des Spieltags ist beschädigt. Die Ergebnisse wurden geladen; die "
           u"Datei wird beim nächsten \"Speichern\" neu geschrieben."_s.arg(satz_name);
}
