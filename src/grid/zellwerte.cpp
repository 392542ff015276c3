// Typed access to cells and the comparison values of filters.
#include "grid/datumtext.h"
#include "grid/filtergrid.h"
#include "grid/zahltext.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

bool wahrheit_lesen(const QString &text)
{
    const QString t = trimme_steuerzeichen(text);
    if (t.isEmpty())
        return false;
    return u"J;JA;T;TRUE;1;"_s.contains(t + u';', Qt::CaseInsensitive);
}

} // namespace

double GitterModell::GetAsDateTime(int aCol, int aRow) const
{
    return datum_zeit_lesen(Cells(aCol, aRow), heute()).value_or(ungueltiges_datum);
}

void GitterModell::SetAsDateTime(int aCol, int aRow, double wert)
{
    SetCells(aCol, aRow, datum_zeit_text(wert));
}

double GitterModell::GetAsDate(int aCol, int aRow) const
{
    return datum_lesen(Cells(aCol, aRow), heute()).value_or(ungueltiges_datum);
}

void GitterModell::SetAsDate(int aCol, int aRow, double wert)
{
    SetCells(aCol, aRow, datum_text(wert));
}

double GitterModell::GetAsTime(int aCol, int aRow) const
{
    return zeit_lesen(Cells(aCol, aRow)).value_or(0.0);
}

void GitterModell::SetAsTime(int aCol, int aRow, double wert)
{
    SetCells(aCol, aRow, zeit_text(wert));
}

bool GitterModell::GetAsBoolean(int aCol, int aRow) const
{
    return wahrheit_lesen(Cells(aCol, aRow));
}

void GitterModell::SetAsBoolean(int aCol, int aRow, bool wert)
{
    SetCells(aCol, aRow, wert ? u"J"_s : u"N"_s);
}

qint32 GitterModell::GetAsInteger(int aCol, int aRow) const
{
    return StrToIntNorm(Cells(aCol, aRow));
}

void GitterModell::SetAsInteger(int aCol, int aRow, qint32 wert)
{
    SetCells(aCol, aRow, QString::number(wert));
}

double GitterModell::GetAsFloat(int aCol, int aRow) const
{
    return StrToFloatNorm(Cells(aCol, aRow));
}

void GitterModell::SetAsFloat(int aCol, int aRow, double wert)
{
    const TColInfo *info = GetColInfo(aCol);
    const QLocale locale = zahlen_locale();
    if (info && info->Typ == u'F')
        SetCells(aCol, aRow, locale.toString(wert, 'f', std::clamp(info->Dez, 0, 18)));
    else
        SetCells(aCol, aRow, locale.toString(wert, 'g', 15));
}

double GitterModell::GetAsCurr(int aCol, int aRow) const
{
    return StrToCurrNorm(Cells(aCol, aRow));
}

void GitterModell::SetAsCurr(int aCol, int aRow, double wert)
{
    // The range of a 64-bit currency with four decimals.
    if (!std::isfinite(wert) || std::abs(wert) >= 922337203685477.0) {
        SetCells(aCol, aRow, QString());
        return;
    }
    SetCells(aCol, aRow, QLocale().toCurrencyString(wert, QString(), 2));
}

std::optional<Vergleichswert> GitterModell::StrToColFormat(int aCol, const QString &s,
                                                           QString *fehler) const
{
    const QString t = trimme_steuerzeichen(s);
    const TColInfo *info = GetColInfo(aCol);
    if (!info)
        return t;
    const char16_t typ = info->Typ.unicode();
    const bool zahl_typ =
        typ == u'C' || typ == u'D' || typ == u'F' || typ == u'I' || typ == u'T' || typ == u'd';
    if (!zahl_typ)
        return t;
    if (t.isEmpty())
        return 0.0;
    switch (typ) {
    case u'C':
        return StrToCurrNorm(t);
    case u'D':
        return std::floor(datum_zeit_lesen(t, heute()).value_or(ungueltiges_datum));
    case u'F':
        return StrToFloatNorm(t);
    case u'I':
        return double(StrToIntNorm(t));
    case u'T':
        if (const auto zeit = zeit_lesen(t))
            return *zeit;
        if (fehler)
            *fehler = u"'%1' ist keine gültige Uhrzeit"_s.arg(t);
        return std::nullopt;
    default:
        if (const auto zeitpunkt = datum_zeit_lesen(t, heute()))
            return *zeitpunkt;
        if (fehler)
            *fehler = u"'%1' ist kein gültiges Datum mit Uhrzeit"_s.arg(t);
        return std::nullopt;
    }
}
