#include "appearance/stile.h"

#include "storage/sichere_datei.h"
#include "storage/text1252.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

const QString system_stil_name = u"Windows"_s;
const QString style_dateiname = u"Styledat.txt"_s;

namespace {

// Columns: window, window text, base, alternate base, text, button, button text, highlight,
// highlighted text, tool tip, tool tip text, link; then the style sheet, if any.
constexpr std::array eingebaut{
    Stil{u"Amakrits", 0x3b3330, 0xf0e6dc, 0x2b2522, 0x352e2a, 0xf0e6dc, 0x4a403b, 0xf0e6dc,
         0xd9822b, 0x1a1208, 0x4a403b, 0xf0e6dc, 0xf0a65a},
    Stil{u"Amethyst Kamri", 0xe6dff0, 0x2a1f3d, 0xf7f3fb, 0xede5f6, 0x2a1f3d, 0xd9cde9, 0x2a1f3d,
         0x7b4fa6, 0xffffff, 0xf3ecfb, 0x2a1f3d, 0x5b2d8a},
    Stil{u"Aqua Graphite", 0x3c4146, 0xe8eef2, 0x2e3236, 0x363b40, 0xe8eef2, 0x4a5056, 0xe8eef2,
         0x3fb6c9, 0x0d1a1f, 0x4a5056, 0xe8eef2, 0x6fd3e3},
    Stil{u"Aqua Light Slate", 0xe3e9ee, 0x1f2a33, 0xf6f9fb, 0xeaf0f4, 0x1f2a33, 0xd3dde5, 0x1f2a33,
         0x157785, 0xffffff, 0xeef3f6, 0x1f2a33, 0x0f6f80},
    Stil{u"Auric", 0x2f2b26, 0xf2e6c9, 0x24211d, 0x2d2924, 0xf2e6c9, 0x3d3831, 0xf2e6c9, 0xd4a537,
         0x1b1608, 0x3d3831, 0xf2e6c9, 0xe6c15a},
    Stil{u"Carbon", 0x323232, 0xe6e6e6, 0x262626, 0x2e2e2e, 0xe6e6e6, 0x3e3e3e, 0xe6e6e6, 0x8c8c8c,
         0x101010, 0x3e3e3e, 0xe6e6e6, 0xa8c8f0},
    Stil{u"Charcoal Dark Slate", 0x2b2f36, 0xdfe4ea, 0x1f2329, 0x272b31, 0xdfe4ea, 0x383d45,
         0xdfe4ea, 0x56708f, 0xffffff, 0x383d45, 0xdfe4ea, 0x8fb4de},
    Stil{u"Cobalt XEMedia", 0x1c2a4a, 0xe6ecf8, 0x14203a, 0x1a2745, 0xe6ecf8, 0x273a63, 0xe6ecf8,
         0x2f6cc4, 0xffffff, 0x273a63, 0xe6ecf8, 0x8ab4ff},
    Stil{u"Cyan Dusk", 0x24333a, 0xdff4f6, 0x1a262c, 0x203038, 0xdff4f6, 0x2f4249, 0xdff4f6,
         0x1fa3b3, 0x06181b, 0x2f4249, 0xdff4f6, 0x5fd8e6},
    Stil{u"Cyan Night", 0x151c22, 0xd8f3f7, 0x0d1217, 0x131a20, 0xd8f3f7, 0x1f2a33, 0xd8f3f7,
         0x00b7c7, 0x001316, 0x1f2a33, 0xd8f3f7, 0x40e0f0},
    Stil{u"Emerald Light Slate", 0xe4eae8, 0x1e2b27, 0xf7faf9, 0xeaf1ee, 0x1e2b27, 0xd4dfdb,
         0x1e2b27, 0x1a7a4f, 0xffffff, 0xeef4f1, 0x1e2b27, 0x146b45},
    Stil{u"Glossy", 0x1e1e1e, 0xf0f0f0, 0x121212, 0x1a1a1a, 0xf0f0f0, 0x2d2d2d, 0xf0f0f0, 0x2a70c4,
         0xffffff, 0x2d2d2d, 0xf0f0f0, 0x7fb8ff,
         u"QPushButton { color: #f0f0f0; border: 1px solid #000000; border-radius: 4px; padding: "
         u"4px 14px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5c5c5c, stop:0.49 "
         u"#3a3a3a, stop:0.5 #242424, stop:1 #2e2e2e); } "
         u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f6583, "
         u"stop:0.49 #3f5472, stop:0.5 #2a3d58, stop:1 #34496a); } "
         u"QPushButton:pressed { background: #2a70c4; color: #ffffff; } "
         u"QPushButton:disabled { color: #7a7a7a; }"},
    Stil{u"Glow", 0x20242b, 0xe9f2ff, 0x171a1f, 0x1d2127, 0xe9f2ff, 0x2b3038, 0xe9f2ff, 0x2aa1ff,
         0x06121c, 0x2b3038, 0xe9f2ff, 0x7cc6ff,
         u"QPushButton { color: #e9f2ff; background: #2b3038; border: 1px solid #2aa1ff; "
         u"border-radius: 3px; padding: 4px 14px; } "
         u"QPushButton:hover { border: 2px solid #7cc6ff; background: #323946; } "
         u"QPushButton:pressed { background: #2aa1ff; color: #06121c; } "
         u"QPushButton:disabled { color: #7d8796; border-color: #3d4552; }"},
    Stil{u"Golden Graphite", 0x3a3a3c, 0xececec, 0x2c2c2e, 0x333335, 0xececec, 0x48484b, 0xececec,
         0xc9a227, 0x1a1400, 0x48484b, 0xececec, 0xe8c65a},
    Stil{u"Iceberg Classico", 0xe8f0f6, 0x1c2b38, 0xffffff, 0xeef5fa, 0x1c2b38, 0xd6e4ef, 0x1c2b38,
         0x346fae, 0xffffff, 0xf3f8fb, 0x1c2b38, 0x1d5fa3},
    Stil{u"Lavender Classico", 0xece8f4, 0x2a2438, 0xfbfaff, 0xf2eff9, 0x2a2438, 0xddd6ec, 0x2a2438,
         0x7a68b8, 0xffffff, 0xf6f3fb, 0x2a2438, 0x574399},
    Stil{u"Light", 0xf3f3f3, 0x1a1a1a, 0xffffff, 0xf7f7f7, 0x1a1a1a, 0xe6e6e6, 0x1a1a1a, 0x2470c2,
         0xffffff, 0xffffff, 0x1a1a1a, 0x0b5fb8},
    Stil{u"Luna", 0xece9d8, 0x000000, 0xffffff, 0xf4f2e8, 0x000000, 0xe3dfca, 0x000000, 0x316ac5,
         0xffffff, 0xffffe1, 0x000000, 0x0046d5,
         u"QPushButton { color: #000000; border: 1px solid #003c74; border-radius: 3px; padding: "
         u"4px 14px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:0.85 "
         u"#ece9d8, stop:1 #d6d0c5); } "
         u"QPushButton:hover { border: 1px solid #e69a00; } "
         u"QPushButton:pressed { background: #e3dfca; } "
         u"QPushButton:disabled { color: #a19f93; border-color: #c9c7ba; }"},
    Stil{u"Metropolis UI Black", 0x111111, 0xffffff, 0x000000, 0x1a1a1a, 0xffffff, 0x262626,
         0xffffff, 0x595959, 0xffffff, 0x262626, 0xffffff, 0xb0b0b0,
         u"QPushButton { color: #ffffff; background: #262626; border: 1px solid #262626; "
         u"border-radius: 0; padding: 5px 16px; } "
         u"QPushButton:hover { background: #3a3a3a; } "
         u"QPushButton:pressed { background: #595959; } "
         u"QPushButton:focus { border-color: #ffffff; } "
         u"QPushButton:disabled { color: #7a7a7a; }"},
    Stil{u"Metropolis UI Blue", 0x173a63, 0xffffff, 0x0f2c4f, 0x14345a, 0xffffff, 0x1f4a7a,
         0xffffff, 0x5fb0f0, 0x04182c, 0x1f4a7a, 0xffffff, 0x9fd0ff,
         u"QPushButton { color: #ffffff; background: #1f4a7a; border: 1px solid #1f4a7a; "
         u"border-radius: 0; padding: 5px 16px; } "
         u"QPushButton:hover { background: #2a5d94; } "
         u"QPushButton:pressed { background: #5fb0f0; color: #04182c; } "
         u"QPushButton:focus { border-color: #5fb0f0; } "
         u"QPushButton:disabled { color: #7f97b3; }"},
    Stil{u"Metropolis UI Dark", 0x2d2d30, 0xf1f1f1, 0x1e1e1e, 0x252526, 0xf1f1f1, 0x3e3e42,
         0xf1f1f1, 0x007acc, 0xffffff, 0x3e3e42, 0xf1f1f1, 0x5fb4f0,
         u"QPushButton { color: #f1f1f1; background: #3e3e42; border: 1px solid #3e3e42; "
         u"border-radius: 0; padding: 5px 16px; } "
         u"QPushButton:hover { background: #505055; } "
         u"QPushButton:pressed { background: #007acc; color: #ffffff; } "
         u"QPushButton:focus { border-color: #007acc; } "
         u"QPushButton:disabled { color: #858585; }"},
    Stil{u"Metropolis UI Green", 0x1f3d2b, 0xf0fff4, 0x15301f, 0x1a3725, 0xf0fff4, 0x2a5239,
         0xf0fff4, 0x3aa363, 0x041208, 0x2a5239, 0xf0fff4, 0x8fe0aa,
         u"QPushButton { color: #f0fff4; background: #2a5239; border: 1px solid #2a5239; "
         u"border-radius: 0; padding: 5px 16px; } "
         u"QPushButton:hover { background: #356848; } "
         u"QPushButton:pressed { background: #3aa363; color: #041208; } "
         u"QPushButton:focus { border-color: #3aa363; } "
         u"QPushButton:disabled { color: #80a08b; }"},
    Stil{u"Obsidian", 0x1b1a1f, 0xe4e2ea, 0x121116, 0x18171c, 0xe4e2ea, 0x2a2830, 0xe4e2ea,
         0x6b5bb5, 0xffffff, 0x2a2830, 0xe4e2ea, 0xa89bea},
    Stil{u"Onyx Blue", 0x1a1f2b, 0xe3e9f5, 0x11151e, 0x171c27, 0xe3e9f5, 0x252c3b, 0xe3e9f5,
         0x3b6fd1, 0xffffff, 0x252c3b, 0xe3e9f5, 0x7fa7ff},
    Stil{u"Ruby Graphite", 0x37353a, 0xececec, 0x2a292d, 0x323035, 0xececec, 0x46444a, 0xececec,
         0xb3203a, 0xffffff, 0x46444a, 0xececec, 0xff8a9e},
    Stil{u"Sapphire Kamri", 0xe1e7f2, 0x1a2540, 0xf6f8fc, 0xe9eef7, 0x1a2540, 0xcfd9ec, 0x1a2540,
         0x1f4fae, 0xffffff, 0xeef2f9, 0x1a2540, 0x163e8c},
    Stil{u"Silver", 0xdcdde0, 0x1f1f22, 0xf5f5f6, 0xe8e8ea, 0x1f1f22, 0xcbccd0, 0x1f1f22, 0x5d6b80,
         0xffffff, 0xf5f5f6, 0x1f1f22, 0x354a68,
         u"QPushButton { color: #1f1f22; border: 1px solid #8e9096; border-radius: 3px; padding: "
         u"4px 14px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fafafb, stop:1 "
         u"#c2c4c9); } "
         u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, "
         u"stop:1 #d3d5d9); } "
         u"QPushButton:pressed { background: #b4b7bd; } "
         u"QPushButton:disabled { color: #85878c; }"},
    Stil{u"Sky", 0xd9ecfa, 0x0d2a44, 0xf3f9fe, 0xe4f1fb, 0x0d2a44, 0xbfdff5, 0x0d2a44, 0x1f6fb8,
         0xffffff, 0xeef7fd, 0x0d2a44, 0x145ea3},
    Stil{u"Slate Classico", 0xd7dbe0, 0x1c2127, 0xf2f4f6, 0xe4e7eb, 0x1c2127, 0xc5cbd3, 0x1c2127,
         0x4d6178, 0xffffff, 0xeef0f3, 0x1c2127, 0x2f4b6e},
    Stil{u"Smokey Quartz Kamri", 0xe6dedb, 0x2e2523, 0xf7f3f2, 0xefe8e6, 0x2e2523, 0xd6cbc7,
         0x2e2523, 0x8a6a63, 0xffffff, 0xf2ecea, 0x2e2523, 0x6b4540},
    Stil{u"TabletDark", 0x202020, 0xffffff, 0x2b2b2b, 0x262626, 0xffffff, 0x333333, 0xffffff,
         0x0064c8, 0xffffff, 0x333333, 0xffffff, 0x6cb4ff,
         u"QPushButton { color: #ffffff; background: #333333; border: 1px solid #4a4a4a; "
         u"border-radius: 6px; padding: 8px 18px; min-height: 20px; } "
         u"QPushButton:hover { background: #3d3d3d; } "
         u"QPushButton:pressed { background: #0064c8; } "
         u"QPushButton:focus { border: 2px solid #6cb4ff; } "
         u"QPushButton:disabled { color: #7a7a7a; }"},
    Stil{u"Tablet Light", 0xf7f7f7, 0x202020, 0xffffff, 0xf2f2f2, 0x202020, 0xececec, 0x202020,
         0x0a64c8, 0xffffff, 0xffffff, 0x202020, 0x0a58b0,
         u"QPushButton { color: #202020; background: #ececec; border: 1px solid #c8c8c8; "
         u"border-radius: 6px; padding: 8px 18px; min-height: 20px; } "
         u"QPushButton:hover { background: #e0e0e0; } "
         u"QPushButton:pressed { background: #0a64c8; color: #ffffff; } "
         u"QPushButton:focus { border: 2px solid #0a64c8; } "
         u"QPushButton:disabled { color: #9a9a9a; }"},
    Stil{u"Turquoise Gray", 0xe4e7e7, 0x1d2424, 0xf7f8f8, 0xedf0f0, 0x1d2424, 0xd2d8d8, 0x1d2424,
         0x0f7a76, 0xffffff, 0xf0f3f3, 0x1d2424, 0x0d6e6a},
    Stil{u"Windows10", 0xf0f0f0, 0x000000, 0xffffff, 0xf5f5f5, 0x000000, 0xe1e1e1, 0x000000,
         0x0072c6, 0xffffff, 0xffffff, 0x000000, 0x0066cc,
         u"QPushButton { color: #000000; background: #e1e1e1; border: 1px solid #adadad; "
         u"border-radius: 0; padding: 4px 14px; } "
         u"QPushButton:hover { background: #e5f1fb; border-color: #0072c6; } "
         u"QPushButton:pressed { background: #cce4f7; border-color: #005499; } "
         u"QPushButton:default { border: 2px solid #0072c6; } "
         u"QPushButton:disabled { color: #838383; background: #cccccc; border-color: #bfbfbf; }"},
};

} // namespace

