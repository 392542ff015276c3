#include "matchplan/wiederherstellung.h"

#include "grid/filtergrid.h"
#include "matchplan/plan_profil.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spielplan.h"
#include "matchplan/spieltag.h"
#include "shell/plattform.h"
#include "shell/zustand.h"
#include "storage/ganzzahl.h"
#include "storage/sichere_datei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace wiederherstellung {

namespace {

// The numbered subfolders, newest first.
QList<quint64> nummern(const QDir &basis)
{
    QList<quint64> liste;
    for (const QString &name : basis.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const quint64 nummer = name.toULongLong(&ok);
        if (ok && QString::number(nummer) == name)
            liste.append(nummer);
    }
    std::sort(liste.begin(), liste.end(), std::greater<>());
    return liste;
}

// The game kind and names of a standings file name as "Speichern" makes them.
std::optional<Satz> satz_aus_name(const QString &tabelle)
{
    static const QRegularExpression form(u"^([DE])_Tab1Gr(\\d\\d)_(\\d\\d_\\d\\d_\\d{4})\\.Tab$"_s);
    const QRegularExpressionMatch teile = form.match(tabelle);
    if (!teile.hasMatch())
        return std::nullopt;
    const int anzahl = teile.captured(2).toInt();
    const QDate tag = QDate::fromString(teile.captured(3), u"dd_MM_yyyy"_s);
    if (anzahl < 1 || anzahl > 10 || !tag.isValid())
        return std::nullopt;
    const bool doppel = teile.captured(1) == u"D"_s;
    return Satz{{}, doppel, spieltag_dateinamen(doppel, anzahl, tag)};
}

QString art_name(bool doppel)
{
    return doppel ? u"Doppel"_s : u"Einzel"_s;
}

// A link is removed itself, never followed.
bool eintrag_entfernen(const QFileInfo &eintrag)
{
    if (eintrag.isDir() && !eintrag.isSymLink())
        return QDir(eintrag.filePath()).removeRecursively();
    return QFile::remove(eintrag.filePath());
}

QStringList eintraege(const QDir &ordner)
{
    return ordner.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

QString ordner(const QString &daten_pfad)
{
    return daten_pfad + u"Wiederherstellung/"_s;
}

QString ordner(const QString &daten_pfad, bool doppel)
{
    return ordner(daten_pfad) + art_name(doppel) + u'/';
}

Fund suchen(const QString &daten_pfad, bool doppel)
{
    const QDir basis(ordner(daten_pfad, doppel));
    if (!basis.exists() || eintraege(basis).isEmpty())
        return {};
    for (quint64 nummer : nummern(basis)) {
        const QDir satz_ordner(basis.filePath(QString::number(nummer)));
        for (const QString &name : satz_ordner.entryList({u"*.Tab"_s}, QDir::Files)) {
            std::optional<Satz> satz = satz_aus_name(name);
            if (!satz || satz->doppel != doppel || !satz_ordner.exists(satz->namen.matrix))
                continue;
            satz->ordner = satz_ordner.path() + u'/';
            return {Fund::ladbar, *satz};
        }
    }
    return {Fund::unbrauchbar, Satz{{}, doppel, {}}};
}

int eingetragene_spiele(const Satz &satz)
{
    const std::optional<qint32> anzahl = ganzzahl_lesen(anzahl_text_tabelle(satz.namen.tabelle));
    GitterModell matrix;
    matrix.SetFileName(satz.ordner + satz.namen.matrix);
    if (!anzahl || !matrix.LoadFromFile(true))
        return 0;
    return plan::eingetragene_spiele(matrix, plan::anzahl_begrenzt(*anzahl));
}

QString angebot_frage(const Satz &satz, int spiele)
{
    const QString zeit =
        QFileInfo(satz.ordner + satz.namen.matrix).lastModified().toString(u"HH:mm"_s);
    const QString ergebnisse = spiele == 1 ? u"1 Ergebnis"_s : u"%1 Ergebnissen"_s.arg(spiele);
    return u"Der Spieltag von %1 mit %2 wurde nicht gespeichert. Wiederherstellen?"_s.arg(
        zeit, ergebnisse);
}

bool fremdes_entfernen(const QString &daten_pfad)
{
    const QDir basis(ordner(daten_pfad));
    bool gefunden = false;
    for (const QString &name : eintraege(basis)) {
        const QFileInfo eintrag(basis.filePath(name));
        const bool eigen = (name == art_name(false) || name == art_name(true)) && eintrag.isDir() &&
                           !eintrag.isSymLink();
        if (eigen)
            continue;
        gefunden = true;
        eintrag_entfernen(eintrag);
    }
    return gefunden;
}

bool entfernen(const QString &daten_pfad)
{
    QDir basis(ordner(daten_pfad));
    return !basis.exists() || basis.removeRecursively();
}

bool entfernen(const QString &daten_pfad, bool doppel)
{
    const QFileInfo art(ordner(daten_pfad) + art_name(doppel));
    const bool entfernt = (!art.exists() && !art.isSymLink()) || eintrag_entfernen(art);
    // Only once empty: the other kind's set stays.
    QDir().rmdir(ordner(daten_pfad));
    return entfernt;
}

} // namespace wiederherstellung

Wiederherstellung::Wiederherstellung(Zustand &zustand, Plattform &plattform, const Spielplan &plan,
                                     GitterModell &tabelle, GitterModell &matrix, QObject *eltern)
    : QObject(eltern)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_plan(plan)
    , m_tabelle(tabelle)
    , m_matrix(matrix)
{
    m_takt.setSingleShot(true);
    m_takt.setInterval(wiederherstellung::verzoegerung_ms);
    connect(&m_takt, &QTimer::timeout, this, &Wiederherstellung::schreiben);
    connect(&m_plan, &Spielplan::tag_geaendert, this, &Wiederherstellung::vormerken);
    connect(&m_plan, &Spielplan::gespeichert, this, &Wiederherstellung::verwerfen);
}

void Wiederherstellung::vormerken()
{
    m_takt.start();
}

void Wiederherstellung::verwerfen()
{
    m_takt.stop();
    wiederherstellung::entfernen(m_zustand.daten_pfad, m_plan.profil().doppel);
}

bool Wiederherstellung::schreiben()
{
    m_takt.stop();
    const bool doppel = m_plan.profil().doppel;
    const QString basis = wiederherstellung::ordner(m_zustand.daten_pfad, doppel);
    const QList<quint64> alte = wiederherstellung::nummern(QDir(basis));
    const quint64 nummer = alte.isEmpty() ? 1 : alte.first() + 1;
    const QString ziel = basis + QString::number(nummer) + u'/';

    const int n = m_plan.anzahl();
    const QDate tag = m_plan.datum().isValid() ? m_plan.datum() : m_plattform.jetzt().date();
    const Spieltagdateien namen = spieltag_dateinamen(doppel, n, tag);
    // The record last: the set can be loaded as soon as both grids are there.
    const QByteArray beilage = m_beilage ? m_beilage() : QByteArray();
    const bool geschrieben =
        QDir().mkpath(ziel) && m_tabelle.SaveToPath(ziel + namen.tabelle) &&
        m_matrix.SaveToPath(ziel + namen.matrix) &&
        (beilage.isEmpty() || speicher::datei_ersetzen(ziel + m_beilage_name, beilage)) &&
        spieltag_schreiben(ziel + namen.satz, spieltag_aus_tabelle(m_tabelle, doppel, n));
    if (!geschrieben) {
        QDir(ziel).removeRecursively();
        if (!m_fehler_gemeldet) {
            // Set before the message: a box that waits lets the timer run again.
            m_fehler_gemeldet = true;
            m_plattform.fehler(
                u"Der laufende Spieltag kann nicht für eine Wiederherstellung gesichert werden "
                u"(%1).\nNach einem Absturz fehlen die Ergebnisse seit der letzten Sicherung; "
                u"bitte den Spieltag speichern, sobald es wieder geht."_s.arg(
                    QDir::toNativeSeparators(basis)));
        }
        return false;
    }
    m_fehler_gemeldet = false;
    // Only this kind's older sets: the other kind's day is still unsaved.
    const QDir ordner(basis);
    for (const QString &name : wiederherstellung::eintraege(ordner)) {
        if (name != QString::number(nummer))
            wiederherstellung::eintrag_entfernen(QFileInfo(ordner.filePath(name)));
    }
    return true;
}
