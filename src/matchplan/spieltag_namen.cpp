#include "matchplan/spieltag_namen.h"

using namespace Qt::StringLiterals;

namespace {

// Characters von..bis counted from 1, as far as the text reaches.
QString zeichen(const QString &text, int von, int bis)
{
    return text.mid(von - 1, bis - von + 1);
}

} // namespace

Spieltagdateien spieltag_dateinamen(bool doppel, int n, const QDate &tag)
{
    const QString praefix = doppel ? u"D_"_s : u"E_"_s;
    const QString teil = u"Gr%1_%2"_s.arg(n, 2, 10, QChar(u'0')).arg(tag.toString(u"dd_MM_yyyy"_s));
    return {praefix + u"Tab1"_s + teil + u".Tab"_s, praefix + u"Tab2"_s + teil + u".Tub"_s,
            praefix + teil + u".grp"_s};
}

QString matrix_dateiname(const QString &tabellen_name)
{
    return zeichen(tabellen_name, 1, 5) + u'2' + zeichen(tabellen_name, 7, 21) + u".Tub"_s;
}

QString anzahl_text_tabelle(const QString &name)
{
    return zeichen(name, 9, 10);
}

QString anzahl_text_satz(const QString &name)
{
    return zeichen(name, 5, 6);
}

QString datum_aus_dateiname(const QString &name)
{
    QString datum = name.endsWith(u"grp"_s) ? zeichen(name, 8, 17) : zeichen(name, 12, 21);
    for (int stelle : {2, 5}) {
        if (stelle < datum.size())
            datum[stelle] = u'.';
    }
    return datum;
}
