#include "printing/druckseite.h"

#include "shell/optionen.h"

#include <QFontDatabase>
#include <QImage>
#include <algorithm>

Druckschrift druckschrift_aus_optionen(const TOptionen &optionen)
{
    Druckschrift schrift;
    schrift.art = optionen.wert(opt::druck_schriftart);
    if (schrift.art.trimmed().isEmpty())
        schrift.art = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const qint32 groesse = optionen.wert(opt::druck_schriftgroesse);
    schrift.groesse = groesse < druck::kleinste_groesse
                          ? druck::grundgroesse
                          : std::min<qint32>(groesse, druck::groesste_groesse);
    return schrift;
}

QFont druckschrift(const QString &art, int groesse, bool fett)
{
    QFont schrift(art);
    schrift.setPointSize(groesse);
    schrift.setBold(fett);
    return schrift;
}

QFontMetrics seitenmasse(const QFont &schrift)
{
    constexpr int punkte_je_meter = 3780; // 96 dots per inch
    QImage seite(1, 1, QImage::Format_RGB32);
    seite.setDotsPerMeterX(punkte_je_meter);
    seite.setDotsPerMeterY(punkte_je_meter);
    return QFontMetrics(schrift, &seite);
}
