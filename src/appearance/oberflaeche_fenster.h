#pragma once

#include <QProxyStyle>

// The program's look on top of a Qt style such as "Fusion". Qt's menu bar asks
// its style for an icon as it is created; read from a file of unknown format, that icon makes
// the image reader load every image-format plugin first. This style reads it as PNG directly.
class VorlixStil : public QProxyStyle
{
public:
    explicit VorlixStil(const QString &grundstil);

    QIcon standardIcon(StandardPixmap art, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// The toolkit style under the program's style ("fusion", "windows", ...), and a new program
// style over the named one.
QString stil_art();
void stil_art_setzen(const QString &art);

// Style and font of every window; runs once at start-up, before the first window is built.
void oberflaeche_einrichten();
