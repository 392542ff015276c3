#include "stopwatch/zeitanzeige.h"

using namespace Qt::StringLiterals;

QString zeit_text(int minuten, int sekunden)
{
    return u"%1 : %2"_s.arg(minuten, 2, 10, QChar(u'0')).arg(sekunden, 2, 10, QChar(u'0'));
}

TColor laufende_farbe(int restsekunden)
{
    if (restsekunden >= 60)
        return uhr_gruen;
    return restsekunden < 15 ? uhr_rot : uhr_gelb;
}