std::span<const Stil> eingebaute_stile()
{
    return eingebaut;
}

const Stil *stil_suchen(QStringView name)
{
    for (const Stil &stil : eingebaut)
        if (stil.name.compare(name, Qt::CaseInsensitive) == 0)
            return &stil;
    return nullptr;
}

QStringList stil_namen()
{
    QStringList namen{system_stil_name};
    for (const Stil &stil : eingebaut) {
        const QString name = stil.name.toString();
        if (!namen.contains(name))
            namen.append(name);
    }
    QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(namen.begin(), namen.end(), ordnung);
    return namen;
}

QPalette stil_palette(const Stil &stil)
{
    // Light, mid, dark and shadow follow from the button and window colours.
    QPalette palette{QColor(stil.knopf), QColor(stil.fenster)};
    const auto setze = [&palette](QPalette::ColorRole rolle, QRgb farbe) {
        palette.setColor(rolle, QColor(farbe));
    };
    setze(QPalette::Window, stil.fenster);
    setze(QPalette::WindowText, stil.fenster_text);
    setze(QPalette::Base, stil.basis);
    setze(QPalette::AlternateBase, stil.basis_wechsel);
    setze(QPalette::Text, stil.text);
    setze(QPalette::Button, stil.knopf);
    setze(QPalette::ButtonText, stil.knopf_text);
    setze(QPalette::Highlight, stil.auswahl);
    setze(QPalette::HighlightedText, stil.auswahl_text);
    setze(QPalette::ToolTipBase, stil.hinweis);
    setze(QPalette::ToolTipText, stil.hinweis_text);
    setze(QPalette::Link, stil.verweis);
    setze(QPalette::LinkVisited, stil.verweis);
    setze(QPalette::BrightText, stil.auswahl_text);
    // Disabled and placeholder text lie between the text and its background.
    const auto mitte = [](QRgb vorne, QRgb hinten) {
        return QColor((qRed(vorne) + qRed(hinten)) / 2, (qGreen(vorne) + qGreen(hinten)) / 2,
                      (qBlue(vorne) + qBlue(hinten)) / 2);
    };
    palette.setColor(QPalette::PlaceholderText, mitte(stil.text, stil.basis));
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     mitte(stil.fenster_text, stil.fenster));
    palette.setColor(QPalette::Disabled, QPalette::Text, mitte(stil.text, stil.basis));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, mitte(stil.knopf_text, stil.knopf));
    return palette;
}

QString style_name_lesen(const QString &daten_pfad)
{
    QByteArray inhalt;
    if (!speicher::datei_lesen(daten_pfad + style_dateiname, inhalt))
        return system_stil_name;
    const qsizetype ende = inhalt.indexOf('\n');
    QByteArray zeile = ende < 0 ? inhalt : inhalt.left(ende);
    if (zeile.endsWith('\r'))
        zeile.chop(1);
    return zeile.isEmpty() ? system_stil_name : speicher::aus_1252(zeile);
}

bool style_speichern(const QString &daten_pfad, const QString &name)
{
    return speicher::datei_ersetzen(daten_pfad + style_dateiname, speicher::nach_1252(name));
}
