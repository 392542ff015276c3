#include "shell/oberflaeche_fenster.h"

#include "shell/png_bild.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

using namespace Qt::StringLiterals;

VorlixStil::VorlixStil(const QString &grundstil)
    : QProxyStyle(grundstil)
{
}

QIcon VorlixStil::standardIcon(StandardPixmap art, const QStyleOption *option,
                               const QWidget *widget) const
{
    if (art != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(art, option, widget);
    QIcon symbol;
    for (const QString &groesse : {u"16"_s, u"32"_s}) {
        const QImage bild = png_lesen(
            u":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png"_s.arg(groesse));
        if (!bild.isNull())
            symbol.addPixmap(QPixmap::fromImage(bild));
    }
    return symbol;
}

void oberflaeche_einrichten()
{
    QApplication::setStyle(new VorlixStil(u"Fusion"_s));
    // One face in two weights for every text: the tool bar's narrow face, which also reads well
    // everywhere else.
    QApplication::setFont(QFont(u"Liberation Sans"_s, 9));
}
