#include "appearance/eigene_farben.h"

#include "storage/farbwert.h"
#include "storage/textdatei.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

const QString eigene_farben_dateiname = u"farb.txt"_s;

namespace {

// The name part of a line "name=value"; names are compared without regard to case.
int namens_nummer(const QString &zeile)
{
    const qsizetype gleich = zeile.indexOf(u'=');
    if (gleich < 0)
        return -1;
    const QStringView name = QStringView(zeile).left(gleich);
    for (int nr = 0; nr < EigeneFarben::anzahl; ++nr)
        if (name.compare(EigeneFarben::name(nr), Qt::CaseInsensitive) == 0)
            return nr;
    return -1;
}

// Each name counts at its first line, as it is also written back there.
qsizetype erste_zeile(const QStringList &zeilen, int nr)
{
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (namens_nummer(zeilen[i]) == nr)
            return i;
    return -1;
}

quint32 wert_lesen(const QString &zeile)
{
    const QString text = zeile.mid(zeile.indexOf(u'=') + 1).trimmed();
    bool ok = false;
    const quint32 wert = text.toUInt(&ok, 16);
    return ok ? wert : EigeneFarben::unbelegt;
}

QColor anzeigefarbe(quint32 wert)
{
    return wert > 0xFFFFFF ? QColor(Qt::white) : farbe_zu_qcolor(TColor(wert));
}

} // namespace

EigeneFarben::EigeneFarben()
{
    m_werte.fill(unbelegt);
}

QString EigeneFarben::name(int nr)
{
    return u"Color"_s + QChar(u'A' + nr);
}

QString EigeneFarben::wert_text(quint32 wert)
{
    return QString::number(wert, 16).toUpper().rightJustified(6, u'0');
}

bool EigeneFarben::lesen(const QString &pfad)
{
    m_werte.fill(unbelegt);
    m_zeilen.clear();
    if (!QFileInfo::exists(pfad))
        return true;
    if (!speicher::textdatei_lesen(pfad, m_zeilen))
        return false;
    for (int nr = 0; nr < anzahl; ++nr) {
        const qsizetype zeile = erste_zeile(m_zeilen, nr);
        if (zeile >= 0)
            m_werte[nr] = wert_lesen(m_zeilen[zeile]);
    }
    return true;
}

bool EigeneFarben::schreiben(const QString &pfad) const
{
    QStringList zeilen = m_zeilen;
    for (int nr = 0; nr < anzahl; ++nr) {
        const QString zeile = name(nr) + u'=' + wert_text(m_werte[nr]);
        const qsizetype stelle = erste_zeile(zeilen, nr);
        if (stelle >= 0)
            zeilen[stelle] = zeile;
        else
            zeilen.append(zeile);
    }
    return speicher::textdatei_schreiben(pfad, zeilen, speicher::Zeilenende::CRLF);
}

QList<QColor> EigeneFarben::als_farben() const
{
    QList<QColor> farben;
    for (quint32 wert : m_werte)
        farben.append(anzeigefarbe(wert));
    return farben;
}

void EigeneFarben::aus_farben(const QList<QColor> &farben)
{
    for (int nr = 0; nr < anzahl && nr < farben.size(); ++nr)
        if (farben[nr].rgb() != anzeigefarbe(m_werte[nr]).rgb())
            m_werte[nr] = quint32(qcolor_zu_farbe(farben[nr]));
}
