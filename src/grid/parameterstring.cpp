// Column parameter strings and the other text views of the grid.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"

#include <QFontMetrics>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar zeilenzeichen = u'\u00AF';

} // namespace

QString GitterModell::ColInfoToParamStr(int aCol) const
{
    const TColInfo *info = GetColInfo(aCol);
    return info ? spalteninfo_text(*info, RowTz) : QString();
}

TColInfo *GitterModell::ParamStrToColInfo(int aCol, const QString &param, QString *fehler)
{
    if (param.isEmpty() || aCol < 0)
        return nullptr;
    TColInfo *info = ColInfo_Create(aCol);
    const QString meldung = spalteninfo_lesen(*info, param, RowTz, m_font);
    if (fehler && !meldung.isEmpty())
        *fehler = meldung;
    return info;
}

QString GitterModell::spalteninfos_lesen(int anzahl,
                                         const std::function<std::optional<QString>()> &naechster)
{
    for (int c = 0; c < anzahl; ++c) {
        const std::optional<QString> param = naechster();
        if (!param)
            break;
        QString fehler;
        ParamStrToColInfo(c, *param, &fehler);
        if (!fehler.isEmpty())
            return fehler;
    }
    return {};
}

QString GitterModell::ColFeatures() const
{
    QString text = QString::number(m_col_count);
    for (int c = 0; c < m_col_count; ++c)
        text += zeilenzeichen + ColInfoToParamStr(c);
    return text + zeilenzeichen + m_sortierung.spaltentitel();
}

bool GitterModell::SetColFeatures(const QString &text, QString *fehler)
{
    const auto [anzahl_text, danach] = CutToken(zeilenzeichen, text);
    const int anzahl = StrToIntNorm(anzahl_text);
    QString rest = danach;
    if (anzahl <= 0)
        return false;
    if (anzahl > hoechste_spaltenzahl) {
        if (fehler)
            *fehler = u"Die Spaltenzahl %1 ist zu groß."_s.arg(anzahl);
        return false;
    }
    Sammlung sammlung(*this);
    SetColCount(anzahl);
    const QString stueck_fehler = spalteninfos_lesen(anzahl, [&rest] {
        auto [stueck, weiter] = CutToken(zeilenzeichen, rest);
        rest = weiter;
        return std::optional<QString>(stueck);
    });
    if (!stueck_fehler.isEmpty()) {
        if (fehler)
            *fehler = stueck_fehler;
        return false;
    }
    ColInfo_Set(-1);
    SetSortierCols(CutToken(zeilenzeichen, rest).first);
    return true;
}

bool GitterModell::SetParamArrayToColInfo(const QStringList &pa, QString *fehler)
{
    Sammlung sammlung(*this);
    const int anzahl = int(std::min<qsizetype>(pa.size(), hoechste_spaltenzahl));
    int i = 0;
    const QString stueck_fehler = spalteninfos_lesen(anzahl, [&] {
        if (i >= m_col_count)
            SetColCount(i + 1);
        QString param = pa[i++];
        param.replace(u';', RowTz);
        return std::optional<QString>(param);
    });
    if (!stueck_fehler.isEmpty()) {
        if (fehler)
            *fehler = stueck_fehler;
        return false;
    }
    ColInfo_Set(-1);
    return true;
}

QString GitterModell::FixedColsText() const
{
    QString text;
    for (int r = 0; r < m_row_count; ++r)
        text += Cells(0, r) + ParamTz;
    return text;
}

void GitterModell::SetFixedColsText(const QString &text)
{
    SetCols(0, in_zeilen(text, ParamTz));
}

QString GitterModell::ColNamen() const
{
    if (m_fixed_rows != 1)
        return {};
    QString text;
    for (int c = 0; c < m_col_count; ++c)
        text += Cells(c, 0) + ParamTz;
    return text;
}

void GitterModell::SetColNamen(const QString &text)
{
    Sammlung sammlung(*this);
    SetRows(0, in_zeilen(text, ParamTz));
    const QFontMetrics metrik(m_font.font);
    const QString abstand(std::max(Distance, 0), u' ');
    for (int c = 0; c < m_col_count; ++c)
        SetColWidths(c, metrik.horizontalAdvance(Cells(c, 0) + abstand));
}
