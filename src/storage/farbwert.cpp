#include "storage/farbwert.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct FarbName
{
    const char16_t *name;
    TColor wert;
};

constexpr std::array farb_namen{
    FarbName{u"clBlack", 0x000000},
    FarbName{u"clMaroon", 0x000080},
    FarbName{u"clGreen", 0x008000},
    FarbName{u"clOlive", 0x008080},
    FarbName{u"clNavy", 0x800000},
    FarbName{u"clPurple", 0x800080},
    FarbName{u"clTeal", 0x808000},
    FarbName{u"clGray", 0x808080},
    FarbName{u"clSilver", 0xC0C0C0},
    FarbName{u"clRed", 0x0000FF},
    FarbName{u"clLime", 0x00FF00},
    FarbName{u"clYellow", 0x00FFFF},
    FarbName{u"clBlue", 0xFF0000},
    FarbName{u"clFuchsia", 0xFF00FF},
    FarbName{u"clAqua", 0xFFFF00},
    FarbName{u"clLtGray", 0xC0C0C0},
    FarbName{u"clDkGray", 0x808080},
    FarbName{u"clWhite", 0xFFFFFF},
    FarbName{u"clMoneyGreen", 0xC0DCC0},
    FarbName{u"clSkyBlue", 0xF0CAA6},
    FarbName{u"clCream", 0xF0FBFF},
    FarbName{u"clMedGray", 0xA4A0A0},
    FarbName{u"clScrollBar", system_farbe(0)},
    FarbName{u"clBackground", system_farbe(1)},
    FarbName{u"clActiveCaption", system_farbe(2)},
    FarbName{u"clInactiveCaption", system_farbe(3)},
    FarbName{u"clMenu", system_farbe(4)},
    FarbName{u"clWindow", system_farbe(5)},
    FarbName{u"clWindowFrame", system_farbe(6)},
    FarbName{u"clMenuText", system_farbe(7)},
    FarbName{u"clWindowText", system_farbe(8)},
    FarbName{u"clCaptionText", system_farbe(9)},
    FarbName{u"clActiveBorder", system_farbe(10)},
    FarbName{u"clInactiveBorder", system_farbe(11)},
    FarbName{u"clAppWorkSpace", system_farbe(12)},
    FarbName{u"clHighlight", system_farbe(13)},
    FarbName{u"clHighlightText", system_farbe(14)},
    FarbName{u"clBtnFace", system_farbe(15)},
    FarbName{u"clBtnShadow", system_farbe(16)},
    FarbName{u"clGrayText", system_farbe(17)},
    FarbName{u"clBtnText", system_farbe(18)},
    FarbName{u"clInactiveCaptionText", system_farbe(19)},
    FarbName{u"clBtnHighlight", system_farbe(20)},
    FarbName{u"cl3DDkShadow", system_farbe(21)},
    FarbName{u"cl3DLight", system_farbe(22)},
    FarbName{u"clInfoText", system_farbe(23)},
    FarbName{u"clInfoBk", system_farbe(24)},
};

QPalette::ColorRole palette_rolle(int index)
{
    switch (index) {
    case 5:
    case 4:
    case 12:
        return QPalette::Base;
    case 7:
    case 8:
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
    case 17:
        return QPalette::Dark;
    case 18:
    case 9:
        return QPalette::ButtonText;
    case 20:
    case 22:
        return QPalette::Light;
    case 21:
    case 6:
        return QPalette::Shadow;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button;
    }
}

} // namespace

std::optional<TColor> farbe_lesen(const QString &text)
{
    const QString t = text.trimmed();
    for (const FarbName &eintrag : farb_namen) {
        if (t.compare(QStringView(eintrag.name), Qt::CaseInsensitive) == 0)
            return eintrag.wert;
    }
    bool ok = false;
    if (t.startsWith(u'$')) {
        const quint32 wert = t.mid(1).toUInt(&ok, 16);
        return ok ? std::optional<TColor>(TColor(wert)) : std::nullopt;
    }
    const qint32 wert = t.toInt(&ok, 10);
    return ok ? std::optional<TColor>(wert) : std::nullopt;
}

QColor farbe_zu_qcolor(TColor farbe)
{
    if (farbe < 0) {
        const QPalette palette = QGuiApplication::palette();
        return palette.color(QPalette::Active, palette_rolle(int(quint32(farbe) & 0xFF)));
    }
    const quint32 wert = quint32(farbe);
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}

TColor qcolor_zu_farbe(const QColor &farbe)
{
    return TColor(quint32(farbe.red()) | (quint32(farbe.green()) << 8) |
                  (quint32(farbe.blue()) << 16));
}
