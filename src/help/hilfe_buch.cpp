#include "help/hilfe_buch.h"

#include "help/chm_datei.h"

#include <QCollator>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// Entries of the file's system record that name its parts.
enum SystemEintrag : quint16 { inhaltsdatei = 0, indexdatei = 1, startthema = 2, buchtitel = 3 };

QString html_text(const QByteArray &html)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(html);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(html);
}

QString null_text(QByteArrayView daten)
{
    const qsizetype ende = daten.indexOf('\0');
    return QString::fromUtf8(ende < 0 ? daten : daten.first(ende));
}

void seiten_sammeln(const std::vector<HilfeEintrag> &eintraege, QStringList &seiten)
{
    for (const HilfeEintrag &e : eintraege) {
        if (!e.seite.isEmpty() && !seiten.contains(e.seite))
            seiten << e.seite;
        seiten_sammeln(e.kinder, seiten);
    }
}

} // namespace

HilfeBuch::HilfeBuch() = default;
HilfeBuch::~HilfeBuch() = default;
HilfeBuch::HilfeBuch(HilfeBuch &&) noexcept = default;
HilfeBuch &HilfeBuch::operator=(HilfeBuch &&) noexcept = default;

bool HilfeBuch::oeffnen(const QString &pfad)
{
    *this = HilfeBuch();
    m_datei = ChmDatei::oeffnen(pfad);
    if (!m_datei)
        return false;
    m_pfad = pfad;
    system_lesen();
    themen_lesen();
    if (m_startseite.isEmpty()) {
        const QStringList alle = seiten();
        m_startseite = alle.value(0);
    }
    if (!lesen(m_startseite)) {
        *this = HilfeBuch();
        return false;
    }
    return true;
}

void HilfeBuch::system_lesen()
{
    const QByteArray system = m_datei->lesen(u"/#SYSTEM"_s).value_or(QByteArray());
    QString inhalt_pfad, index_pfad;
    for (qsizetype pos = 4; pos + 4 <= system.size();) {
        const quint16 art = qFromLittleEndian<quint16>(system.constData() + pos);
        const quint16 laenge = qFromLittleEndian<quint16>(system.constData() + pos + 2);
        pos += 4;
        if (laenge > system.size() - pos)
            break;
        const QString text = null_text(QByteArrayView(system).sliced(pos, laenge));
        pos += laenge;
        switch (art) {
        case inhaltsdatei:
            inhalt_pfad = hilfe_seitenpfad(text);
            break;
        case indexdatei:
            index_pfad = hilfe_seitenpfad(text);
            break;
        case startthema:
            m_startseite = hilfe_seitenpfad(text);
            break;
        case buchtitel:
            m_titel = text;
            break;
        default:
            break;
        }
    }
    if (!inhalt_pfad.isEmpty())
        m_inhalt = sitemap_lesen(lesen(inhalt_pfad).value_or(QByteArray()));
    if (!index_pfad.isEmpty())
        m_stichwoerter = sitemap_lesen(lesen(index_pfad).value_or(QByteArray()));
    QCollator sortierung{QLocale(QLocale::German, QLocale::Germany)};
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_stichwoerter.begin(), m_stichwoerter.end(),
                     [&sortierung](const HilfeEintrag &a, const HilfeEintrag &b) {
                         return sortierung.compare(a.name, b.name) < 0;
                     });
}

// Topic numbers stand in "/#IVB" as pairs (number, offset of the page name in "/#STRINGS")
// after a 32-bit length. The compiler stores the page names with the folder it compiled in, so
// a name is matched by its longest tail that is a page of the file.
void HilfeBuch::themen_lesen()
{
    const QByteArray ivb = m_datei->lesen(u"/#IVB"_s).value_or(QByteArray());
    const QByteArray namen = m_datei->lesen(u"/#STRINGS"_s).value_or(QByteArray());
    if (ivb.size() < 4)
        return;
    const qsizetype ende =
        qMin(ivb.size(), 4 + qsizetype(qFromLittleEndian<quint32>(ivb.constData())));
    for (qsizetype pos = 4; pos + 8 <= ende; pos += 8) {
        const int thema = qFromLittleEndian<qint32>(ivb.constData() + pos);
        const quint32 lage = qFromLittleEndian<quint32>(ivb.constData() + pos + 4);
        if (lage >= quint32(namen.size()) || m_themen.contains(thema))
            continue;
        QString name = null_text(QByteArrayView(namen).sliced(lage));
        name.replace(u'\\', u'/');
        const QStringList teile = name.split(u'/', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < teile.size(); ++i) {
            const QString seite = u'/' + teile.sliced(i).join(u'/');
            if (m_datei->enthaelt(seite)) {
                m_themen.insert(thema, seite);
                break;
            }
        }
    }
}

QString HilfeBuch::thema_seite(int thema) const
{
    return m_themen.value(thema);
}

std::optional<QByteArray> HilfeBuch::lesen(const QString &pfad) const
{
    if (!m_datei)
        return std::nullopt;
    return m_datei->lesen(pfad);
}

QString HilfeBuch::seitentitel(const QString &seite) const
{
    static const QRegularExpression muster(u"<title[^>]*>(.*)</title>"_s,
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption |
                                               QRegularExpression::InvertedGreedinessOption);
    const QString html = html_text(lesen(seite).value_or(QByteArray()));
    const QString titel = muster.match(html).captured(1);
    return QTextDocumentFragment::fromHtml(titel).toPlainText().simplified();
}

QStringList HilfeBuch::seiten() const
{
    QStringList ergebnis;
    seiten_sammeln(m_inhalt, ergebnis);
    seiten_sammeln(m_stichwoerter, ergebnis);
    for (const QString &seite : m_themen)
        if (!ergebnis.contains(seite))
            ergebnis << seite;
    return ergebnis;
}

QStringList HilfeBuch::suchen(const QString &text) const
{
    const QStringList woerter = text.simplified().split(u' ', Qt::SkipEmptyParts);
    QStringList treffer;
    if (woerter.isEmpty())
        return treffer;
    for (const QString &seite : seiten()) {
        auto klartext = m_texte.constFind(seite);
        if (klartext == m_texte.constEnd()) {
            const QString html = html_text(lesen(seite).value_or(QByteArray()));
            klartext = m_texte.insert(seite, QTextDocumentFragment::fromHtml(html).toPlainText());
        }
        if (std::all_of(woerter.begin(), woerter.end(), [&](const QString &wort) {
                return klartext->contains(wort, Qt::CaseInsensitive);
            }))
            treffer << seite;
    }
    return treffer;
}
