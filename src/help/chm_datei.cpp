#include "help/chm_datei.h"

#include "help/chm_verzeichnis.h"

#include <QFile>
#include <chm_lib.h>

namespace {

// The pages of a help file are small; anything larger comes from a damaged directory.
constexpr LONGUINT64 groesstes_objekt = 8 * 1024 * 1024;

bool finden(chmFile *datei, const QString &pfad, chmUnitInfo &info)
{
    const QByteArray name = pfad.toUtf8();
    return name.size() <= CHM_MAX_PATHLEN &&
           chm_resolve_object(datei, name.constData(), &info) == CHM_RESOLVE_SUCCESS;
}

} // namespace

ChmDatei::ChmDatei(chmFile *datei)
    : m_datei(datei)
{
}

ChmDatei::~ChmDatei()
{
    chm_close(m_datei);
}

std::unique_ptr<ChmDatei> ChmDatei::oeffnen(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly) || !chm_verzeichnis_gueltig(datei))
        return nullptr;
    datei.close();
    chmFile *offen = chm_open(QFile::encodeName(pfad).constData());
    if (!offen)
        return nullptr;
    return std::unique_ptr<ChmDatei>(new ChmDatei(offen));
}

bool ChmDatei::enthaelt(const QString &pfad) const
{
    chmUnitInfo info;
    return finden(m_datei, pfad, info);
}

std::optional<QByteArray> ChmDatei::lesen(const QString &pfad) const
{
    chmUnitInfo info;
    if (!finden(m_datei, pfad, info) || info.length > groesstes_objekt)
        return std::nullopt;
    QByteArray inhalt(qsizetype(info.length), Qt::Uninitialized);
    const LONGINT64 gelesen =
        chm_retrieve_object(m_datei, &info, reinterpret_cast<unsigned char *>(inhalt.data()), 0,
                            LONGINT64(info.length));
    if (gelesen != LONGINT64(info.length))
        return std::nullopt;
    return inhalt;
}
