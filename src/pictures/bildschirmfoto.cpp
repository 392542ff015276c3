#include "pictures/bildschirmfoto.h"

#include "pictures/jpeg_schreiben.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

using namespace Qt::StringLiterals;

QRect aufnahme_bereich(const QRect &fenster, const QRect &bildschirm)
{
    return fenster.intersected(bildschirm);
}

QImage fenster_bild(const QImage &aufnahme, const QSize &groesse)
{
    const QImage bild = aufnahme.size() == groesse ? aufnahme
                                                   : aufnahme.scaled(groesse, Qt::IgnoreAspectRatio,
                                                                     Qt::SmoothTransformation);
    return bild.convertToFormat(QImage::Format_RGB32);
}

QString setJPGFileName(const QString &fbmp)
{
    const QString name = QFileInfo(fbmp).fileName();
    return name.left(name.size() - 3) + u"jpg"_s;
}

Bildschirmfoto::Bildschirmfoto(Zustand &zustand, Plattform &plattform, std::optional<int> qualitaet,
                               std::function<QRect()> fensterrahmen, QObject *eltern)
    : QObject(eltern)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_qualitaet(qualitaet)
    , m_fensterrahmen(std::move(fensterrahmen))
    , m_wartezeit(new QTimer(this))
{
    setObjectName("Bildschirmfoto");
    m_wartezeit->setSingleShot(true);
    m_wartezeit->setInterval(warte_ms);
    connect(m_wartezeit, &QTimer::timeout, this, &Bildschirmfoto::aufnehmen);
}

void Bildschirmfoto::starten()
{
    const QString gewaehlt = m_plattform.datei_speichern_dialog(
        u"Speichern unter"_s, m_zustand.daten_pfad, u"Dateinamen ohne Dateiendung eingeben. (*)"_s);
    if (gewaehlt.isEmpty())
        return;
    m_bmp_name = gewaehlt + u".bmp"_s;
    m_wartezeit->start();
}

void Bildschirmfoto::aufnehmen()
{
    m_wartezeit->stop();
    if (m_bmp_name.isEmpty())
        return;
    const QString jpg = QFileInfo(m_bmp_name).path() + u'/' + setJPGFileName(m_bmp_name);
    m_bmp_name.clear();
    const QRect bereich = aufnahme_bereich(m_fensterrahmen(), m_plattform.bildschirm());
    const QImage aufnahme =
        bereich.isEmpty() ? QImage() : m_plattform.bildschirm_aufnehmen(bereich);
    if (aufnahme.isNull()) {
        m_plattform.fehler(u"Der Bildschirm konnte nicht aufgenommen werden."_s);
        return;
    }
    if (!jpeg_schreiben(fenster_bild(aufnahme, bereich.size()), jpg, m_qualitaet))
        m_plattform.schreibfehler(u"Das Bildschirmfoto konnte nicht gespeichert werden:\n%1"_s.arg(
            QDir::toNativeSeparators(jpg)));
}
