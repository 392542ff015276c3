#include "appearance/oberflaeche_fenster.h"

#include "pictures/png_bild.h"

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

QString stil_art()
{
    const QStyle *stil = QApplication::style();
    if (const auto *ueber = qobject_cast<const QProxyStyle *>(stil))
        stil = ueber->baseStyle();
    return stil->name();
}

void stil_art_setzen(const QString &art)
{
    QApplication::setStyle(new VorlixStil(art));
}

void oberflaeche_einrichten()
{
    // Over the platform's own style until a saved choice replaces it.
    stil_art_setzen(QApplication::style()->name());
    // One face in two weights for every text: the tool bar's narrow face, which also reads well
    // everywhere else. Unhinted: hinting every glyph of a new size is a good part of the start,
    // and antialiased text at these sizes reads the same without it.
    QFont schrift(u"Liberation Sans"_s, 9);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(schrift);
}
